#include "tracelyn/route/flood_fill_dialog.h"

#include "platform/app/win_app.h"
#include "resources/tracelyn/copper_ids.h"
#include "tracelyn/route/flood_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kFieldChars = 20;
// The clearance a person may type: up to 1,000 mils.
constexpr double kMaxMaskMils = 1000.0;

}  // namespace

CFloodFillDlg::CFloodFillDlg() : plat::Dialog(tly::kIddFloodFill, nullptr) {}

bool CFloodFillDlg::OnInitDialog()
{
    using namespace tly;
    if (plat::Control* grid = GetDlgItem(kIdcFillGridSize)) {
        for (const int mils : kFillGridMils)
            grid->AddString(std::to_string(mils));
        grid->SetCurSel(std::clamp(g_fill.gridIndex, 0, kFillGridChoices - 1));
    }
    CheckDlgButton(kIdcMinimizeFloating, m_minimizeFloatingCopper);
    CheckDlgButton(kIdcRemoveEnclosing, m_removeEnclosingObject);
    char mask[32];
    std::snprintf(mask, sizeof mask, "%.1f", g_fill.mask * 0.1);
    SetDlgItemText(kIdcFillMask, mask);
    return true;
}

void CFloodFillDlg::OnOK()
{
    using namespace tly;
    m_minimizeFloatingCopper = IsDlgButtonChecked(kIdcMinimizeFloating);
    m_removeEnclosingObject = IsDlgButtonChecked(kIdcRemoveEnclosing);
    if (const plat::Control* grid = GetDlgItem(kIdcFillGridSize); grid && grid->GetCurSel() >= 0)
        g_fill.gridIndex = std::clamp(grid->GetCurSel(), 0, kFillGridChoices - 1);
    const double mils = std::atof(GetDlgItemText(kIdcFillMask, kFieldChars).c_str());
    g_fill.mask = static_cast<int32_t>(std::clamp(mils, 0.0, kMaxMaskMils) * 10);
    plat::Dialog::OnOK();
}

bool CFloodFillDlg::OnCommand(unsigned id)
{
    if (id == tly::kIdcFillHelp) {
        if (plat::WinApp* app = plat::GetApp())
            app->WinHelp(tly::kHelpFloodFill);
        return true;
    }
    return plat::Dialog::OnCommand(id);
}
