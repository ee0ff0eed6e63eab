#pragma once
// The ids a program gives the editing commands both editors have. The main window's toolbar
// pictures and the library editor's Edit menu both name them by these.

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

// The keyboard cursor's commands: the arrows move it, Enter clicks at it and Home brings the
// selection to it.
struct CursorKeyIds {
    unsigned left = 0;    // Right, Up and Down are the three ids that follow
    unsigned enter = 0;
    unsigned home = 0;
};

}  // namespace quill
