#pragma once
// The blinking marker that shows where Go To Bookmark went: a circle (kind 7) or a square
// (kind 2) inverted about the centre of the view's window, drawn again on every tick of the
// main frame's timer 1600 (200 ms), for at most 2,000 ticks. A paint of the view or a press of
// the left button in it stops it.

namespace plat {
class View;
}

inline constexpr unsigned kBlinkPeriodMs = 200;
inline constexpr int kBlinkMaxTicks = 2000;
inline constexpr int kBlinkCircle = 7;
inline constexpr int kBlinkSquare = 2;

// Starts the marker in view (tick counter 0, the timer running) and draws it.
void BlinkMarker(plat::View& view, int kind);
// One tick of timer 1600: inverts the marker again; past the last tick, or when another view
// has become the active one, the marker is taken off and the timer killed.
void AdvanceBlinkMarker();
// Kills the timer; with erase, a marker on screen is taken off first (a paint covers it).
void StopBlinkMarker(bool erase);
// Ticks since the start, and whether the marker is on screen (for the tests).
int BlinkMarkerTicks();
bool BlinkMarkerShown();
