// The board's clipboard block: what a copy writes, what a paste accepts, and how it refuses
// blocks that are not a board's or do not hold what they claim.
#include "tests/tracelyn/core/board_fixture.h"

#include "common/clipboard_block.h"
#include "tracelyn/core/board_clipboard_block.h"
#include "tracelyn/core/little_endian.h"

namespace {

using board_test::makeObject;

constexpr size_t kMarkBytes = 4 * kClipboardMarkWords;

class ClipboardBlockTest : public board_test::BoardTest {
protected:
    std::vector<uint8_t> encode(std::vector<const BoardObject*> objects)
    {
        ClipboardHeader header;
        header.w = {0, 5, 100, 200, 300, 400, 1000, 2000, 600, 700};
        return EncodeBoardClipboard(header, objects);
    }
    static int32_t word(const std::vector<uint8_t>& bytes, size_t k)
    {
        return le::getS32(bytes, kMarkBytes + 4 * k);
    }
};

TEST_F(ClipboardBlockTest, CopiedObjectsComeBackWhole)
{
    BoardObject trace = makeObject(kKindLine, 2, {10, 20, 30, 40, 0, 1, 0x1234, 120});
    BoardObject text = makeObject(kKindText, 16, {5, 6, 0x305, 0, 0, 0, 0, 0});
    text.data = StrDupChecked("GND");
    BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 3, 0, 0, 0, 0, 50});
    int32_t* points = NewPointBlock(6);
    const int32_t xy[6] = {0, 0, 1000, 0, 500, 800};
    std::copy(xy, xy + 6, points);
    polygon.data = points;
    const int package = loadPackage("STD\\DIP8");
    BoardObject part = makeObject(kKindPart + package, 31, {5000, 6000, 30, 40, 0, 7, 900, 12});
    part.w[4] |= 0x100;
    part.data = StrDupChecked("U:7400");

    const std::vector<uint8_t> bytes = encode({&trace, &text, &polygon, &part});
    ASSERT_TRUE(ClipboardBlockReader(bytes, ClipboardLayout::BoardView).valid());
    EXPECT_EQ(word(bytes, 0), 4);
    EXPECT_EQ(word(bytes, 1), 5);
    // The first record: x, y, the kind word, then words 2, 3, 5, 6, 7.
    EXPECT_EQ(word(bytes, 10), 10);
    EXPECT_EQ(word(bytes, 12), 2 * 1024 + kKindLine);
    EXPECT_EQ(word(bytes, 17), 120);

    const std::optional<ClipboardBlock> block = DecodeBoardClipboard(bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->header.w[6], 1000);
    ASSERT_EQ(block->entries.size(), 4u);
    EXPECT_EQ(block->entries[0].r, (std::array<int32_t, 8>{10, 20, 2 * 1024 + 1, 30, 40, 1, 0x1234, 120}));
    EXPECT_EQ(block->entries[1].text, "GND");
    EXPECT_EQ(block->entries[2].vertices, std::vector<int32_t>(xy, xy + 6));
    EXPECT_EQ(block->entries[3].kind(), kClipboardPartKind);
    EXPECT_EQ(block->entries[3].r[2] & 0xFF80, (31 * 1024 + 0x100) & 0xFF80);
    EXPECT_EQ(block->entries[3].text, "U:7400!STD\\DIP8");
    for (BoardObject* o : {&text, &polygon, &part})
        FreeObjectData(*o);
}

TEST_F(ClipboardBlockTest, TheOutlineAndDeletedRecordsAreNotCopied)
{
    const BoardObject& outline = g_board.objects[1];
    ASSERT_EQ(outline.kind(), kKindOutline);
    BoardObject deleted;
    BoardObject pad = makeObject(kKindPad, 31, {1, 2, 600, 600, 0, 0, 350, 0});
    const std::vector<uint8_t> bytes = encode({&outline, &deleted, &pad});
    EXPECT_EQ(word(bytes, 0), 1);
    const std::optional<ClipboardBlock> block = DecodeBoardClipboard(bytes);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->entries.size(), 1u);
    EXPECT_EQ(block->entries[0].kind(), kKindPad);
}

TEST_F(ClipboardBlockTest, BlocksThatAreNotWholeBoardBlocksAreRefused)
{
    BoardObject text = makeObject(kKindText, 16, {5, 6, 0x305, 0, 0, 0, 0, 0});
    text.data = StrDupChecked("LONG TEXT");
    BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 2, 0, 0, 0, 0, 50});
    polygon.data = NewPointBlock(4);
    const std::vector<uint8_t> good = encode({&text, &polygon});
    ASSERT_TRUE(DecodeBoardClipboard(good));

    auto patched = [&](size_t k, int32_t v) {
        std::vector<uint8_t> b = good;
        le::put32(b, kMarkBytes + 4 * k, v);
        return b;
    };
    std::vector<uint8_t> schematic = good;
    le::put32(schematic, 4, static_cast<int32_t>(ClipboardLayout::SchematicView));
    std::vector<uint8_t> unmarked(good.begin() + kMarkBytes, good.end());
    std::vector<uint8_t> cut(good.begin(), good.end() - 4);
    std::vector<uint8_t> textWithoutEnd = encode({&text});
    le::put32(textWithoutEnd, textWithoutEnd.size() - 4, 'X');
    const size_t polygonRecord = 10 + 8 + 10;   // after the text's record and its 10 words
    const BoardObject line = makeObject(kKindLine, 1, {0, 0, 100, 100, 0, 0, 0, 0});
    std::vector<uint8_t> lineEndFarOff = encode({&line});
    ASSERT_TRUE(DecodeBoardClipboard(lineEndFarOff));
    le::put32(lineEndFarOff, kMarkBytes + 4 * (10 + 3), -kMaxClipboardPosition - 1);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"schematic mark", schematic},
        {"no mark", unmarked},
        {"empty", {}},
        {"header only half there", std::vector<uint8_t>(good.begin(), good.begin() + kMarkBytes + 20)},
        {"cut short", cut},
        {"count beyond the data", patched(0, 1000)},
        {"negative count", patched(0, -1)},
        {"unknown kind", patched(12, 3)},
        {"the outline", patched(12, kKindOutline)},
        {"text without its end", textWithoutEnd},
        {"character out of range", patched(18 + 2, 4000)},
        {"vertex count beyond the data", patched(polygonRecord + 3, 100)},
        {"negative vertex count", patched(polygonRecord + 3, -2)},
        {"view origin far off", patched(6, INT32_MIN)},
        {"rectangle far off", patched(4, INT32_MAX)},
        {"client centre far off", patched(9, kMaxClipboardPosition + 1)},
        // A paste moves objects by the distances between them: one placed beyond what a view
        // reaches would wrap around.
        {"text placed far off", patched(10, kMaxClipboardPosition + 1)},
        {"polygon placed far off", patched(polygonRecord + 1, INT32_MIN)},
        {"vertex far off", patched(polygonRecord + 8 + 3, INT32_MAX)},
        {"line end far off", lineEndFarOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeBoardClipboard(c.bytes));
    }
    FreeObjectData(text);
    FreeObjectData(polygon);
}

TEST_F(ClipboardBlockTest, LongTextsAreCutOnReading)
{
    BoardObject text = makeObject(kKindText, 16, {5, 6, 0x305, 0, 0, 0, 0, 0});
    text.data = StrDupChecked(std::string(1000, 'A'));
    const std::optional<ClipboardBlock> block = DecodeBoardClipboard(encode({&text}));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->entries[0].text, std::string(kMaxClipboardText, 'A'));
    FreeObjectData(text);
}

}  // namespace
