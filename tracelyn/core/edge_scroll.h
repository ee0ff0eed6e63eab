#pragma once
// Scrolling the board view by holding the right button and pushing the pointer against an edge
// of the window: one step of a sixth of the window per push, until the next button release.

namespace plat { class Wnd; }

// The view scrolls by a sixth of its width or height at each edge push.
inline constexpr int kEdgeScrollDivisor = 6;

// Edge directions: 0 left, 1 right, 2 up, 3 down.
enum EdgeDirection : int { kEdgeLeft = 0, kEdgeRight = 1, kEdgeUp = 2, kEdgeDown = 3 };

// The band along each edge, in pixels, in which the pointer scrolls the view at the current
// zoom: wider at the coarse zooms.
int EdgeScrollMargin();

// Moves ViewOrigin by 1/n of the visible extent in `direction`, kept inside the work area, the
// rubber band with it; stores the origin in the document, redraws `view` at once and notes the
// scroll (no other until the next release).
void AutoScrollAtEdge(plat::Wnd& view, int n, int direction);

// Called with every mouse move: scrolls when the right button is held, the pointer (pixels)
// lies in an edge band and no edge scroll happened since the last release. True when it did.
bool ScrollAtEdge(plat::Wnd& view, unsigned flags, int px, int py);

// A button release: the next edge push scrolls again.
void EndEdgeScroll();
