#include "tracelyn/core/tracelyn_app.h"

#include "common/editor_startup.h"
#include "platform/app/command_ids.h"
#include "platform/app/control_bars.h"
#include "platform/app/doc_template.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_file_commands.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/file_association.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>

AppImages g_appImages;

namespace {

void loadCursors()
{
    g_appImages.arrowCursor = plat::LoadStandardCursor(plat::kIdcArrow);
    g_appImages.cursors = {plat::LoadCursor(tly::kCursorA), plat::LoadCursor(tly::kCursorB),
                           plat::LoadCursor(tly::kCursorC)};
}

void loadIcons()
{
    bool lowResources = false;
    for (size_t i = 0; i < g_appImages.icons.size(); ++i) {
        g_appImages.icons[i] = plat::LoadIcon(tly::kAppIcons[i]);
        if (g_appImages.icons[i] == 0 && i < tly::kRequiredAppIcons)
            lowResources = true;
    }
    if (lowResources)
        plat::MessageBox("Warning low resources!");
}

void loadBitmapsAndOutlineMenu()
{
    for (size_t i = 0; i < g_appImages.bitmaps.size(); ++i)
        g_appImages.bitmaps[i] = plat::findImage(tly::kAppBitmaps[i]) ? tly::kAppBitmaps[i] : 0;
    g_appImages.outlineMenu.LoadMenu(tly::kIdrOutlineMenu);
}

}  // namespace

CTracelynApp::CTracelynApp()
    : quill::EditorApp("Tracelyn", "Tracelyn printed circuit board layout for the Linux desktop",
                       EditorWindowsOf<CTracelynDoc, CTracelynView>(tly::kIdrBoardType, CreateChildFrame,
                                                                    CreateMainFrame, tly::kIdrMainFrame))
{
    onCommand(plat::kIdFileOpen, &CTracelynApp::OnFileOpenByKind);
    onCommand(tly::kCmdCloseAllWindows, &CTracelynApp::OnCloseAllWindows);
    onCommand(tly::kCmdDiagnosticDump, &CTracelynApp::OnDiagnosticDump);
}

bool CTracelynApp::InitInstance()
{
    BuildBoardPalette();
    SeedColorMap();
    loadCursors();
    PrepareProcessTables();
    RouterMemory(kRouterMemoryAllocate);

    quill::EditorMainFrame* mainFrame = installWindows();
    if (!mainFrame)
        return false;
    g_boardFolders.commandLineFlag = !m_lpCmdLine().empty();

    LoadSettings();
    // PrOrient holds the page orientation of printouts: 1 portrait, 2 landscape.
    SetDefaultPageOrientation(g_boardSettings.PrOrient != 1);
    if (!runCommandLine())
        return false;

    g_boardFolders.soundFolder.clear();
    // Stored as the other mode, so that the toggle brings the toolbar in line with the settings.
    g_edit.layerViewMode = LayerViewModeBefore(g_edit.layerViewMode);
    ToggleLayerPairView();
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);

    loadIcons();
    loadBitmapsAndOutlineMenu();
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 0;
    mainFrame->startRunning(tly::kIconReady, g_boardSettings.BackupTime, g_boardFolders.soundFolder);
    mainFrame->UpdateWindow();

    if (g_boardSettings.start == 1 && !g_boardFolders.commandLineFlag)
        LoadRecentFiles(g_boardFolders.iniPath);

    BuildGridMenu();

    if (!AllocateSelectionList()) {
        plat::MessageBox("Error");
        return false;
    }

    if (!g_boardFolders.commandLineFlag)
        PlaySoundFile("welcome.wav");

    g_crosshair.on = true;
    // A start that opens a board named on the command line (Make PCB opens the board it has
    // just placed) goes straight to the board, as it does without the welcome sound.
    if (!g_boardFolders.commandLineFlag)
        quill::ShowStartupTip(ProgramTips());

    if (!m_lpCmdLine().empty() && g_boardFolders.settingsRead)
        OfferBatchRoute();

    RegisterTlzFileType();
    return true;
}

void CTracelynApp::OnFileOpenByKind()
{
    OpenBoardFileByKind();
}

void CTracelynApp::OnCloseAllWindows()
{
    CloseAllBoards();
}

void CTracelynApp::OnDiagnosticDump()
{
    plat::MessageBox(DiagnosticDumpText());
}

void ToggleLayerPairView()
{
    const int image = FlipLayerViewMode();
    plat::ToolBar* bar = LayerViewToolBar();
    if (!bar)
        return;
    bar->ChangeBitmap(tly::kCmdLayerView, image);
    bar->HideButton(tly::kCmdLayerPair);
    bar->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void BuildGridMenu()
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    plat::Menu* menu = frame ? frame->GetMenu() : nullptr;
    if (!menu)
        return;
    for (int id = kGridMenuFirst; id <= kGridMenuLast; ++id) {
        const unsigned command = static_cast<unsigned>(id);
        menu->ModifyMenu(command, plat::kMfByCommand | plat::kMfString, command,
                         GridMenuText(g_boardSettings.units, id));
    }
    frame->DrawMenuBar();
}
