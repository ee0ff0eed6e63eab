#pragma once
// Ids of the board's clipboard, bookmark, view and File commands and their strings.

namespace tly {

enum : unsigned {
    // Commands
    kCmdEditPaste = 203,            // Edit > Paste (Ctrl+V)
    kCmdCenterView = 215,           // View > Center (F4)
    kCmdEditClear = 218,            // Edit > Clear (F8)
    kCmdDrawToFit = 1308,           // View > Draw to Fit
    kCmdDrawToFitTool = 5001,       // the View toolbar's draw-to-fit button; the fit mode's tool
    kCmdClearBookmarks = 32797,     // Aux > Clear Bookmarks
    kCmdGoToBookmark = 32798,       // Aux > Go To Bookmark (F2)
    kCmdSetBookmark = 32799,        // Ctrl+F2
    kCmdDiagnosticDump = 32809,     // Ctrl+Q
    kCmdCloseAllWindows = 32824,    // Window > Close All Windows
    kCmdEditNetsOnly = 720,         // the selective-edit mode that traces nets
};

}  // namespace tly
