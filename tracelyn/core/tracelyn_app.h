#pragma once
// The board program's application object: start-up in a fixed order (palette, colour map,
// cursors, process tables, router memory, template, main frame, command line, settings,
// images, timers, welcome sound, tip of the day, batch-route offer, file type), the About box,
// and the two small helpers other parts call: the layer-viewing toggle and the grid menu texts.

#include "common/editor_app.h"
#include "platform/app/menu.h"
#include "platform/app/wnd.h"

#include <array>

class CTracelynApp : public quill::EditorApp {
public:
    CTracelynApp();
    bool InitInstance() override;
    // File > Open by the kind of file, Window > Close All Windows and the Ctrl+Q dump.
    void OnFileOpenByKind();
    void OnCloseAllWindows();
    void OnDiagnosticDump();
};

// Flips the layer viewing mode between one layer (1040) and the layer pair (1041) and shows
// the mode on the toolbar: image 0 or 5 on the Single/2-Layer button, button 1041 hidden.
void ToggleLayerPairView();

// Rewrites the texts of the grid items 698 to 706 of the main window's menu for the current
// unit mode; nothing when the main window has no menu.
void BuildGridMenu();

// Cursors, icons, bitmaps and the outline pop-up, loaded once by start-up for the program's
// lifetime (status-bar animation, tool buttons, painters, outline editing).
struct AppImages {
    plat::Cursor arrowCursor = 0;
    std::array<plat::Cursor, 3> cursors{};      // resources 259, 189, 188
    std::array<plat::Icon, 10> icons{};
    std::array<unsigned, 13> bitmaps{};
    plat::Menu outlineMenu;                     // menu 245, "Outline"
};
extern AppImages g_appImages;
