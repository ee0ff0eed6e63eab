#pragma once
// The blinking marker that shows where Go To Bookmark went: an inverted circle (kind 7) or
// square (kind 2) at the window centre, toggled by the main frame's timer 1600 every 200 ms,
// for at most 2,000 ticks. Any paint of the view stops it.

inline constexpr unsigned kBlinkTimer = 1600;
inline constexpr unsigned kBlinkPeriod = 200;
inline constexpr int kBlinkTicks = 2000;

// Phase 0 starts the marker (and its timer) with the given kind.
void BlinkMarker(int phase, int kind);
// One tick: draws the marker again (inverted), or stops after the last tick.
void AdvanceBlinkMarker();
// Ticks so far (for the tests).
int BlinkTicks();
