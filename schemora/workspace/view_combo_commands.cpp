// The View toolbar's combos: drawing layer, drawing scale and snap grid of the active drawing.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/frame_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_doc.h"

void CMainFrame::registerViewComboCommands()
{
    onCommand(scm::kIdcLayerCombo, &CMainFrame::OnLayerCombo);
    onCommand(scm::kIdcScaleCombo, &CMainFrame::OnScaleCombo);
    onCommand(scm::kIdcGridCombo, &CMainFrame::OnGridCombo);
}

namespace {

// The menu command a combo position stands for; the view's handler of that command does the
// work, so menu and combo change the drawing the same way.
void chooseThroughView(CMainFrame& frame, unsigned comboId, unsigned firstCommand, int positions, int offset = 0)
{
    const plat::ToolBarCombo* combo = frame.toolBarTable().combo(comboId);
    if (!frame.GetActiveDocument() || !combo)
        return;
    const int position = combo->GetCurSel();
    if (position < 0 || position >= positions)
        return;
    frame.OnCmdMsg(firstCommand + static_cast<unsigned>((position + offset) % positions), nullptr);
}

}  // namespace

void CMainFrame::OnLayerCombo()
{
    // Position 0 is "ALL layers" (filter 4); position k is layer k - 1.
    chooseThroughView(*this, scm::kIdcLayerCombo, scm::kCmdLayerFirst, 5, 4);
    focusActiveChild();
}

void CMainFrame::OnScaleCombo()
{
    chooseThroughView(*this, scm::kIdcScaleCombo, scm::kCmdScaleFirst, 7);
    focusActiveChild();
}

void CMainFrame::OnGridCombo()
{
    chooseThroughView(*this, scm::kIdcGridCombo, scm::kCmdGridFirst, 4);
    focusActiveChild();
}
