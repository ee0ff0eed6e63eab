#pragma once
// Command ids of the schematic view's clipboard, keyboard and Aux commands.

#include "common/editing_command_ids.h"
#include "platform/app/command_ids.h"

namespace scm {

enum : unsigned {
    kCmdEditCopy = 57634,       // Edit > Copy (Ctrl+C, Ctrl+Insert)
    kCmdEditPaste = 57637,      // Edit > Paste (Ctrl+V, Shift+Insert)
    kCmdEditCopyText = 32888,   // Edit > Advanced > Copy Text
    kCmdEditScale = 224,        // Edit > Advanced > Scale (its update only here)

    kCmdLayerDown = 55,         // Num -
    kCmdLayerUp = 56,           // Num +
    kCmdAutoText = 240,         // Aux > Auto...: the auto-numbered text tool
    kCmdHomePlace = 222,        // Home
    kCmdBringToFront = 3202,    // Ctrl+T
    kCmdSendToBack = 3203,      // Ctrl+B
    kCmdKeyLeft = 990,          // keyboard cursor: Left, Right, Up, Down, Enter
    kCmdKeyRight = 991,
    kCmdKeyUp = 992,
    kCmdKeyDown = 993,
    kCmdKeyEnter = 994,
    kCmdSetBookmark = 32806,    // Ctrl+F2
    kCmdClearBookmarks = 32797, // Aux > Clear Bookmarks
    kCmdGoToBookmark = 32798,   // Aux > Go To Bookmark (F2)
    kCmdBillOfMaterials = 7010, // Utilities > Bill of Materials
    kCmdToggleAutoDots = 32926, // Alt+C

    kIddAutoIncrement = 139,
    kIdcAutoText = 300,
    kIdcAutoStart = 322,
};

inline constexpr quill::CursorKeyIds kCursorKeys{.left = kCmdKeyLeft, .enter = kCmdKeyEnter, .home = kCmdHomePlace};

}  // namespace scm
