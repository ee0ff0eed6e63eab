#pragma once
// The pointer shapes of editing: a resize arrow over a handle of the one selected object,
// pointing the way that handle moves, and the four-way arrow over a selection a press would
// move. Shared by the drawing views and the part editor.

#include "platform/app/wnd.h"
#include "schemora/core/draw_object.h"

#include <optional>

// The resize cursor for handle k of a selected line, arrow or bus (along the line at its ends)
// or rectangle, rounded rectangle or triangle (diagonal at its corners); none for other kinds.
std::optional<plat::Cursor> ResizeCursorOf(const DrawObject& o, int k);
// The cursor over a handle: the resize arrow where the kind has one, else the four-way arrow.
plat::Cursor HandleCursorOf(const DrawObject& o, int k);
plat::Cursor MoveCursor();
