#pragma once
// Process-wide state of schematic editing with the mouse: the cursor, the pending interaction
// of the mouse edit engine and the selection's frame, band and handles. Every schematic view
// and the part editor share it, as they share the tool and the selection list (app_state.h).
//
// Coordinates: "view units" are client pixels times the zoom divisor; "drawing units" are the
// store's own (500 to the inch). Frames, extents and handle points here are in drawing units.

#include "platform/gdi/gdi_types.h"

#include <array>
#include <climits>

namespace plat {
class Wnd;
}

// The snapped cursor and its mark.
struct CursorState {
    int x = 0;                    // CursorPoint, view units
    int y = 0;
    int rawX = INT_MIN;           // the previous raw point, to tell a real move
    int rawY = INT_MIN;
    bool crossHairOn = true;      // CrossHairOn (F10): snapping and the cursor mark
    int markStyle = 1;            // 0 over a handle, 1 normal, 2 over a movable selection
    int markX = 0;                // where the shown mark is drawn, drawing units
    int markY = 0;

    plat::Point point() const { return {x, y}; }
};
extern CursorState g_cursor;

// The pending interaction of ProcessMouseEdit and the move, copy and reshape routines.
struct MouseEditState {
    bool ctrlHeld = false;
    bool shiftHeld = false;
    plat::Point press;                     // view units
    plat::Point pressDraw;                 // drawing units
    plat::Point last{INT_MIN, INT_MIN};    // last processed point, view units
    int releaseX = INT_MIN, releaseY = INT_MIN;   // previous release of a drawing tool
    int newIndex = 0;                      // the object a drawing tool appended at the press
    bool ghostDrawn = false;
    bool moving = false;
    bool reshaping = false;
    bool overHandle = false;
    bool handleGrabbed = false;
    bool handlesHidden = false;
    bool scrolled = false;
    bool textEntry = false;                // typed text entry runs: the mouse is ignored
    int moveOriginX = 0, moveOriginY = 0;  // view units
    plat::Rect moveFrame;                  // drawing units
    int copyBaseCount = 0;                 // object count before a Shift+drag appended copies
    bool copied = false;
    int reshapeMode = 0;
    int reshapeOther = 0;                  // the wire whose end follows the dragged end
    int reshapeOtherEnd = 0;
    bool labelDrag = false;                // a part's label handle is being dragged
    int layerAtPress = 0;
};
extern MouseEditState g_mouseEdit;

inline constexpr int kMaxHandles = 10;
struct SelectionState {
    bool windowMode = false;      // made by a band or grown by Ctrl+click: a frame, no handles
    bool frameShown = false;
    bool bandShown = false;
    plat::Rect frame;             // selection frame, drawing units
    plat::Rect band;              // band corners (left/top = press), drawing units
    plat::Rect hitExtent;         // extent of the last hit object, drawing units
    bool partPicked = false;      // one part picked while "rubber" is on
    bool netPinsShown = false;    // the press showed a wire's net pins on the status line
    int edgeCode = 0;             // side of the last rectangle hit: 1 left 2 right 3 top 4 bottom
    // The strip about the last line, arrow or bus hit: its two ends and half width.
    int stripX1 = 0, stripY1 = 0, stripX2 = 0, stripY2 = 0, stripHalf = 0;
    // HandlePoints of the object whose handles were drawn last.
    std::array<plat::Point, kMaxHandles> handles{};
    int handleCount = 0;
    int grabbedHandle = 0;
    int filterId = 710;           // selection filter command (710 all ... 723 nets only)
};
extern SelectionState g_selection;

// The current drawing layer (0-3, 4 all layers).
int CurrentDrawingLayer();
// The sheet new objects go on and hit tests look at (1 in the part editor).
int CurrentEditSheet();
// Empties the selection and forgets the interaction under way (a new document, Esc, a tool).
void ResetEditInteraction();

// The window the mouse interaction runs in; the view's handlers set it.
struct EditWindow {
    plat::Wnd* view = nullptr;
};
extern EditWindow g_editWindow;
// Repaints the edit window at once (invalidate, erase, update now), else the active frame.
void RedrawEditWindow();

// Junction dots after an edit (automatic dots); null until the dots code installs it.
using DotsRefresh = void (*)();
struct EditHooks {
    DotsRefresh refreshDotsAfterEdit = nullptr;
};
extern EditHooks g_editHooks;
// Runs the installed dots refresh, if any.
void RefreshDotsAfterEdit();
