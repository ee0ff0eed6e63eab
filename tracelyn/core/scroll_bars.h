#pragma once
// The scroll bars of a board view follow its origin and zoom: the bar's range is the work area
// at the current zoom in pixels, its position the pixel of the point shown at the window centre.

#include <cstdint>

// The bar position of a view origin: (origin / work-area size + 0.5) x extent, kept within
// 0..extent. The view's scroll handler turns a position back into the origin the same way.
int ScrollPositionOfOrigin(int32_t origin, int32_t workAreaSize, int extent);
// The origin a bar position stands for (the inverse of ScrollPositionOfOrigin).
int32_t OriginOfScrollPosition(int position, int32_t workAreaSize, int extent);

// The position a scroll code other than the end of a scroll leads to: a line or a page either
// way, or the thumb's position; other codes leave it.
int NextScrollPosition(int position, unsigned code, unsigned thumb, int line, int page);
