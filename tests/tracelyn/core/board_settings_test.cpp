// "Tracelyn.ini" and the library folder: built-in values, the key forms and their limits, damaged
// files, the parts bin, and writing everything back.
#include "tracelyn/core/board_settings.h"

#include "platform/core/test_ui_host.h"
#include "platform/system/app_profile.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "support/default_stores.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/open_documents.h"
#include "tracelyn/core/package_fixture.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <sstream>

namespace {

class BoardSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFolder = plat::currentFolder();
        ASSERT_TRUE(plat::setCurrentFolder(folder.path().string()));
        plat::setProgramFolder(folder.path().string());
        reset();
    }
    void TearDown() override
    {
        reset();
        plat::setCurrentFolder(previousFolder);
        plat::setProgramFolder("");
    }
    static void reset()
    {
        quill_test::resetToDefaults(g_boardSettings, g_boardFolders, g_boardColors, g_router, g_edit, g_openDocuments);
        ClearPackageTables();
        plat::WriteProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection, kLibraryPathEntry, nullptr);
    }
    void ini(const std::string& text) const { folder.write("Tracelyn.ini", "[Tracelyn]\n" + text); }
    std::string iniText() const
    {
        const std::vector<unsigned char> bytes = folder.read("Tracelyn.ini");
        return std::string(bytes.begin(), bytes.end());
    }

    plat::TestUiHost host;
    quill_test::TempFolder folder;
    std::string previousFolder;
};

// A whole-number setting by its key, and the value it holds.
struct IntSetting {
    const char* key;
    int32_t BoardSettings::*field;
    int32_t value;
};
using IntSettings = std::initializer_list<IntSetting>;

// Each setting of the list holds its value.
void expectSettings(IntSettings settings)
{
    for (const IntSetting& s : settings) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(g_boardSettings.*s.field, s.value);
    }
}

TEST_F(BoardSettingsTest, WithoutAFileEverySettingKeepsItsBuiltInValue)
{
    LoadSettings();
    const std::string here = plat::currentFolder();
    EXPECT_EQ(g_boardFolders.libraryFolder, here + "/PACKAGES/");
    EXPECT_EQ(g_boardFolders.iniPath, here + "/Tracelyn.ini");
    EXPECT_EQ(plat::GetProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection, kLibraryPathEntry),
              here + "/PACKAGES/");
    EXPECT_TRUE(g_boardFolders.settingsRead);

    expectSettings({
        {"fillmode", &BoardSettings::fillmode, 365},
        {"viamode", &BoardSettings::viamode, 0},
        {"RouteMode", &BoardSettings::RouteMode, 360},
        {"units", &BoardSettings::units, 725},
        {"lib_font", &BoardSettings::lib_font, 4},
        {"pin_font", &BoardSettings::pin_font, 3},
        {"CurrentSize", &BoardSettings::CurrentSize, 6},
        {"PrOrient", &BoardSettings::PrOrient, 2},
        {"fonts", &BoardSettings::fonts, 16},
        {"clipboard", &BoardSettings::clipboard, 749},
        {"gridCommand", &BoardSettings::gridCommand, 703},
        {"gridX", &BoardSettings::gridX, 500},
        {"trace_width", &BoardSettings::trace_width, 120},
        {"padSizeX", &BoardSettings::padSizeX, 600},
        {"padHole", &BoardSettings::padHole, 320},
        {"clearance", &BoardSettings::clearance, 10},
    });
    EXPECT_DOUBLE_EQ(g_boardSettings.fXp, 1.0);
    EXPECT_EQ(g_edit.layerViewMode, 1040);
    EXPECT_EQ(g_router.values, (std::array<int32_t, 9>{400, 200, 120, 703, 1026, 0, 5, 24000, 2}));
    EXPECT_EQ(g_router.gridPitch, 500);
    EXPECT_EQ(g_router.passes, 3);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(BoardSettingsTest, KeyFormsAndLimits)
{
    ini("lib_font=9\nnet_font=7\npin_font=2\nfonts=3\n"
        "grid=706,30,40,1\nrouter=400,200,120,702\npasses=6\n"
        "fillmode=1\nviamode=0\nclipboard=0\nplanes=1041\nunits=726\n"
        "fXp=150\nfYp=75x\npads=1,,80\nsound=1junk\nPadDisplay=0\n"
        "layers=4,1,0,1,,,,,,,,,,,,,1,1\n");
    g_boardSettings.RoundVias = 3;   // keys said to take a value when missing do so
    LoadSettings();
    const BoardSettings& s = g_boardSettings;
    expectSettings({
        {"lib_font", &BoardSettings::lib_font, 5},
        {"net_font", &BoardSettings::net_font, 4},
        {"pin_font", &BoardSettings::pin_font, 2},
        {"fonts", &BoardSettings::fonts, 16},
        {"gridCommand", &BoardSettings::gridCommand, 706},
        {"polarA", &BoardSettings::polarA, 30},
        {"polarB", &BoardSettings::polarB, 40},
        {"polarOption", &BoardSettings::polarOption, 1},
        {"fillmode", &BoardSettings::fillmode, 366},
        {"viamode", &BoardSettings::viamode, 366},
        {"clipboard", &BoardSettings::clipboard, 749},
        {"units", &BoardSettings::units, 726},
        {"padShape", &BoardSettings::padShape, 1},
        {"padSizeX", &BoardSettings::padSizeX, 600},
        {"padSizeY", &BoardSettings::padSizeY, 80},
        {"padHole", &BoardSettings::padHole, 320},
        {"sound", &BoardSettings::sound, 1},
        {"PadDisplay", &BoardSettings::PadDisplay, 0},
        {"RoundVias", &BoardSettings::RoundVias, 0},
        {"layerValue", &BoardSettings::layerValue, 4},
    });
    EXPECT_EQ(g_router.values[3], 702);
    EXPECT_EQ(g_router.values[4], 1026);
    EXPECT_EQ(g_router.gridPitch, 250);
    EXPECT_EQ(g_router.passes, 6);
    EXPECT_EQ(g_edit.layerViewMode, 1041);
    EXPECT_DOUBLE_EQ(s.fXp, 1.5);
    EXPECT_DOUBLE_EQ(s.fYp, 0.75);
    EXPECT_EQ(s.layerSwitches[0], 1);
    EXPECT_EQ(s.layerSwitches[2], 1);
    EXPECT_EQ(s.layerSwitches[15], 1);
    EXPECT_EQ(s.layerDisplay, (std::array<int32_t, 2>{1, 1}));

    // A grid id alone changes only the id.
    reset();
    ini("grid=704\n");
    LoadSettings();
    EXPECT_EQ(g_boardSettings.gridCommand, 704);
    EXPECT_EQ(g_boardSettings.gridX, 500);
    EXPECT_EQ(g_boardSettings.polarA, 0);
}

TEST_F(BoardSettingsTest, DamagedFileLeavesWhatItCannotRead)
{
    folder.write("Tracelyn.ini",
                 "garbage without section\n[Other\nsound=9\n"
                 "[Tracelyn]\nsound=\nrulers\n=5\nunits=\nborder=\ngrid=,,\nrouter=x,y\nscheme1=\n"
                 "fonts=2000000000\nfont#17=Mono\nfiles=99999999\nSearchNo=-5\n"
                 "[Parts Bin]\nno_parts=3\npart#1=NOSLASH\npart#2=MISSING\\PART\n");
    LoadSettings();
    const BoardSettings& s = g_boardSettings;
    EXPECT_EQ(s.sound, 0);
    EXPECT_EQ(s.units, 725);
    EXPECT_EQ(s.border, 1);
    EXPECT_EQ(s.gridCommand, 703);
    EXPECT_EQ(g_router.values[0], 0);   // "x" reads as the number 0
    EXPECT_EQ(s.schemesFound, 1);
    EXPECT_EQ(s.extraFonts.at(0).face, "Mono");
    EXPECT_TRUE(s.binParts.empty());
    EXPECT_TRUE(s.searchList.empty());
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file: " + g_boardFolders.libraryFolder + "MISSING.CAT"});
}

TEST_F(BoardSettingsTest, PartsBinLoadsItsPackagesUpToNineteen)
{
    std::filesystem::create_directory(folder.path() / "PACKAGES");
    package_test::writeCatalog(folder.file("PACKAGES/STD.CAT"), package_test::dip8());
    std::string bin = "[Parts Bin]\nx=12\ny=34\ndisplay=1\nno_parts=25\n";
    for (int n = 1; n <= 25; ++n)
        bin += "part#" + std::to_string(n) + "=" + (n == 2 ? "STD\\NOPE" : "STD\\DIP8") + "\n";
    folder.write("Tracelyn.ini", bin);
    LoadSettings();
    const BoardSettings& s = g_boardSettings;
    EXPECT_EQ(s.binX, 12);
    EXPECT_EQ(s.binNoParts, 19);
    ASSERT_EQ(s.binParts.size(), 18u);   // part 2 is not in the library
    EXPECT_EQ(s.binParts[0], "STD\\DIP8");
    EXPECT_EQ(g_packages.count, 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Part not found:STD\\NOPE\n or format error"});
}

TEST_F(BoardSettingsTest, ChosenColourSchemeFillsTheColourMap)
{
    std::string scheme2 = "Night";
    for (int c = 0; c < 32; ++c)
        scheme2 += "," + std::to_string(31 - c);
    ini("colorscheme=2\nscheme1=Day,1,2,3\nscheme2=" + scheme2 + "\n");
    LoadSettings();
    EXPECT_EQ(g_boardSettings.schemesFound, 2);
    EXPECT_EQ(g_boardSettings.schemes[1].name, "Night");
    EXPECT_EQ(g_boardColors.colorMap[0], 31);
    EXPECT_EQ(g_boardColors.colorMap[31], 0);

    reset();
    ini("colorscheme=3\nscheme1=Day,1,2,3\n");
    LoadSettings();
    EXPECT_EQ(g_boardColors.colorMap, BoardColors{}.colorMap);
}

TEST_F(BoardSettingsTest, SettingsRoundTripWithOpenBoards)
{
    // The whole-number settings written and read back.
    const IntSettings kept = {
        {"breaks", &BoardSettings::breaks, 1},
        {"fillmode", &BoardSettings::fillmode, 366},
        {"viamode", &BoardSettings::viamode, 367},
        {"units", &BoardSettings::units, 726},
        {"lib_font", &BoardSettings::lib_font, 2},
        {"fonts", &BoardSettings::fonts, 17},
        {"clipboard", &BoardSettings::clipboard, 750},
        {"gridCommand", &BoardSettings::gridCommand, 706},
        {"polarB", &BoardSettings::polarB, 45},
        {"padShape", &BoardSettings::padShape, 2},
        {"layerValue", &BoardSettings::layerValue, 3},
        {"SearchIndex", &BoardSettings::SearchIndex, 1},
    };
    LoadSettings();
    BoardSettings& s = g_boardSettings;
    for (const IntSetting& k : kept)
        s.*k.field = k.value;
    s.fXp = 1.25;
    s.extraFonts = {{"Mono", 0, 49}};
    s.gridX = s.polarA = 30;
    s.gridY = s.polarB = 45;
    s.polarOption = 1;
    s.colorscheme = 1;
    s.schemes[0].present = true;
    s.schemes[0].name = "Mine";
    s.schemes[0].colors.fill(9);
    s.layerSwitches[5] = 1;
    s.searchList = {"R1", "U7"};
    s.plotter = 1;                       // not written
    g_router.values[0] = 420;
    g_router.passes = 8;
    g_edit.layerViewMode = 1041;
    RegisterOpenDocument(folder.file("amp.tlz"), nullptr, 0);
    RegisterOpenDocument("untitled", nullptr, 1);
    RegisterOpenDocument(folder.file("filter"), nullptr, 0);
    SaveSettings();

    const BoardSettings saved = g_boardSettings;
    const RouterState router = g_router;
    const std::string text = iniText();
    EXPECT_NE(text.find("file#1=" + folder.file("amp.tlz") + "\n"), std::string::npos);
    EXPECT_NE(text.find("file#2=untitled.TLZ\n"), std::string::npos);
    EXPECT_NE(text.find("file#3=" + folder.file("filter") + ".TLZ\n"), std::string::npos);
    EXPECT_NE(text.find("files=3\n"), std::string::npos);
    EXPECT_NE(text.find("grid=706,30,45,1\n"), std::string::npos);
    EXPECT_NE(text.find("fXp=125\n"), std::string::npos);
    EXPECT_EQ(text.find("plotter"), std::string::npos);

    reset();
    LoadSettings();
    const BoardSettings& r = g_boardSettings;
    expectSettings(kept);
    EXPECT_DOUBLE_EQ(r.fXp, 1.25);
    EXPECT_EQ(r.extraFonts.at(0).face, "Mono");
    EXPECT_EQ(r.extraFonts.at(0).second, 49);
    EXPECT_EQ(r.schemes[0].name, "Mine");
    EXPECT_EQ(g_boardColors.colorMap[4], 9);
    EXPECT_EQ(r.layerSwitches, saved.layerSwitches);
    EXPECT_EQ(r.searchList, saved.searchList);
    EXPECT_EQ(r.files, 3);
    EXPECT_EQ(r.plotter, 0);
    EXPECT_EQ(g_router.values, router.values);
    EXPECT_EQ(g_router.passes, 8);
    EXPECT_EQ(g_edit.layerViewMode, 1041);

    // Reopening skips the untitled board and asks for names in capitals.
    EXPECT_EQ(RecentBoardNames(g_boardFolders.iniPath),
              (std::vector<std::string>{plat::upperCasePath(folder.file("amp.tlz")),
                                        plat::upperCasePath(folder.file("filter.TLZ"))}));
}

// A fresh file lists the number keys in one fixed order; a via mode never read stays out, and
// each choice key is written as the 0 or 1 it is read back from.
TEST_F(BoardSettingsTest, FreshFileWritesTheNumberKeysInTheirOrder)
{
    LoadSettings();
    g_boardSettings.fillmode = 0;     // neither choice: written as the second
    g_boardSettings.fYp = 0.75;
    SaveSettings();
    std::string written;
    std::istringstream lines(iniText());
    for (std::string line; std::getline(lines, line) && !line.starts_with("pads=");)
        written += line + " ";
    EXPECT_EQ(written, "[Tracelyn] CurrentTip=0 DoTips=1 PrOrient=2 PrInvert=0 PrMirror=0 PrPaged=0 PrSilk=1 "
                       "PrColor=0 fXp=100 fYp=75 AutoTextExit=1 AutoRefs=1 view_net=1 lib_font=4 net_font=4 "
                       "pin_font=3 CurrentSize=6 PadDisplay=1 PartsBinHelp=1 RoundVias=0 breaks=0 fillmode=1 "
                       "padsnap=1 limit=0 RouteMode=360 BackupTime=0 border=1 rulers=1 units=725 cursor=0 "
                       "rubber=0 clipboard=0 hidden=0 sound=0 mask=0 trace_width=120 planes=1040 visible=1 "
                       "start=0 ");
}

TEST_F(BoardSettingsTest, CommandLineStartTakesTheLibraryFolderFromTheRegistry)
{
    struct Case {
        const char* value;
        const char* current;
        const char* expected;
    } cases[] = {
        {"/opt/tly/packages  \nignored", "/home/u", "/OPT/TLY/PACKAGES/"},
        {"libs", "/home/u", "/home/u/LIBS/"},
        // A value with a '-' stands for the current folder as a whole.
        {"-", "/home/u", "/home/u/"},
        {"my-libs", "/home/u", "/home/u/"},
        {"-", "/", "/"},
        {"/opt/tly/packages/", "/", "/OPT/TLY/PACKAGES/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LibraryFolderFromRegistry(c.value, c.current), c.expected);
    }

    // The INI file is then the one beside the library folder.
    std::filesystem::create_directories(folder.path() / "inst" / "PACKAGES");
    folder.write("inst/Tracelyn.ini", "[Tracelyn]\nunits=726\n");
    plat::WriteProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection, kLibraryPathEntry,
                             folder.file("inst/PACKAGES"));
    g_boardFolders.commandLineFlag = true;
    LoadSettings();
    EXPECT_EQ(g_boardFolders.libraryFolder, plat::upperCasePath(folder.file("inst/PACKAGES")) + "/");
    EXPECT_EQ(g_boardSettings.units, 726);
    EXPECT_EQ(g_boardFolders.programFolder, plat::upperCasePath(folder.file("inst")));

    // Without the registry value (a first start from a file) the folder is found as a plain
    // start finds it: beside the current folder, whose INI file is read.
    reset();
    ini("units=727\n");
    g_boardFolders.commandLineFlag = true;
    LoadSettings();
    EXPECT_EQ(g_boardFolders.libraryFolder, plat::appendFolder(plat::currentFolder(), "PACKAGES"));
    EXPECT_EQ(g_boardSettings.units, 727);

    // A stored folder that is gone (the program was moved) counts as none stored.
    reset();
    ini("units=728\n");
    plat::WriteProfileString(kProfileCompany, kProfileApp, kProfileSettingsSection, kLibraryPathEntry,
                             folder.file("moved/PACKAGES"));
    g_boardFolders.commandLineFlag = true;
    LoadSettings();
    EXPECT_EQ(g_boardFolders.libraryFolder, plat::appendFolder(plat::currentFolder(), "PACKAGES"));
    EXPECT_EQ(g_boardSettings.units, 728);
}

}  // namespace

namespace {

// Settings that cannot be written at exit (a folder that is not there, or read-only) are
// reported rather than lost without a word.
TEST_F(BoardSettingsTest, SettingsThatCannotBeWrittenAreReported)
{
    LoadSettings();
    g_boardFolders.iniPath = folder.file("missing/folder/Tracelyn.ini");
    host.clearEvents();
    SaveSettings();
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Settings not saved.\nCannot write " + g_boardFolders.iniPath +
                                                            ": No such file or directory"});
}

TEST_F(BoardSettingsTest, SettingsOnAFullDiskKeepTheOlderFile)
{
    LoadSettings();
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("Tracelyn.ini", "[Tracelyn]\nunits=1\n");
        disk.fill();
        g_boardFolders.iniPath = disk.file("Tracelyn.ini");
        host.clearEvents();
        SaveSettings();
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Settings not saved.\nCannot write " +
                                                                g_boardFolders.iniPath + ": No space left on device"});
        EXPECT_EQ(disk.readText("Tracelyn.ini"), "[Tracelyn]\nunits=1\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"Tracelyn.ini"});
    });
}

}  // namespace
