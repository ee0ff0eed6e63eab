// The Setup menu's dialogs (General, Layers, Selective Editing, Font), File > Printout Settings,
// Aux > Resources and Ctrl+F3, which switches the pad-to-pad router between one and two layers.
#include "tracelyn/workspace/main_frame.h"

#include "common/editor_startup.h"
#include "common/resource_usage_dialog.h"
#include "common/selective_edit_dialog.h"
#include "common/scoped_replace.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "resources/tracelyn/setup_dialogs.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/general_setup_sheet.h"
#include "tracelyn/workspace/setup_dialogs.h"

using namespace tly;

namespace {

// How full the board's store and its package table are. The board has room for many more
// objects than a drawing, so each bar measures against its own table.
ResourceUsage boardUsage()
{
    return {.library = 100.0 * g_packages.count / kMaxPackages,
            .design = g_board.objects != nullptr && g_board.capacity > 1 ? 100.0 * g_board.count / (g_board.capacity - 1) : 0.0,
            .system = 50};
}

}  // namespace

void CMainFrame::registerSetupCommands()
{
    onCommand(kCmdGeneralSetup, &CMainFrame::OnGeneralSetup);
    onCommand(kCmdLayerSetup, &CMainFrame::OnLayerSetup);
    onCommand(kCmdPrintoutSettings, &CMainFrame::OnPrintoutSettings);
    onCommand(kCmdToggleRouteMode, &CMainFrame::OnToggleRouteMode);
    onCommand(kCmdSelectiveSetup, &CMainFrame::OnSelectiveSetup);
    onCommand(kCmdResources, &CMainFrame::OnResources);
    onCommand(kCmdFont, &CMainFrame::OnFont);
}

void CMainFrame::OnGeneralSetup()
{
    RunGeneralSetup(this);
    // The backup timer follows the interval whether or not the sheet was confirmed.
    KillTimer(kTimerBackup);
    StartBackupTimer(*this, kTimerBackup, g_boardSettings.BackupTime);
    RefillUnitCombos();
    RedrawActiveFrame();
}

void CMainFrame::OnLayerSetup()
{
    CLayerSetupDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    ToggleLayerPairView();
    RedrawActiveFrame();
}

void CMainFrame::OnPrintoutSettings()
{
    CPrintoutSettingsDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnToggleRouteMode()
{
    int32_t& mode = g_boardSettings.RouteMode;
    mode = mode == kRouteTwoLayers ? kRouteOneLayer : kRouteTwoLayers;
}

void CMainFrame::OnSelectiveSetup()
{
    CSelEditDlg dialog(BoardSelectiveEditIds(),
                       {.switches = g_selectiveEdit.on,
                        .mode = &g_gesture.selectiveMode,
                        .presets = {{kIdcSelEditArtwork, {kSwitchPads, kSwitchTraces}}}},
                       this);
    if (dialog.DoModal() != plat::kIdOk)
        return;
    // The Modify toolbar's list shows the mode now in force.
    if (plat::ToolBarCombo* combo = frameCombo(kComboSelectiveEdit))
        combo->SetCurSel(g_gesture.selectiveMode - kSelectiveEditFirst);
}

void CMainFrame::OnResources()
{
    CResourceUsageDlg dialog(BoardResourceUsageIds(), boardUsage, this);
    dialog.DoModal();
}

// The size new texts take; with texts selected they take it too, and the selection ends.
void CMainFrame::OnFont()
{
    CFontDlg dialog;
    dialog.m_sizeIndex = g_boardSettings.CurrentSize;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    g_boardSettings.CurrentSize = dialog.m_sizeIndex;
    if (g_selection.count > 0)
        ChangeSelectedObjects(kChangeFont);
    g_selection.count = 0;
    RedrawActiveFrame();
}
