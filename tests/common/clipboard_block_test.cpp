#include "common/clipboard_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ClipboardBlock, WordsAndStringsRoundTripBehindTheMark)
{
    ClipboardBlockWriter writer(ClipboardLayout::SchematicView);
    writer.word(-5);
    writer.string("R\xE9");
    writer.word(0x7FFFFFFF);
    EXPECT_EQ(writer.words(), 2u + 1u + 3u + 1u);
    const std::vector<uint8_t> bytes = writer.take();
    ASSERT_EQ(bytes.size(), 7u * 4u);
    // Little-endian words: the mark first.
    EXPECT_EQ(bytes[0], 'Q');
    EXPECT_EQ(bytes[3], 'B');
    EXPECT_EQ(bytes[4], 1);

    ClipboardBlockReader reader(bytes, ClipboardLayout::SchematicView);
    ASSERT_TRUE(reader.valid());
    int32_t value = 0;
    ASSERT_TRUE(reader.word(value));
    EXPECT_EQ(value, -5);
    std::string text;
    ASSERT_TRUE(reader.string(text, 10));
    EXPECT_EQ(text, "R\xE9");
    ASSERT_TRUE(reader.word(value));
    EXPECT_EQ(value, 0x7FFFFFFF);
    EXPECT_FALSE(reader.word(value));
    EXPECT_EQ(value, 0);
}

TEST(ClipboardBlock, ForeignOrDamagedBlocksAreRefused)
{
    ClipboardBlockWriter board(ClipboardLayout::BoardView);
    board.word(1);
    const std::vector<uint8_t> boardBytes = board.take();
    EXPECT_FALSE(ClipboardBlockReader(boardBytes, ClipboardLayout::SchematicView).valid());
    EXPECT_TRUE(ClipboardBlockReader(boardBytes, ClipboardLayout::BoardView).valid());

    const std::vector<uint8_t> unmarked(40, 0);
    EXPECT_FALSE(ClipboardBlockReader(unmarked, ClipboardLayout::SchematicView).valid());
    EXPECT_FALSE(ClipboardBlockReader({}, ClipboardLayout::SchematicView).valid());
    const std::vector<uint8_t> shortMark{'Q', 'L', 'C', 'B', 1, 0};
    EXPECT_FALSE(ClipboardBlockReader(shortMark, ClipboardLayout::SchematicView).valid());
}

TEST(ClipboardBlock, StringsAreBoundedByLengthAndBlockEnd)
{
    ClipboardBlockWriter writer(ClipboardLayout::SchematicView);
    writer.string("abcdef");
    writer.word('x');  // a string whose end word never comes
    std::vector<uint8_t> bytes = writer.take();
    bytes.push_back(1);  // a stray byte that makes no whole word

    ClipboardBlockReader reader(bytes, ClipboardLayout::SchematicView);
    std::string text;
    EXPECT_FALSE(reader.string(text, 3)) << "longer than allowed";
    ClipboardBlockReader again(bytes, ClipboardLayout::SchematicView);
    ASSERT_TRUE(again.string(text, 6));
    EXPECT_EQ(text, "abcdef");
    EXPECT_FALSE(again.string(text, 100)) << "block ends inside the string";
    EXPECT_EQ(again.remaining(), 0u);
}
