#pragma once
// The tip of the day (dialog 293): shows the tip numbered by the setting CurrentTip and moves
// the setting on, so that the next start shows the next tip; "Show tips at startup" is the
// setting DoTips.

#include "platform/app/dialog.h"

class CTipDlg : public plat::Dialog {
public:
    explicit CTipDlg(plat::Wnd* parent);
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnNextTip();
    void showCurrentTip();
    void keepShowAtStartup();
};

// The tips, in the order they are shown.
int tipCount();
const char* tipText(int index);
