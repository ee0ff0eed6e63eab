#pragma once
// Necking: where a trace runs past a pad closer than the pad-to-trace clearance, the piece
// beside the pad is narrowed to the neck width and moved away from the pad, its outer edge
// kept, so that the narrowed piece keeps the clearance.

#include <cstdint>
#include <string_view>

struct NeckingSettings {
    int32_t neckWidth = 100;        // board units (10.0 mils)
};
extern NeckingSettings g_necking;

inline constexpr std::string_view kNeckedMessage = "Added necking to %d traces";
inline constexpr std::string_view kNoNeckingMessage = "No necking performed";

// Necks the traces among objects 1..count against the pads of the placed parts among them;
// shows the closing message. Returns the number of traces necked.
int NeckTraces(int count);

// Whether (px, py) lies inside the segment's bounding box grown by 500 units on each side.
bool PadNearSegment(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
