#include "tracelyn/workspace/select_layer_dialog.h"

#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_object.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kEntries = 29;
constexpr int kFirstPowerEntry = 25;

std::string entryName(int entry)
{
    static const char* const kNames[] = {"ALL", "Top"};
    if (entry < 2)
        return kNames[entry];
    if (entry <= 16)
        return "L" + std::to_string(entry - 1);
    static const char* const kOthers[] = {"Top silk", "Bottom silk", "Top solder", "Bottom solder",
                                          "Top paste", "Bottom paste", "VCC", "GND"};
    if (entry < kFirstPowerEntry)
        return kOthers[entry - 17];
    return "Power " + std::to_string(entry - kFirstPowerEntry + 1);
}

}  // namespace

int SelectLayerEntryLayer(int entry)
{
    if (entry <= 0)
        return kLayerAll;
    // Power 1 to 4 are layers 26 to 29; counting on from GND would land on 24, which no film has.
    if (entry >= kFirstPowerEntry)
        return kLayerPower1 + std::min(entry - kFirstPowerEntry, 3);
    return entry - 1;
}

CSelectLayerDlg::CSelectLayerDlg() : plat::Dialog(tly::kIddSelectLayer, nullptr) {}

bool CSelectLayerDlg::OnInitDialog()
{
    if (plat::Control* combo = GetDlgItem(tly::kIdcLayerCombo)) {
        for (int entry = 0; entry < kEntries; ++entry)
            combo->AddString(entryName(entry));
        combo->SetCurSel(1);
    }
    return true;
}

void CSelectLayerDlg::OnOK()
{
    const plat::Control* combo = GetDlgItem(tly::kIdcLayerCombo);
    m_layer = SelectLayerEntryLayer(combo != nullptr ? combo->GetCurSel() : 1);
    plat::Dialog::OnOK();
}
