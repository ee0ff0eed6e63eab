#pragma once
// The board's selection: selecting at a point or by window, the handles of one selected object
// and the inverting frame around several, the selection rectangle the dispatcher tests, and
// repainting what is selected. Marks are drawn in inverting mode, so drawing them a second
// time erases them; a full paint draws them again through DrawSelectionMarks.

namespace plat { class Dc; }

inline constexpr int kSelectClick = 1;
inline constexpr int kSelectBand = 2;
inline constexpr int kSelectWindow = 3;

// Mode 1 selects the object under the cursor (1 on a hit), mode 2 stretches the rubber band to
// the cursor (1), mode 3 selects the objects whose first point lies in the band (0; the band
// stays as the selection frame when something was selected).
int SelectAtPoint(plat::Dc& dc, int mode);

// 1 when the object now in entry 1 equals savedFirst or occurs in entries 2..count.
int IsObjectSelected(int count, int savedFirst);

// The selection rectangle (cursor space) around the first n selected objects, enlarged by the
// handle size; ComputeSelectionExtent sets only the band and the board extents.
void ComputeSelectionRect(int n);
void ComputeSelectionExtent(int n);

// The handles of one object, inverted.
void DrawObjectHandles(plat::Dc& dc, int index);
// Stores and draws the rubber band (cursor space), inverted.
void DrawRubberBand(plat::Dc& dc, int left, int top, int right, int bottom);

// Draws (or, drawn already, erases) the marks of the selection: the handles of a single
// object selected by a click, or the frame of a multiple selection while it is shown.
void ToggleSelectionMarks(plat::Dc& dc);
// Erases the marks and empties the selection.
void ClearSelection(plat::Dc& dc);
// Empties the selection and forgets its frame and band, drawing nothing: the marks are gone
// already, or the repaint that follows leaves them out.
void ForgetSelection();

// Paints every selected object in raster mode `mode`.
void RedrawSelection(plat::Dc& dc, int mode);
// Handles of every selected object; the tool becomes 401 (after Select All).
void HighlightSelection(plat::Dc& dc);

// Whether a cursor-space point lies in the selection rectangle grown by `margin`.
bool InSelectionRect(int x, int y, int margin);
