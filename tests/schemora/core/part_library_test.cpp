#include "library_test_support.h"

#include "drawing_test_support.h"

#include "common/common_state.h"
#include "common/file_reading.h"
#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/archive.h"
#include "platform/system/paths.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/file_records.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/string_records.h"
#include "support/special_files.h"
#include "support/full_disk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

using schemora_test::LibraryFixtureState;

namespace {

using Words = std::array<int32_t, kDrawObjectWords>;

Words words(int type, int x, int y, int w2 = 0, int w3 = 0)
{
    return ObjectWords(type, x, y, w2, w3);
}

// A part drawn in a store that g_current points at, as the part editor holds it.
struct EditorPart {
    DrawObjectStore store;
    int count = 0;
    EditorPart() { store.allocate(); }
    EditorPart& add(const Words& w, const char* text = nullptr, const int32_t* pts = nullptr, int n = 0)
    {
        store[++count] = MakeDrawObject(w, text, pts, n);
        return *this;
    }
    void makeCurrent()
    {
        g_current.objects = store.slots();
        g_current.count = count;
    }
};

// A resistor-like part: a pin with number 1, a body, a polygon and a label placeholder.
void drawPart(EditorPart& p, const char* extraText = nullptr)
{
    const int32_t pts[] = {-990, -490, -960, -490, -975, -470};
    p.add(words(kObjLine, -1100, -500, -1050, -500))
        .add(words(kObjText, -1060, -500, 8 << 8), "1")
        .add(words(kObjRectangle, -1050, -515, 100, 30))
        .add(words(kObjPolygon, -990, -490, 3), nullptr, pts, 3)
        .add(words(kObjText, -1020, -540, 10 << 8), "R?")
        .add(words(kObjText, -1000, -350), ";Resistor\nmetal film")
        .add(words(kObjText, -1000, -330), "%package RES400");
    if (extraText)
        p.add(words(kObjText, -1000, -310), extraText);
    p.makeCurrent();
}

class PartLibraryTest : public ::testing::Test {
protected:
    LibraryFixtureState state;

    void newLibrary(const char* name)
    {
        state.host.answerMessageBox(plat::kIdYes);
        ASSERT_EQ(NewPartLibrary(name), 1);
    }
    void addPart(const char* library, const char* part, const char* extraText = nullptr)
    {
        EditorPart p;
        drawPart(p, extraText);
        ASSERT_EQ(RewriteLibrary(library, part, kRewriteAddOrReplace), 1);
        g_current = CurrentDrawing{};
    }
    std::vector<std::string> names(const char* library)
    {
        std::vector<std::string> n;
        FillLibraryPartList(n, library, false);
        return n;
    }
};

TEST_F(PartLibraryTest, WrittenPartReadsBackWithItsElementsAndPins)
{
    newLibrary("MINE");
    EXPECT_TRUE(state.host.shown("message box: Start new library: MINE?"));
    addPart("MINE", "res.sym");
    ASSERT_EQ(LoadLibraryPart("MINE", "RES"), 1);
    const int index = g_partSymbols.current;
    const PartSymbol& s = g_partSymbols.entries[index];
    EXPECT_EQ(s.name, "MINE\\RES");
    EXPECT_EQ(s.package, "RES400");
    EXPECT_EQ(s.description, "Resistor");
    EXPECT_EQ(s.w[11], 10);

    // Header element, then the seven elements in file order, then the gate's padding.
    const DrawObject& header = g_symbolElements[s.w[1]];
    EXPECT_EQ(header.w[4], 1);
    EXPECT_EQ(header.w[0], 7 + kGateSectionPadding);
    EXPECT_EQ(s.w[2], 1 + 7 + kGateSectionPadding);
    const DrawObject* e = &g_symbolElements[s.w[1] + 1];
    EXPECT_EQ(e[0].type(), kObjLine);
    EXPECT_EQ(e[0].w[2], -1050);
    EXPECT_EQ(e[2].type(), kObjRectangle);
    EXPECT_EQ(e[2].w[3], 30);
    EXPECT_EQ(e[3].type(), kObjPolygon);
    EXPECT_EQ(e[3].pointX(2), -975);
    EXPECT_STREQ(e[6].text, "%package RES400");
    // The pin line is named by the number lying on it.
    EXPECT_STREQ(e[0].text, "1");
    EXPECT_EQ(e[0].w[7], 2);
    EXPECT_EQ(e[1].w[5], 5);   // the number sits at the pin's inner end
    // Extent without texts: the pin's outer end to the body's far corner.
    EXPECT_EQ(s.w[7], -1100);
    EXPECT_EQ(s.w[9], -950);
    EXPECT_EQ(s.w[10], -470);

    // Loading it again reuses the entry.
    ASSERT_EQ(LoadLibraryPart("mine", "res"), 1);
    EXPECT_EQ(g_partSymbols.count, 1);
    EXPECT_EQ(LoadLibraryPart("MINE", "NOPE"), 0);
    EXPECT_EQ(LoadLibraryPartByPath("MINE\\RES"), 1);
    EXPECT_EQ(LoadLibraryPartByPath("MINERES"), 0);
}

// A main frame with nothing but a status bar, so that the status-bar output can be read back.
class StatusFrame : public plat::MDIFrameWnd {
public:
    int OnCreate() override
    {
        static const unsigned panes[] = {0, 0, 0};
        return bar.Create(this) && bar.SetIndicators(panes) ? 0 : -1;
    }
    plat::StatusBar bar;
};

class StatusApp : public plat::WinApp {
public:
    StatusApp() : plat::WinApp("StatusTest") {}
    bool InitInstance() override
    {
        auto frame = std::make_unique<StatusFrame>();
        if (!frame->LoadFrame(128))
            return false;
        SetMainWnd(std::move(frame));
        return true;
    }
};

// "Loading part ..." stands only while the symbol is read: the status line is back to
// "Ready" once it is loaded.
TEST_F(PartLibraryTest, LoadingANewSymbolLeavesTheStatusBarReady)
{
    plat::AppHarness harness([] { return std::make_unique<StatusApp>(); });
    ASSERT_TRUE(harness.start());
    plat::StatusBar* bar = plat::GetMainWnd()->statusBar();
    ASSERT_NE(bar, nullptr);
    newLibrary("MINE");
    addPart("MINE", "RES");
    ASSERT_EQ(LoadLibraryPart("MINE", "res"), 1);
    EXPECT_EQ(bar->GetPaneText(0), "Ready");
    bar->SetPaneText(0, "");
    ASSERT_EQ(LoadLibraryPart("MINE", "RES"), 1);
    EXPECT_EQ(bar->GetPaneText(0), "") << "a symbol already loaded is not read again";
}

TEST_F(PartLibraryTest, AddReplaceAndDeleteKeepTheOtherParts)
{
    newLibrary("LIB1");
    addPart("LIB1", "A");
    addPart("LIB1", "B");
    addPart("LIB1", "C");
    EXPECT_EQ(names("LIB1"), (std::vector<std::string>{"A", "B", "C"}));

    state.host.answerMessageBox(plat::kIdYes);
    addPart("LIB1", "b", "%no_des");
    EXPECT_TRUE(state.host.shown("message box: Replace part b?")) << "the part is named as given";
    EXPECT_EQ(names("LIB1"), (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_EQ(LoadLibraryPart("LIB1", "B"), 1);
    EXPECT_EQ(g_partSymbols.entries[g_partSymbols.current].w[15], 1);

    ASSERT_EQ(RewriteLibrary("LIB1", "B", kRewriteDelete), 1);
    EXPECT_EQ(names("LIB1"), (std::vector<std::string>{"A", "C"}));
    EXPECT_FALSE(state.host.shown("message box: Corrected parts count"));
    std::vector<std::string> packages;
    ASSERT_TRUE(ListLibraryPackages("LIB1", packages));
    EXPECT_EQ(packages, (std::vector<std::string>{"A/RES400", "C/RES400"}));

    // A header that miscounts is corrected.
    auto bytes = state.temp.read("LIB/LIB1.CON");
    bytes[0] = 9;
    state.temp.write("LIB/LIB1.CON", bytes);
    ASSERT_EQ(RewriteLibrary("LIB1", "A", kRewriteDelete), 1);
    EXPECT_TRUE(state.host.shown("message box: Corrected parts count"));
    EXPECT_EQ(state.temp.read("LIB/LIB1.CON")[0], 1);

    // A library that is not there cannot be set aside for the copy.
    state.host.clearEvents();
    EXPECT_EQ(RewriteLibrary("NOLIB", "A", kRewriteDelete), 0);
    EXPECT_EQ(state.host.messageBoxes(), std::vector<std::string>{"Error in Temp file!"});

}

// Where the markers opening the library's nth part (from 0) begin.
size_t partMarkersAt(const std::vector<unsigned char>& bytes, int nth)
{
    const FileRecord marker = partMarkerRecord();
    std::vector<unsigned char> run;
    for (int i = 0; i < kMarkersPerPart; ++i)
        run.insert(run.end(), marker.begin(), marker.end());
    auto at = bytes.begin();
    for (int i = 0; i <= nth; ++i) {
        at = std::search(i == 0 ? at : at + 1, bytes.end(), run.begin(), run.end());
        if (at == bytes.end())
            return bytes.size();
    }
    return static_cast<size_t>(at - bytes.begin());
}

TEST_F(PartLibraryTest, RewritingADamagedLibraryAsksAndKeepsEveryPartAsTheReaderFindsIt)
{
    newLibrary("DMG");
    addPart("DMG", "A");
    addPart("DMG", "B");
    addPart("DMG", "C");
    auto damaged = state.temp.read("LIB/DMG.CON");
    // A fifth marker before B: the reader takes it as B's header, so B's records shift by one.
    const FileRecord marker = partMarkerRecord();
    damaged.insert(damaged.begin() + static_cast<long>(partMarkersAt(damaged, 1)), marker.begin(), marker.end());
    state.temp.write("LIB/DMG.CON", damaged);
    const std::vector<std::string> before = names("DMG");
    ASSERT_EQ(before.size(), 3u);
    EXPECT_NE(before[1], "B");

    // Answering no leaves the library as it was.
    state.host.clearEvents();
    state.host.answerMessageBox(plat::kIdNo);
    EXPECT_EQ(RewriteLibrary("DMG", "D", kRewriteAddOrReplace), 0);
    ASSERT_EQ(state.host.messageBoxes().size(), 1u);
    EXPECT_NE(state.host.messageBoxes()[0].find("is damaged"), std::string::npos);
    EXPECT_EQ(state.temp.read("LIB/DMG.CON"), damaged);

    // Answering yes adds the part after the others, which stay byte for byte.
    state.host.answerMessageBox(plat::kIdYes);
    addPart("DMG", "D");
    auto rewritten = state.temp.read("LIB/DMG.CON");
    ASSERT_GT(rewritten.size(), damaged.size());
    EXPECT_TRUE(std::equal(damaged.begin() + kRecordBytes, damaged.end(), rewritten.begin() + kRecordBytes));
    std::vector<std::string> after = before;
    after.push_back("D");
    EXPECT_EQ(names("DMG"), after);

    // Stray markers and a cut record at the end are left out, so the part added after them
    // reads back; the parts before them stay as they were.
    for (int i = 0; i < 2; ++i)
        rewritten.insert(rewritten.end(), marker.begin(), marker.end());
    const size_t whole = rewritten.size() - 2 * kRecordBytes;
    rewritten.insert(rewritten.end(), 5, 0x41);
    state.temp.write("LIB/DMG.CON", rewritten);
    state.host.answerMessageBox(plat::kIdYes);
    addPart("DMG", "E");
    const auto last = state.temp.read("LIB/DMG.CON");
    ASSERT_GT(last.size(), whole);
    EXPECT_TRUE(std::equal(rewritten.begin() + kRecordBytes, rewritten.begin() + static_cast<long>(whole),
                           last.begin() + kRecordBytes));
    after.push_back("E");
    EXPECT_EQ(names("DMG"), after);
    EXPECT_EQ(LoadLibraryPart("DMG", "E"), 1);
}

// On a full disk a library keeps its bytes through an added and a deleted part, a new library
// is not made, and the parts list keeps the older list; each refusal names the file and why.
TEST_F(PartLibraryTest, OnAFullDiskLibrariesAndTheirListsKeepTheirBytes)
{
    newLibrary("LIB1");
    addPart("LIB1", "A");
    addPart("LIB1", "B");
    const auto library = state.temp.read("LIB/LIB1.CON");
    const std::string libraryFolder = g_folders.libraryFolder;
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("LIB1.CON", std::string(library.begin(), library.end()));
        disk.write("LIB1.txt", "older list\n");
        disk.fill();
        g_folders.libraryFolder = disk.path().string() + "/";
        state.host.clearEvents();
        EditorPart p;
        drawPart(p);
        EXPECT_EQ(RewriteLibrary("LIB1", "C", kRewriteAddOrReplace), 0);
        g_current = CurrentDrawing{};
        EXPECT_EQ(RewriteLibrary("LIB1", "A", kRewriteDelete), 0);
        state.host.answerMessageBox(plat::kIdYes);
        EXPECT_EQ(NewPartLibrary("LIB2"), 0);
        EXPECT_EQ(WriteLibraryPartsList("LIB1"), 0);
        const auto full = [&](const char* name) { return "Cannot write " + disk.file(name) + ": No space left on device"; };
        EXPECT_EQ(state.host.messageBoxes(), (std::vector<std::string>{full("LIB1.CON"), full("LIB1.CON"),
                                                                       "Start new library: LIB2?", full("LIB2.CON"),
                                                                       full("LIB1.txt")}));
        EXPECT_EQ(disk.read("LIB1.CON"), library);
        EXPECT_EQ(disk.readText("LIB1.txt"), "older list\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"LIB1.CON", "LIB1.txt"}));
    });
    g_folders.libraryFolder = libraryFolder;
}

TEST_F(PartLibraryTest, CataloguesAndReportsListTheParts)
{
    std::vector<LibraryPart> parts(2);
    parts[0].name = "ZETA";
    parts[1].name = "alpha.sym";
    ASSERT_TRUE(WritePartLibraryFile(state.lib("FAM.CAT"), parts));
    std::vector<std::string> n;
    ASSERT_TRUE(ReadCatalog(n, "FAM"));
    EXPECT_EQ(n, (std::vector<std::string>{"ZETA", "ALPHA"}));
    EXPECT_FALSE(FillLibraryPartList(n, "FAM", false));
    EXPECT_TRUE(state.host.shown("message box: Can't open file " + state.lib("FAM.CON")));

    ASSERT_TRUE(WritePartLibraryFile(state.lib("FAM.CON"), parts));
    state.host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(WriteLibraryPartsList("FAM"), 1);
    const auto report = state.temp.read("LIB/FAM.txt");
    EXPECT_EQ(std::string(report.begin(), report.end()),
              "FAM\\ZETA \nFAM\\ALPHA \n2 parts in library\n(Not sorted alphabetically!)\n");
    EXPECT_TRUE(state.host.shown("text viewer: " + state.lib("FAM.txt")));
}

TEST_F(PartLibraryTest, EachBodyVariantDrawsItsOwnElementsAndNoOtherSymbols)
{
    newLibrary("DEVICE");
    EditorPart lamp;
    Words lit = words(kObjEllipse, -1040, -510, 20, 20);
    lit[4] |= 1 << 10;   // drawn on the second layer: the lit lamp
    lamp.add(words(kObjLine, -1100, -500, -1050, -500))
        .add(words(kObjText, -1060, -500, 8 << 8), "1")
        .add(words(kObjRectangle, -1050, -515, 30, 30))
        .add(lit)
        .add(words(kObjText, -1020, -540, 10 << 8), "DEV?");
    lamp.makeCurrent();
    ASSERT_EQ(RewriteLibrary("DEVICE", "LAMP", kRewriteAddOrReplace), 1);
    g_current = CurrentDrawing{};
    addPart("DEVICE", "res.sym");
    ASSERT_EQ(LoadLibraryPart("DEVICE", "LAMP"), 1);
    const int lampSymbol = g_partSymbols.current;
    ASSERT_EQ(LoadLibraryPart("DEVICE", "RES"), 1);
    const int resistorSymbol = g_partSymbols.current;

    const auto typesDrawn = [](int symbol, int32_t stateWord) {
        DrawObject instance = MakeDrawObject(words(kObjPart + symbol, 0, 0), nullptr);
        instance.w[5] = stateWord;
        PartGateRange range;
        std::vector<int> types;
        if (PartElementRange(instance, &range))
            for (int i = range.first; i <= range.last; ++i)
                if (g_symbolElements[i].type() != kObjDeleted)
                    types.push_back(g_symbolElements[i].type());
        ReleaseObjectData(instance);
        return types;
    };
    const std::vector<int> dark = typesDrawn(lampSymbol, 0);
    const std::vector<int> shining = typesDrawn(lampSymbol, 1 << 3);
    EXPECT_EQ(std::count(dark.begin(), dark.end(), kObjEllipse), 0);
    EXPECT_EQ(std::count(dark.begin(), dark.end(), kObjRectangle), 1);
    EXPECT_EQ(shining, std::vector<int>{kObjEllipse}) << "the step control's second state draws the lit lamp";
    // A symbol drawn in one variant only keeps drawing itself in every state, never the
    // symbol loaded after it.
    EXPECT_EQ(typesDrawn(lampSymbol, 2 << 3), dark);
    EXPECT_EQ(typesDrawn(resistorSymbol, 1 << 3), typesDrawn(resistorSymbol, 0));
    const std::vector<int> resistor = typesDrawn(resistorSymbol, 0);
    EXPECT_EQ(std::count(resistor.begin(), resistor.end(), kObjPolygon), 1);
}

TEST_F(PartLibraryTest, MultiGatePartsRepeatTheGateWithItsPinNumbers)
{
    newLibrary("TTL");
    EditorPart p;
    p.add(words(kObjLine, -1100, -500, -1050, -500))
        .add(words(kObjText, -1060, -500), "1")
        .add(words(kObjText, -1000, -300), "p=2")
        .add(words(kObjText, -1000, -280), "%pins 4")
        .add(words(kObjText, -1000, -260), "v=VCC 14");
    p.makeCurrent();
    ASSERT_EQ(RewriteLibrary("TTL", "G", kRewriteAddOrReplace), 1);
    ASSERT_EQ(LoadLibraryPart("TTL", "G"), 1);
    const PartSymbol& s = g_partSymbols.entries[g_partSymbols.current];
    const DrawObject& header = g_symbolElements[s.w[1]];
    EXPECT_EQ(header.w[4], 2);
    const int stride = header.w[0] / 2;
    EXPECT_EQ(stride, 5 + kGateSectionPadding);
    EXPECT_STREQ(g_symbolElements[s.w[1] + 1].text, "1");
    EXPECT_STREQ(g_symbolElements[s.w[1] + 1 + stride].text, "4");
    EXPECT_EQ(s.w[29], 1);
    EXPECT_EQ(s.gatePins[0], "4");
    EXPECT_EQ(s.supplyNet, "VCC 14");
}

TEST_F(PartLibraryTest, FullTablesRefuseWithAMessage)
{
    newLibrary("CAP");
    addPart("CAP", "ONE");
    addPart("CAP", "TWO");
    g_partSymbols.count = kMaxPlaceableSymbol;
    EXPECT_EQ(LoadLibraryPart("CAP", "ONE"), 0);
    EXPECT_TRUE(state.host.shown(std::string("message box: ") + std::string(kMsgSymbolTableFull)));
    EXPECT_EQ(g_partSymbols.count, kMaxPlaceableSymbol);

    g_partSymbols.count = 0;
    g_symbolElements.ensureAllocated();
    g_symbolElements.count = quill::kMaxSymbolElements - 3;
    EXPECT_EQ(LoadLibraryPart("CAP", "TWO"), 0);
    EXPECT_TRUE(state.host.shown(std::string("message box: ") + std::string(kMsgSymbolStoreFull)));
    EXPECT_EQ(g_symbolElements.count, quill::kMaxSymbolElements - 3);
    EXPECT_EQ(g_partSymbols.count, 0);
    g_symbolElements.count = 0;
    EXPECT_EQ(LoadLibraryPart("CAP", "TWO"), 1);
}

// Library bytes spelled out: header, title, markers, part header, name, records.
struct RawLibrary {
    std::vector<uint8_t> bytes;
    void record(const FileRecord& r) { bytes.insert(bytes.end(), r.begin(), r.end()); }
    RawLibrary(char libraryVersion = '9')
    {
        DrawingHeader h;
        h.count = 1;
        h.version = static_cast<uint8_t>(libraryVersion);
        record(encodeHeader(h));
        record(FileRecord{});
    }
    void part(const char* name, int count, char version = ';')
    {
        for (int i = 0; i < 4; ++i)
            record(partMarkerRecord());
        DrawingHeader h;
        h.count = static_cast<int16_t>(count);
        h.version = static_cast<uint8_t>(version);
        record(encodeHeader(h));
        FileRecord n{};
        std::copy_n(name, std::strlen(name), n.begin());
        record(n);
    }
    void object(uint16_t type, int16_t x = -1000, int16_t y = -500)
    {
        record(recordFromWords({static_cast<uint16_t>(x), static_cast<uint16_t>(y), type, 0, 0, 0, 0, 0}));
    }
    void text(const char* t)
    {
        object(kObjText);
        plat::Archive a(plat::Archive::Mode::Store);
        WriteStringRecords(a, t);
        bytes.insert(bytes.end(), a.bytes().begin(), a.bytes().end());
    }
};

TEST_F(PartLibraryTest, HostileLibrariesEndCleanly)
{
    struct Case {
        const char* what;
        RawLibrary lib;
        const char* message;   // nullptr: none
        int loaded;
    };
    std::vector<Case> cases;
    {
        Case c{"newer library version", RawLibrary(':'), "Unsupported file format", 0};
        c.lib.part("X", 1);
        cases.push_back(c);
    }
    {
        Case c{"newer part version", RawLibrary(), "Unsupported file format", 0};
        c.lib.part("X", 1, '<');
        cases.push_back(c);
    }
    {
        Case c{"part inside a part", RawLibrary(), "Error:Part contains another library part", 0};
        c.lib.part("X", 2);
        c.lib.object(kFilePartType);
        c.lib.text("DEVICE\\R");
        cases.push_back(c);
    }
    {
        Case c{"nine gates", RawLibrary(), "Too many parts/package [push enter]", 0};
        c.lib.part("X", 1);
        c.lib.text("p=9");
        cases.push_back(c);
    }
    {
        Case c{"count far beyond the records, text chain cut off", RawLibrary(), nullptr, 1};
        c.lib.part("X", 30000);
        c.lib.object(kObjLine);
        c.lib.object(kObjText);
        FileRecord piece;
        piece.fill('a');
        piece[15] = '~';
        c.lib.record(piece);   // a continued piece and then the end of the file
        cases.push_back(c);
    }
    {
        Case c{"file ends inside the part header", RawLibrary(), nullptr, 0};
        for (int i = 0; i < 4; ++i)
            c.lib.record(partMarkerRecord());
        c.lib.bytes.resize(c.lib.bytes.size() + 7, 0);
        cases.push_back(c);
    }
    {
        Case c{"a polygon claiming 200 points", RawLibrary(), nullptr, 1};
        c.lib.part("X", 1);
        c.lib.record(recordFromWords({0, 0, kObjPolygon, 200, 0, 0, 0, 0}));
        c.lib.bytes.resize(c.lib.bytes.size() + kPolygonTrailerBytes, 0xFF);
        cases.push_back(c);
    }
    {
        Case c{"too many pin numbers", RawLibrary(), "Too many pins", 1};
        c.lib.part("X", 40);
        std::string pins = "%pins";
        for (int i = 0; i < 40; ++i)
            pins += " 9";
        for (int t = 0; t < 14; ++t)
            c.lib.text(pins.c_str());
        cases.push_back(c);
    }
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        schemora_test::ResetLibraryState();
        g_folders.libraryFolder = state.temp.file("LIB") + "/";
        state.host.clearEvents();
        state.temp.write("LIB/BAD.CON", c.lib.bytes);
        EXPECT_EQ(LoadLibraryPart("BAD", "X"), c.loaded);
        if (c.message) {
            EXPECT_TRUE(state.host.shown(std::string("message box: ") + c.message));
        } else {
            EXPECT_TRUE(state.host.messageBoxes().empty());
        }
        if (!c.loaded) {
            EXPECT_EQ(g_symbolElements.count, 0);
        }
    }
}

TEST_F(PartLibraryTest, ALibraryLargerThanAnyIsRefusedUnread)
{
    std::vector<LibraryPart> parts(1);
    parts[0].name = "X";
    ASSERT_TRUE(WritePartLibraryFile(state.lib("BIG.CON"), parts));
    // Grown past the limit on no disk space: the part is in it, but the file is not read.
    std::filesystem::resize_file(state.lib("BIG.CON"), kMaxLibraryFileBytes + 1);
    const std::string refusal = "message box: " + state.lib("BIG.CON") + " is too large to read (64 MB at most).";
    EXPECT_EQ(LoadLibraryPart("BIG", "X"), 0);
    EXPECT_TRUE(state.host.shown(refusal));
    EXPECT_EQ(g_partSymbols.count, 0);
    state.host.clearEvents();
    std::vector<std::string> names;
    EXPECT_FALSE(FillLibraryPartList(names, "BIG", false));
    EXPECT_TRUE(state.host.shown(refusal));
    EXPECT_TRUE(names.empty());
}

TEST_F(PartLibraryTest, APipeOrAFolderNamedAsALibraryIsRefusedAtOnce)
{
    const auto nonFiles = quill_test::placeNonFiles(state.lib("PIPE.CON"), state.lib("FOLDER.CON"));
    for (const quill_test::NonFile& f : nonFiles) {
        SCOPED_TRACE(f.kind);
        const std::string library = f.path.stem().string();
        state.host.clearEvents();
        quill_test::withoutWaiting({f}, [&] {
            EXPECT_EQ(LoadLibraryPart(library, "X"), 0);
            std::vector<std::string> names;
            EXPECT_FALSE(FillLibraryPartList(names, library, false));
            EXPECT_TRUE(names.empty());
        });
        EXPECT_TRUE(state.host.shown("message box: " + quill_test::notAFileMessage(f)));
        EXPECT_EQ(g_partSymbols.count, 0);
        // Saving a part into it, from the editor or the build utility, writes nothing over it.
        state.host.clearEvents();
        quill_test::withoutWaiting({f}, [&] {
            EXPECT_EQ(RewriteLibrary(library, "X", kRewriteAddOrReplace), 0);
            EXPECT_EQ(WriteBuiltPart(library, "X"), 0);
        });
        EXPECT_EQ(state.host.count("message box: " + quill_test::notAFileMessage(f)), 2);
        EXPECT_FALSE(std::filesystem::is_regular_file(f.path));
    }
}

TEST_F(PartLibraryTest, OldLibraryVersionsAreConverted)
{
    // Version 5: units of six, an offset origin, rectangles by corners, dash patterns.
    RawLibrary lib('5');
    lib.part("OLD", 1, '5');
    lib.record(recordFromWords({10, 20, kObjRectangle, 30, 40, 0xF0F0, 0, 0}));
    state.temp.write("LIB/OLD.CON", lib.bytes);
    ASSERT_EQ(LoadLibraryPart("OLD", "OLD"), 1);
    const DrawObject& r = g_symbolElements[g_partSymbols.entries[g_partSymbols.current].w[1] + 1];
    EXPECT_EQ(r.type(), kObjRectangle);
    EXPECT_EQ(r.w[0], (396 + 60) * 50 / 54);
    EXPECT_EQ(r.w[1], (126 + 120) * 50 / 54);
    EXPECT_EQ(r.w[2], (6 * 30 - 6 * 10) * 50 / 54);
    EXPECT_EQ(r.w[3], (6 * 40 - 6 * 20) * 50 / 54);
    EXPECT_EQ(r.w[5], 1);
    EXPECT_EQ(r.w[6], 6);
}

TEST_F(PartLibraryTest, OldLibraryTextsKeepTheHeadOfTheirRecord)
{
    // Before version 8 a text's first characters stood in its record ('|' for a blank); the
    // trailer holds the rest.
    RawLibrary lib('5');
    lib.part("OLDTEXT", 1, '5');
    lib.record(recordFromWords({10, 20, kObjText, 77, 'A' | 'B' << 8, 'C' | '|' << 8, 'D', 0}));
    plat::Archive tail(plat::Archive::Mode::Store);
    WriteStringRecords(tail, "tail");
    lib.bytes.insert(lib.bytes.end(), tail.bytes().begin(), tail.bytes().end());
    state.temp.write("LIB/OLDTEXT.CON", lib.bytes);
    ASSERT_EQ(LoadLibraryPart("OLDTEXT", "OLDTEXT"), 1);
    const DrawObject& t = g_symbolElements[g_partSymbols.entries[g_partSymbols.current].w[1] + 1];
    ASSERT_EQ(t.type(), kObjText);
    EXPECT_STREQ(t.text, "ABC Dtail");
    EXPECT_EQ(t.w[3], 0);
}

TEST(PinTextTest, KindsAndWireHits)
{
    char letter = 0;
    EXPECT_EQ(PinTextKind("12", &letter), 0);
    EXPECT_EQ(PinTextKind("3z", &letter), 3);
    EXPECT_EQ(letter, 'z');
    EXPECT_EQ(PinTextKind("5o"), 2);
    EXPECT_EQ(PinTextKind("5q"), 4);
    EXPECT_EQ(PinTextKind("zA"), 0);   // the first character does not count
    EXPECT_EQ(PinTextKind("4ab"), 1);
    EXPECT_EQ(HitTestWire(110, 3, 100, 0, 0, 0, 10), 1);
    EXPECT_EQ(HitTestWire(111, 0, 100, 0, 0, 0, 10), 0);
    EXPECT_EQ(HitTestWire(0, 6, 100, 0, 0, 0, 10), 0);
    EXPECT_EQ(HitTestWire(4, -10, 0, 0, 0, 100, 10), 1);
    EXPECT_EQ(HitTestWire(50, 50, 0, 0, 100, 100, 10), 0);
}

TEST_F(PartLibraryTest, DrawingsResolveTheirPartsFromTheLibraries)
{
    newLibrary("DEVICE");
    addPart("DEVICE", "R");
    DrawingDocData doc;
    doc.objects.allocate();
    // Two placed parts, one present, one absent.
    plat::Archive in(plat::Archive::Mode::Load, schemora_test::drawingPlacingParts({"R:DEVICE\\R", "DEVICE\\NOTHERE"}),
                     "x.pic");
    int count = 0;
    ReadDrawing(doc, 0, &count, in, doc.objects.slots());
    ASSERT_EQ(count, 2);
    EXPECT_EQ(doc.objects[1].type(), kObjPart + 1);
    EXPECT_STREQ(doc.objects[1].text, "R:DEVICE\\R");
    EXPECT_EQ(doc.objects[2].type(), kObjText);
    EXPECT_STREQ(doc.objects[2].text, "Missing part! [NOTHERE]");
}

// Drawings before version 10 name the old library families; their parts load from the
// renamed libraries (or, where only the old library is installed, from that one) and are
// never lost as "Missing part!" texts.
TEST_F(PartLibraryTest, OldDrawingsFindTheirPartsInTheRenamedFamilies)
{
    for (const auto& [name, mapped] : {std::pair{"device", "DEVIC1X"}, {"MYANALOG", "ANALOG1X"},
                                       {"CMOS", "CMOS1X"}, {"generic", "GENERC1X"}, {"ttl", "TTL"}}) {
        std::string library = name;
        MapLibraryName(library);
        EXPECT_EQ(library, mapped);
    }
    g_settings.MapLibraries = 0;
    std::string kept = "device";
    MapLibraryName(kept);
    EXPECT_EQ(kept, "device") << "switched off";

    newLibrary("DEVICE");
    addPart("DEVICE", "R");
    const auto readOld = [](const char* version) {
        plat::Archive out(plat::Archive::Mode::Store);
        DrawingHeader h;
        h.count = 1;
        h.version = static_cast<uint8_t>(*version);
        writeRecord(out, encodeHeader(h));
        writeRecord(out, FileRecord{});
        writeRecord(out, recordFromWords({0, 0, kFilePartType, 0, 0, 0, 0, 1}));
        WriteStringRecords(out, "R:DEVICE\\R");
        plat::Archive in(plat::Archive::Mode::Load, out.takeBytes(), "old.pic");
        DrawingDocData doc;
        doc.objects.allocate();
        int count = 0;
        ReadDrawing(doc, 0, &count, in, doc.objects.slots());
        return std::string(count == 1 && doc.objects[1].text ? doc.objects[1].text : "");
    };
    for (const int map : {1, 0}) {
        SCOPED_TRACE(map);
        g_settings.MapLibraries = map;
        EXPECT_EQ(readOld("9"), "R:DEVICE\\R") << "only the old library is installed";
    }
    newLibrary("DEVIC1X");
    addPart("DEVIC1X", "R");
    g_settings.MapLibraries = 1;
    EXPECT_EQ(readOld("9"), "R:DEVIC1X\\R");
    EXPECT_EQ(readOld("8"), "R:DEVIC1X\\R");
    EXPECT_EQ(readOld(";"), "R:DEVICE\\R") << "newer drawings name the library they used";
    g_settings.MapLibraries = 0;
    EXPECT_EQ(readOld("9"), "R:DEVICE\\R");
}

}  // namespace

namespace {

TEST(StarterLibraryTest, EveryShippedPartLoads)
{
    const std::string lib = plat::joinPath(plat::programFolder(), "LIB");
    if (!plat::fileExists(plat::joinPath(lib, "DEVICE.CON")))
        GTEST_SKIP() << "starter libraries not built";
    plat::TestUiHost host;
    schemora_test::ResetLibraryState();
    g_folders.libraryFolder = lib + "/";
    for (const char* library : {"DEVICE", "TTL", "CONN", "SYMBOL"}) {
        std::vector<std::string> names, catalogue;
        ASSERT_TRUE(FillLibraryPartList(names, library, false));
        ASSERT_TRUE(ReadCatalog(catalogue, library));
        EXPECT_EQ(names, catalogue);
        for (const std::string& part : names) {
            SCOPED_TRACE(part);
            EXPECT_EQ(LoadLibraryPart(library, part), 1);
        }
    }
    EXPECT_TRUE(host.messageBoxes().empty());
    ASSERT_EQ(LoadLibraryPart("TTL", "7400"), 1);
    const PartSymbol& nand = g_partSymbols.entries[g_partSymbols.current];
    EXPECT_EQ(g_symbolElements[nand.w[1]].w[4], 4);
    EXPECT_EQ(nand.package, "DIP14");
    // The devices the step control switches have a second drawing for their "on" state.
    for (const char* device : {"DEV", "LED", "RELAY"}) {
        SCOPED_TRACE(device);
        ASSERT_EQ(LoadLibraryPart("DEVICE", device), 1);
        const PartSymbol& s = g_partSymbols.entries[g_partSymbols.current];
        const DrawObject& first = g_symbolElements[s.w[1]];
        EXPECT_EQ(first.w[3], 0);
        ASSERT_LT(first.w[1] + 1, s.w[1] + s.w[2]);
        EXPECT_EQ(g_symbolElements[first.w[1] + 1].w[3], 1);
    }
    schemora_test::ResetLibraryState();
}

}  // namespace
