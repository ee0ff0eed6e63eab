#pragma once
// The progress window shared by the board program's long operations (batch routing, via
// optimisation, necking, smoothing, erasing a large selection) and the abort flag its Cancel
// button sets. Defined by the routing subsystem; the board core calls them too.

#include <cstdint>

// Process-wide flags of long operations. The progress window and its callers keep `shown` in
// step with the window; Cancel and a fatal router error set `abort`, which every routing loop
// polls; the batch router sets `routing` while it runs (the status animation pauses then).
struct ProgressState {
    int32_t shown = 0;
    int32_t abort = 0;              // 0 run on, 1 stop
    int32_t stoppedByUser = 0;      // the stop came from Cancel or Escape, not from a failure
    int32_t routing = 0;
};
extern ProgressState g_progress;

inline constexpr int kProgressUpdate = 0;
inline constexpr int kProgressStart = 1;
inline constexpr int kProgressEnd = 4;

// Mode 1 opens the window (once), mode 4 closes it, any other mode shows done / total as a
// percentage (at most 99.9), a bar and the text line. Updates while the window is not shown or
// with a total of 0 are ignored. A null text shows an empty line.
void ShowProgressWindow(float done, float total, const char* text, int mode);

// One step of a long loop: the window shows done / total with the text, then the waiting
// messages run, so paints and Cancel get through.
void ShowProgressStep(int done, int total, const char* text);
// Loops over every object of a board show a step only this often.
inline constexpr int kProgressEvery = 51;

// For operations that end on a path of their own: the shown flag cleared, the window destroyed.
void CloseProgressWindow();
