#include "platform/app/keys.h"
#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "sample_run_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace sample;

struct Routing : SampleRunTest {
    void SetUp() override
    {
        startSample(false);
        ASSERT_EQ(harness->app().openDocumentCount(), 1);   // the command line asked for a new document
    }
};

TEST_F(Routing, CommandsGoViewDocumentChildMainApplication)
{
    struct Case {
        unsigned id;
        std::string handler;
    };
    const Case cases[] = {{kCmdViewOnly, "view 300"},  {kCmdDocOnly, "doc 301"},  {kCmdChildOnly, "child 302"},
                          {kCmdMainOnly, "main 303"},  {kCmdAppOnly, "app 304"},   {kCmdEverywhere, "view 305"},
                          {kCmdGridFirst + 2, "view grid 702"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        log().clear();
        EXPECT_TRUE(harness->command(c.id));
        EXPECT_EQ(log(), std::vector<std::string>{c.handler});
    }
    log().clear();
    EXPECT_FALSE(harness->command(kCmdUnhandled));
    EXPECT_TRUE(log().empty());
}

TEST_F(Routing, WithoutDocumentsCommandsReachMainFrameAndApplication)
{
    app().CloseAllDocuments(false);
    harness->idle();
    EXPECT_EQ(app().openDocumentCount(), 0);
    EXPECT_EQ(app().mainFrame()->GetActiveView(), nullptr);
    harness->command(kCmdEverywhere);
    harness->command(kCmdViewOnly);
    EXPECT_EQ(log(), std::vector<std::string>{"main 305"});
}

TEST_F(Routing, ViewPreHookSwallowsEveryCommand)
{
    view()->swallowCommands = true;
    harness->command(kCmdMainOnly);
    harness->command(kCmdAppOnly);
    EXPECT_EQ(log(), (std::vector<std::string>{"view swallowed 303", "view swallowed 304"}));
}

TEST_F(Routing, UpdateUiRunsAlongTheRoute)
{
    auto* doc = view()->GetDocument();
    plat::CmdUI save(plat::kIdFileSave);
    app().mainFrame()->OnCmdMsg(plat::kIdFileSave, &save);
    EXPECT_TRUE(save.handled);
    EXPECT_FALSE(save.enabled());
    doc->SetModifiedFlag(true);
    plat::CmdUI save2(plat::kIdFileSave);
    app().mainFrame()->OnCmdMsg(plat::kIdFileSave, &save2);
    EXPECT_TRUE(save2.enabled());

    harness->command(kCmdGridFirst + 1);
    for (unsigned id = kCmdGridFirst; id <= kCmdGridLast; ++id) {
        SCOPED_TRACE(id);
        plat::CmdUI ui(id);
        app().mainFrame()->OnCmdMsg(id, &ui);
        EXPECT_EQ(ui.check(), id == kCmdGridFirst + 1 ? 1 : 0);
    }
    // Update requests pass the view's pre-hook: a swallowing view still shows its check marks.
    view()->swallowCommands = true;
    plat::CmdUI grid(kCmdGridFirst + 1);
    app().mainFrame()->OnCmdMsg(kCmdGridFirst + 1, &grid);
    EXPECT_EQ(grid.check(), 1);
}

TEST_F(Routing, ToolbarButtonsFollowUpdateUiAtIdle)
{
    auto& bar = app().mainFrame()->toolBar;
    harness->idle();
    EXPECT_TRUE(bar.IsButtonEnabled(kCmdViewOnly));
    EXPECT_TRUE(bar.click(kCmdViewOnly));
    harness->idle();
    EXPECT_EQ(log(), std::vector<std::string>{"view 300"});
}

TEST_F(Routing, AcceleratorsTranslateUnlessTheFrameSkipsThem)
{
    SampleView* v = view();
    auto key = [&](unsigned message, unsigned key) {
        plat::Msg msg{message, key, 1, v};
        for (plat::Wnd* w = v; w; w = w->GetParent())
            if (w->PreTranslateMessage(msg))
                return true;
        return false;
    };
    EXPECT_TRUE(key(plat::kWmKeyDown, plat::kVkF9));
    EXPECT_TRUE(key(plat::kWmChar, 'w'));      // a character accelerator
    EXPECT_FALSE(key(plat::kWmChar, 'W'));     // characters match case-sensitively
    EXPECT_FALSE(key(plat::kWmKeyDown, 'N'));  // Ctrl is not down
    plat::noteKeyDown(plat::kVkControl);
    const size_t before = app().openDocumentCount();
    EXPECT_TRUE(key(plat::kWmKeyDown, 'N'));
    plat::noteKeyUp(plat::kVkControl);
    EXPECT_EQ(app().openDocumentCount(), before + 1);
    EXPECT_EQ(log(), (std::vector<std::string>{"view 300", "main 303"}));

    log().clear();
    app().mainFrame()->skipAccelerators = true;
    EXPECT_FALSE(key(plat::kWmKeyDown, plat::kVkF9));
    EXPECT_TRUE(log().empty());
}

TEST_F(Routing, RefusedCommandLinesEndWithExitCodeOne)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"/pt", "a.smp", "lp"},
                                                  std::vector<std::string>{"/dde"}, std::vector<std::string>{"/Embedding"},
                                                  std::vector<std::string>{"/Unregister"}}) {
        SCOPED_TRACE(args.front());
        plat::TestUiHost local;
        plat::AppHarness refused([] { return std::make_unique<SampleApp>(); }, args);
        EXPECT_FALSE(refused.start());
        EXPECT_EQ(refused.exitCode(), 1);
        EXPECT_EQ(local.messageBoxes(), std::vector<std::string>{"Parameter Error!"});
    }
}

}  // namespace
