// Aux > Check Schematic through the real frame: results in message boxes or in the report,
// corrections as one undo step.
#include "schemora_commands_fixture.h"

#include "resources/schemora/advanced_edit_ids.h"
#include "schemora/core/design_check.h"
#include "schemora/core/object_append.h"
#include "schemora/core/undo_ring.h"
#include "support/full_disk.h"
#include "support/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace schemora_test {
namespace {

using quill_test::readText;

using namespace scm;
using paint_test::words;

class DesignCheck : public DrawingCommands {
protected:
    void SetUp() override
    {
        DrawingCommands::SetUp();
        g_checkOptions = DesignCheckOptions{};
        g_current.gridStep = 50;
    }
    void TearDown() override
    {
        g_checkOptions = DesignCheckOptions{};
        DrawingCommands::TearDown();
    }

    // Two pins without texts, their connection ends 300 apart: one at the origin, one at
    // (origin x + 300).
    int addTwoPinSymbol(const char* package)
    {
        Words a = words(kObjLine, -1000, -500, -950, -500);
        a[7] = 1;
        Words b = words(kObjLine, -700, -500, -750, -500);
        b[7] = 1;
        const int index = paint_test::addSymbol(
            "DEVICE\\R", {MakeDrawObject(a, "1"), MakeDrawObject(b, "2"), MakeDrawObject(words(kObjRectangle, -950, -535, 200, 70), nullptr)});
        g_partSymbols.entries[static_cast<std::size_t>(index)].package = package;
        return index;
    }

    DrawObject& addPart(int symbol, int x, int y, int number)
    {
        DrawObject& part = add(words(kObjPart + symbol, x, y), "R:DEVICE\\R");
        part.w[6] = number;
        return part;
    }

    void runCheck(bool save = false)
    {
        for (int i = 0; i < 8; ++i)
            host.answerMessageBox(plat::kIdOk);
        host.answerDialog([save](plat::Dialog& d) {
            d.CheckDlgButton(kIdcCheckSaveResults, save ? 1 : 0);
            return d.PressButton(plat::kIdOk);
        });
        ASSERT_TRUE(command(kCmdCheckSchematic));
        EXPECT_TRUE(host.shown("dialog 138"));
    }
};

TEST_F(DesignCheck, ResultsShowInAtMostFiveBoxesAndACleanCheckChangesNothing)
{
    const int symbol = addTwoPinSymbol("NONE");
    addPart(symbol, 0, 0, 1);
    addPart(symbol, 2000, 0, 1);
    addPart(symbol, 4000, 0, 0);
    doc()->SetModifiedFlag(false);
    runCheck();
    const auto boxes = host.messageBoxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0], "Error----duplicate designator (R1)");
    EXPECT_EQ(boxes[1], "No connection on one terminal of R1");
    EXPECT_EQ(boxes[3], "Error: part R1 does not have an assigned through-hole package");
    EXPECT_TRUE(host.shown("message box caption: Check"));
    EXPECT_FALSE(doc()->IsModified()) << "nothing was corrected";
    EXPECT_EQ(UndoDepth(), 0);

    {
        SCOPED_TRACE("no parts: string 916, never NO errors");
        view()->LoadCurrentDocument();
        for (int i = 1; i <= count(); ++i)
            DeleteObject(i);
        host.clearEvents();
        runCheck();
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{
                                           "Error: No library parts in schematic. \n\nYou will not be able to get a netilist."});
    }
}

TEST_F(DesignCheck, TheReportGoesBesideTheDrawingUnderItsOwnName)
{
    const int symbol = addTwoPinSymbol("DIP8");
    addPart(symbol, 1000, 1000, 5);
    add(words(kObjLine, 1000, 1000, 1000, 1500));     // on pin 1
    add(words(kObjText, 7000, 7000), "stray");
    g_checkOptions.unattachedText = true;
    const std::filesystem::path dotted = folder.path() / "v1.2";
    std::filesystem::create_directories(dotted);
    doc()->SetPathName((dotted / "amp.pic").string(), false);
    runCheck(true);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "v1.RPT"));
    EXPECT_EQ(readText(dotted / "amp.RPT"),
              "No connection on one terminal of R5\nFound unattached text: stray\n At: x=13.0, y=13.0\n"
              "Found 1 unconnected terminals\n");
    EXPECT_EQ(host.messageBoxes(),
              (std::vector<std::string>{"Found 1 unconnected terminals", "View design check report?"}));
}

// A report that cannot be written: the older report stays, the check says why and corrects
// nothing (the short wire stays, no undo step, the drawing unchanged).
TEST_F(DesignCheck, AReportThatCannotBeWrittenKeepsTheOlderOneAndCorrectsNothing)
{
    addPart(addTwoPinSymbol("DIP8"), 1000, 1000, 5);
    add(words(kObjLine, 0, 0, 3, 0));
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("amp.RPT", "older report\n");
        disk.fill();
        doc()->SetPathName(disk.file("amp.pic"), false);
        doc()->SetModifiedFlag(false);
        host.clearEvents();
        runCheck(true);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Cannot write " + disk.file("amp.RPT") +
                                                                ": No space left on device"});
        EXPECT_EQ(disk.readText("amp.RPT"), "older report\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"amp.RPT"});
        EXPECT_EQ(object(2).type(), kObjLine) << "the short wire is still there";
        EXPECT_FALSE(doc()->IsModified());
        EXPECT_EQ(UndoDepth(), 0);
    });

    // A folder that is not there: the check's own words, then the file and the reason.
    doc()->SetPathName(folder.file("gone/amp.pic"), false);
    host.clearEvents();
    runCheck(true);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Disk error----push ENTER\nCannot write " +
                                                            folder.file("gone/amp.RPT") + ": No such file or directory"});
}

TEST_F(DesignCheck, WireCorrectionsAreCountedMarkTheDrawingAndUndoInOneStep)
{
    const int symbol = addTwoPinSymbol("DIP8");
    addPart(symbol, 1000, 1000, 1);
    add(words(kObjLine, 1020, 1000, 500, 1000));     // 2: ends 20 short of the pin's outer end
    add(words(kObjLine, 0, 3000, 500, 3000));        // 3: overlaps 4, holds 5
    add(words(kObjLine, 400, 3000, 900, 3000));      // 4
    add(words(kObjLine, 100, 3000, 200, 3000));      // 5
    add(words(kObjLine, 0, 4000, 5, 4000));          // 6: a stub, removed without counting
    add(words(kObjLine, 1300, 1000, 1300, 2000));    // 7: on pin 2
    g_checkOptions.snapToGrid = false;
    doc()->SetModifiedFlag(false);
    runCheck();
    EXPECT_TRUE(host.shown("message box: Fixed/removed 3 overlapped line(s)"));
    EXPECT_EQ(object(2).w[0], 1000);
    EXPECT_EQ(object(3).w[2], 900);
    EXPECT_EQ(object(4).type(), kObjDeleted);
    EXPECT_EQ(object(5).type(), kObjDeleted);
    EXPECT_EQ(object(6).type(), kObjDeleted);
    EXPECT_TRUE(doc()->IsModified());

    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(2).w[0], 1020);
    EXPECT_EQ(object(4).type(), kObjLine);
    EXPECT_EQ(object(6).type(), kObjLine);
}

}  // namespace
}  // namespace schemora_test
