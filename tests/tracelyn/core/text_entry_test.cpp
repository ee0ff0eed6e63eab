// Typing text into the board with the text tool. Letter keys arrive without Shift, so they
// type lower case.
#include "edit_fixture.h"

#include "platform/app/keys.h"
#include "tracelyn/core/text_entry.h"

#include <string>
#include <vector>

namespace {

using namespace edit_test;

class TextEntry : public BoardEditTest {
protected:
    void key(unsigned vk) { view()->SendMessage(plat::kWmKeyDown, vk, 0); }
    void type(const std::string& text)
    {
        for (char c : text)
            key(static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
    void TearDown() override
    {
        EndTextEntry();
        SetTextEntryInsertMode(true);
        BoardEditTest::TearDown();
    }
};

TEST_F(TextEntry, TypingMakesATextAndCommandsWaitUntilEsc)
{
    tool(tly::kCmdToolText);
    click(100, 100);
    ASSERT_TRUE(TextEntryActive());
    ASSERT_EQ(count(), 2);
    type("AB");
    key(plat::kVkLeft);
    type("C");
    EXPECT_STREQ(object(2).text(), "acb");
    key(plat::kVkInsert);
    type("D");
    EXPECT_STREQ(object(2).text(), "acd") << "overtype replaces the character at the caret";
    key(plat::kVkBack);
    EXPECT_STREQ(object(2).text(), "ac");

    command(tly::kCmdToolTrace);
    EXPECT_EQ(g_gesture.tool, kToolText) << "commands are dropped while typing";
    key(plat::kVkEscape);
    EXPECT_FALSE(TextEntryActive());
    command(tly::kCmdToolTrace);
    EXPECT_EQ(g_gesture.tool, kToolTrace);
}

TEST_F(TextEntry, EnterStartsTheNextLineAndAnEmptyLineGoes)
{
    tool(tly::kCmdToolText);
    click(100, 100);
    type("X");
    const int32_t y = object(2).w[1];
    key(plat::kVkReturn);
    ASSERT_EQ(count(), 3);
    EXPECT_EQ(object(3).w[1] - y, 150) << "size 1.0 steps 150 units";
    const int depth = g_undo.depth;
    key(plat::kVkEscape);
    EXPECT_EQ(count(), 2) << "the empty second line is taken away";
    EXPECT_EQ(g_undo.depth, depth - 1) << "with the step its start pushed";
    EXPECT_STREQ(object(2).text(), "x");
}

TEST_F(TextEntry, AReopenedTextIsEditedInPlace)
{
    tool(tly::kCmdToolText);
    click(100, 100);
    type("OLD");
    key(plat::kVkEscape);
    tool(tly::kCmdToolTrace);
    drag(300, 300, 400, 300);
    ASSERT_EQ(count(), 3);

    tool(tly::kCmdToolText);
    click(102, 98);
    ASSERT_TRUE(TextEntryActive());
    EXPECT_EQ(count(), 3) << "the count stays while a reopened text is typed";
    EXPECT_EQ(TextEntryObject(), 2);
    type("S");
    EXPECT_STREQ(object(2).text(), "olds");
    EXPECT_EQ(object(3).kind(), kKindLine);
    key(plat::kVkEscape);
    command(tly::kCmdUndo);
    EXPECT_STREQ(object(2).text(), "old");
    EXPECT_EQ(count(), 3);
}

TEST_F(TextEntry, TheInsertKeysModeHoldsForTheNextEntry)
{
    tool(tly::kCmdToolText);
    click(100, 100);
    type("AB");
    key(plat::kVkInsert);
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Overtype mode set");
    key(plat::kVkEscape);

    // Reopened, the caret stands after "ab": two steps back and a letter replaces the "a".
    click(102, 98);
    ASSERT_TRUE(TextEntryActive());
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Edit text (overtype mode)");
    key(plat::kVkLeft);
    key(plat::kVkLeft);
    type("Z");
    EXPECT_STREQ(object(2).text(), "zb");
    key(plat::kVkInsert);
    key(plat::kVkEscape);
    click(102, 98);
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Edit text (insert mode)");
    key(plat::kVkHome);
    type("Y");
    EXPECT_STREQ(object(2).text(), "yzb");
}

TEST_F(TextEntry, AFrameStandsRoundTheTextWhileItIsTyped)
{
    g_crosshair.on = false;
    tool(tly::kCmdToolText);
    click(200, 200);
    type("FRAME");
    const plat::Rect box = TextEntryFrame();
    const int d = g_view.zoomDivisor;
    ASSERT_FALSE(box.isEmpty());
    // The text's box grown by 60 logical units (12 pixels) each way.
    EXPECT_LE(box.left / d, 200 - 12);
    EXPECT_GE(box.bottom / d, 200 + 12);
    const auto framePixels = [&] {
        std::vector<uint32_t> column;
        for (int y = box.top / d; y <= box.bottom / d; ++y)
            column.push_back(view()->backingPixel(box.left / d, y));
        return column;
    };
    const std::vector<uint32_t> typing = framePixels();
    key(plat::kVkEscape);
    const std::vector<uint32_t> after = framePixels();
    ASSERT_EQ(typing.size(), after.size());
    int drawn = 0;
    for (size_t i = 0; i < typing.size(); ++i)
        drawn += typing[i] != after[i];
    // Drawn down the frame's left side while typing, gone with the entry.
    EXPECT_GT(drawn, static_cast<int>(typing.size()) / 4) << "a dotted line";
    EXPECT_STREQ(object(2).text(), "frame");
}

TEST_F(TextEntry, LeavingTheFrameEndsTheEntryWhenAutomaticExitIsOn)
{
    g_crosshair.on = false;
    tool(tly::kCmdToolText);
    click(200, 200);
    type("AB");
    view()->SendMessage(plat::kWmMouseMove, 0, at(205, 198));
    EXPECT_TRUE(TextEntryActive()) << "inside the frame";
    view()->SendMessage(plat::kWmMouseMove, 0, at(400, 300));
    EXPECT_FALSE(TextEntryActive());
    EXPECT_STREQ(object(2).text(), "ab");
    EXPECT_EQ(count(), 2);

    g_boardSettings.AutoTextExit = 0;
    click(400, 300);
    type("C");
    view()->SendMessage(plat::kWmMouseMove, 0, at(600, 100));
    EXPECT_TRUE(TextEntryActive()) << "without automatic exit only Esc ends it";
    key(plat::kVkEscape);
    EXPECT_EQ(count(), 3);
    g_boardSettings.AutoTextExit = 1;
}

TEST_F(TextEntry, TypingStopsAt199Characters)
{
    tool(tly::kCmdToolText);
    click(100, 100);
    type(std::string(198, 'A'));
    type("BB");
    EXPECT_EQ(std::string(object(2).text()).size(), 199u);
}

}  // namespace
