// Input as Qt delivers it: mouse and key events reach the window's handlers, the keyboard state
// follows them, and a long operation that pumps messages holds the main window's input back.
#include "platform/app/keys.h"
#include "platform/app/message_pump.h"
#include "platform/app/program.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "sample_run_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using namespace sample;

struct Input : SampleRunTest {
    void SetUp() override { startSample(true); }
    QWidget* viewport() { return view()->state()->surface->viewport(); }
    void mouse(QEvent::Type type, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, QPointF(p), viewport()->mapToGlobal(QPointF(p)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mods);
        QApplication::sendEvent(viewport(), &e);
    }
    void key(QEvent::Type type, int qtKey, const QString& text = {})
    {
        QKeyEvent e(type, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(view()->state()->surface, &e);
    }
};

TEST_F(Input, MouseArrivesInClientPixelsAndDoubleClicksArePresses)
{
    mouse(QEvent::MouseButtonPress, {10, 20}, Qt::ShiftModifier);
    mouse(QEvent::MouseButtonDblClick, {11, 21});
    EXPECT_EQ(log(), (std::vector<std::string>{"press 5 10,20", "press 1 11,21"}));   // kMkLButton | kMkShift
}

TEST_F(Input, EscapeIsLatchedUntilRead)
{
    EXPECT_EQ(plat::GetAsyncKeyState(plat::kVkEscape), 0);
    key(QEvent::KeyPress, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(static_cast<unsigned short>(plat::GetAsyncKeyState(plat::kVkEscape)), 0x8001u);
    EXPECT_EQ(static_cast<unsigned short>(plat::GetAsyncKeyState(plat::kVkEscape)), 0x8000u) << "reading clears the latch";
    key(QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_EQ(plat::GetAsyncKeyState(plat::kVkEscape), 0);
    EXPECT_GE(plat::GetKeyState(plat::kVkEscape), 0);

    // ToAscii answers with the character of the key just typed, and never a control character.
    key(QEvent::KeyPress, Qt::Key_A, QStringLiteral("A"));
    std::array<uint8_t, 256> state{};
    plat::GetKeyboardState(state);
    uint16_t ch = 0;
    EXPECT_EQ(plat::ToAscii('A', 0, state, &ch), 1);
    EXPECT_EQ(ch, 'A');
    state[plat::kVkShift] = 0;
    EXPECT_EQ(plat::ToAscii('7', 0, state, &ch), 1);
    EXPECT_EQ(ch, '7');
    state[plat::kVkShift] = 0x80;
    EXPECT_EQ(plat::ToAscii('7', 0, state, &ch), 1);
    EXPECT_EQ(ch, '&');
    state[plat::kVkControl] = 0x80;
    EXPECT_EQ(plat::ToAscii('C', 0, state, &ch), 0);
}

TEST_F(Input, HeldInputDoesNotReachTheMainWindow)
{
    {
        plat::InputHoldScope hold;
        mouse(QEvent::MouseButtonPress, {1, 1});
        key(QEvent::KeyPress, Qt::Key_Escape, QStringLiteral("\x1b"));
        EXPECT_TRUE(plat::inputHeldFor(view()));
    }
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(plat::GetAsyncKeyState(plat::kVkEscape) & 1, 1) << "Escape is noted even while held";
    EXPECT_FALSE(plat::inputHeldFor(view()));
    mouse(QEvent::MouseButtonPress, {2, 2});
    EXPECT_EQ(log(), std::vector<std::string>{"press 1 2,2"});
    // Pumping paints what waits.
    view()->Invalidate();
    const int drawn = view()->draws;
    EXPECT_TRUE(plat::PumpMessages());
    EXPECT_EQ(view()->draws, drawn + 1);
}

TEST_F(Input, AnExitAskedForInsideACommandEndsTheProgram)
{
    // A toolbar button whose handler ends the process: the dispatch stops there, the exit is
    // remembered, and a long operation's next pump stops too.
    auto& bar = app().mainFrame()->toolBar;
    bar.InsertButton(0, plat::ToolButton{kCmdQuit});
    EXPECT_TRUE(bar.click(kCmdQuit));
    EXPECT_TRUE(host.shown("exit 4"));
    harness->idle();
    EXPECT_EQ(harness->exitCode(), 4);
    EXPECT_THROW(plat::PumpMessages(), plat::ProcessExit);
}

}  // namespace
