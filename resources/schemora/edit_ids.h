#pragma once
// Command and string ids of drawing, selecting and changing objects in Schemora.

#include "common/editing_command_ids.h"

namespace scm {

enum : unsigned {
    // Drawing tools (main frame; the current tool is the command id)
    kCmdToolText = 300,
    kCmdToolBus = 301,
    kCmdToolArrow = 302,
    kCmdToolRectangle = 303,
    kCmdToolRoundRect = 304,
    kCmdToolPolygon = 305,
    kCmdToolLine = 306,
    kCmdToolEllipse = 307,
    kCmdToolDot = 308,
    kCmdToolArc = 310,
    kCmdToolPart = 311,

    // Edit commands (view)
    kCmdEditSelect = 314,       // Edit > Select (F9)
    kCmdEditErase = 315,        // Edit > Erase (Del)
    kCmdEditRotate = 316,       // Edit > Rotate (X)
    kCmdEditMirror = 317,       // Edit > Mirror (M)
    kCmdEditFlip = 318,         // Edit > Vertical Flip
    kCmdEditOrigin = 319,       // Edit > Origin
    kCmdEditUndo = 216,         // Edit > Undo (Ctrl+Z)
    kCmdEditRedraw = 221,       // Edit > Redraw (Esc)
    kCmdCrossHair = 42,         // F10
    kCmdSelectAll = 32921,      // Edit > Select All (Ctrl+A)

    // Toolbars
    kIdrInsertToolBar = 242,
    kIdrModifyToolBar = 244,
};

}  // namespace scm

namespace scm {

enum : unsigned {
    kCmdRubberBand = 328,       // "Rubberband mode" (F6)
    kCmdAutoDots = 32926,       // automatic junction dots on/off (Alt+C)
    kStrRubberOn = 891,
    kStrRubberOff = 892,
    kStrDisableAutoDots = 125,

    // "Library Parts" chooser (template 276)
    kIddLibraryParts = 276,
    kIdcPartList = 404,
    kIdcLibraryList = 405,
    kIdcPartName = 1066,
    kIdcLibraryName = 311,
    kIdcPartsStatus = 1047,
    kIdcPackageKind = 513,
    kIdcPartDescription = 242,

    // "Save Library Part" (template 164) and "Copy/Move Library Parts" (template 163)
    kCmdSaveAsLibraryPart = 108,     // File > Save Drawing As Library Part
    kCmdCopyLibraryParts = 32803,    // Utilities > Copy Library Parts...
    kIddSaveLibraryPart = 164,
    kIddCopyLibraryParts = 163,
    kIdcSaveLibraryName = 1120,
    kIdcDestinationLibrary = 1013,
    kIdcCopyPart = 1085,
};

inline constexpr quill::EditingCommandIds kEditingCommands{.select = kCmdEditSelect, .erase = kCmdEditErase,
                                                           .rotate = kCmdEditRotate, .mirror = kCmdEditMirror,
                                                           .flip = kCmdEditFlip, .origin = kCmdEditOrigin,
                                                           .undo = kCmdEditUndo};

}  // namespace scm
