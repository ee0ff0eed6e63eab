#pragma once
// The scroll bars of a board view follow its origin and zoom: the bar's range is the work area
// at the current zoom in pixels, its position the pixel of the point shown at the window centre.

#include <cstdint>
#include <optional>

// The bar position of a view origin: (origin / work-area size + 0.5) x extent, kept within
// 0..extent. The view's scroll handler turns a position back into the origin the same way.
int ScrollPositionOfOrigin(int32_t origin, int32_t workAreaSize, int extent);
// The origin a bar position stands for (the inverse of ScrollPositionOfOrigin).
int32_t OriginOfScrollPosition(int position, int32_t workAreaSize, int extent);

// The bar positions one page moves: as much of the board as the window shows across the bar's
// axis (`windowLogical`, in logical units), on the bar's scale of `extent` positions for a
// work area `workAreaSize` logical units long; at least 1.
int ScrollPageOfWindow(int64_t windowLogical, int32_t workAreaSize, int extent);

// The position a scroll code other than the end of a scroll leads to: a line or a page either
// way, or the thumb's position; other codes leave it.
int NextScrollPosition(int position, unsigned code, unsigned thumb, int line, int page);

// A scroll that moves nothing until it ends. Each message steps `pending` (a scroll starts at
// `current`; -1 is none under way), held to 0..extent; the end of the scroll answers the
// position reached and leaves none under way. nullopt until then.
std::optional<int> StepPendingScroll(int& pending, int current, unsigned code, unsigned thumb, int line, int page,
                                     int extent);
