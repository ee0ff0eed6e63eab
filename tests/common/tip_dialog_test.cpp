#include "common/tip_dialog.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

namespace {

TEST(TipDialog, ShowsTheNextTipAndKeepsTheStartupChoice)
{
    plat::ResourceSet resources;
    resources.dialogs = {TipDialogTemplate()};
    plat::registerResources(std::move(resources));
    plat::TestUiHost host;
    const char* const tips[] = {"one", "two", "three"};
    int currentTip = 2;
    int doTips = 1;
    std::string first, second;
    host.answerDialog([&](plat::Dialog& d) {
        first = d.GetDlgItemText(kIdcTipText);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcTipShowAtStartup), 1);
        d.PressButton(kIdcTipNext);
        second = d.GetDlgItemText(kIdcTipText);
        d.PressButton(kIdcTipShowAtStartup);   // untick
        return d.PressButton(plat::kIdOk);
    });
    CTipDlg dialog(nullptr, {tips, &currentTip, &doTips});
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    EXPECT_EQ(first, "three");
    EXPECT_EQ(second, "one") << "the tips wrap around";
    EXPECT_EQ(currentTip, 1) << "the next start shows the tip after the last one shown";
    EXPECT_EQ(doTips, 0);

    currentTip = 99;   // a setting out of range starts again at the first tip
    host.answerDialog([&](plat::Dialog& d) {
        first = d.GetDlgItemText(kIdcTipText);
        return d.PressButton(plat::kIdCancel);
    });
    CTipDlg again(nullptr, {tips, &currentTip, &doTips});
    again.DoModal();
    EXPECT_EQ(first, "one");
    EXPECT_EQ(doTips, 0) << "Cancel keeps the box as it is";
}

}  // namespace
