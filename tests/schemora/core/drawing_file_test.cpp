#include "drawing_test_support.h"

#include "common/common_state.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

using namespace schemora_test;

namespace {

// One object of every layout the file knows, spread over the sheets of a 32-sheet drawing.
void addEveryLayout(TestDrawing& d)
{
    d.doc.numberOfSheets = 32;
    d.doc.sheetSize = 'C';
    d.doc.revision = 'F';
    d.doc.documentNumber = 4321;
    d.doc.viewCentreX = -1200;
    d.doc.viewCentreY = 800;
    d.doc.setTitle("Amplifier stage");
    const int kinds[] = {kObjLine, kObjRectangle, kObjArrow, kObjDot, kObjEllipse, kObjBus,
                         kObjArc, kObjRoundRect, kObjTriangle, 3, 25};
    int sheet = 1;
    for (int kind : kinds) {
        Words w = words(kind, -5000 + 100 * kind, 4000 - 7 * kind, 300 + kind, -200 - kind, sheet);
        w[4] |= (sheet & 1) ? 0x0400 : 0xC800;   // layer and style flags
        w[5] = kind == kObjTriangle ? (0x8000 | (900 << 2)) - 0x10000 : kind;
        w[6] = 6 + kind;
        w[7] = kind == kObjArc ? -40 : 2 * kind;
        d.add(MakeDrawObject(w, nullptr));
        sheet = sheet * 2 % 33;
    }
    Words t = words(kObjText, 10, -20, 0x0A01, 900, 32);
    d.add(MakeDrawObject(t, "Vout = Vin / (1 + sRC)  with inner  blanks"));
    d.add(MakeDrawObject(words(kObjText, 0, 0, 0, 0, 17), std::string(200, 'q').c_str()));
    const int32_t points[] = {0, 0, 100, 0, 100, 100, -50, 75};
    Words p = words(kObjPolygon, 40, 50, 4, 0, 31);
    p[5] = 0xABC;
    p[6] = 6;
    p[7] = 1;
    d.add(MakeDrawObject(p, nullptr, points, 4));
}

}  // namespace

TEST(DrawingFile, EveryLayoutRoundTripsByteForByte)
{
    CleanState clean;
    TestDrawing original;
    addEveryLayout(original);
    const Bytes first = original.write();

    TestDrawing copy;
    ASSERT_EQ(copy.read(first), original.count);
    const Bytes second = copy.write();
    EXPECT_EQ(first, second);

    for (int i = 1; i <= original.count; ++i) {
        SCOPED_TRACE(i);
        const DrawObject& a = original.doc.objects[i];
        const DrawObject& b = copy.doc.objects[i];
        EXPECT_EQ(a.w, b.w);
        if (a.type() == kObjText) {
            EXPECT_STREQ(a.text, b.text);
        }
    }
    const DrawObject& polygon = copy.doc.objects[copy.count];
    EXPECT_EQ(polygon.pointX(3), -50);
    EXPECT_EQ(polygon.pointY(3), 75);
    EXPECT_EQ(copy.doc.titleText(), "Amplifier stage");
    EXPECT_EQ(copy.doc.documentNumber, 4321);
    EXPECT_EQ(copy.doc.numberOfSheets, 32);
    EXPECT_EQ(copy.doc.revision, 'F');
    EXPECT_EQ(copy.doc.sheetSize, 'C');
    EXPECT_EQ(g_current.sheetSize, 'C');
    EXPECT_EQ(g_current.viewCentreX, -1200);
    EXPECT_EQ(copy.doc.viewCentreY, 800);
}

TEST(DrawingFile, WriterModesAndHeader)
{
    CleanState clean;
    TestDrawing d;
    d.doc.setTitle("a title longer than fifteen");
    d.add(MakeDrawObject(words(kObjLine, 1, 2, 3, 4), nullptr));
    d.add(MakeDrawObject(words(kObjDeleted, 1, 2, 3, 4), nullptr));
    const Bytes current = d.write();
    EXPECT_EQ(current.size(), 3u * 16u) << "deleted slots are not written";
    EXPECT_EQ(current[0], 1) << "the header counts the records written";
    EXPECT_EQ(current[10], ';');
    EXPECT_EQ(std::string(current.begin() + 16, current.begin() + 32), std::string("a title longer ") + '\0');
    EXPECT_GT(d.doc.date, 0);

    const Bytes previous = d.write(kWritePreviousVersion, "/home/user/drawings/amp.pic");
    EXPECT_EQ(previous[10], ':');
    EXPECT_EQ(std::string(previous.begin() + 16, previous.begin() + 31), "/HOME/USER/DRAW");
}

TEST(DrawingFile, SingleSheetAndOldVersions)
{
    CleanState clean;
    plat::TestUiHost host;
    {
        SCOPED_TRACE("a drawing of one sheet puts everything on sheet 1");
        TestDrawing d;
        d.read(file(header(1, ';'), {record(0, 0, kObjLine | packSheet(5))}));
        EXPECT_EQ(d.doc.objects[1].sheet(), 1);
    }
    {
        SCOPED_TRACE("version 9: scaled by 50/54, reference numbers from word 5");
        TestDrawing d;
        const Bytes bytes = file(header(3, '9', 'B', 'C', 77, 4),
                                 {record(540, -1080, kObjRectangle, 108, 54),
                                  record(-54, 27, kFilePartType, 0, 0, (37 << 6) | 5, 0, 999),
                                  chars("U:TTL\\7400"),
                                  record(540, 540, kObjText, 0x0801, 0), chars("note")});
        ASSERT_EQ(d.read(bytes), 3);
        const DrawObject& rect = d.doc.objects[1];
        EXPECT_EQ((std::array{rect.w[0], rect.w[1], rect.w[2], rect.w[3]}), (std::array{500, -1000, 100, 50}));
        const DrawObject& part = d.doc.objects[2];
        EXPECT_EQ(part.type(), kObjText) << "no library is loaded yet";
        EXPECT_STREQ(part.text, "Missing part! [7400]");
        EXPECT_EQ(part.w[0], -50);
        EXPECT_EQ(part.w[6], 37);
        EXPECT_EQ(d.doc.objects[3].w[2], 0x0801);
        EXPECT_EQ(d.doc.documentNumber, 1) << "version 9 has no document number";
        EXPECT_EQ(d.doc.numberOfSheets, 1);
        EXPECT_EQ(d.doc.revision, 'C');
        EXPECT_EQ(d.doc.sheetSize, 'B');
    }
    {
        SCOPED_TRACE("version 8: rectangles already hold their size");
        TestDrawing d;
        ASSERT_EQ(d.read(file(header(1, '8'), {record(540, 540, kObjRectangle, 1080, 540)})), 1);
        EXPECT_EQ(d.doc.objects[1].w[2], 1000);
        EXPECT_EQ(d.doc.objects[1].w[3], 500);
    }
    // The only messages are the libraries that are not there.
    for (const auto& message : host.messageBoxes())
        EXPECT_TRUE(message.starts_with("Can't open file")) << message;
}

TEST(DrawingFile, HeaderFallbacks)
{
    CleanState clean;
    struct Case {
        const char* what;
        FileRecord head;
        int sheets, documentNumber, revision, sheetSize;
    };
    const Case cases[] = {
        {"valid", header(0, ';', 'E', 'Z', 9999, 32), 32, 9999, 'Z', 'E'},
        {"out of range", header(0, ';', 'F', '#', 10000, 33), 1, 1, 'A', 'A'},
        {"zeros", header(0, ';', 0, 0, 0, 0), 1, 1, 'A', 'A'},
        {"negative", header(0, ';', 'a', 'a', -5, -1), 1, 1, 'A', 'A'},
        {"previous version keeps one sheet and number 1", header(0, ':', 'D', 'B', 42, 3), 1, 1, 'B', 'D'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestDrawing d;
        d.doc.zoomLevel = 6;
        d.doc.grid = 700;
        d.read(file(c.head, {}));
        EXPECT_EQ(d.doc.numberOfSheets, c.sheets);
        EXPECT_EQ(d.doc.documentNumber, c.documentNumber);
        EXPECT_EQ(d.doc.revision, c.revision);
        EXPECT_EQ(d.doc.sheetSize, c.sheetSize);
        EXPECT_EQ(d.doc.zoomLevel, 3);
        EXPECT_EQ(d.doc.grid, 703);
        EXPECT_EQ(d.doc.headerFlag, 1);
    }
}

TEST(DrawingFile, UnsupportedVersionsAreRefused)
{
    CleanState clean;
    for (char version : {'7', '<', '\0'}) {
        SCOPED_TRACE(int(version));
        plat::TestUiHost host;
        TestDrawing d;
        EXPECT_EQ(d.read(file(header(1, version), {record(0, 0, kObjLine)})), 0);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unsupported file format"});
    }
}

TEST(DrawingFile, CountLimitsAndTheFullMessage)
{
    CleanState clean;
    const auto threeLines = [](int count) {
        return file(header(count, ';'), {record(1, 1, kObjLine), record(2, 2, kObjLine), record(3, 3, kObjLine)});
    };
    struct Case {
        int headerCount;
        int read;
        bool full;
    };
    const Case cases[] = {{7990, 3, true}, {7989, 3, false}, {0, 3, false}, {-4, 3, false}, {2, 2, false},
                          {50, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headerCount);
        plat::TestUiHost host;
        TestDrawing d;
        EXPECT_EQ(d.read(threeLines(c.headerCount)), c.read);
        EXPECT_EQ(host.count("message box: Schematic FULL--objects not loaded"), c.full ? 1 : 0);
    }
}

TEST(DrawingFile, AFullStoreOfTheLongestTextsFitsTheLargestFile)
{
    CleanState clean;
    TestDrawing d;
    const std::string longest(kMaxStringChars, 'w');
    for (int i = 1; i <= kMaxObjectCount; ++i)
        d.add(MakeDrawObject(words(kObjText, i, 0), longest.c_str()));
    const Bytes written = d.write();
    EXPECT_EQ(written.size(), 2 * kRecordBytes + kMaxObjectCount * kLargestObjectBytes);
    EXPECT_LT(written.size(), kLargestDrawingFile) << "an encapsulated file's definitions come on top";
    EXPECT_GT(kMaxDrawingFileBytes, kLargestDrawingFile);
    for (int i = 1; i <= d.count; ++i)
        ReleaseObjectData(d.doc.objects[i]);
}

TEST(DrawingFile, MergeAppendsAndStopsAtTheStoreEnd)
{
    CleanState clean;
    const Bytes three = file(header(3, ';'), {record(1, 1, kObjLine), record(2, 2, kObjText, 0, 0), chars("new"),
                                              record(3, 3, kObjDot)});
    {
        SCOPED_TRACE("merge keeps the old objects");
        TestDrawing d;
        d.add(MakeDrawObject(words(kObjText, 7, 7), "old"));
        d.add(MakeDrawObject(words(kObjLine, 8, 8, 9, 9), nullptr));
        EXPECT_EQ(d.read(three, 2), 3);
        EXPECT_STREQ(d.doc.objects[1].text, "old");
        EXPECT_EQ(d.doc.objects[2].w[2], 9);
        EXPECT_EQ(d.doc.objects[3].x(), 1);
        EXPECT_STREQ(d.doc.objects[4].text, "new");
        EXPECT_EQ(d.doc.objects[5].type(), kObjDot);
    }
    for (int start : {7997, 7999, 8000, 12000}) {
        SCOPED_TRACE(start);
        TestDrawing d;
        EXPECT_EQ(d.read(three, start), std::max(0, 7999 - start));
    }
}

TEST(DrawingFile, PartsWithoutLibrariesBecomeTexts)
{
    CleanState clean;
    plat::TestUiHost host;
    TestDrawing d;
    const int flags = 0x4400;
    const Bytes bytes = file(header(5, ';', 'A', 'A', 1, 2),
                             {record(10, 20, 100 | flags | packSheet(2), 30, 40, 5, 900, 3), chars("R:DEVICE\\R"),
                              record(0, 0, 100), chars("C"),
                              record(0, 0, 100), chars(""),
                              record(0, 0, kObjText), chars(""),
                              record(0, 0, 100), chars("lib\\sub\\PART")});
    ASSERT_EQ(d.read(bytes), 5);
    const DrawObject& r = d.doc.objects[1];
    EXPECT_EQ(r.type(), kObjText);
    EXPECT_STREQ(r.text, "Missing part! [R]");
    EXPECT_EQ(r.w[4], flags | kObjText);
    EXPECT_EQ(r.sheet(), 2);
    EXPECT_EQ((std::array{r.w[2], r.w[3], r.w[5]}), (std::array{0, 0, 0}));
    EXPECT_STREQ(d.doc.objects[2].text, "Missing part! [C]");
    EXPECT_STREQ(d.doc.objects[3].text, "Bad part!");
    EXPECT_STREQ(d.doc.objects[4].text, "Bad string!");
    EXPECT_STREQ(d.doc.objects[5].text, "Missing part! [PART]");
    // The only messages are the libraries that are not there.
    for (const auto& message : host.messageBoxes())
        EXPECT_TRUE(message.starts_with("Can't open file")) << message;
}

TEST(DrawingFile, PartsAreWrittenUnderTheirSymbolNames)
{
    CleanState clean;
    g_partSymbols.entries[1].name = "DEVICE\\R";
    g_partSymbols.entries[2].name = "";
    g_partSymbols.count = 2;
    TestDrawing d;
    d.add(MakeDrawObject(words(kObjPart + 1, 0, 0), "R:device\\r"));
    d.add(MakeDrawObject(words(kObjPart + 1, 0, 0), "DEVICE\\R"));
    d.add(MakeDrawObject(words(kObjPart + 2, 0, 0), "X:nameless"));
    const Bytes bytes = d.write();
    ASSERT_EQ(bytes.size(), 8u * 16u);
    const auto at = [&](int rec) { return std::string(bytes.begin() + 16 * rec, bytes.begin() + 16 * rec + 16); };
    EXPECT_EQ(at(3), "R:DEVICE\\R      ");
    EXPECT_EQ(at(5), "DEVICE\\R        ");
    EXPECT_EQ(at(7), std::string(16, ' ')) << "a nameless symbol still gets its name record";

    TestDrawing back;
    ASSERT_EQ(back.read(bytes), 3);
    EXPECT_STREQ(back.doc.objects[3].text, "Bad part!");
}

// A part whose text says more than its symbol's name (a signal source's waveform) keeps that
// text behind the name; a label that only names the symbol adds nothing.
TEST(DrawingFile, APartsOwnTextIsWrittenBehindItsSymbolsName)
{
    CleanState clean;
    g_partSymbols.entries[1].name = "DEVICE\\FUNGEN";
    g_partSymbols.entries[2].name = "DEVICE\\1K";
    g_partSymbols.count = 2;
    struct Case {
        int symbol;
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        {1, "V:SINE 0 5 1K 0 0", "V:DEVICE\\FUNGEN SINE 0 5 1K 0 0"},
        {1, "V:DEVICE\\FUNGEN", "V:DEVICE\\FUNGEN"},
        {2, "R:1K", "R:DEVICE\\1K"},                       // a value without a library names DEVICE's part
        {2, "R:\\DEVICE\\1K!TO92", "R:\\DEVICE\\1K!TO92"},   // value below, the user's package
        {2, "R:4.7K", "R:DEVICE\\1K 4.7K"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TestDrawing d;
        d.add(MakeDrawObject(words(kObjPart + c.symbol, 0, 0), c.text));
        const Bytes bytes = d.write();
        plat::Archive archive(plat::Archive::Mode::Load, Bytes(bytes.begin() + 3 * kRecordBytes, bytes.end()), "x.pic");
        std::string stored;
        ASSERT_TRUE(ReadStringRecords(archive, stored));
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(DrawingFile, EncapsulatedPartsWithoutDefinitions)
{
    CleanState clean;
    plat::TestUiHost host;
    TestDrawing d;
    const Bytes bytes = file(header(0, ';'), {record(0, 0, 100), chars("U:MYPART"), partMarkerRecord(),
                                              partMarkerRecord(), partMarkerRecord(), partMarkerRecord(),
                                              header(0, ';'), chars("MYPART")});
    ASSERT_EQ(d.read(bytes, 0, "/tmp/Board.epc"), 1);
    EXPECT_STREQ(d.doc.objects[1].text, "Missing part! [MYPART]");
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't get part"});
    EXPECT_EQ(g_partSymbols.count, 0) << "a definition that cannot be read leaves no entry";
}

TEST(DrawingFile, HostileFilesEndReadingCleanly)
{
    CleanState clean;
    plat::TestUiHost host;
    TestDrawing source;
    addEveryLayout(source);
    const Bytes whole = source.write();
    {
        SCOPED_TRACE("every truncation reads a prefix of the objects");
        int previous = 0;
        for (size_t n = 0; n <= whole.size(); ++n) {
            TestDrawing d;
            const int got = d.read(Bytes(whole.begin(), whole.begin() + n));
            EXPECT_GE(got, previous);
            previous = got;
        }
        EXPECT_EQ(previous, source.count);
    }
    {
        SCOPED_TRACE("a polygon claiming 200 points keeps 10");
        Bytes bytes = file(header(1, ';'), {record(0, 0, kObjPolygon, 200)});
        for (int i = 0; i < 32; ++i)
            bytes.insert(bytes.end(), {uint8_t(i), 0, 0, 0});
        TestDrawing d;
        ASSERT_EQ(d.read(bytes), 1);
        EXPECT_EQ(d.doc.objects[1].w[2], 10);
        EXPECT_EQ(d.doc.objects[1].pointY(9), 19);
    }
    {
        SCOPED_TRACE("a text whose chain never ends");
        Bytes bytes = file(header(2, ';'), {record(0, 0, kObjText)});
        for (int i = 0; i < 500; ++i)
            put(bytes, chars("xxxxxxxxxxxxxxx~"));
        TestDrawing d;
        EXPECT_EQ(d.read(bytes), 0);
    }
    {
        SCOPED_TRACE("files shorter than a header or a title");
        const Bytes head = file(header(1, ';'), {});
        for (size_t n : {0, 1, 15, 16, 31}) {
            TestDrawing d;
            EXPECT_EQ(d.read(Bytes(head.begin(), head.begin() + n)), 0);
        }
    }
    // A file cut inside its header or title is refused; one cut later says how much was read.
    for (const std::string& text : host.messageBoxes())
        EXPECT_TRUE(text == "Unsupported file format" || text.ends_with(" objects read; the rest of the file is damaged"))
            << text;
}

TEST(DrawingFile, CutOrOvercountedFilesAreMarkedDamagedAndForeignOnesRefused)
{
    CleanState clean;
    TestDrawing source;
    addEveryLayout(source);
    const Bytes whole = source.write();
    struct Case {
        const char* what;
        Bytes bytes;
        bool refused, damaged;
    };
    Bytes board(64, 0);   // a board's header: size word 'A', version 11
    board[8] = 'A';
    board[10] = ';';
    Bytes overcounted = whole;
    overcounted[0] = 1;
    const Case cases[] = {
        {"whole", whole, false, false},
        {"cut inside a record", Bytes(whole.begin(), whole.end() - 3), false, true},
        {"more records than the count", overcounted, false, true},
        {"cut inside the title", Bytes(whole.begin(), whole.begin() + 24), true, false},
        {"a board", board, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        plat::TestUiHost host;
        TestDrawing d;
        plat::Archive archive(plat::Archive::Mode::Load, c.bytes, "x.pic");
        int count = 0;
        ReadDrawing(d.doc, 0, &count, archive, d.doc.objects.slots());
        EXPECT_EQ(archive.refused(), c.refused);
        EXPECT_EQ(archive.damaged(), c.damaged);
        EXPECT_EQ(host.messageBoxes().size(), c.refused || c.damaged ? 1u : 0u);
    }
}

TEST(DrawingFile, OutOfStringSpaceLeavesTextsWithoutStrings)
{
    CleanState clean;
    plat::TestUiHost host;
    quill::g_stringSpace = {};
    quill::g_stringSpace.simulatedFailures = 100;
    TestDrawing d;
    EXPECT_EQ(d.read(file(header(2, ';'), {record(0, 0, kObjText), chars("a"), record(0, 0, kObjText),
                                            chars("b")})), 2);
    EXPECT_EQ(d.doc.objects[1].text, nullptr);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Out of string space---push any key"});
    quill::g_stringSpace = {};
}
