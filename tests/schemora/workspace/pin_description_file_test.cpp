#include "wizard_test_support.h"

#include "platform/core/test_ui_host.h"
#include "schemora/workspace/pin_description_file.h"
#include "support/full_disk.h"
#include "support/special_files.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>

using wizard_test::blockOf;
using wizard_test::pin;

namespace {

std::string header(std::string_view extra = "")
{
    return "%partname: my part \n%date:\n%type: Quad Gate\n%package: dip14  \n" + std::string(extra) + "%pinlist\n";
}

}  // namespace

TEST(PinDescriptionFile, WritesTheHeaderAndOneLinePerPin)
{
    auto a = blockOf({pin("1", "CLK", 0, kSideLeft), pin("2", "Q", 2, kSideRight), pin("3,7", "vcc", kPinVcc, kSideNone),
                      pin("4", "gnd", kPinGround, kSideLeft), pin("5", "nc", 0, kSideNone), pin("6", "D", 10, kSideBottom)});
    EXPECT_EQ(PinDescriptionText(a), "%partname: BLOCK\n%date:\n%designer:\n%vendor:\n%type: a block\n%package: DIP14\n\n\n"
                                     "%pinlist\n1) CLK i L\n2) Q t R\n3,7) vcc\n4) gnd\n5) nc\n6) D x B\n%end\n");
    a.noSort = true;
    EXPECT_NE(PinDescriptionText(a).find("%pinlist\n%nosort\n1) CLK"), std::string::npos);
}

TEST(PinDescriptionFile, WrittenFileReadsBack)
{
    plat::TestUiHost host;
    quill_test::TempFolder temp;
    auto written = blockOf({pin("1", "CLK", 0, kSideLeft), pin("2", "Q", 2, kSideRight),
                            pin("14", "vcc", kPinVcc, kSideNone), pin("7", "GND", kPinGround, kSideNone),
                            pin("5", "D", 3, kSideTop)});
    written.noSort = true;
    const std::filesystem::path dotted = temp.path() / "v1.2";
    std::filesystem::create_directories(dotted);
    // A name without an extension in a dotted folder gets its own ".LIB".
    ASSERT_TRUE(WritePinDescriptions((dotted / "pins").string(), written));
    EXPECT_TRUE(std::filesystem::exists(dotted / "pins.LIB"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "v1.LIB"));

    PartWizardAnswers read;
    read.name = "KEPT";
    ASSERT_TRUE(ReadPinDescriptions((dotted / "pins.LIB").string(), read));
    EXPECT_EQ(read.name, "BLOCK") << "the file names its part";
    EXPECT_EQ(read.pins, 5);
    EXPECT_EQ(read.package, "DIP14");
    EXPECT_EQ(read.description, "a block");
    EXPECT_TRUE(read.noSort);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.table[i].number, written.table[i].number);
        EXPECT_EQ(read.table[i].label, written.table[i].label);
        EXPECT_EQ(read.table[i].type, written.table[i].type);
        EXPECT_EQ(read.table[i].side, written.table[i].side);
    }
    EXPECT_TRUE(host.messageBoxes().empty());

    // Replacing a file the dialog never named asks first; No keeps it.
    const std::string before = quill_test::readText(dotted / "pins.LIB");
    host.answerMessageBox(plat::kIdNo);
    EXPECT_FALSE(WritePinDescriptions((dotted / "pins").string(), blockOf({pin("9", "X", 0, kSideLeft)})));
    EXPECT_EQ(quill_test::readText(dotted / "pins.LIB"), before);
    EXPECT_EQ(host.messageBoxes().back(), (dotted / "pins.LIB").string() + " already exists.\nDo you want to replace it?");
}

TEST(PinDescriptionFile, OnAFullDiskTheOlderFileStays)
{
    plat::TestUiHost host;
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("pins.LIB", "%partname: older\n");
        disk.fill();
        host.clearEvents();
        host.answerMessageBox(plat::kIdYes);   // replace the file the dialog did not name
        EXPECT_FALSE(WritePinDescriptions(disk.file("pins"), blockOf({pin("1", "CLK", 0, kSideLeft)})));
        EXPECT_EQ(host.messageBoxes().back(), "Cannot write " + disk.file("pins.LIB") + ": No space left on device");
        EXPECT_EQ(disk.readText("pins.LIB"), "%partname: older\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"pins.LIB"});
    });
}

TEST(PinDescriptionFile, ReadsHeaderFieldsAndPinLines)
{
    plat::TestUiHost host;
    quill_test::TempFolder temp;
    temp.write("a.lib", header() + "3,7) vcc\n1) A i L\n2) nc\n\n9) Y o X\n4) gnd,2\n%end\n");
    PartWizardAnswers a;
    a.table[2] = pin("old", "old", 5, kSideBottom);
    a.table[3] = pin("old", "old", 1, kSideTop);
    ASSERT_TRUE(ReadPinDescriptions(temp.file("a.lib"), a));
    EXPECT_EQ(a.name, "MY PART");
    EXPECT_EQ(a.package, "DIP14");
    EXPECT_EQ(a.description, "Quad Gate");
    EXPECT_FALSE(a.noSort);
    EXPECT_EQ(a.pins, 5) << "the blank line is no pin";
    EXPECT_EQ(a.table[0].number, "3;7");
    EXPECT_EQ(a.table[0].type, kPinVcc);
    EXPECT_EQ(a.table[0].side, kSideNone);
    EXPECT_EQ((std::array<int, 2>{a.table[1].type, a.table[1].side}), (std::array<int, 2>{kPinInput, kSideLeft}));
    // "nc" keeps the record's type and side; an unknown side letter keeps the side.
    EXPECT_EQ((std::array<int, 2>{a.table[2].type, a.table[2].side}), (std::array<int, 2>{5, kSideBottom}));
    EXPECT_EQ(a.table[2].label, "nc");
    EXPECT_EQ((std::array<int, 2>{a.table[3].type, a.table[3].side}), (std::array<int, 2>{kPinOutput, kSideTop}));
    EXPECT_EQ(a.table[4].number, "4");
    EXPECT_EQ(a.table[4].type, kPinGround);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST(PinDescriptionFile, DamagedFilesAreRefusedAndChangeNothing)
{
    struct Case {
        const char* what;
        std::string text;
        const char* message;
    };
    std::string manyPins = header();
    for (int i = 1; i <= 501; ++i)
        manyPins += std::to_string(i) + ") S" + std::to_string(i) + " i L\n";
    std::string manyVcc = header();
    for (int i = 1; i <= 21; ++i)
        manyVcc += std::to_string(i) + ") vcc\n";
    // "%end" is there, but after more lines than a pin list may have, blank ones included.
    const std::string farEnd = header() + "1) A i L\n" + std::string(200000, '\n') + "%end\n";
    std::string noPinlist;
    for (int i = 0; i < 21; ++i)
        noPinlist += "%package DIP8\n";
    const Case cases[] = {
        {"short keywords", "%package\n%type\n%pinlist\n1) A i L\n%end\n", "Error: part package information not found"},
        {"no pin list", noPinlist + "%pinlist\n", "Error: keyword \"%pinlist\" not found"},
        {"no end", header() + "1) A i L\n", "Error: keyword \"end\" not found"},
        {"end after too many lines", farEnd,
         "Error: too many lines: \"%end\" must come within 7998 lines of \"%pinlist\" (blank lines count)"},
        {"501 pins", manyPins + "%end\n", "Too many pins"},
        {"21 supplies", manyVcc + "%end\n", "Too many voltage pins"},
        {"no label", header() + "1)\n%end\n", "Can't find signal name for pin (1)"},
        {"no type", header() + "1) A\n%end\n", "Can't find pin type designator for pin 1"},
        {"bad type", header() + "1) A w L\n%end\n", "Can't find pin type designator for pin 1---w"},
        {"no side", header() + "1) A i\n%end\n",
         "Location designator for pin 1 is missing!\nEnter L (left), R (right), B (bottom), or T (top)."},
        {"no number", header() + ")\n%end\n", "Can't find pin number---check .LIB file"},
        {"repeated number", header() + "1) A i L\n1) B i L\n%end\n", "Error: pin already defined for part!\nPin 1"},
        {"out of range", header() + "1) A i L\n0) B i L\n%end\n", "Pin number 0 out of range (1 to 999)"},
        {"long label", header() + "1) SIXTEEN_CHARS_XX i L\n%end\n",
         "Signal name SIXTEEN_CHARS_XX of pin 1 is longer than 15 characters"},
        {"junk", header() + "1) A\x01 i L\n%end\n", "Line holds characters that are not text---check .LIB file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        plat::TestUiHost host;
        quill_test::TempFolder temp;
        temp.write("bad.lib", c.text);
        auto a = blockOf({pin("1", "KEEP", 0, kSideLeft)});
        EXPECT_FALSE(ReadPinDescriptions(temp.file("bad.lib"), a));
        ASSERT_FALSE(host.messageBoxes().empty());
        EXPECT_EQ(host.messageBoxes().back(), c.message);
        EXPECT_EQ(a.pins, 1);
        EXPECT_EQ(a.table[0].label, "KEEP");
        EXPECT_EQ(a.package, "DIP14");
    }
    plat::TestUiHost host;
    PartWizardAnswers a;
    EXPECT_FALSE(ReadPinDescriptions("/nonexistent/x.lib", a));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file:/nonexistent/x.lib"});

    quill_test::TempFolder temp;
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(temp.path() / "X.LIB", temp.path() / "Y.LIB")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        quill_test::withoutWaiting({f}, [&] { EXPECT_FALSE(ReadPinDescriptions(f.path.string(), a)); });
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(f)});
    }
}

// Every message names the line it is about; the file as a whole is line 0.
TEST(PinDescriptionFile, MessagesNameTheirLines)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<PinFileMessage> messages;
        bool read;
    };
    const Case cases[] = {
        {"warning only", "%package: DIP8\n\n%pinlist\n1) A i L\n%end\n",
         {{3, "Warning: part description not found.\n Use \"%type\" statement in header."}}, true},
        {"bad pin line", header() + "1) A i L\n\n2) B\n%end\n", {{8, "Can't find pin type designator for pin 2"}}, false},
        {"supply twice", header() + "3,7) vcc\n7) gnd\n%end\n", {{7, "Error: pin already defined for part!\nPin 7"}}, false},
        {"no end", header() + "1) A i L\n", {{0, "Error: keyword \"end\" not found"}}, false},
        {"end after too many lines", header() + std::string(7998, '\n') + "%end\n",
         {{8003, "Error: too many lines: \"%end\" must come within 7998 lines of \"%pinlist\" (blank lines count)"}}, false},
        {"end on the last line allowed", header() + std::string(7996, '\n') + "1) A i L\n%end\n", {}, true},
        {"empty", "", {{0, "Error: keyword \"%pinlist\" not found"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PartWizardAnswers a;
        const PinFileReading reading = ParsePinDescriptions(c.text, a);
        EXPECT_EQ(reading.read, c.read);
        ASSERT_EQ(reading.messages.size(), c.messages.size());
        for (size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(reading.messages[i].line, c.messages[i].line);
            EXPECT_EQ(reading.messages[i].text, c.messages[i].text);
        }
    }
}
