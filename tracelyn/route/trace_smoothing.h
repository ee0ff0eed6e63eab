#pragma once
// Smoothing of routed copper: right-angle corners between two orthogonal traces become a
// 45-degree segment or an arc, or (Orthogonalize) short diagonal and arc corners go back to
// right angles. A corner is changed only where nothing else meets it and the new copper
// touches no other copper of its layer, so the board's connections stay as they were.

#include <cstdint>
#include <string_view>

inline constexpr int32_t kSmoothArcs = 70;
inline constexpr int32_t kSmooth45 = 71;
inline constexpr int32_t kSmoothOrthogonal = 72;

struct SmoothingSettings {
    int32_t mode = kSmoothArcs;     // the Smoothing dialog's radio button
    int32_t step = 250;             // SmoothStep of the running pass
};
extern SmoothingSettings g_smoothing;

inline constexpr std::string_view kSmoothedMessage = "Number of corners smoothed: %d";
inline constexpr std::string_view kUnsmoothedMessage = "Number of corners UNsmoothed: %d";

// Smooths the corners among objects first..last. Interactive 1: the Smoothing dialog first
// (Cancel ends), the progress window, an undo entry and the closing message; 0: silent.
// Returns the corners changed (-1 when the dialog was cancelled).
int SmoothCorners(int first, int last, int interactive);
// Orthogonalize: the same arguments.
int UnsmoothCorners(int first, int last, int interactive);
// The maze router's bevels: 45-degree corners on its new objects, silently.
int SmoothNewCorners(int first, int last);

// Moves end `end` (0 first point, else second) of trace index toward the other by the step;
// 0 when the trace is horizontal, 1 vertical; a trace left shorter than the step is deleted.
int ShortenTraceEnd(int index, int end);
// Joins the collinear trace of the same layer and width that meets trace index at its end
// opposite to `end`; 1 when one was joined.
int MergeCollinearTrace(int index, int end);
