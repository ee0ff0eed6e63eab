// Copy and paste through the real view and the test host's clipboard.
#include "edit_view_fixture.h"

#include "common/clipboard_block.h"
#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/undo_ring.h"

using namespace schemora_test;
using namespace scm;

namespace {

class ClipboardExchange : public EditView {
protected:
    void selectAll() { ASSERT_TRUE(key('A', true)); }
};

}  // namespace

TEST_F(ClipboardExchange, CopyThenPasteAddsSelectedObjectsOffsetAndUndoable)
{
    drawLine(0, 0, 400, 0);
    drawLine(0, 100, 0, 500);
    selectAll();
    ASSERT_EQ(g_editState.selectionCount, 2);
    ASSERT_TRUE(key('C', true));
    EXPECT_TRUE(host.shown("clipboard set: TLYN"));
    EXPECT_TRUE(host.shown("clipboard set: bitmap"));
    EXPECT_EQ(pane(0), "Sent 2 objects to clipboard");
    EXPECT_EQ(g_editState.selectionCount, 0);

    ASSERT_TRUE(key('V', true));
    ASSERT_EQ(count(), 4);
    EXPECT_EQ((std::array<int, 4>{object(3).w[0], object(3).w[1], object(3).w[2], object(3).w[3]}),
              (std::array<int, 4>{200, 200, 600, 200}));
    EXPECT_EQ((std::array<int, 4>{object(4).w[0], object(4).w[1], object(4).w[2], object(4).w[3]}),
              (std::array<int, 4>{200, 300, 200, 700}));
    EXPECT_EQ(g_editState.selectionCount, 2);
    EXPECT_EQ(g_editState.CurrentTool, kCmdEditSelect);
    EXPECT_EQ(pane(0), "Inserted 2 elements from Clipboard");
    EXPECT_TRUE(doc()->IsModified());

    ASSERT_TRUE(key('Z', true));
    EXPECT_EQ(count(), 2) << "one undo takes the whole paste back";
}

TEST_F(ClipboardExchange, ForeignBlocksAndOtherScalesPasteNothing)
{
    drawLine(0, 0, 400, 0);
    ClipboardBlockWriter board(ClipboardLayout::BoardView);
    for (int i = 0; i < 18; ++i)
        board.word(i == 0 ? 1 : 0);
    host.setClipboard("TLYN", board.take());
    host.clearEvents();
    EXPECT_TRUE(key('V', true));
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"No clipboard data"});

    selectAll();
    ASSERT_TRUE(key('C', true));
    ASSERT_TRUE(command(kCmdZoomIn));   // another scale divisor
    host.clearEvents();
    EXPECT_TRUE(key('V', true));
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(pane(0), "Drawing scale changed!");

    host.clearClipboard();
    host.clearEvents();
    EXPECT_TRUE(key('V', true));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"No clipboard data"});
}

TEST_F(ClipboardExchange, PlainTextPastesAsSelectedTextsOneGridStepApart)
{
    const std::string text = "R1\r\nC2\r\nU3\r\n";
    host.setClipboard("text", std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_TRUE(key(plat::kVkInsert, false) || command(kCmdEditPaste));
    ASSERT_EQ(count(), 3);
    EXPECT_STREQ(object(1).text, "R1");
    EXPECT_STREQ(object(3).text, "U3");
    EXPECT_EQ(object(2).w[1] - object(1).w[1], g_current.gridStep);
    EXPECT_EQ(object(1).type(), kObjText);
    EXPECT_EQ(g_editState.selectionCount, 3);
    EXPECT_EQ(pane(0), "Inserted 3 TEXT elements from Clipboard");

    // Copy Text gives the texts back as lines.
    ASSERT_TRUE(command(kCmdEditCopyText));
    const std::optional<std::vector<uint8_t>> copied = host.clipboard("text");
    ASSERT_TRUE(copied);
    EXPECT_EQ(std::string(copied->begin(), copied->end()), text);
    EXPECT_EQ(pane(0), "Copied 3 text object(s) to clipboard");
}

TEST_F(ClipboardExchange, PasteNearAFullStoreTakesOnlyTheRoomLeft)
{
    const std::string text = "a\nb\nc\n";
    host.setClipboard("text", std::vector<uint8_t>(text.begin(), text.end()));
    doc()->data().objectCount = 7988;
    g_current.count = 7988;
    ASSERT_TRUE(command(kCmdEditPaste));
    EXPECT_EQ(count(), 7990);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Database FULL--objects not accessed"});
}

TEST_F(ClipboardExchange, SizesFromTheBlockAreBoundedAsCoordinatesAre)
{
    command(kCmdToolRectangle);
    drag(0, 0, 400, 300);
    ASSERT_EQ(count(), 1);
    ASSERT_EQ(object(1).type(), kObjRectangle);
    selectAll();
    ASSERT_TRUE(key('C', true));
    std::optional<std::vector<uint8_t>> block = host.clipboard("TLYN");
    ASSERT_TRUE(block);
    // The first record's words 2 and 3 (width and height) follow the mark, the header and the
    // record's x, y and kind words.
    constexpr size_t kWidthWord = kClipboardMarkWords + 10 + 3;
    const std::pair<size_t, uint32_t> patches[] = {{kWidthWord, 2000000000u}, {kWidthWord + 1, 0x80000001u}};
    for (const auto& [word, value] : patches)
        for (size_t b = 0; b < 4; ++b)
            (*block)[4 * word + b] = static_cast<uint8_t>(value >> (8 * b));
    host.setClipboard("TLYN", *block);
    ASSERT_TRUE(key('V', true));
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(object(2).w[2], 32767);
    EXPECT_EQ(object(2).w[3], -32767);
    // The far corner stays where the painter reaches it in bounded time.
    view()->InvalidateRect(nullptr, true);
    view()->UpdateWindow();
}
