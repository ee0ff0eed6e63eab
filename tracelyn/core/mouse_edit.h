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

// Places one part of a loaded package at board point (x, y) as a click of the part tool does:
// one record through the append routine with one undo step, on the layer the part tool uses,
// and the references renumbered when "AutoRefs" is on. Returns the new object's index, 0 when
// nothing was placed (no such package, the store full).
int PlacePackageAt(int package, int x, int y);

// Status line (pane 0) for the first selected object.
void ShowSelectedObjectInfo();

// After a trace was drawn between two board points: the first rats-nest line whose ends lie
// within 25 pixels of the trace's ends (either way round) is deleted. True when one was.
bool RemoveMatchingNoRoute(int x1, int y1, int x2, int y2);

// The one connection of tool 303, defined by the routing subsystem: the maze router routes the
// straight trace `traceIndex` (the store's last object) between its ends; on success the
// rats-nest line it replaces goes. 1 routed; else the straight trace stays as it was (or
// becomes a rats-nest line after a grid error).
int RouteOneConnection(int traceIndex);
