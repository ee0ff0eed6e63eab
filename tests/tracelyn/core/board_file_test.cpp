#include "board_fixture.h"
#include "package_fixture.h"

#include "tracelyn/core/board_records.h"
#include "tracelyn/core/route_services.h"

#include <array>
#include <string_view>
#include <vector>

namespace board_test {
namespace {

std::string recordText(const Bytes& bytes, size_t record)
{
    return std::string(bytes.begin() + static_cast<long>(record * 20),
                       bytes.begin() + static_cast<long>(record * 20 + 20));
}

int32_t u32At(const Bytes& b, size_t at)
{
    return static_cast<int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
}

TEST_F(BoardTest, HeaderAndSecondRecord)
{
    g_board.viewOriginX = -1234;
    g_board.viewOriginY = 567;
    g_board.sizeLetter = 'C';
    const Bytes bytes = write();
    ASSERT_GE(bytes.size(), 40u);
    EXPECT_EQ(u32At(bytes, 0), 1);
    EXPECT_EQ(static_cast<int16_t>(bytes[4] | bytes[5] << 8), -1234);
    EXPECT_EQ(bytes[6] | bytes[7] << 8, 567);
    EXPECT_EQ(bytes[8], 'C');
    EXPECT_EQ(bytes[10], '<');
    EXPECT_EQ(bytes[11], 0);
    EXPECT_TRUE(std::all_of(bytes.begin() + 12, bytes.begin() + 40, [](uint8_t b) { return b == 0; }));

    plat::Archive library(plat::Archive::Mode::Store);
    WriteBoard(library, kFileModeLibraryPart, "dip14");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(library.bytes().data() + 20)), "DIP14");

    BoardDocumentData back;
    read(back, bytes);
    EXPECT_EQ(back.viewOriginX, -1234);
    EXPECT_EQ(back.viewOriginY, 567);
    EXPECT_EQ(back.sizeLetter, 'C');
    EXPECT_EQ(g_board.sizeLetter, 'C');
    EXPECT_TRUE(host.shown("message box: Unsupported file format") == false);
}

// Every board opens at the starting zoom: one saved zoomed in reopens on the point it showed,
// and a header whose origin lies off the work area opens on its middle.
TEST_F(BoardTest, ABoardReopensOnThePointItShowed)
{
    g_board.sizeLetter = 'E';   // 16 x 16 inches
    struct Case {
        int zoom;
        int32_t x, y;            // logical units of that zoom
        int32_t milsX, milsY;    // as read back
    };
    const Case cases[] = {{3, -1234, 567, -1234, 567}, {6, 7000, -7000, 7000, -7000},
                          {7, 9000, -3000, 4500, -1500}, {9, 61234, -40000, 6123, -4000}};
    std::vector<Bytes> saved;
    for (const Case& c : cases) {
        g_board.zoomIndex = c.zoom;
        g_board.viewOriginX = c.x;
        g_board.viewOriginY = c.y;
        saved.push_back(write());
    }
    g_board.zoomIndex = 3;
    g_board.viewOriginX = 0;
    g_board.viewOriginY = 567;
    g_board.sizeLetter = 'A';
    Bytes damaged = write();
    damaged[4] = 0x30;   // x 12336 mils, off a 4 x 4 inch work area
    damaged[5] = 0x30;

    // Each read leaves the current store on the document read: they all stay open to the end.
    std::array<BoardDocumentData, std::size(cases) + 1> back;
    for (size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].zoom);
        read(back[k], saved[k]);
        EXPECT_EQ(back[k].zoomIndex, 3);
        EXPECT_EQ(back[k].viewOriginX, cases[k].milsX);
        EXPECT_EQ(back[k].viewOriginY, cases[k].milsY);
    }
    read(back.back(), damaged);
    EXPECT_EQ(back.back().viewOriginX, 0);
    EXPECT_EQ(back.back().viewOriginY, 567);
}

TEST_F(BoardTest, EveryKindRoundTripsWordForWordAndByteForByte)
{
    const int pkg = loadPackage("TTL\\7400");
    add(makeObject(kKindLine, 0, {12345, -7, -99999, 5, 0, 3, 0, 120}));
    add(makeObject(kKindRectangle, 2, {-16, 17, 4000, -3001, 0, 1, 4, 10}));
    addText("Hello board", -301, 299);
    add(makeObject(kKindEllipse, 16, {1, 2, 300, 200, 0, 0, 0, 8}));
    add(makeObject(kKindArc, 1, {100, 100, 250, 260, 0, 0, 1800, 15}));
    add(makeObject(kKindPad, kLayerAll, {500, 501, 600, 602, 0, 8, 350, 0}));
    add(makeObject(kKindFixedRectangle, 3, {-1, -2, 30, 40, 0, 0, 0, 0}));
    add(makeObject(kKindNoRoute, 0, {10, 20, 30, 40, 0, 0, 0, 0}));
    BoardObject polygon = makeObject(kKindPolygon, 23, {0, 0, 3, 9, 0, 2, 4, 6});
    polygon.data = NewPointBlock(6);
    const int32_t vertices[6] = {-70000, 1, 70000, -2, 5, 123456};
    std::copy(vertices, vertices + 6, polygon.points());
    add(polygon);
    add(makeObject(kKindMarker, 0, {7, 8, 0, 0, 0, 0, 0, 0}));
    addPart("U1", pkg);

    const Bytes first = write();
    BoardDocumentData back;
    ASSERT_EQ(read(back, first), g_board.count);
    for (int i = 1; i <= back.objectCount; ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const BoardObject& a = (*doc.objects)[i];
        const BoardObject& b = (*back.objects)[i];
        for (int k : {0, 1, 2, 3, 4, 5, 6, 7})
            EXPECT_EQ(a.w[k], b.w[k]) << "word " << k;
        if (a.kind() == kKindText || a.isPart()) {
            EXPECT_EQ(textOf(a), textOf(b));
        }
    }
    EXPECT_TRUE(std::equal(vertices, vertices + 6, (*back.objects)[10].points()));
    EXPECT_EQ(write(), first);
}

TEST_F(BoardTest, DeletedObjectsWriteNoRecordsAndTheHeaderCountsTheRecords)
{
    for (int i = 2; i <= 12; ++i)
        add(makeObject(kKindLine, 0, {i * 100, 0, 0, 0, 0, 0, 0, 0}));
    for (int i = 5; i <= 9; ++i)
        g_board.objects[i].w[4] = 0;
    const Bytes bytes = write();
    EXPECT_EQ(u32At(bytes, 0), 7);
    // header, second record, the outline with its 4 segments, 6 live lines
    EXPECT_EQ(bytes.size(), 20u * (2 + 1 + 4 + 6));
    BoardDocumentData back;
    EXPECT_EQ(read(back, bytes), 7);
    EXPECT_TRUE(host.messageBoxes().empty()) << "a file that ends at its count is whole";
    EXPECT_EQ((*back.objects)[5].w[0], 1000);
    EXPECT_EQ((*back.objects)[7].w[0], 1200);
}

TEST_F(BoardTest, StringRecordsAreWrittenFromTheEnd)
{
    const std::string text45 = "abcdefg" "hijklmnopqrstuvwxyz" "ABCDEFGHIJKLMNOPQRS";
    ASSERT_EQ(text45.size(), 45u);
    addText(text45);
    addText("exactly nineteen ch");
    addText("two  words   ");
    const Bytes bytes = write();
    // header, second, outline + 4 segments, text record, three string records, ...
    const size_t firstString = 2 + 1 + 4 + 1;
    EXPECT_EQ(recordText(bytes, firstString), "ABCDEFGHIJKLMNOPQRS~");
    EXPECT_EQ(recordText(bytes, firstString + 1), "hijklmnopqrstuvwxyz~");
    EXPECT_EQ(recordText(bytes, firstString + 2), "abcdefg             ");
    EXPECT_EQ(recordText(bytes, firstString + 4), "exactly|nineteen|ch ");
    EXPECT_EQ(recordText(bytes, firstString + 6), "two||words          ");

    BoardDocumentData back;
    ASSERT_EQ(read(back, bytes), 4);
    EXPECT_EQ(textOf((*back.objects)[2]), text45);
    EXPECT_EQ(textOf((*back.objects)[3]), "exactly nineteen ch");
    EXPECT_EQ(textOf((*back.objects)[4]), "two  words");
}

TEST_F(BoardTest, BlankTextIsDroppedOnReading)
{
    addText("   ");
    add(makeObject(kKindLine, 0, {1, 2, 3, 4, 0, 0, 0, 0}));
    BoardDocumentData back;
    ASSERT_EQ(read(back, write()), 2);
    EXPECT_EQ((*back.objects)[2].kind(), kKindLine);
}

TEST_F(BoardTest, OutlineOfFiftySegmentsReadsBackWhole)
{
    BoardObject& outline = g_board.objects[1];
    outline.w[2] = 50;
    for (int k = 0; k < kOutlineBlockWords; ++k)
        outline.points()[k] = k * 37 - 4000;
    add(makeObject(kKindLine, 0, {9, 9, 9, 9, 0, 0, 0, 0}));
    const Bytes bytes = write();
    BoardDocumentData back;
    ASSERT_EQ(read(back, bytes), 2);
    const BoardObject& got = (*back.objects)[1];
    EXPECT_EQ(got.kind(), kKindOutline);
    ASSERT_EQ(got.w[2], 50);
    EXPECT_TRUE(std::equal(outline.points(), outline.points() + kOutlineBlockWords, got.points()));
    EXPECT_EQ((*back.objects)[2].w[0], 9);
    EXPECT_EQ(write(), bytes);
}

TEST_F(BoardTest, PartsResolveAgainstLoadedPackages)
{
    const int pkg = loadPackage("TTL\\7400");
    addPart("U", pkg);
    addPart("R:7", pkg);
    const Bytes bytes = write();
    ClearPackageTables();
    loadPackage("CONN\\HDR");
    const int again = loadPackage("TTL\\7400");

    BoardDocumentData back;
    ASSERT_EQ(read(back, bytes), 3);
    EXPECT_EQ(textOf((*back.objects)[2]), "U");
    EXPECT_EQ((*back.objects)[2].kind(), kKindPart + again);
    EXPECT_EQ(textOf((*back.objects)[3]), "R:7");
    EXPECT_EQ((*back.objects)[3].kind(), kKindPart + again);
}

TEST_F(BoardTest, PartWithoutPackageBecomesMissingPartText)
{
    const int pkg = loadPackage("TTL\\7400");
    addPart("U", pkg, 777, 888);
    const Bytes bytes = write();
    ClearPackageTables();
    BoardDocumentData back;
    ASSERT_EQ(read(back, bytes), 2);
    const BoardObject& text = (*back.objects)[2];
    EXPECT_EQ(text.w[4], kKindText);
    EXPECT_EQ(text.w[2], 0x200);
    EXPECT_EQ(text.w[0], 777);
    EXPECT_EQ(textOf(text), "Missing part! (TTL-7400)");
}

TEST_F(BoardTest, ExportCarriesOnePackageBlockPerDistinctPackage)
{
    const int a = loadPackage("TTL\\7400");
    const int b = loadPackage("CONN\\HDR");
    addPart("U1", b);
    addPart("U2", a);
    addPart("U3", b);
    const Bytes board = write(kFileModeBoard);
    const Bytes xpc = write(kFileModeExport);
    ASSERT_GT(xpc.size(), board.size());
    EXPECT_TRUE(std::equal(board.begin(), board.end(), xpc.begin()));

    std::vector<std::string> blocks;
    for (size_t at = board.size(); at + 20 <= xpc.size(); at += 20) {
        const auto rec = std::span<const uint8_t>(xpc).subspan(at, 20);
        if (!IsMarkerRecord(rec))
            continue;
        for (int m = 1; m < 4; ++m)
            EXPECT_TRUE(IsMarkerRecord(std::span<const uint8_t>(xpc).subspan(at + 20 * m, 20)));
        at += 4 * 20;   // body: header record, then the name record
        EXPECT_EQ(xpc[at + 10], '<');
        blocks.emplace_back(reinterpret_cast<const char*>(xpc.data() + at + 20));
    }
    // Each body's name record holds the part name in capitals, as in a library.
    EXPECT_EQ(blocks, (std::vector<std::string>{"HDR", "7400"}));

    // Read back with the packages loaded: the names keep their package, no body is needed.
    BoardDocumentData back;
    ASSERT_EQ(read(back, xpc, kFileModeExport, "board.xpc"), 4);
    EXPECT_EQ((*back.objects)[2].kind(), kKindPart + b);
    EXPECT_EQ((*back.objects)[3].kind(), kKindPart + a);
    EXPECT_TRUE(host.messageBoxes().empty());
}

// Exports holding deleted slots: U1 and U2 of one package with a deleted text between them.
class BoardExportTest : public BoardTest {
protected:
    void twoPartsAroundADeletedText()
    {
        const int pkg = loadPackage("TTL\\7400");
        addPart("U1", pkg);
        const int gone = addText("deleted");
        addPart("U2", pkg);
        FreeObjectData(g_board.objects[gone]);
        g_board.objects[gone].w[4] = kKindDeleted;
    }
    // The export read back: three records, its one package, no message.
    void readExportWithOnePackage(BoardDocumentData& back, const Bytes& xpc)
    {
        ASSERT_EQ(read(back, xpc, kFileModeExport, "board.xpc"), 3);
        EXPECT_TRUE(host.messageBoxes().empty());
        ASSERT_EQ(g_packages.count, 1);
        EXPECT_EQ(g_packages.defs[1].name, "TTL\\7400");
    }
};

TEST_F(BoardExportTest, ExportWithDeletedObjectsReadsItsPackagesBack)
{
    twoPartsAroundADeletedText();
    const Bytes board = write(kFileModeBoard);
    const Bytes xpc = write(kFileModeExport);
    EXPECT_EQ(u32At(board, 0), 3) << "a board counts the records written";
    EXPECT_EQ(u32At(xpc, 0), 3) << "an export counts the records that come before its packages";

    ClearPackageTables();
    BoardDocumentData back;
    ASSERT_NO_FATAL_FAILURE(readExportWithOnePackage(back, xpc));
    EXPECT_EQ((*back.objects)[2].kind(), kKindPart + 1);
    EXPECT_EQ((*back.objects)[3].kind(), kKindPart + 1);
}

// Boards whose header counts the highest index, deleted slots included, have fewer records
// than the count: they read whole. A record cut in two is still damage.
TEST_F(BoardTest, AHeaderCountingDeletedSlotsReadsWhole)
{
    for (int i = 2; i <= 12; ++i)
        add(makeObject(kKindLine, 0, {i * 100, 0, 0, 0, 0, 0, 0, 0}));
    for (int i = 5; i <= 9; ++i)
        g_board.objects[i].w[4] = 0;
    Bytes bytes = write();
    FileBuilder::put(bytes, 0, 4, 12);
    BoardDocumentData back;
    EXPECT_EQ(read(back, bytes), 7);
    EXPECT_TRUE(host.messageBoxes().empty()) << "nothing is reported damaged";
    EXPECT_EQ((*back.objects)[5].w[0], 1000);
    EXPECT_EQ((*back.objects)[7].w[0], 1200);

    bytes.resize(bytes.size() - 10);
    BoardDocumentData cut;
    EXPECT_EQ(read(cut, bytes), 6);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"6 objects read; the rest of the file is damaged"});
    CloseBoardDocument(cut, nullptr);
    CloseBoardDocument(back, nullptr);
    LoadBoardGlobals(doc);
}

// An export whose count took in a deleted slot meets its first package block among the
// objects: the packages are read from there.
TEST_F(BoardExportTest, AnExportCountingDeletedSlotsKeepsItsPackages)
{
    twoPartsAroundADeletedText();
    Bytes xpc = write(kFileModeExport);
    FileBuilder::put(xpc, 0, 4, 4);
    ClearPackageTables();
    BoardDocumentData back;
    ASSERT_NO_FATAL_FAILURE(readExportWithOnePackage(back, xpc));
    EXPECT_EQ((*back.objects)[3].kind(), kKindPart + 1);
    CloseBoardDocument(back, nullptr);
    LoadBoardGlobals(doc);
}

// The oldest boards: version '0', a 16-bit count, 16-byte records in whole mils.
TEST_F(BoardTest, AVersionZeroBoardReads)
{
    FileBuilder f;
    f.recordSize = 16;
    f.header(1, '0', 'B', false);
    f.record({1, 2, kKindLine, 3, 4, 0, 0, 0});
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 2) << "the default outline and the line";
    EXPECT_TRUE(host.messageBoxes().empty());
    const BoardObject& line = (*back.objects)[2];
    EXPECT_EQ(line.kind(), kKindLine);
    EXPECT_EQ(std::vector<int32_t>(line.w.begin(), line.w.begin() + 4), (std::vector<int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(back.sizeLetter, 'B');
    CloseBoardDocument(back, nullptr);
    LoadBoardGlobals(doc);
}

// Through ".xpc" and back to ".tlz": the same parts, labels (with their suffix) and pin names.
TEST_F(BoardTest, AnExportRoundTripKeepsPartsLabelsAndPads)
{
    quill_test::TempFolder folder;
    package_test::useDip8Library(folder);
    ASSERT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
    const int pkg = g_packages.current;
    const auto pinNames = [](int package) {
        std::vector<std::string> names;
        const PackageRecords range = PackageRecordsOf(package);
        for (int p = range.first; p < range.end; ++p)
            if (g_packages.objects[static_cast<size_t>(p)].kind() == kKindPad)
                names.push_back(textOf(g_packages.objects[static_cast<size_t>(p)]));
        return names;
    };
    const std::vector<std::string> pins = pinNames(pkg);
    ASSERT_EQ(pins.size(), 8u);
    addPart("U", pkg);
    addPart("R:10K", pkg);
    const Bytes xpc = write(kFileModeExport);

    ClearPackageTables();
    BoardDocumentData fromExport;
    ASSERT_EQ(read(fromExport, xpc, kFileModeExport, "board.xpc"), 3);
    EXPECT_TRUE(host.messageBoxes().empty());
    ASSERT_EQ(g_packages.count, 1);
    EXPECT_EQ(pinNames(1), pins) << "the pads keep their pin names";
    for (const auto& [slot, label] : {std::pair{2, "U"}, {3, "R:10K"}}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(textOf((*fromExport.objects)[static_cast<size_t>(slot)]), label);
        EXPECT_EQ((*fromExport.objects)[static_cast<size_t>(slot)].kind(), kKindPart + 1);
    }
    EXPECT_EQ(write(kFileModeExport), xpc) << "saved again, the export is the same file";

    const Bytes tlz = write(kFileModeBoard);
    ClearPackageTables();
    BoardDocumentData board;
    ASSERT_EQ(read(board, tlz), 3);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(textOf((*board.objects)[2]), "U");
    EXPECT_EQ(textOf((*board.objects)[3]), "R:10K");
    EXPECT_EQ((*board.objects)[3].kind(), kKindPart + g_packages.current);
    EXPECT_EQ(pinNames(g_packages.current), pins);
    CloseBoardDocument(board, nullptr);
    CloseBoardDocument(fromExport, nullptr);
    LoadBoardGlobals(doc);
}

TEST_F(BoardTest, ExportWithAnUnreadablePackageKeepsTheSlot)
{
    const int pkg = loadPackage("TTL\\7400");
    addPart("U1", pkg);
    Bytes xpc = write(kFileModeExport);
    xpc.resize(xpc.size() - 20);   // the body ends inside its description's string
    ClearPackageTables();
    BoardDocumentData back;
    ASSERT_EQ(read(back, xpc, kFileModeExport, "board.xpc"), 2);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't get part"});
    EXPECT_EQ(g_packages.count, 1);
    EXPECT_EQ(g_packages.defs[1].name, "TTL\\7400");
    EXPECT_EQ((*back.objects)[2].kind(), kKindPart + 1);
}

TEST_F(BoardTest, ReadingResetsEditingStateAndReportsTheCount)
{
    g_selection.count = 5;
    g_edit.toolMode = 3;
    g_edit.keyEditState = 1;
    g_router.ratsNestCount = 99;
    g_load.justLoaded = false;
    addText("x");
    BoardDocumentData back;
    read(back, write());
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_EQ(g_edit.toolMode, 0);
    EXPECT_EQ(g_edit.keyEditState, 0);
    EXPECT_EQ(g_router.ratsNestCount, 0);
    EXPECT_TRUE(g_load.justLoaded);
    EXPECT_EQ(back.zoomIndex, 3);
    EXPECT_EQ(back.gridCommand, 703);
    EXPECT_EQ(g_board.count, 2);
}

// ---- older versions, spelled out byte by byte ----

TEST_F(BoardTest, OldRecordsAreRescaledAndRectanglesGetTheirSize)
{
    FileBuilder f;
    f.recordSize = 16;
    f.header(3, '7', 'B', false);
    f.record({100, -50, 2, 400, 300, 0, 1, 0});                  // rectangle corners
    f.record({10, 20, 1 + 3 * 1024, 30, 40, 0, 0, 12});          // line on L3, width 12
    f.record({7, 8, kKindPad, 60, 50, 1, 25, 0});                // pad with hole 25
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 4);
    EXPECT_EQ((*back.objects)[1].kind(), kKindOutline);          // the default outline
    const BoardObject& rect = (*back.objects)[2];
    EXPECT_EQ(rect.w[0], 1000);
    EXPECT_EQ(rect.w[1], -500);
    EXPECT_EQ(rect.w[2], 3000);
    EXPECT_EQ(rect.w[3], 3500);
    const BoardObject& line = (*back.objects)[3];
    EXPECT_EQ(line.layer(), 3);
    EXPECT_EQ(line.w[2], 300);
    EXPECT_EQ(line.w[3], 400);
    EXPECT_EQ(line.w[7], 120);
    const BoardObject& pad = (*back.objects)[4];
    EXPECT_EQ(pad.w[2], 600);
    EXPECT_EQ(pad.w[6], 250);
    EXPECT_EQ(back.sizeLetter, 'B');
}

TEST_F(BoardTest, VersionTenUsesSixteenByteRecordsAndAWideCount)
{
    FileBuilder f;
    f.recordSize = 16;
    f.header(2, ':');                                            // version 10
    f.record({100, -50, kKindRectangle, 400, 300, 0, 1, 0});     // already a size
    f.record({3, 4, kKindText, 0x305, 0, 0, 0, 0});
    f.text("hi");
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 3);
    EXPECT_EQ((*back.objects)[2].w[2], 4000);
    EXPECT_EQ((*back.objects)[2].w[3], 3000);
    EXPECT_EQ(textOf((*back.objects)[3]), "hi");
    EXPECT_EQ((*back.objects)[3].w[0], 30);
}

TEST_F(BoardTest, VersionSevenTextsAndPartsBeginInTheirRecord)
{
    FileBuilder f;
    f.recordSize = 16;
    f.header(2, '7', 'A', false);
    // A text whose string starts in bytes 8-15 and continues in one string record.
    f.record({1, 2, kKindText, 0x305, 0, 0, 0, 0});
    std::copy_n("tail|of~", 8, f.bytes.end() - 8);
    f.text("The|head|");
    // A part turned 270 degrees and mirrored: flag bits 7 (mirror) and 8-9 (3 quarter turns).
    f.record({5, 6, 64 | (7 << 7), (3 << 6) | 1, 0, 0, 0, 0});
    std::copy_n("DIP\\14  ", 8, f.bytes.end() - 8);
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 3);
    EXPECT_EQ(textOf((*back.objects)[2]), "The head tail of");
    EXPECT_EQ((*back.objects)[2].w[0], 10);
    const BoardObject& part = (*back.objects)[3];
    EXPECT_EQ(part.w[4], kKindText);   // no library: a missing part
    EXPECT_EQ(textOf(part), "Missing part! (DIP-14)");
}

TEST_F(BoardTest, VersionSevenPartRotationWithAPackage)
{
    loadPackage("DIP\\14");
    FileBuilder f;
    f.recordSize = 16;
    f.header(1, '7', 'A', false);
    f.record({5, 6, 64 | (7 << 7), (3 << 6) | 1, 0, 0, 0, 0});
    std::copy_n("U:DIP\\14", 8, f.bytes.end() - 8);
    BoardDocumentData back;
    ASSERT_EQ(read(back, f.bytes), 2);
    const BoardObject& part = (*back.objects)[2];
    EXPECT_EQ(part.kind(), kKindPart);
    EXPECT_EQ(part.w[6], 2700 + 4096);
    EXPECT_EQ(part.w[5], (3 << 6) | 1);
    EXPECT_EQ(part.w[7], 3);
    EXPECT_EQ(textOf(part), "U:DIP\\14");
    EXPECT_EQ(part.w[0], 50);
}

}  // namespace
}  // namespace board_test
