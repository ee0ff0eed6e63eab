// The progress window and the "Router" box on the window framework: the window exists between
// start and end, updates write its percentage and text line, Cancel sets the abort flag and
// takes the window off the screen without destroying it.
#include "platform/app/dialog.h"
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/route_dialogs.h"
#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/progress_dialog.h"
#include "tracelyn/route/route_windows.h"

#include <QLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class ProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::ResourceSet set;
        set.name = "Tracelyn";
        set.dialogs = RouteDialogTemplates();
        plat::registerResources(std::move(set));
        g_progress = ProgressState{};
    }
    void TearDown() override
    {
        CloseProgressWindow();
        g_progress = ProgressState{};
    }
    plat::TestUiHost host;
};

TEST_F(ProgressDialogTest, RunsFromStartToEndAndCancelOnlyAsksToStop)
{
    ShowProgressWindow(0, 10, " ", kProgressStart);
    ASSERT_NE(g_progressDialog, nullptr);
    CProgressDlg& dlg = *g_progressDialog;
    ASSERT_TRUE(dlg.IsWindow());
    ShowProgressWindow(5, 10, "Main router", kProgressUpdate);
    EXPECT_EQ(dlg.GetDlgItemText(tly::kIdcProgressPercent), "50.0%");
    EXPECT_EQ(dlg.GetDlgItemText(tly::kIdcRouterMessage), "Main router");
    ShowProgressWindow(12, 10, "Retry pass", kProgressUpdate);
    EXPECT_EQ(dlg.GetDlgItemText(tly::kIdcProgressPercent), "99.9%");

    dlg.PressButton(plat::kIdCancel);
    EXPECT_EQ(g_progress.abort, 1);
    EXPECT_EQ(g_progress.shown, 1);
    EXPECT_TRUE(dlg.IsWindow());
    ShowProgressWindow(6, 10, "Ripup and Retry-1", kProgressUpdate);
    EXPECT_EQ(dlg.GetDlgItemText(tly::kIdcRouterMessage), "Ripup and Retry-1");

    ShowProgressWindow(0, 1, nullptr, kProgressEnd);
    EXPECT_EQ(g_progressDialog, nullptr);
    EXPECT_EQ(g_progress.shown, 0);
}

// On the screen the bar keeps the size its template gives: a strip, not a box that grows with
// the window around it.
TEST_F(ProgressDialogTest, OnTheScreenTheBarKeepsItsTemplateSize)
{
    ShowProgressWindow(0, 10, " ", kProgressStart);
    ASSERT_NE(g_progressDialog, nullptr);
    plat::showModelessWithQt(*g_progressDialog);
    QWidget* bar = g_progressDialog->GetDlgItem(tly::kIdcProgressBar)->state()->widget.data();
    ASSERT_NE(bar, nullptr);
    QWidget* face = bar->window();
    face->resize(face->sizeHint().width() + 200, face->sizeHint().height() + 200);
    face->layout()->activate();
    EXPECT_EQ(bar->size(), bar->minimumSize());
    EXPECT_EQ(bar->height(), g_progressDialog->GetDlgItem(tly::kIdcProgressBar)->state()->size.cy);
    EXPECT_LT(bar->height(), 40) << "a strip as tall as a line of text";
    EXPECT_GT(bar->width(), 4 * bar->height());
}

TEST_F(ProgressDialogTest, RouterBoxShowsTheMessageAndAnswersOkOrCancel)
{
    std::string shown;
    host.answerDialog([&](plat::Dialog& d) {
        shown = d.GetDlgItemText(tly::kIdcRouterMessage);
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(AskRouterQuestion("Coordinates for u9-1 not found!"), plat::kIdCancel);
    EXPECT_EQ(shown, "Coordinates for u9-1 not found!");
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    EXPECT_EQ(AskRouterQuestion("x"), plat::kIdOk);
}

}  // namespace
