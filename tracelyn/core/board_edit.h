#pragma once
// Process-wide state of board editing: the current tool, the drawing defaults new objects
// take, the gesture in progress of the mouse dispatcher, and the selection's rectangle and
// modes. Set by the tool commands, the setup dialogs and the mouse dispatcher; read by the
// view's mouse handlers, the hit tests, the transforms and the undo ring's callers.

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <string>

// Tools: the command ids that choose them.
enum BoardTool : int32_t {
    kToolNone = 0,
    kToolAutoText = 240,
    kToolText = 300,
    kToolRectangle = 301,
    kToolTrace = 302,
    kToolRoute = 303,
    kToolEllipse = 304,
    kToolPad = 305,
    kToolFill = 306,
    kToolArc = 307,
    kToolPart = 308,
    kToolPolygon = 309,
    kToolSelectAll = 401,
    kToolSelect = 1309,
    kToolDrawToFit = 5001,
};

// Mouse actions handed to ProcessMouseEdit.
inline constexpr int kMousePress = 1;
inline constexpr int kMouseMove = 2;
inline constexpr int kMouseRelease = 3;

// Selective-edit modes (command ids 710 to 720) and the switch of each kind family.
inline constexpr int32_t kSelectiveEditFirst = 710;
inline constexpr int32_t kSelectiveEditLast = 720;
inline constexpr int32_t kSelectiveEditNetsOnly = 720;
enum SelectiveSwitch : int {
    kSwitchText = 0,
    kSwitchPads,
    kSwitchTraces,
    kSwitchArcs,
    kSwitchEllipses,
    kSwitchRectangles,
    kSwitchParts,
    kSwitchPolygons,
    kSwitchNoRoutes,
    kSwitchNets,
};

// Polygons have 3 to 10 edges.
inline constexpr int kMinPolygonEdges = 3;
inline constexpr int kMaxPolygonEdges = 10;

// The values new objects take (the current settings of the drawing dialogs).
struct DrawDefaults {
    int32_t outlineStyle = 0;       // word 5 of drawn shapes: pen style 0 to 3
    int32_t fillPattern = 0;        // word 6 of rectangles, ellipses, polygons
    int32_t polygonEdges = 3;       // 3 to 10
    double ellipseAspect = 1.0;     // x radius / y radius of the ellipse tool
    double rotationAngle = 1.5707963;   // radians Rotate turns by (General Setup)
    int32_t partLayer = 0;          // 31: parts are placed on all layers
    std::string autoPrefix;         // Aux > Auto: the text before the number
    std::string autoNumber = "1";   // decimal digits, advanced after each text
};
extern DrawDefaults g_drawDefaults;

// The gesture of the mouse dispatcher and the selection's modes.
struct EditGesture {
    int32_t tool = kToolNone;       // CurrentTool
    int32_t selectiveMode = kSelectiveEditFirst;
    int32_t pressX = 0, pressY = 0;             // screen point (CursorPoint) at the press
    int32_t pressBoardX = 0, pressBoardY = 0;   // CursorBoardPoint at the press
    int32_t lastX = 0, lastY = 0;               // screen point of the previous action
    int32_t placedX = INT32_MIN, placedY = INT32_MIN;   // release point of the last placement
    int32_t boardX = 0, boardY = 0;             // CursorBoardPoint
    int32_t newObject = 0;          // the record the drawing tool appended, 0 when none
    bool ghost = false;             // the new object is drawn inverted
    bool dragging = false;          // the selection is being moved
    bool handleDrag = false;        // one object's handle is being dragged
    bool bandShown = false;         // the rubber band (selection frame) is drawn
    bool bandActive = false;        // a window select is being dragged
    bool frameHidden = false;
    bool multi = false;             // the selection was built by Ctrl+click or a window
    bool moved = false;             // a move arrived since the press
    bool ctrl = false;              // Ctrl and Shift at the press
    bool shift = false;
    bool overHandle = false;        // the pointer is over a handle of the selection
    bool partRubberBand = false;    // a selected part drags its traces
    bool keyDrag = false;           // Enter pressed the button by key; the next Enter releases
    bool pressOnSelection = false;  // the press landed on the selected objects: a drag moves them
    bool labelDrag = false;         // the press landed on the one selected part's label: a drag moves it
    int32_t moveAnchorX = 0, moveAnchorY = 0;   // board point the next move step measures from
    // Screen units (logical, relative to the window origin): the selection rectangle, the
    // band's corners.
    plat::Rect selectionRect{};
    plat::Rect band{};
    // The selection's extents in board units.
    int32_t extentLeft = 0, extentTop = 0, extentRight = 0, extentBottom = 0;
    int32_t rectangleEdge = 0;      // edge of a hit rectangle (1 left, 2 right, 3 top, 4 far)
};
extern EditGesture g_gesture;

// Pointer modes of the crosshair and the system pointer.
inline constexpr int kPointerHandle = 0;
inline constexpr int kPointerNormal = 1;
inline constexpr int kPointerDrag = 2;
struct PointerState {
    int mode = kPointerNormal;
    int32_t readoutOriginX = 0;     // the O key's origin (logical units)
    int32_t readoutOriginY = 0;
    int32_t readoutMode = 0;        // 2: relative to the window centre
    int32_t lastSnappedX = INT32_MIN, lastSnappedY = INT32_MIN;
    double polarRadius = 0;         // the polar read-out (board units, tenths of a degree)
    int32_t polarAngle = 0;
    bool savedCrosshair = true;     // the crosshair setting at the last focus loss
    bool edgeScrolled = false;      // an edge push scrolled the view; none more until a release
};
extern PointerState g_pointer;
