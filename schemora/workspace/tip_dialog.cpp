#include "schemora/workspace/tip_dialog.h"

#include "resources/schemora/schemora_ids.h"
#include "schemora/core/settings.h"

#include <array>

namespace {

constexpr std::array kTips = {
    "Press PgUp and PgDn to zoom in and out around the middle of the window.",
    "Parts are placed from the libraries in the LIB folder beside the program.",
    "Junction dots are placed automatically where three or more wires meet, unless you switch "
    "automatic dots off.",
    "Utilities > Netlist writes the netlist next to the drawing, ready for the board program.",
    "A drawing can have up to 32 sheets; each object belongs to one sheet.",
};

}  // namespace

int tipCount() { return static_cast<int>(kTips.size()); }

const char* tipText(int index) { return kTips[static_cast<size_t>(index) % kTips.size()]; }

CTipDlg::CTipDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddTip, parent)
{
    onCommand(scm::kIdcTipNext, &CTipDlg::OnNextTip);
}

bool CTipDlg::OnInitDialog()
{
    CheckDlgButton(scm::kIdcTipShowAtStartup, g_settings.DoTips == 1 ? 1 : 0);
    showCurrentTip();
    return true;
}

void CTipDlg::showCurrentTip()
{
    if (g_settings.CurrentTip < 0 || g_settings.CurrentTip >= tipCount())
        g_settings.CurrentTip = 0;
    SetDlgItemText(scm::kIdcTipText, tipText(g_settings.CurrentTip));
    g_settings.CurrentTip = (g_settings.CurrentTip + 1) % tipCount();
}

void CTipDlg::OnNextTip() { showCurrentTip(); }

void CTipDlg::keepShowAtStartup() { g_settings.DoTips = IsDlgButtonChecked(scm::kIdcTipShowAtStartup) ? 1 : 0; }

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
