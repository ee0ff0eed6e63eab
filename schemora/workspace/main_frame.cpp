#include "schemora/workspace/main_frame.h"
#include "schemora/workspace/parts_bin_window.h"

#include "common/editor_startup.h"
#include "platform/app/command_ids.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/drawing_backup.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/part_previews.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/design_name.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_entry.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_dialog.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/step_control.h"
#include "schemora/workspace/frame_toolbar_table.h"

namespace {

// Pane 0 messages, 1 cursor read-out, 2 activity icon, 3 and 4 spare.
constexpr int kPaneWidths[] = {110, 32, 30, 30};

bool typingIntoDrawing() { return TextEntryActive() && !thePartEditor; }

const quill::EditorFrameSpec& schematicFrame()
{
    static const quill::EditorFrameSpec spec{
        .bars = {SchematicToolBars(), scm::kCmdToolBarFirst, scm::kCmdDefaultToolBars, SchematicToolBarDocking(),
                 SchematicHiddenToolBars()},
        .status = {kPaneWidths, "Cursor location", {scm::kIconActivityA, scm::kIconActivityB}, kStatusIconPane},
        .timers = {scm::kTimerStatusAnimation, scm::kTimerBackup, scm::kTimerBlinkMarker},
        .routines = {typingIntoDrawing, nullptr, SetStatusIcon, BackupOpenDrawings, AdvanceBlinkMarker, ProgramTips},
        .partsBin = {scm::kCmdPartsBin, []() -> quill::PartsBinDlg& { return ThePartsBin(); }, PartsBinOpened},
        .tipOfTheDayCommand = scm::kCmdTipOfTheDay,
        .websiteCommand = scm::kCmdWebsite,
    };
    return spec;
}

}  // namespace

CMainFrame::CMainFrame() : quill::EditorMainFrame(schematicFrame())
{
    onDocumentCommand(scm::kCmdNetlist, &CMainFrame::OnNetlist);
    onDocumentCommand(scm::kCmdDesignRules, &CMainFrame::OnDesignRules);
    registerToolCommands();
    registerSimulationCommands();
    registerAdvancedEditCommands();
    registerSearchCommands();
    registerBoardCommands();
    registerSheetCommands();
    registerSelectiveEditCommands();
    registerViewComboCommands();
    registerSetupCommands();
    registerSetupDialogCommands();
    registerDrawingCommands();
    registerLibraryCommands();
    registerPartWizardCommands();
}

CMainFrame::~CMainFrame() = default;

plat::ToolBar& CMainFrame::mainToolBar() { return *bars_.bar(scm::kIdrMainToolBar); }
plat::ToolBar& CMainFrame::drawToolBar() { return *bars_.bar(scm::kIdrInsertToolBar); }
plat::ToolBar& CMainFrame::editToolBar() { return *bars_.bar(scm::kIdrModifyToolBar); }

void CMainFrame::redockSecondRow()
{
    DockControlBarNextTo(bars_.bar(scm::kIdrModifyToolBar), bars_.bar(scm::kIdrInsertToolBar));
    DockControlBarNextTo(bars_.bar(scm::kIdrSetupToolBar), bars_.bar(scm::kIdrModifyToolBar));
    DockControlBarNextTo(bars_.bar(scm::kIdrSimulationToolBar), bars_.bar(scm::kIdrSetupToolBar));
}

void CMainFrame::OnClose()
{
    // A print job still draws from the drawing: the window stays.
    if (g_sheetView.printing)
        return;
    g_programClosing.closing = true;
    KillTimer(scm::kTimerBackup);
    KillTimer(scm::kTimerStatusAnimation);
    CloseInstrumentWindows();
    ThePartsBin().Close();   // its position goes into the settings
    bars_.saveLayout();
    SaveSettings();
    // Documents closing from here keep their slots in the open-document table: the settings
    // just listed them for the next start.
    quill::EditorMainFrame::OnClose();
    if (IsWindow()) {
        // The user cancelled a save question: the program runs on with its timers.
        g_programClosing.closing = false;
        SetTimer(scm::kTimerStatusAnimation, 500);
        StartBackupTimer(*this, scm::kTimerBackup, g_settings.BackupTime);
    }
}

bool CMainFrame::DestroyWindow()
{
    PlaySoundFile("goodbye.wav");
    return quill::EditorMainFrame::DestroyWindow();
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
    quill::EditorMainFrame::OnTimer(id);
}

bool CMainFrame::OnCmdMsg(unsigned id, plat::CmdUI* ui)
{
    if (!ui && TextEntryActive())
        return false;
    // Whatever window was painted or pointed at last, a command acts on the drawing shown in
    // the active window.
    if (!ui && !thePartEditor)
        if (auto* view = dynamic_cast<CSchemoraView*>(GetActiveView()))
            view->LoadCurrentDocument();
    return quill::EditorMainFrame::OnCmdMsg(id, ui);
}

void CMainFrame::focusActiveChild()
{
    if (plat::MDIChildWnd* child = MDIGetActive())
        child->SetFocus();
}

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

void CMainFrame::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (!item.dc || !bars_.combo(ctlId))
        return quill::EditorMainFrame::OnDrawItem(ctlId, item);
    const bool entire = (item.itemAction & plat::kOdaDrawEntire) != 0;
    switch (ctlId) {
    case scm::kIdcLayerCombo: DrawLayerComboItem(*item.dc, item.rcItem, item.itemId, entire); return;
    case scm::kIdcScaleCombo: DrawSheetItem(*item.dc, item.rcItem, item.itemId, entire, SheetItemList::Scale); return;
    case scm::kIdcGridCombo: DrawSheetItem(*item.dc, item.rcItem, item.itemId, entire, SheetItemList::Grid); return;
    case scm::kIdcPageCombo: DrawSheetItem(*item.dc, item.rcItem, item.itemId, entire, SheetItemList::Sheet); return;
    default: DrawSheetItem(*item.dc, item.rcItem, item.itemId, entire, SheetItemList::SelectionFilter); return;
    }
}
