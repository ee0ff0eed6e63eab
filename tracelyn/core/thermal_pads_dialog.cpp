#include "tracelyn/core/thermal_pads_dialog.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/copper_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/thermal_pads.h"

#include <string>

namespace {

constexpr int kThresholdChars = 20;

}  // namespace

CAlignThermalPadsDlg::CAlignThermalPadsDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddAlignThermalPads, parent) {}

bool CAlignThermalPadsDlg::OnInitDialog()
{
    m_threshold = 100;
    SetDlgItemText(tly::kIdcThermalThreshold, "10");
    return true;
}

void CAlignThermalPadsDlg::OnOK()
{
    m_threshold = ThermalThresholdFromText(GetDlgItemText(tly::kIdcThermalThreshold, kThresholdChars));
    // Every object goes into the undo step, so Undo puts every thermal pad back.
    g_selection.count = 0;
    for (int i = 1; i <= g_board.count && i < static_cast<int>(g_selection.list.size()); ++i)
        g_selection.list[static_cast<size_t>(++g_selection.count)] = i;
    PushUndoSnapshot();
    m_aligned = AlignAllThermalPads(m_threshold);
    // Nothing stays selected: the next Del must not erase the board.
    ForgetSelection();
    plat::MessageBox("Aligned " + std::to_string(m_aligned) + " thermal pads");
    plat::Dialog::OnOK();
}
