#pragma once
// ProcessMouseEdit: the mouse edit engine of the schematic view and the part editor. Action 1
// is a left-button press, 2 a move with the button held (only when the snapped cursor point
// changed), 3 the release. In edit mode (tool 314) it selects and starts moves, copies and
// handle drags; with a drawing tool it appends one object at the press (through
// AppendObjects, with an appended undo step), stretches it in inverting mode and settles it at
// the release. The cursor must have been snapped first (cursor_snap.h).

#include <string>

namespace plat {
class Dc;
}

// Tool command ids (CurrentTool).
enum ToolId : int {
    kToolNone = 0,
    kToolText = 300,
    kToolBus = 301,
    kToolArrow = 302,
    kToolRectangle = 303,
    kToolRoundRect = 304,
    kToolTriangle = 305,
    kToolLine = 306,
    kToolEllipse = 307,
    kToolDot = 308,
    kToolArc = 310,
    kToolPart = 311,
    kToolSelect = 314,
    kToolAutoText = 240,
    kToolMark = 602,
    kToolFit = 5001,
    kToolTerminal = 32915,      // the part editor's pin: a line held orthogonal, numbered at release
};

inline constexpr int kMouseDown = 1;
inline constexpr int kMouseMove = 2;
inline constexpr int kMouseUp = 3;

void ProcessMouseEdit(plat::Dc& dc, int tool, int action);

// The part that tool 311 places: the chooser sets the symbol (g_partSymbols.current) and the
// part text ("prefix:library\name"); each placement stores its own copy of the text.
struct PartPlacement {
    std::string partText;
    bool surfaceMount = false;
};
extern PartPlacement g_partPlacement;
