// Selective editing: which kinds of object the selection and edit commands act on, chosen by
// the upper-case letter keys, the Edit menu and the Modify toolbar's combo.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/frame_toolbar_table.h"

#include <string>

namespace {

constexpr int kComboPositions = 12;

int comboPositionOf(unsigned mode)
{
    for (int k = 0; k < kComboPositions; ++k)
        if (SelectiveEditModeOfComboPosition(k) == mode)
            return k;
    return -1;
}

}  // namespace

void SetSelectiveEditSwitches(unsigned mode)
{
    const bool all = mode == scm::kCmdSelEditAll;
    g_editFilter.on.fill(all ? 1 : 0);
    const unsigned index = mode - scm::kCmdSelEditText;
    if (!all && index < g_editFilter.on.size())
        g_editFilter.on[index] = 1;
}

void CMainFrame::registerSelectiveEditCommands()
{
    onCommandRange(scm::kCmdSelEditAll, scm::kCmdSelEditNets, &CMainFrame::OnSelectiveEdit);
    onUpdateCommandUIRange(scm::kCmdSelEditAll, scm::kCmdSelEditNets, &CMainFrame::OnUpdateSelectiveEdit);
    onCommand(scm::kIdcSelEditCombo, &CMainFrame::OnSelEditCombo);
}

void CMainFrame::OnSelectiveEdit(unsigned id)
{
    // With automatic junction dots the program owns the dots: they cannot be edited alone.
    if (id == scm::kCmdSelEditDots && g_settings.AutoDots != 0)
        return;
    SetSelectiveEditSwitches(id);
    g_selection.filterId = static_cast<int>(id);
    SetStatusText(std::string("Selected edit ") + SelectiveEditWord(id) + " only", 0);
    showSelectiveEditMode();
    ResetEditInteraction();
    g_editState.CurrentTool = 0;
    RedrawActiveFrame();
    g_editState.CurrentTool = scm::kCmdEditSelect;
}

void CMainFrame::showSelectiveEditMode()
{
    const int position = comboPositionOf(static_cast<unsigned>(g_selection.filterId));
    if (plat::ToolBarCombo* combo = bars_.combo(scm::kIdcSelEditCombo); combo && position >= 0)
        combo->SetCurSel(position);
}

void UpdateSelectiveEditItem(plat::CmdUI& ui)
{
    ui.Enable(true);
    const unsigned index = ui.id() - scm::kCmdSelEditText;
    if (ui.id() >= scm::kCmdSelEditText && index < g_editFilter.on.size())
        ui.SetCheck(g_editFilter.on[index] != 0);
}

void CMainFrame::OnUpdateSelectiveEdit(plat::CmdUI& ui) { UpdateSelectiveEditItem(ui); }

void CMainFrame::OnSelEditCombo()
{
    const plat::ToolBarCombo* combo = bars_.combo(scm::kIdcSelEditCombo);
    if (!combo || combo->GetCurSel() < 0)
        return;
    OnSelectiveEdit(SelectiveEditModeOfComboPosition(combo->GetCurSel()));
    focusActiveChild();
}
