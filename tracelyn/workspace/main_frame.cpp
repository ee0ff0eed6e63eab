#include "tracelyn/workspace/main_frame.h"

#include "platform/app/command_ids.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/blink_marker.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/design_rules_dialog.h"

namespace {

// Pane 0 messages, 1 cursor read-out, 2 activity icon, 3 work-area size, 4 store fill.
constexpr unsigned kIndicators[] = {plat::kIdSeparator, plat::kIdSeparator, plat::kIdSeparator,
                                    plat::kIdSeparator, plat::kIdSeparator};

}  // namespace

CMainFrame::CMainFrame()
{
    onCommand(tly::kCmdLoadNetlist, &CMainFrame::OnLoadNetlist);
    onCommand(tly::kCmdRatsNest, &CMainFrame::OnRatsNest);
    onCommand(tly::kCmdClearRatsNest, &CMainFrame::OnClearRatsNest);
    onCommand(tly::kCmdRegrid, &CMainFrame::OnRegrid);
    onCommand(tly::kCmdStatistics, &CMainFrame::OnStatistics);
    onCommand(tly::kCmdDesignRules, &CMainFrame::OnDesignRules);
    for (unsigned id : {tly::kCmdLoadNetlist, tly::kCmdRatsNest, tly::kCmdClearRatsNest, tly::kCmdRegrid,
                        tly::kCmdStatistics})
        onUpdateCommandUI(id, &CMainFrame::OnUpdateNeedsBoard);
    registerEditCommands();
}
CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate()
{
    if (plat::MDIFrameWnd::OnCreate() == -1)
        return -1;
    if (!toolBar_.Create(this, plat::kWsChild | plat::kWsVisible | plat::kCbrsAlignTop, plat::kIdwToolBar) ||
        !toolBar_.LoadToolBar(tly::kIdrMainFrame))
        return -1;
    if (!createEditBars())
        return -1;
    if (!status_.Create(this) || !status_.SetIndicators(kIndicators))
        return -1;
    status_.SetPaneInfo(1, plat::kIdSeparator, plat::kSbpsNormal, 160);
    status_.SetPaneInfo(2, plat::kIdSeparator, plat::kSbpsNormal, 20);
    status_.SetPaneInfo(3, plat::kIdSeparator, plat::kSbpsNormal, 50);
    status_.SetPaneInfo(4, plat::kIdSeparator, plat::kSbpsNormal, 40);
    return 0;
}

void CMainFrame::OnClose()
{
    // A print job draws from the boards; the program stays until it is done.
    if (g_print.printing)
        return;
    SaveBarState("ToolBars");
    SaveSettings();
    // Boards closing from here keep their entries in the open-document table: the settings
    // just listed them for the next start.
    g_active.programClosing = true;
    plat::MDIFrameWnd::OnClose();
    if (IsWindow())
        g_active.programClosing = false;   // the user cancelled a save question
}

void CMainFrame::OnDestroy()
{
    RouterMemory(kRouterMemoryFree);
    PlaySoundFile("goodbye.wav");
    plat::MDIFrameWnd::OnDestroy();
}

void CMainFrame::OnTimer(unsigned id)
{
    // The status animation and the backup period tick here; neither changes a board.
    if (id == tly::kTimerStatusAnimation || id == tly::kTimerBackup)
        return;
    if (id == tly::kTimerBlinkMarker) {
        AdvanceBlinkMarker();
        return;
    }
    plat::MDIFrameWnd::OnTimer(id);
}

void CMainFrame::OnUpdateNeedsBoard(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr); }

bool CMainFrame::chooseNetlist()
{
    plat::FileDialogRequest request;
    request.open = true;
    request.filter = plat::LoadString(tly::kStrNetlistFilter);
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (chosen.path.empty())
        return false;
    g_netlist.netlistName = chosen.path.substr(0, kNetlistNameChars);
    return true;
}

void CMainFrame::OnLoadNetlist()
{
    if (GetActiveDocument() && chooseNetlist())
        LoadNetlist(0);
}

// The rats nest of the loaded netlist, or of one chosen now when none is loaded yet.
void CMainFrame::OnRatsNest()
{
    if (!GetActiveDocument())
        return;
    if (g_netlist.netlistName.empty() && !chooseNetlist())
        return;
    g_edit.currentLayer = kLayerAll;
    BuildRatsNest(0);
}

void CMainFrame::OnClearRatsNest()
{
    if (!GetActiveDocument())
        return;
    ClearNetNames(0);
    RedrawActiveFrame();
}

void CMainFrame::OnRegrid()
{
    if (!GetActiveDocument())
        return;
    RegridObjects();
    RedrawActiveFrame();
}

void CMainFrame::OnStatistics()
{
    if (GetActiveDocument())
        ShowArtworkStatistics();
}

void CMainFrame::OnDesignRules()
{
    CDesignRulesDlg dialog;
    dialog.DoModal();
}
