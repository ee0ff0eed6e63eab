#include "tracelyn/workspace/main_frame.h"
#include "tracelyn/workspace/parts_bin_window.h"

#include "platform/app/command_ids.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_backup.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/blink_marker.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/design_rules_dialog.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/router_dialogs.h"
#include "tracelyn/route/trace_necking.h"
#include "tracelyn/route/trace_smoothing.h"
#include "tracelyn/route/via_optimizer.h"

namespace {

// Pane 0 messages, 1 cursor read-out, 2 activity icon, 3 work-area size, 4 store fill.
constexpr int kPaneWidths[] = {140, 32, 30, 30};
// The two pictures of the status animation, shown in turn while the program runs.
constexpr int kAnimationIcons[] = {185, 186};

// The animation stands still while the router works, so a stalled route shows.
bool routing() { return g_progress.routing != 0; }

const quill::EditorFrameSpec& boardFrame()
{
    static const quill::EditorFrameSpec spec{
        .bars = {BoardToolBarSpecs(), tly::kCmdToolbarFirst, tly::kCmdDefaultToolbars, BoardToolBarDocking(), {}},
        .status = {kPaneWidths, {}, {kAnimationIcons[0], kAnimationIcons[1]}, kPaneIcon},
        .timers = {tly::kTimerStatusAnimation, tly::kTimerBackup, tly::kTimerBlinkMarker},
        .routines = {TextEntryActive, routing, SetStatusIcon, BackupOpenBoards, AdvanceBlinkMarker, ProgramTips},
        .partsBin = {tly::kCmdPartsBin, []() -> quill::PartsBinDlg& { return ThePartsBin(); }, nullptr},
        .tipOfTheDayCommand = tly::kCmdTipOfTheDay,
        .websiteCommand = tly::kCmdWebsite,
        .startMaximised = true,
    };
    return spec;
}

}  // namespace

CMainFrame::CMainFrame() : quill::EditorMainFrame(boardFrame())
{
    onDocumentCommand(tly::kCmdLoadNetlist, &CMainFrame::OnLoadNetlist);
    onDocumentCommand(tly::kCmdRatsNest, &CMainFrame::OnRatsNest);
    onDocumentCommand(tly::kCmdClearRatsNest, &CMainFrame::OnClearRatsNest);
    onDocumentCommand(tly::kCmdRegrid, &CMainFrame::OnRegrid);
    onDocumentCommand(tly::kCmdStatistics, &CMainFrame::OnStatistics);
    onCommand(tly::kCmdDesignRules, &CMainFrame::OnDesignRules);
    onDocumentCommand(tly::kCmdBatchRoute, &CMainFrame::OnBatchRoute);
    onDocumentCommand(tly::kCmdOptimize, &CMainFrame::OnOptimize);
    onDocumentCommand(tly::kCmdSmooth, &CMainFrame::OnSmooth);
    onDocumentCommand(tly::kCmdNeck, &CMainFrame::OnNeck);
    onCommand(tly::kCmdRouterStatistics, &CMainFrame::OnRouterStatistics);
    onCommand(tly::kCmdPlacement, &CMainFrame::OnPlacement);
    registerEditCommands();
    registerViewBarCommands();
    registerSetupToggles();
    registerSetupCommands();
    registerHelpCommands();
    registerFrameCommands();
    registerLibraryCommands();
    addManufacturingCommands();
    registerSearchCommands();
    registerAdvancedCommands();
    registerArtworkNetlistCommands();
    registerPackageEditorCommands();
}
CMainFrame::~CMainFrame() = default;

void CMainFrame::OnClose()
{
    // A print job draws from the boards; the program stays until it is done.
    if (g_print.printing)
        return;
    ThePartsBin().Close();   // its position goes into the settings
    bars_.saveLayout();
    SaveSettings();
    // Boards closing from here keep their entries in the open-document table: the settings
    // just listed them for the next start.
    g_active.programClosing = true;
    quill::EditorMainFrame::OnClose();
    if (IsWindow())
        g_active.programClosing = false;   // the user cancelled a save question
}

void CMainFrame::OnDestroy()
{
    KillTimer(tly::kTimerBackup);
    KillTimer(tly::kTimerStatusAnimation);
    RouterMemory(kRouterMemoryFree);
    PlaySoundFile("goodbye.wav");
    quill::EditorMainFrame::OnDestroy();
}

bool CMainFrame::chooseNetlist()
{
    const std::string chosen = BrowseForFile(tly::kStrNetlistFilter);
    if (chosen.empty())
        return false;
    g_netlist.netlistName = chosen.substr(0, kNetlistNameChars);
    return true;
}

void CMainFrame::OnLoadNetlist()
{
    if (GetActiveDocument() && chooseNetlist())
        LoadNetlist(0);
}

// The rats nest of the netlist named in "Rats Nest Display Setup".
void CMainFrame::OnRatsNest()
{
    if (!GetActiveDocument())
        return;
    CRatsNestSetupDlg setup;
    if (setup.DoModal() != plat::kIdOk)
        return;
    g_edit.currentLayer = kLayerAll;
    BuildRatsNest(0);
    if (g_active.data != nullptr)
        g_active.data->objectCount = g_board.count;
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

void CMainFrame::OnBatchRoute()
{
    if (!GetActiveDocument())
        return;
    CBatchRouterSetupDlg setup(this);
    if (setup.DoModal() != plat::kIdOk)
        return;
    CBatchRouter router;
    router.BatchRoute();
    RedrawActiveFrame();
}

void CMainFrame::OnOptimize()
{
    if (!GetActiveDocument())
        return;
    PushRouteUndo();
    COptimizeDlg optimizer;
    optimizer.OptimizeVias(1);
    AdjustViaPositions();
    RedrawActiveFrame();
}

void CMainFrame::OnSmooth()
{
    if (!GetActiveDocument())
        return;
    SmoothCorners(1, g_board.count, 1);
    if (g_active.data != nullptr)
        g_active.data->objectCount = g_board.count;
}

void CMainFrame::OnNeck()
{
    if (!GetActiveDocument())
        return;
    CNeckingDlg setup;
    if (setup.DoModal() != plat::kIdOk)
        return;
    PushRouteUndo();
    NeckTraces(g_board.count);
}

void CMainFrame::OnRouterStatistics()
{
    if (GetActiveDocument())
        ShowRouterStatistics();
}
