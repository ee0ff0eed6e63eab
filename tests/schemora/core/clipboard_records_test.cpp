#include "paint_test_support.h"

#include "common/clipboard_block.h"
#include "schemora/core/clipboard_records.h"

#include <gtest/gtest.h>

using namespace paint_test;

namespace {

ClipboardHeader header()
{
    return {.scale = 5, .right = 300, .top = 10, .left = 20, .bottom = 400, .viewCentreX = -7, .viewCentreY = 8};
}

std::vector<uint8_t> blockOf(std::initializer_list<int32_t> words, ClipboardLayout layout = ClipboardLayout::SchematicView)
{
    ClipboardBlockWriter w(layout);
    for (const int32_t v : words)
        w.word(v);
    return w.take();
}

}  // namespace

TEST(ClipboardRecords, ObjectsRoundTrip)
{
    PaintState state;
    const int symbol = addResistor();
    state.add(words(kObjLine, 1, 2, 3, 4));
    state.add(words(kObjText, 5, 6, 0x0900, 900), "R1 10k");
    DrawObject& polygon = state.add(words(kObjPolygon, 0, 0, 7, 0));
    for (int i = 0; i < 7; ++i)
        polygon.setPoint(i, i * 10, -i);
    Words part = words(kObjPart + symbol, 100, 200);
    part[4] |= 0x4000 | (2 << 10);
    part[7] = 900;
    state.add(part, "R:10k");
    const std::vector<int> selection{1, 2, 3, 4, 0, 77};

    const std::vector<uint8_t> bytes = EncodeClipboardBlock(header(), g_current.objects, selection);
    const std::optional<ClipboardBlock> block = DecodeClipboardBlock(bytes, 100);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->declaredCount, 4);
    EXPECT_EQ(block->header.right, 300);
    EXPECT_EQ(block->header.viewCentreX, -7);
    ASSERT_EQ(block->objects.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const DrawObject& source = g_current.objects[static_cast<size_t>(i + 1)];
        for (int w : {0, 1, 2, 3, 4, 5, 6, 7})
            EXPECT_EQ(block->objects[static_cast<size_t>(i)].words[static_cast<size_t>(w)], source.w[static_cast<size_t>(w)]) << w;
    }
    EXPECT_EQ(block->objects[1].text, "R1 10k");
    ASSERT_EQ(block->objects[2].points.size(), 7u);
    EXPECT_EQ(block->objects[2].points[6], (std::array<int32_t, 2>{60, -6}));
    const ClipboardObject& pasted = block->objects[3];
    EXPECT_EQ(pasted.words[4], kObjPart | 0x4000 | (2 << 10)) << "a placeholder with its flags";
    EXPECT_EQ(pasted.words[7], 900);
    EXPECT_EQ(pasted.text, "10k:DEVICE\\R");
}

TEST(ClipboardRecords, PartsOfEverySymbolIndexAreMarkedAsParts)
{
    PaintState state;
    for (int i = 0; i < 70; ++i)
        addResistor();
    state.add(words(kObjPart + 69, 0, 0), "R:1k");
    const std::vector<int> selection{1};
    const std::optional<ClipboardBlock> block =
        DecodeClipboardBlock(EncodeClipboardBlock(header(), g_current.objects, selection), 10);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->objects.size(), 1u);
    EXPECT_EQ(block->objects[0].words[4] & 0xFF, kObjPart);
}

TEST(ClipboardRecords, HostileBlocksAreRefused)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool parses;
        std::size_t objects;
    };
    const std::vector<int32_t> h{5, 0, 0, 0, 0, 0, 0, 0, 0};
    auto with = [&](std::initializer_list<int32_t> tail, int32_t count) {
        ClipboardBlockWriter w(ClipboardLayout::SchematicView);
        w.word(count);
        for (int32_t v : h)
            w.word(v);
        for (int32_t v : tail)
            w.word(v);
        return w.take();
    };
    const Case cases[] = {
        {"board block", blockOf({1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}, ClipboardLayout::BoardView), false, 0},
        {"no mark", std::vector<uint8_t>(80, 0), false, 0},
        {"short header", blockOf({1, 5, 0}), false, 0},
        {"count beyond the block", with({0, 0, 1, 0, 0, 0, 0, 0}, 1000000), false, 0},
        {"negative count", with({}, -1), false, 0},
        {"string never ends", with({0, 0, 4, 0, 0, 0, 0, 0, 'a', 'b'}, 1), false, 0},
        {"unknown kind", with({0, 0, 77, 0, 0, 0, 0, 0}, 1), false, 0},
        {"polygon points beyond the block", with({0, 0, 14, 9, 0, 0, 0, 0, 1, 2}, 1), false, 0},
        {"polygon of 12 points is passed over",
         with({0, 0, 14, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
               0, 0, 1, 2, 3, 4, 0, 0, 0, 0},
              2),
         true, 1},
        {"empty block", with({}, 0), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ClipboardBlock> block = DecodeClipboardBlock(c.bytes, 100);
        ASSERT_EQ(block.has_value(), c.parses);
        if (block) {
            EXPECT_EQ(block->objects.size(), c.objects);
        }
    }
}

TEST(ClipboardRecords, ReadsOnlyTheRoomLeft)
{
    PaintState state;
    for (int i = 0; i < 5; ++i)
        state.add(words(kObjLine, i, i, i, i));
    const std::vector<int> selection{1, 2, 3, 4, 5};
    const std::vector<uint8_t> bytes = EncodeClipboardBlock(header(), g_current.objects, selection);
    EXPECT_EQ(DecodeClipboardBlock(bytes, 3)->objects.size(), 3u);
    EXPECT_EQ(DecodeClipboardBlock(bytes, -12)->objects.size(), 0u) << "no room is no room, never negative";
}

TEST(ClipboardRecords, PlainText)
{
    PaintState state;
    state.add(words(kObjText, 0, 0), "R1");
    state.add(words(kObjLine, 0, 0, 1, 1));
    state.add(words(kObjText, 0, 0), "C2");
    const std::vector<int> selection{1, 2, 3};
    EXPECT_EQ(ClipboardTextOf(g_current.objects, selection), "R1\r\nC2\r\n");

    bool tooLong = true;
    EXPECT_EQ(ClipboardTextLines("a\r\nb\nc", &tooLong), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(tooLong);
    EXPECT_EQ(ClipboardTextLines("x\r\n\r\n", &tooLong), (std::vector<std::string>{"x"}));
    const std::vector<std::string> cut = ClipboardTextLines(std::string(250, 'q') + "\n" + std::string(199, 'r'), &tooLong);
    EXPECT_TRUE(tooLong);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].size(), 180u);
    EXPECT_EQ(cut[1].size(), 199u);
}
