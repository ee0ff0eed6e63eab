#pragma once
// The ids a program gives the commands both editors have, and the images its start-up loads.
// The main window's toolbar pictures and the library editor's Edit menu name them by these.

#include <array>
#include <span>

namespace quill {

struct EditingCommandIds {
    unsigned select = 0;
    unsigned erase = 0;
    unsigned rotate = 0;
    unsigned mirror = 0;
    unsigned flip = 0;
    unsigned origin = 0;
    unsigned undo = 0;
};

// The main window's commands both editors have a toolbar picture for, by the program's ids; 0
// for one the program does not have. Grouped as the toolbars group them.
struct SharedCommandIds {
    EditingCommandIds editing;
    unsigned zoomIn = 0, zoomOut = 0, drawToFit = 0, center = 0;
    unsigned text = 0, rectangle = 0, ellipse = 0, polygon = 0;   // drawing tools
    unsigned rubberBand = 0, limit90 = 0, snapGrid = 0;            // Setup toggles
    unsigned partsBin = 0, find = 0;
};

// The keyboard cursor's commands: the arrows move it, Enter clicks at it and Home brings the
// selection to it.
struct CursorKeyIds {
    unsigned left = 0;    // Right, Up and Down are the three ids that follow
    unsigned enter = 0;
    unsigned home = 0;
};

// The pointers over a handle of the selection, over the selection (drag) and the crosshair.
struct CursorIds {
    unsigned handle = 0, drag = 0, crosshair = 0;
};

struct ProgramImageIds {
    std::array<unsigned, 2> frameIcons{};   // show the program's icon: main frame, document type
    std::span<const unsigned> icons;        // the icons start-up loads
    std::span<const unsigned> bitmaps;      // loaded at start-up, shown nowhere
    CursorIds cursors;
};

}  // namespace quill
