#include "board_fixture.h"

namespace board_test {
namespace {

constexpr char kV12 = '<';

TEST_F(BoardTest, TruncatedFilesKeepWhatWasRead)
{
    const int pkg = loadPackage("TTL\\7400");
    addText("a text long enough for two string records");
    BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 4, 0, 0, 0, 0, 0});
    polygon.data = NewPointBlock(8);
    add(polygon);
    addPart("U7", pkg);
    add(makeObject(kKindLine, 0, {1, 2, 3, 4, 0, 0, 0, 5}));
    const Bytes whole = write();
    // Every prefix: nothing is read beyond the bytes, no object is half made.
    for (size_t n = 0; n <= whole.size(); ++n) {
        SCOPED_TRACE("length " + std::to_string(n));
        BoardDocumentData back;
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
        const int filled = read(back, cut);
        EXPECT_LE(filled, 5);
        if (n == whole.size()) {
            EXPECT_EQ(filled, 5);
        }
        for (int i = 1; i <= filled; ++i) {
            if ((*back.objects)[i].kind() == kKindPolygon) {
                EXPECT_NE((*back.objects)[i].points(), nullptr);
            }
        }
    }
}

TEST_F(BoardTest, HeaderShorterThanARecordReadsNothing)
{
    for (size_t n : {0u, 5u, 15u, 16u, 19u, 39u}) {
        SCOPED_TRACE(n);
        FileBuilder f;
        f.header(3, kV12);
        f.bytes.resize(n);
        BoardDocumentData back;
        EXPECT_EQ(read(back, f.bytes), 0);
    }
}

TEST_F(BoardTest, LyingCountsStopAtTheEndOfTheFile)
{
    FileBuilder f;
    f.header(1000, kV12);
    f.record({1, 1, kKindLine, 0, 0, 0, 0, 0});
    f.record({2, 2, kKindLine, 0, 0, 0, 0, 0});
    BoardDocumentData back;
    EXPECT_EQ(read(back, f.bytes), 2);
    EXPECT_TRUE(host.messageBoxes().empty()) << "a count may take in deleted slots that write no records";
    host.clearEvents();

    // A negative count reads to the end of the file.
    FileBuilder negative;
    negative.header(-5, kV12);
    negative.record({1, 1, kKindLine, 0, 0, 0, 0, 0});
    BoardDocumentData back2;
    EXPECT_EQ(read(back2, negative.bytes), 1);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(BoardTest, CountsBeyondTheStoreShowFullAndReadTheFirst31990)
{
    FileBuilder f;
    f.header(40000, kV12);
    for (int i = 0; i < 32000; ++i)
        f.record({i, 0, kKindLine, 0, 0, 0, 0, 0});
    BoardDocumentData back;
    EXPECT_EQ(read(back, f.bytes), 31990);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Database FULL--objects not loaded"});
    EXPECT_EQ((*back.objects)[31990].w[0], 31989 * 16);
    EXPECT_EQ((*back.objects)[31991].kind(), kKindDeleted);
}

TEST_F(BoardTest, AFullStoreOfTheLongestStringsFitsTheLargestFile)
{
    const std::string longest(kMaxStringChars, 'w');
    while (g_board.count < g_board.capacity - 1)
        addText(longest);
    const Bytes written = write();
    const size_t outline = kRecordSize + 4 * kSegmentWords * 4;   // the default outline's four segments
    EXPECT_EQ(written.size(), 2 * kRecordSize + outline + static_cast<size_t>(g_board.count - 1) * kLargestObjectBytes);
    EXPECT_LT(written.size(), kLargestBoardRecords);
    EXPECT_GT(kMaxBoardFileBytes, kLargestBoardRecords);
}

// A version this program does not know, or a header whose size word no board writer made,
// is refused: reading it as a board would make garbage objects that a save writes back.
TEST_F(BoardTest, NewerVersionsAndForeignHeadersAreRefused)
{
    for (const auto& [version, letter] : {std::pair{'?', int16_t{'A'}}, {'/', int16_t{'A'}}, {';', int16_t{0x4141}}}) {
        SCOPED_TRACE(std::string(1, version) + " " + std::to_string(letter));
        host.clearEvents();
        FileBuilder f;
        f.header(1, version, letter);
        f.record({1, 1, kKindLine, 0, 0, 0, 0, 0});
        BoardDocumentData back;
        plat::Archive archive(plat::Archive::Mode::Load, f.bytes, "board.tlz");
        EXPECT_TRUE(PrepareBoardForOpen(back));
        int32_t count = 0;
        ReadBoard(0, &count, archive, kFileModeBoard);
        EXPECT_EQ(count, 0);
        EXPECT_TRUE(archive.refused());
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unsupported file format"});
        CloseBoardDocument(back, nullptr);
    }
    LoadBoardGlobals(doc);
}

TEST_F(BoardTest, EndlessStringChainsEndWithTheFile)
{
    FileBuilder f;
    f.header(2, kV12);
    f.record({1, 1, kKindText, 0, 0, 0, 0, 0});
    for (int i = 0; i < 5000; ++i)
        f.text("ABCDEFGHIJKLMNOPQRS~");
    BoardDocumentData back;
    EXPECT_EQ(read(back, f.bytes), 0);

    // A long chain that does end: the text is kept (bounded) and the next object follows.
    f.text("head");
    f.record({3, 3, kKindLine, 0, 0, 0, 0, 0});
    BoardDocumentData back2;
    ASSERT_EQ(read(back2, f.bytes), 2);
    EXPECT_EQ(textOf((*back2.objects)[1]).substr(0, 4), "head");
    EXPECT_LE(textOf((*back2.objects)[1]).size(), 2000u);
    EXPECT_EQ((*back2.objects)[2].w[0], 48);
}

TEST_F(BoardTest, OutlineSegmentCountsBeyondTheBlockAreReadPast)
{
    FileBuilder f;
    f.header(3, kV12);
    f.record({0, 0, kKindOutline + kLayerOutline * 1024, 60, 0, 0, 0, 0});
    for (int s = 0; s < 60; ++s)
        f.words({s, s + 1, s + 2, s + 3, 1});
    f.record({0, 0, kKindOutline + kLayerOutline * 1024, -3, 0, 0, 0, 0});   // a second outline
    f.record({5, 5, kKindLine, 0, 0, 0, 0, 0});
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 3);
    const BoardObject& outline = (*back.objects)[1];
    ASSERT_EQ(outline.w[2], 50);
    EXPECT_EQ(outline.points()[49 * 5], 49);
    EXPECT_EQ((*back.objects)[2].kind(), kKindDeleted);
    EXPECT_EQ((*back.objects)[3].w[0], 80);
}

TEST_F(BoardTest, PolygonCountsThatLieEndReadingCleanly)
{
    FileBuilder f;
    f.header(3, kV12);
    f.record({0, 0, kKindPolygon, -4, 0, 0, 0, 0});        // negative: dropped
    f.record({0, 0, kKindPolygon, 0, 0, 0, 0, 0});         // empty: kept without a list
    f.record({0, 0, kKindPolygon, 32767, 0, 0, 0, 0});     // far more than the file holds
    f.words({1, 2, 3, 4});
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 1);
    EXPECT_EQ((*back.objects)[1].kind(), kKindPolygon);
    EXPECT_EQ((*back.objects)[1].w[2], 0);

    FileBuilder old;
    old.recordSize = 16;
    old.header(2, ';');                                    // version 11: polygons end reading
    old.record({1, 1, kKindLine, 0, 0, 0, 0, 0});
    old.record({0, 0, kKindPolygon, 2, 0, 0, 0, 0});
    BoardDocumentData back2;
    EXPECT_EQ(read(back2, old.bytes), 2);
}

TEST_F(BoardTest, UnknownPartKindsAreDropped)
{
    FileBuilder f;
    f.header(3, kV12);
    f.record({1, 1, 77, 0, 0, 0, 0, 0});
    f.record({2, 2, 127, 0, 0, 0, 0, 0});
    f.record({3, 3, kKindMarker, 0, 0, 0, 0, 0});
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 1);
    EXPECT_EQ((*back.objects)[1].kind(), kKindMarker);
}

TEST_F(BoardTest, LayerThirtyOneLosesFlagNine)
{
    FileBuilder f;
    f.header(1, kV12);
    f.record({1, 1, 0x7C00 | 0x200 | kKindPad, 0, 0, 0, 0, 0});
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 1);
    EXPECT_EQ((*back.objects)[1].w[4], 0x7C00 | kKindPad);
    EXPECT_EQ((*back.objects)[1].layer(), kLayerAll);
}

TEST(BoardRescale, TruncatesTowardZeroAndSaturates)
{
    BoardObject objects[3];
    objects[1] = makeObject(kKindLine, 0, {-15, 15, 7, -7, 0, 0, 0, 3});
    objects[2] = makeObject(kKindText, 0, {2000000000, 1, 5, 5, 0, 0, 0, 0});
    RescaleObjects(0.5, 0.5, objects, 1, 2);
    EXPECT_EQ(objects[1].w[0], -7);
    EXPECT_EQ(objects[1].w[1], 7);
    EXPECT_EQ(objects[1].w[2], 3);
    EXPECT_EQ(objects[1].w[7], 1);
    EXPECT_EQ(objects[2].w[2], 5);   // texts move only
    RescaleObjects(10.0, 10.0, objects, 2, 2);
    EXPECT_EQ(objects[2].w[0], INT32_MAX);
}

}  // namespace
}  // namespace board_test
