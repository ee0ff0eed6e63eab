// The build utility's work on a library folder made in the test: a pin description becomes a
// part of the library named after the file, a part of the same name is replaced and every other
// part keeps its bytes, and a file that is refused, for whatever reason, leaves the library as it
// was and says why (with the line where the file gives one).
#include "partbuild/pin_file_build.h"

#include "common/library_save_names.h"
#include "platform/core/test_ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/file_records.h"
#include "schemora/core/part_library.h"
#include "schemora/core/library_test_support.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string pinFile(const std::string& name, const std::string& pins)
{
    return "%partname: " + name + "\n%date:\n%type: Timer\n%package: DIP8\n%pinlist\n" + pins + "%end\n";
}

const std::string kTimerPins = "1) gnd\n2) TRIG i L\n3) OUT o R\n4) RESET i L\n7) DISCH c R\n8) vcc\n";

// A library's header and title, then each part's records without the markers before it.
std::vector<std::string> sectionsOf(const std::string& bytes)
{
    std::vector<std::string> sections{bytes.substr(0, 2 * kRecordBytes)};
    const FileRecord marker = partMarkerRecord();
    const std::string markers = [&] {
        std::string four;
        for (int i = 0; i < kMarkersPerPart; ++i)
            four.append(marker.begin(), marker.end());
        return four;
    }();
    for (size_t at = bytes.find(markers, 2 * kRecordBytes); at != std::string::npos;) {
        const size_t next = bytes.find(markers, at + markers.size());
        sections.push_back(bytes.substr(at + markers.size(), next == std::string::npos ? std::string::npos
                                                                                      : next - at - markers.size()));
        at = next;
    }
    return sections;
}

class PinFileBuild : public ::testing::Test {
protected:
    void SetUp() override { g_folders.libraryFolder = temp.path().string() + "/"; }
    void TearDown() override { schemora_test::ResetLibraryState(); }

    PartBuildReport build(const std::string& fileName, const std::string& text)
    {
        temp.write(fileName, text);
        return BuildPartFromPinFile(temp.file(fileName));
    }
    std::string library(const std::string& name = "MYPARTS.CON") const { return quill_test::readText(temp.path() / name); }
    std::vector<std::string> partsOf(const std::string& library) const
    {
        std::vector<std::string> names;
        FillLibraryPartList(names, library, false);
        return names;
    }
    std::set<std::string> filesOfFolder() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(temp.path()))
            names.insert(e.path().filename().string());
        return names;
    }

    plat::TestUiHost host;   // nothing the build does may reach the program's own host
    quill_test::TempFolder temp;
};

TEST_F(PinFileBuild, TheFilesPartGoesIntoTheLibraryNamedAfterIt)
{
    const PartBuildReport report = build("MYPARTS.LIB", pinFile("ne555.v2", kTimerPins));
    EXPECT_TRUE(report.written);
    EXPECT_EQ(report.text(), "Built part NE555 into MYPARTS.CON");
    EXPECT_EQ(partsOf("MYPARTS"), std::vector<std::string>{"NE555"});
    std::string package, description;
    ASSERT_TRUE(ReadLibraryPartTexts("MYPARTS", "NE555", package, description));
    EXPECT_EQ(package, "DIP8");
    EXPECT_EQ(description, "Timer");
    ASSERT_EQ(LoadLibraryPart("MYPARTS", "NE555"), 1);
    const PartSymbol& symbol = g_partSymbols.entries[static_cast<size_t>(g_partSymbols.current)];
    EXPECT_EQ(symbol.name, "MYPARTS\\NE555");
    EXPECT_TRUE(host.messageBoxes().empty());

    // Warnings do not stop a build: they come after the outcome.
    const PartBuildReport untyped = build("TIMERS.LIB", "%partname: T2\n%package: DIP8\n%pinlist\n" + kTimerPins + "%end\n");
    EXPECT_TRUE(untyped.written);
    EXPECT_EQ(untyped.lines, (std::vector<std::string>{
                                 "Built part T2 into TIMERS.CON",
                                 "line 3: Warning: part description not found.\n Use \"%type\" statement in header."}));
}

TEST_F(PinFileBuild, ReplacingAPartKeepsEveryOtherPartByteForByte)
{
    for (const char* name : {"FIRST", "SECOND", "THIRD"})
        ASSERT_TRUE(build("MYPARTS.LIB", pinFile(name, kTimerPins)).written) << name;
    const std::vector<std::string> before = sectionsOf(library());
    ASSERT_EQ(before.size(), 4u);

    const PartBuildReport report = build("MYPARTS.LIB", pinFile("second", "1) A i L\n2) B i L\n3) Y o R\n"));
    EXPECT_EQ(report.text(), "Built part SECOND into MYPARTS.CON");
    const std::vector<std::string> after = sectionsOf(library());
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[0], before[0]) << "header and title: still three parts";
    EXPECT_EQ(after[1], before[1]);
    EXPECT_NE(after[2], before[2]);
    EXPECT_EQ(after[3], before[3]);
    EXPECT_EQ(partsOf("MYPARTS"), (std::vector<std::string>{"FIRST", "SECOND", "THIRD"}));
    EXPECT_TRUE(host.messageBoxes().empty()) << "nobody is asked before the part is replaced";
}

TEST_F(PinFileBuild, ARefusedFileLeavesTheLibraryAsItWasAndSaysWhy)
{
    ASSERT_TRUE(build("MYPARTS.LIB", pinFile("KEPT", kTimerPins)).written);
    const std::string kept = library();
    std::string thousandPins;
    for (int i = 1; i <= 1000; ++i)
        thousandPins += std::to_string(i) + ") S" + std::to_string(i) + " i L\n";
    std::string junk = "%partname: X\n%package: DIP8\n%pinlist\n";
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(255 - i);
    struct Case {
        const char* what;
        std::string text;
        std::string reason;
    };
    const Case cases[] = {
        {"empty file", "", "Error: keyword \"%pinlist\" not found"},
        {"no pin list", "%partname: X\n%type: t\n%package: DIP8\n", "Error: keyword \"%pinlist\" not found"},
        {"no end", "%partname: X\n%type: t\n%package: DIP8\n%pinlist\n1) A i L\n", "Error: keyword \"end\" not found"},
        {"no package", "%partname: X\n%pinlist\n1) A i L\n%end\n", "line 2: Error: part package information not found"},
        {"repeated number", pinFile("X", "1) A i L\n2) B i L\n1) C o R\n"),
         "line 8: Error: pin already defined for part!\nPin 1"},
        {"number a supply lists", pinFile("X", "2,9) vcc\n9) A i L\n"), "line 7: Error: pin already defined for part!\nPin 9"},
        {"pin 0", pinFile("X", "1) A i L\n0) B i L\n"), "line 7: Pin number 0 out of range (1 to 999)"},
        {"pin 1000", pinFile("X", "1000) B i L\n"), "line 6: Pin number 1000 out of range (1 to 999)"},
        {"1000 pins", pinFile("X", thousandPins), "line 506: Too many pins"},
        {"long label", pinFile("X", "1) ABCDEFGHIJKLMNOP i L\n"),
         "line 6: Signal name ABCDEFGHIJKLMNOP of pin 1 is longer than 15 characters"},
        {"long number", pinFile("X", "12345678) A i L\n"), "line 6: Pin number 12345678 is longer than 7 characters"},
        {"binary junk", junk, "line 4: Line holds characters that are not text---check .LIB file"},
        {"junk in the header", "%partname: X\n%pack\0ge: DIP8\n"s, "line 2: Line holds characters that are not text---check .LIB file"},
        {"bad type letter", pinFile("X", "1) A w L\n"), "line 6: Can't find pin type designator for pin 1---w"},
        {"no name", pinFile("", kTimerPins), "Error: part name not found.\n Use \"%partname\" statement in header."},
        {"name with a blank", pinFile("MY PART", kTimerPins), std::string(quill::kMsgInvalidPartName)},
        {"17 characters", pinFile("ABCDEFGHIJKLMNOPQ", kTimerPins), std::string(quill::kMsgInvalidPartName)},
        {"nothing to draw", pinFile("X", "1) gnd\n8) vcc\n"),
         "Error: no pin to draw.\n Give a pin a type and a side (L, R, T or B)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PartBuildReport report = build("MYPARTS.LIB", c.text);
        EXPECT_FALSE(report.written);
        ASSERT_GE(report.lines.size(), 2u);
        EXPECT_EQ(report.lines.front(), "No part built from MYPARTS.LIB:");
        EXPECT_NE(std::find(report.lines.begin(), report.lines.end(), c.reason), report.lines.end()) << report.text();
        EXPECT_EQ(library(), kept);
        EXPECT_EQ(filesOfFolder(), (std::set<std::string>{"MYPARTS.CON", "MYPARTS.LIB"}));
    }
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PinFileBuild, ALibraryThatCannotBeWrittenIsToldAndKeptAsItWas)
{
    ASSERT_TRUE(build("MYPARTS.LIB", pinFile("KEPT", kTimerPins)).written);
    const std::string whole = library();
    const auto refusal = [&](const std::string& fileName, const std::string& text) {
        const PartBuildReport report = build(fileName, text);
        EXPECT_FALSE(report.written);
        return report.lines.size() > 1 ? report.lines[1] : std::string();
    };
    {
        SCOPED_TRACE("read-only library");
        fs::permissions(temp.path() / "MYPARTS.CON", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(refusal("MYPARTS.LIB", pinFile("NEW", kTimerPins)), quill::kMsgLibraryProtected);
        fs::permissions(temp.path() / "MYPARTS.CON", fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(library(), whole);
    }
    {
        SCOPED_TRACE("damaged library");
        temp.write("MYPARTS.CON", whole.substr(0, whole.size() - 5));
        EXPECT_EQ(refusal("MYPARTS.LIB", pinFile("NEW", kTimerPins)),
                  "The library " + temp.file("MYPARTS.CON") + " is damaged: rewriting it keeps only what can be read of it.");
        EXPECT_EQ(library(), whole.substr(0, whole.size() - 5));
        temp.write("MYPARTS.CON", whole);
    }
    {
        SCOPED_TRACE("names that make no library");
        EXPECT_EQ(refusal("MY PARTS.LIB", pinFile("NEW", kTimerPins)), quill::kMsgInvalidLibraryName);
        EXPECT_EQ(refusal("MY.PARTS.LIB", pinFile("NEW", kTimerPins)), quill::kMsgInvalidLibraryName);
        EXPECT_EQ(refusal("MYPARTS.TXT", pinFile("NEW", kTimerPins)),
                  "Not a pin-description file (.LIB): " + temp.file("MYPARTS.TXT"));
        EXPECT_EQ(BuildPartFromPinFile(temp.file("NONE.LIB")).lines.at(1), "Can't open file:" + temp.file("NONE.LIB"));
    }
    {
        SCOPED_TRACE("a folder where the library would go");
        fs::create_directory(temp.path() / "FOLDER.CON");
        EXPECT_EQ(refusal("FOLDER.LIB", pinFile("NEW", kTimerPins)), temp.file("FOLDER.CON") + " is a folder, not a file.");
        EXPECT_TRUE(fs::is_empty(temp.path() / "FOLDER.CON"));
    }
    EXPECT_EQ(library(), whole);
    EXPECT_EQ(filesOfFolder(), (std::set<std::string>{"FOLDER.CON", "FOLDER.LIB", "MY PARTS.LIB", "MY.PARTS.LIB",
                                                      "MYPARTS.CON", "MYPARTS.LIB", "MYPARTS.TXT"}));
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PinFileBuild, AFolderNobodyMayWriteInGetsNoLibraryAndNoFileLeftBehind)
{
    const fs::path locked = temp.path() / "locked";
    fs::create_directory(locked);
    std::ofstream(locked / "MYPARTS.LIB") << pinFile("NEW", kTimerPins);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const bool stillWritable = std::ofstream(locked / "probe").good();
    fs::remove(locked / "probe");
    PartBuildReport report;
    if (!stillWritable)
        report = BuildPartFromPinFile((locked / "MYPARTS.LIB").string());
    const auto files = std::distance(fs::directory_iterator(locked), fs::directory_iterator());
    fs::permissions(locked, fs::perms::owner_all);
    if (stillWritable)
        GTEST_SKIP() << "this user may write into read-only folders";
    EXPECT_FALSE(report.written);
    EXPECT_EQ(report.lines.at(1), "Can't open file: " + (locked / "MYPARTS.CON").string());
    EXPECT_EQ(files, 1);
}

}  // namespace
