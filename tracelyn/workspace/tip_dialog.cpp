#include "tracelyn/workspace/tip_dialog.h"

#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_settings.h"

#include <array>

namespace {

constexpr std::array kTips = {
    "Press PgUp and PgDn to zoom in and out around the cursor.",
    "Single/2-Layer on the toolbar switches between the current layer alone and the layer pair.",
    "Packages are placed from the libraries in the PACKAGES folder beside the program.",
    "A board opened from the command line can be batch routed as soon as it is loaded.",
    "The grid menu shows millimetres when the units are set to metric in General Setup.",
};

}  // namespace

int tipCount() { return static_cast<int>(kTips.size()); }

const char* tipText(int index) { return kTips[static_cast<size_t>(index) % kTips.size()]; }

CTipDlg::CTipDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddTip, parent)
{
    onCommand(tly::kIdcTipNext, &CTipDlg::OnNextTip);
}

bool CTipDlg::OnInitDialog()
{
    CheckDlgButton(tly::kIdcTipShowAtStartup, g_boardSettings.DoTips == 1 ? 1 : 0);
    showCurrentTip();
    return true;
}

void CTipDlg::showCurrentTip()
{
    if (g_boardSettings.CurrentTip < 0 || g_boardSettings.CurrentTip >= tipCount())
        g_boardSettings.CurrentTip = 0;
    SetDlgItemText(tly::kIdcTipText, tipText(g_boardSettings.CurrentTip));
    g_boardSettings.CurrentTip = (g_boardSettings.CurrentTip + 1) % tipCount();
}

void CTipDlg::OnNextTip() { showCurrentTip(); }

void CTipDlg::keepShowAtStartup()
{
    g_boardSettings.DoTips = IsDlgButtonChecked(tly::kIdcTipShowAtStartup) ? 1 : 0;
}

void CTipDlg::OnOK()
{
    keepShowAtStartup();
    plat::Dialog::OnOK();
}

void CTipDlg::OnCancel()
{
    keepShowAtStartup();
    plat::Dialog::OnCancel();
}
