#include "schemora/workspace/main_frame.h"

#include "platform/app/command_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/drawing_backup.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/design_name.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_dialog.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/step_control.h"

namespace {

// Pane 0 messages, 1 cursor read-out, 2 activity icon, 3 sheet size, 4 store fill.
constexpr unsigned kIndicators[] = {plat::kIdSeparator, plat::kIdSeparator, plat::kIdSeparator,
                                    plat::kIdSeparator, plat::kIdSeparator};

}  // namespace

CMainFrame::CMainFrame()
{
    onCommand(scm::kCmdNetlist, &CMainFrame::OnNetlist);
    onCommand(scm::kCmdDesignRules, &CMainFrame::OnDesignRules);
    onUpdateCommandUI(scm::kCmdNetlist, &CMainFrame::OnUpdateNeedsDrawing);
    onUpdateCommandUI(scm::kCmdDesignRules, &CMainFrame::OnUpdateNeedsDrawing);
    registerToolCommands();
    registerSimulationCommands();
    registerAdvancedEditCommands();
    registerSearchCommands();
    registerBoardCommands();
}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate()
{
    if (plat::MDIFrameWnd::OnCreate() == -1)
        return -1;
    if (!fileBar_.Create(this, plat::kWsChild | plat::kWsVisible | plat::kCbrsAlignTop, plat::kIdwToolBar) ||
        !fileBar_.LoadToolBar(scm::kIdrFileToolBar))
        return -1;
    if (!drawBar_.Create(this, plat::kWsChild | plat::kWsVisible | plat::kCbrsAlignTop, scm::kIdwDrawToolBar) ||
        !drawBar_.LoadToolBar(scm::kIdrDrawToolBar))
        return -1;
    if (!editBar_.Create(this, plat::kWsChild | plat::kWsVisible | plat::kCbrsAlignTop, scm::kIdwEditToolBar) ||
        !editBar_.LoadToolBar(scm::kIdrEditToolBar))
        return -1;
    if (!status_.Create(this) || !status_.SetIndicators(kIndicators))
        return -1;
    status_.SetPaneInfo(1, plat::kIdSeparator, plat::kSbpsNormal, 160);
    status_.SetPaneInfo(2, plat::kIdSeparator, plat::kSbpsNormal, 20);
    status_.SetPaneInfo(3, plat::kIdSeparator, plat::kSbpsNormal, 40);
    status_.SetPaneInfo(4, plat::kIdSeparator, plat::kSbpsNormal, 50);
    return 0;
}

void CMainFrame::OnClose()
{
    CloseInstrumentWindows();
    SaveSettings();
    // Documents closing from here keep their slots in the open-document table: the settings
    // just listed them for the next start.
    g_programClosing.closing = true;
    plat::MDIFrameWnd::OnClose();
    if (IsWindow())
        g_programClosing.closing = false;   // the user cancelled a save question
}

void CMainFrame::OnTimer(unsigned id)
{
    // A tick that arrives while another is served (the device update redraws and may pump
    // messages) is turned away.
    static bool busy = false;
    if (busy) {
        plat::MessageBox("Busy");
        return;
    }
    if (id == kTimerStepRun) {
        busy = true;
        StepTimerTick(*this);
        busy = false;
        return;
    }
    if (id == scm::kTimerStatusAnimation) {
        // Phases 0 and 2 show the first icon, 1 and 3 the second.
        SetStatusIcon(animationPhase_ % 2 == 0 ? scm::kIconActivityA : scm::kIconActivityB, kStatusIconPane);
        animationPhase_ = (animationPhase_ + 1) % 4;
        return;
    }
    if (id == scm::kTimerBlinkMarker) {
        AdvanceBlinkMarker();
        return;
    }
    if (id == scm::kTimerBackup) {
        BackupOpenDrawings();
        return;
    }
    plat::MDIFrameWnd::OnTimer(id);
}

void CMainFrame::OnUpdateNeedsDrawing(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr); }

void CMainFrame::OnNetlist()
{
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc)
        return;
    g_designName.text = doc->GetPathName();
    CNetlistDlg dialog(this, g_sheetView.currentSheet, doc->data().numberOfSheets);
    dialog.DoModal();
}

void CMainFrame::OnDesignRules()
{
    auto* doc = static_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc)
        return;
    // The report is named after the drawing checked, whether or not the Netlist dialog ran.
    g_designName.text = doc->GetPathName().empty() ? doc->GetTitle() : doc->GetPathName();
    CNetlistBuilder builder;
    builder.CheckDesignRules();
}
