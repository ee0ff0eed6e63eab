#include "library_test_support.h"

#include "platform/system/app_profile.h"
#include "schemora/core/open_documents.h"

#include "platform/system/paths.h"
#include "support/full_disk.h"
#include "support/special_files.h"
#include "schemora/core/title_block.h"
#include <gtest/gtest.h>
#include <filesystem>

#include <vector>

using schemora_test::LibraryFixtureState;

namespace {

LibraryPart resistorPart()
{
    LibraryPart part{"R", {}};
    std::array<int32_t, kDrawObjectWords> w{};
    w[0] = -1100; w[1] = -500; w[2] = -1050; w[3] = -500; w[4] = kObjLine; w[23] = 1;
    part.elements.push_back(MakeDrawObject(w, nullptr));
    return part;
}

void writeDeviceLibrary(const LibraryFixtureState& state)
{
    std::vector<LibraryPart> parts{resistorPart()};
    ASSERT_TRUE(WritePartLibraryFile(state.lib("DEVICE.CON"), parts));
    for (auto& p : parts)
        for (auto& e : p.elements)
            ReleaseObjectData(e);
}

class SettingsTest : public ::testing::Test {
protected:
    LibraryFixtureState state;
    void writeIni(std::string_view text) { state.temp.write("schemora.ini", text); }
};

TEST_F(SettingsTest, MissingIniKeepsEveryDefaultAndFindsLibraryBesideProgram)
{
    LoadSettings();
    const SchematicSettings defaults;
    EXPECT_EQ(g_settings.units, 724);
    EXPECT_EQ(g_settings.hidden, 517);
    EXPECT_EQ(g_settings.CurrentHeadNo, -1);
    EXPECT_EQ(g_settings.clipboard, 347);
    EXPECT_EQ(g_settings.gridCommand, 703);
    EXPECT_EQ(g_settings.fonts, 16);
    ASSERT_EQ(g_settings.fontTable.size(), 17u);
    EXPECT_EQ(g_settings.fontTable[2].face, "Arial");
    EXPECT_EQ(g_settings.fontTable[16].face, "Wingdings");
    EXPECT_EQ(g_settings.colorscheme, 0);
    EXPECT_EQ(g_settings.binNoParts, 0);
    EXPECT_EQ(g_settings.PrOrient, defaults.PrOrient);

    const std::string home = plat::currentFolder();
    EXPECT_EQ(g_folders.libraryFolder, home + "/LIB/");
    EXPECT_EQ(g_folders.iniPath, home + "/schemora.ini");
    EXPECT_EQ(plat::GetProfileString("Quillmere", "Schemora", "Settings", "library_path"), home + "/LIB");
    EXPECT_TRUE(state.host.messageBoxes().empty());
}

TEST_F(SettingsTest, LibraryFolderFromRegistryAfterCommandLineStart)
{
    const std::string home = plat::currentFolder();
    std::filesystem::create_directories(home + "/parts");
    std::filesystem::create_directories(home + "/quill/lib");
    const std::string upperHome = plat::upperCasePath(home);
    struct Case {
        std::string stored;
        std::string library;
    };
    const std::vector<Case> cases = {
        {"parts\n second line", home + "/PARTS/"},
        {"-", home + "/"},
        {home + "/quill/lib  ", upperHome + "/QUILL/LIB/"},
        {"", home + "/LIB/"},   // nothing stored: the program folder's LIB
        // A program folder moved away since: the plain start's rule, not a start without a title
        // block.
        {"/no/such/quill/LIB", home + "/LIB/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        plat::WriteProfileString("Quillmere", "Schemora", "Settings", "library_path", c.stored);
        g_folders.commandLineFlag = true;
        LoadSettings();
        EXPECT_EQ(g_folders.libraryFolder, c.library);
    }
    // The INI lives in the folder above LIB.
    plat::WriteProfileString("Quillmere", "Schemora", "Settings", "library_path", home + "/quill/LIB");
    LoadSettings();
    EXPECT_EQ(g_folders.programFolder, upperHome + "/QUILL");
    EXPECT_EQ(g_folders.iniPath, upperHome + "/QUILL/schemora.ini");
}

// The line width and the parts bin's "shut" are written under other names or sections than
// the ones first read: what is written must come back, and older files still read.
TEST_F(SettingsTest, LineWidthAndShutSurviveAWriteAndOlderSpellingsStillRead)
{
    LoadSettings();
    g_settings.width = 11;
    g_settings.binShut = 1;
    SaveSettings();
    g_settings = SchematicSettings{};
    LoadSettings();
    EXPECT_EQ(g_settings.width, 11);
    EXPECT_EQ(g_settings.binShut, 1);

    writeIni("[Schemora]\nwidth=9\n[Parts Bin]\nshut=1\n");
    g_settings = SchematicSettings{};
    LoadSettings();
    EXPECT_EQ(g_settings.width, 9);
    EXPECT_EQ(g_settings.binShut, 1);

    writeIni("[Schemora]\nwidth=9\ntrace_width=12\nshut=0\n[Parts Bin]\nshut=1\n");
    g_settings = SchematicSettings{};
    LoadSettings();
    EXPECT_EQ(g_settings.width, 12) << "the written spelling counts first";
    EXPECT_EQ(g_settings.binShut, 0);
}

TEST_F(SettingsTest, SettingsThatCannotBeWrittenAreReported)
{
    LoadSettings();
    g_folders.iniPath = state.temp.file("missing/folder/schemora.ini");
    state.host.clearEvents();
    SaveSettings();
    EXPECT_EQ(state.host.messageBoxes(),
              std::vector<std::string>{"Settings not saved.\nCannot write " + g_folders.iniPath + ": No such file or directory"});
}

TEST_F(SettingsTest, SettingsOnAFullDiskKeepTheOlderFile)
{
    LoadSettings();
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("schemora.ini", "[Schemora]\nwidth=9\n");
        disk.fill();
        g_folders.iniPath = disk.file("schemora.ini");
        state.host.clearEvents();
        SaveSettings();
        EXPECT_EQ(state.host.messageBoxes(), std::vector<std::string>{"Settings not saved.\nCannot write " +
                                                                      g_folders.iniPath + ": No space left on device"});
        EXPECT_EQ(disk.readText("schemora.ini"), "[Schemora]\nwidth=9\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"schemora.ini"});
    });
}

TEST_F(SettingsTest, EdgeCasesOfTheIniFile)
{
    writeDeviceLibrary(state);
    std::string ini = "[Schemora]\nfonts=12\ncolorscheme=3\ngrid=708,25,40,2\nclipboard=1\nunits=725\n"
                      "scheme1=Light,1,2,3\nscheme3=Night";
    for (int v = 0; v < 27; ++v)
        ini += "," + std::to_string(v + 4);
    ini += "\n[Parts Bin]\nno_parts=25\nshut=1\n";
    for (int k = 1; k <= 25; ++k)
        ini += "part#" + std::to_string(k) + "=DEVICE\\R\n";
    writeIni(ini);
    LoadSettings();

    EXPECT_EQ(g_settings.fonts, 16);
    EXPECT_EQ(g_settings.fontTable.size(), 17u);
    EXPECT_EQ(g_settings.colorscheme, 2);
    EXPECT_EQ(g_settings.schemesFound, 2);
    EXPECT_EQ(g_settings.schemes[2].name, "Night");
    for (int v = 0; v < 27; ++v)
        EXPECT_EQ(g_colorRoles.index[v], v + 4) << v;
    EXPECT_TRUE(g_settings.userGrid);
    EXPECT_EQ(g_settings.userGridX, 25);
    EXPECT_EQ(g_settings.userGridY, 40);
    EXPECT_EQ(g_settings.userGridC, 2);
    EXPECT_EQ(g_settings.gridCommand, 708);
    EXPECT_EQ(g_settings.gridStepA, 25);
    EXPECT_EQ(g_settings.gridStepB, 40);
    EXPECT_EQ(g_settings.clipboard, 348);
    EXPECT_EQ(g_settings.units, 725);
    EXPECT_EQ(g_settings.binNoParts, 19);
    ASSERT_EQ(g_settings.binParts.size(), 19u);
    EXPECT_EQ(g_settings.binParts[0], "DEVICE\\R");
    EXPECT_EQ(g_partSymbols.count, 1);   // one symbol serves every cell
    EXPECT_EQ(g_settings.binShut, 1);
}

TEST_F(SettingsTest, ExtraFontsAndMissingBinParts)
{
    writeIni("[Schemora]\nfonts=18\nfont#17=Liberation Sans,34,0\nfont#18=Mono\n"
             "[Parts Bin]\nno_parts=2\npart#1=NOLIB\\X\npart#2=NOSLASH\n");
    LoadSettings();
    ASSERT_EQ(g_settings.fonts, 18);
    ASSERT_EQ(g_settings.fontTable.size(), 19u);
    EXPECT_EQ(g_settings.fontTable[17].face, "Liberation Sans");
    EXPECT_EQ(g_settings.fontTable[17].pitchAndFamily, 34);
    EXPECT_EQ(g_settings.fontTable[17].kind, 0);
    EXPECT_EQ(g_settings.fontTable[18].face, "Mono");
    EXPECT_EQ(g_settings.fontTable[18].pitchAndFamily, 0);
    // Parts that cannot be loaded get no cell.
    EXPECT_EQ(g_settings.binNoParts, 0);
}

TEST_F(SettingsTest, DamagedIniFileKeepsWhatItCannotRead)
{
    std::string garbage = "\x01\x02[Schemora\nunits\n=5\nAutoDots=0\xff\xfe\ncolorscheme=99\nfonts=2000000000\n"
                          "SearchNo=99999999\ngrid=,,\nscheme1=\n";
    garbage.push_back('\0');
    garbage += "trailing";
    writeIni(garbage);
    LoadSettings();
    EXPECT_EQ(g_settings.units, 724);
    EXPECT_EQ(g_settings.colorscheme, 0);
    EXPECT_LE(g_settings.fonts, kMaxFonts);
    EXPECT_LE(g_settings.SearchNo, kMaxSearchStrings);
}

TEST_F(SettingsTest, SaveThenLoadGivesTheSameSettings)
{
    LoadSettings();
    SchematicSettings& s = g_settings;
    s.AutoDots = 0;
    s.BackupTime = 15;
    s.units = 725;
    s.clipboard = 348;
    s.CurrentHeadNo = -1;   // "-1" must not read back as a digit ('-' - '0')
    s.CurrentStyle = 3;
    s.userGrid = true;
    s.userGridX = 30;
    s.userGridY = 60;
    s.userGridC = 1;
    s.colorscheme = 1;
    s.schemes[1].present = true;
    s.schemes[1].name = "Paper";
    s.schemes[1].values.fill(7);
    s.fonts = 17;
    s.fontTable.resize(18);
    s.fontTable[17] = FontEntry{"DejaVu Sans", 0, 34, 0};
    s.SearchNo = 2;
    s.searchList = {"R12", "net clock"};
    g_openDocs = OpenDocTable{};
    RegisterOpenDocument("/work/a.pic", nullptr);
    RegisterOpenDocument("Untitled1", nullptr);
    const SchematicSettings saved = s;
    SaveSettings();

    g_settings = SchematicSettings{};
    g_colorRoles = ColorRoles{};
    LoadSettings();
    EXPECT_EQ(g_settings.AutoDots, 0);
    EXPECT_EQ(g_settings.BackupTime, 15);
    EXPECT_EQ(g_settings.units, 725);
    EXPECT_EQ(g_settings.clipboard, 348);
    EXPECT_EQ(g_settings.CurrentHeadNo, -1);
    EXPECT_EQ(g_settings.CurrentStyle, 3);
    EXPECT_TRUE(g_settings.userGrid);
    EXPECT_EQ(g_settings.userGridY, 60);
    EXPECT_EQ(g_settings.colorscheme, 1);
    EXPECT_EQ(g_settings.schemes[1].name, "Paper");
    EXPECT_EQ(g_colorRoles.index[26], 7);
    EXPECT_EQ(g_settings.fontTable[17].face, "DejaVu Sans");
    EXPECT_EQ(g_settings.fontTable[17].pitchAndFamily, 34);
    EXPECT_EQ(g_settings.searchList, saved.searchList);
    EXPECT_EQ(g_settings.files, 2);
    const auto bytes = state.temp.read("schemora.ini");
    const std::string ini(bytes.begin(), bytes.end());
    EXPECT_NE(ini.find("file#0=/work/a.pic"), std::string::npos);
    EXPECT_NE(ini.find("file#1=Untitled1.PIC"), std::string::npos);
    EXPECT_NE(ini.find("trace_width=6"), std::string::npos);
    g_openDocs = OpenDocTable{};
}

// The program's title block named after a pipe or a folder ends the program at once, with a
// message naming it where it is.
TEST_F(SettingsTest, ATitleBlockThatIsAPipeOrAFolderIsRefusedAtOnce)
{
    const std::filesystem::path title = state.temp.path() / "Title.PIC", aside = state.temp.path() / "aside";
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(title, aside) : quill_test::placeNonFiles(aside, title);
        const quill_test::NonFile& atTitle = nonFiles[pipe ? 0 : 1];
        SCOPED_TRACE(atTitle.kind);
        state.host.clearEvents();
        g_titleBlock.loaded = false;
        quill_test::withoutWaiting(nonFiles, [&] { EXPECT_THROW(LoadTitleBlockOnce(), plat::ProcessExit); });
        EXPECT_EQ(state.host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(atTitle)});
        EXPECT_TRUE(state.host.shown("exit 1"));
        EXPECT_FALSE(g_titleBlock.loaded);
    }
    g_titleBlock.loaded = true;
}

TEST_F(SettingsTest, RecentFilesReopenEverySlotFromTheFirst)
{
    // The writer numbers the slots from 0, so slot 0 is a drawing of the last run too.
    writeIni("[Schemora]\nfiles=3\nfile#0=/d/zero.pic\nfile#1=/d/one\nfile#2=/d/two.pic\nfile#3=/d/three.pic\n");
    LoadSettings();
    std::vector<std::string> opened;
    LoadRecentFiles(g_folders.iniPath, [&](const std::string& p) { opened.push_back(p); });
    EXPECT_EQ(opened, (std::vector<std::string>{"/D/ZERO.PIC", "/D/ONE.PIC", "/D/TWO.PIC"}));

    writeIni("[Schemora]\nfiles=2\nfile#1=Untitled3.PIC\n");
    LoadSettings();
    opened.clear();
    LoadRecentFiles(g_folders.iniPath, [&](const std::string& p) { opened.push_back(p); });
    EXPECT_TRUE(opened.empty());
}

TEST(OpenDocTableTest, SlotsAreReusedAndAFullTableIsLeftAlone)
{
    g_openDocs = OpenDocTable{};
    auto* a = reinterpret_cast<CSchemoraDoc*>(0x10);
    auto* b = reinterpret_cast<CSchemoraDoc*>(0x20);
    RegisterOpenDocument("a.pic", a);
    RegisterOpenDocument("b.pic", b);
    ReleaseOpenDocument(a, false);
    EXPECT_EQ(g_openDocs.count, 1);
    RegisterOpenDocument("c.pic", a);
    EXPECT_EQ(g_openDocs.slots[0].name, "c.pic");
    for (int i = 0; i < 60; ++i)
        RegisterOpenDocument("x", nullptr);
    EXPECT_EQ(g_openDocs.count, kOpenDocSlots);
    // While the program closes, a closing document keeps its slot counted.
    ReleaseOpenDocument(b, true);
    EXPECT_EQ(g_openDocs.count, kOpenDocSlots);
    EXPECT_TRUE(g_openDocs.slots[1].name.empty());
    g_openDocs = OpenDocTable{};
}

}  // namespace
