#include "common/tip_dialog.h"

CTipDlg::CTipDlg(plat::Wnd* parent, TipOfTheDay tips) : plat::Dialog(kIddTipOfTheDay, parent), tips_(tips)
{
    onCommand(kIdcTipNext, &CTipDlg::OnNextTip);
}

bool CTipDlg::OnInitDialog()
{
    CheckDlgButton(kIdcTipShowAtStartup, *tips_.doTips == 1 ? 1 : 0);
    showCurrentTip();
    return true;
}

void CTipDlg::showCurrentTip()
{
    if (tips_.tips.empty())
        return;
    const int count = static_cast<int>(tips_.tips.size());
    int& current = *tips_.currentTip;
    if (current < 0 || current >= count)
        current = 0;
    SetDlgItemText(kIdcTipText, tips_.tips[static_cast<size_t>(current)]);
    current = (current + 1) % count;
}

void CTipDlg::OnNextTip() { showCurrentTip(); }

void CTipDlg::keepShowAtStartup() { *tips_.doTips = IsDlgButtonChecked(kIdcTipShowAtStartup) ? 1 : 0; }

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

plat::DialogTemplate TipDialogTemplate()
{
    using K = plat::ControlKind;
    return {kIddTipOfTheDay,
            "Tip of the Day",
            {{0xFFFF, K::Static, "Did you know...", 0, 0, 2},
             {kIdcTipText, K::Static, "", 1, 0, 2, false, 0, 220, 40},
             {kIdcTipShowAtStartup, K::CheckBox, "&Show tips at startup", 2, 0},
             {kIdcTipNext, K::PushButton, "&Next Tip", 3, 0},
             {plat::kIdOk, K::DefPushButton, "&Close", 3, 1}}};
}
