#pragma once
// The tip of the day (dialog 293), the same in both editors: shows the tip numbered by the
// program's CurrentTip setting and moves it on, so that the next start shows the next tip;
// "Show tips at startup" is the program's DoTips setting.

#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <span>

inline constexpr unsigned kIddTipOfTheDay = 293;
inline constexpr unsigned kIdcTipText = 1000;
inline constexpr unsigned kIdcTipShowAtStartup = 1001;
inline constexpr unsigned kIdcTipNext = 1002;

// A program's tips and the two settings the dialog reads and changes.
struct TipOfTheDay {
    std::span<const char* const> tips;
    int* currentTip;
    int* doTips;
};

class CTipDlg : public plat::Dialog {
public:
    CTipDlg(plat::Wnd* parent, TipOfTheDay tips);
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnNextTip();
    void showCurrentTip();
    void keepShowAtStartup();

    TipOfTheDay tips_;
};

// The dialog's template, for the programs' resource sets.
plat::DialogTemplate TipDialogTemplate();
