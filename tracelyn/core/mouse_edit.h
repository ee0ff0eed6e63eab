#pragma once
// The board's mouse-action dispatcher: the view's button and move handlers (and the footprint
// editor's) hand every press, snapped move and release here with the current tool. Edit mode
// (tool 1309) selects and starts moves; every drawing tool appends one object on the press,
// stretches it while the button is held, and keeps or discards it on the release.

namespace plat { class Dc; }

// dc: a prepared DC of the view's window; action 1 press, 2 move, 3 release.
void ProcessMouseEdit(plat::Dc& dc, int tool, int action);

// The tool families, each with its press, move and release.
void SelectToolPress(plat::Dc& dc);
void SelectToolMove(plat::Dc& dc);
void SelectToolRelease(plat::Dc& dc);
void DrawToolPress(plat::Dc& dc, int tool);
void DrawToolMove(plat::Dc& dc, int tool);
void DrawToolRelease(plat::Dc& dc, int tool);

// Status line (pane 0) for the first selected object.
void ShowSelectedObjectInfo();

// After a trace was drawn between two board points: the first rats-nest line whose ends lie
// within 25 pixels of the trace's ends (either way round) is deleted. True when one was.
bool RemoveMatchingNoRoute(int x1, int y1, int x2, int y2);

// The one connection of tool 303: until the maze router routes it, the straight trace stays
// and the rats-nest line it replaces goes. Returns the number of objects the route appended.
int RouteOneConnection(int traceIndex);
