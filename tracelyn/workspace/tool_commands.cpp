// The main frame's editing commands: choosing a drawing tool (and, chosen again, its style
// dialog), the part chooser of the part tool, Aux > Auto, Setup > Pad, the selective-edit
// modes, and the Insert and Modify toolbars that carry them.
#include "tracelyn/workspace/main_frame.h"

#include "platform/app/command_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/selective_edit_choice.h"
#include "tracelyn/workspace/setup_dialogs.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

using namespace tly;

bool haveBoard()
{
    return g_openDocuments.count > 0 || g_active.data != nullptr;
}

// A new tool leaves nothing selected.
void dropSelection()
{
    if (g_selection.count == 0)
        return;
    ForgetSelection();
    RedrawActiveFrame();
}

void runStyleDialogFor(unsigned tool)
{
    switch (tool) {
    case kCmdToolRectangle:
    case kCmdToolEllipse: {
        CFillStyleDlg dialog;
        dialog.DoModal();
        break;
    }
    case kCmdToolTrace:
    case kCmdToolArc: {
        CStyleDlg dialog;
        dialog.DoModal();
        break;
    }
    case kCmdToolPolygon: {
        CPolygonSetupDlg dialog;
        dialog.DoModal();
        break;
    }
    case kCmdToolRoute: {
        CIncrementalRouterDlg dialog;
        dialog.DoModal();
        break;
    }
    default:
        break;
    }
}

}  // namespace

void CMainFrame::registerEditCommands()
{
    onCommandRange(kCmdToolText, kCmdToolPolygon, &CMainFrame::OnTool);
    onUpdateCommandUIRange(kCmdToolText, kCmdToolPolygon, &CMainFrame::OnUpdateTool);
    onCommand(kCmdAutoText, &CMainFrame::OnAutoText);
    onUpdateCommandUI(kCmdAutoText, &CMainFrame::OnUpdateTool);
    onDocumentCommand(kCmdPadSetup, &CMainFrame::OnPadSetup);
    onCommandRange(kCmdSelectiveFirst, kCmdSelectiveLast, &CMainFrame::OnSelectiveEdit);
    onUpdateCommandUIRange(kCmdSelectiveFirst, kCmdSelectiveLast, &CMainFrame::OnUpdateSelectiveEdit);
    onCommand(kComboSelectiveEdit, &CMainFrame::OnSelectiveEditCombo);
    onCommandRange(kCmdKeyToolFirst, kCmdKeyToolLast, &CMainFrame::OnToolKey);
    onUpdateCommandUIRange(kCmdKeyToolFirst, kCmdKeyToolLast, &CMainFrame::OnUpdateToolKey);
}

void CMainFrame::OnTool(unsigned id)
{
    const int32_t tool = static_cast<int32_t>(id);
    const bool again = g_gesture.tool == tool;
    if (id == kCmdToolPad) {
        if (again)
            OnPadSetup();
        g_gesture.tool = tool;
        dropSelection();
        return;
    }
    if (id == kCmdToolPart) {
        g_gesture.tool = tool;
        dropSelection();
        if (!haveBoard())
            return;
        CLibPartsDlg dialog;
        if (dialog.DoModal() != plat::kIdOk || g_packages.count == 0)
            g_gesture.tool = kToolNone;
        return;
    }
    if (again && id == kCmdToolText)
        OnFont();
    else if (again)
        runStyleDialogFor(id);
    g_gesture.tool = tool;
    dropSelection();
}

// The tool keys choose a tool as its button does the first time, never its style dialog.
void CMainFrame::OnToolKey(unsigned id)
{
    constexpr BoardTool kKeyTools[] = {kToolPad, kToolTrace, kToolArc, kToolEllipse,
                                       kToolRectangle, kToolText, kToolRoute};
    const unsigned index = id - kCmdKeyToolFirst;
    if (index >= std::size(kKeyTools) || !haveBoard())
        return;
    g_gesture.tool = kKeyTools[index];
    dropSelection();
}

void CMainFrame::OnUpdateToolKey(plat::CmdUI& ui) { ui.Enable(haveBoard()); }

void CMainFrame::OnUpdateTool(plat::CmdUI& ui)
{
    ui.Enable(haveBoard());
    ui.SetCheck(g_gesture.tool == static_cast<int32_t>(ui.id()) ? 1 : 0);
}

void CMainFrame::OnAutoText()
{
    CAutoIncrementDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    g_gesture.tool = kToolAutoText;
    dropSelection();
}

void CMainFrame::OnPadSetup()
{
    CPadSetupDlg dialog;
    if (dialog.DoModal() != plat::kIdOk)
        return;
    if (g_selection.count > 0)
        ChangeSelectedObjects(kChangePad);
    RedrawActiveFrame();
}

void CMainFrame::OnSelectiveEdit(unsigned id)
{
    const int which = ChooseSelectiveEditClass(id);
    if (which < 0)
        return;
    if (plat::ToolBarCombo* combo = frameCombo(kComboSelectiveEdit))
        combo->SetCurSel(which);
    RedrawActiveFrame();
    g_gesture.tool = kToolSelect;
}

void CMainFrame::OnUpdateSelectiveEdit(plat::CmdUI& ui)
{
    ui.Enable(true);
    // Each item shows its own switch (the dialog may have set several); "All" shows every kind
    // switch on.
    const int which = static_cast<int>(ui.id()) - static_cast<int>(kCmdSelectiveFirst);
    const auto& on = g_selectiveEdit.on;
    bool checked = false;
    if (which == 0)
        checked = std::all_of(on.begin(), on.begin() + kSwitchNets, [](int32_t s) { return s != 0; });
    else if (which >= 1 && which <= kSelectiveEditSwitchCount)
        checked = on[static_cast<size_t>(which - 1)] != 0;
    ui.SetCheck(checked ? 1 : 0);
}

void CMainFrame::OnSelectiveEditCombo()
{
    const plat::ToolBarCombo* combo = frameCombo(kComboSelectiveEdit);
    if (combo != nullptr && combo->GetCurSel() >= 0)
        OnSelectiveEdit(kCmdSelectiveFirst + static_cast<unsigned>(combo->GetCurSel()));
}

bool CMainFrame::OnCommand(unsigned id)
{
    if (TextEntryActive())
        return true;
    return quill::EditorMainFrame::OnCommand(id);
}
