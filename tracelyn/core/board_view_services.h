#pragma once
// Routines of other board-view topics (mouse input and crosshair, selection, view commands,
// status panes and scroll bars) that the painters and the zoom code call.

namespace plat { class Dc; }

// Loads the grid command and spacings, view origin, size letter and zoom index (and its
// divisor) from the open footprint editor, or else from the active document.
void SyncViewSettings();

// Clears the selection and rubber-band modes (the selection count is the caller's).
void ClearSelectionModes();
// Moves the stored rubber-band rectangle with the view.
void ShiftRubberBand(int dx, int dy);

// After a paint of the whole board: the handles of a single selected object, the stored
// rubber-band rectangle, and the highlighted selection in nets-only editing.
void DrawSelectionMarks(plat::Dc& dc);
// Refreshes the status-bar panes and the main frame's combo boxes.
void RefreshStatusPanes();
// Draws (store 1: and remembers) the crosshair at (x, y), CursorPoint units.
void DrawCrosshair(plat::Dc& dc, int x, int y, int store);
// The frame of draw-to-fit mode.
void DrawFitFrame(plat::Dc& dc);
// Page lines of large work areas and net-name labels on the rats nest, after each layer pass.
void DrawPageBreaks(plat::Dc& dc);
void DrawNetNames(plat::Dc& dc);
// The scroll bars of the active view from its origin and zoom.
void UpdateScrollBars();
