// Edit > Advanced (Scale, Re-Grid, the alignments) and Aux > Ref No through the real frame.
#include "schemora_commands_fixture.h"

#include "common/find_replace_dialogs.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/reference_numbering.h"
#include "schemora/core/undo_ring.h"
#include "support/full_disk.h"
#include "support/key_steps.h"
#include "support/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace schemora_test {
namespace {

using quill_test::readText;

using namespace scm;
using paint_test::words;

using AdvancedEdit = DrawingCommands;

auto scaleAnswer(const char* x, const char* y)
{
    return [x, y](plat::Dialog& d) {
        d.SetDlgItemText(kIdcScaleX, x);
        d.SetDlgItemText(kIdcScaleY, y);
        return d.PressButton(plat::kIdOk);
    };
}

TEST_F(AdvancedEdit, ScaleRefusesBadFactorsAndMovesEveryObjectAsOneUndoStep)
{
    const int resistor = paint_test::addResistor();
    add(words(kObjPart + resistor, 1000, 1000), "R:DEVICE\\R");
    add(words(kObjLine, 0, 500, 300, 500));         // a wire ending on the part's pin
    add(words(kObjBus, 0, 0, 0, 200));
    select({2});

    int refusedResult = 0;
    host.answerDialog([&](plat::Dialog& d) {
        d.SetDlgItemText(kIdcScaleX, "abc");
        d.SetDlgItemText(kIdcScaleY, "100");
        refusedResult = d.PressButton(plat::kIdOk);
        d.SetDlgItemText(kIdcScaleX, "0");
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1);
        return scaleAnswer("100", "100")(d);
    });
    ASSERT_TRUE(key('S' | kAltKey));
    EXPECT_TRUE(host.shown("dialog 162"));
    EXPECT_EQ(refusedResult, -1) << "a factor that is no number keeps the dialog open";
    EXPECT_EQ(host.messageBoxes().size(), 2u);
    // Re-centred: extent x 0..1000, y 500..1000 → every object moves by (-500, -750).
    EXPECT_EQ(object(1).w[0], 500);
    EXPECT_EQ(object(1).w[1], 250);
    EXPECT_EQ(object(2).w[0], -500);
    EXPECT_EQ(object(2).w[3], -250) << "the wire still ends where the part moved";
    EXPECT_EQ(object(3).w[2], -500) << "busses move with the rest";
    EXPECT_EQ(object(3).w[3], -550);
    EXPECT_EQ(g_editState.selectionCount, 0);
    EXPECT_TRUE(doc()->IsModified());

    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).w[0], 1000);
    EXPECT_EQ(object(2).w[0], 0);
    EXPECT_EQ(object(3).w[3], 200);
}

TEST_F(AdvancedEdit, ScaleIsOfferedOnlyWithASelection)
{
    auto scaleEnabled = [&] {
        plat::CmdUI ui(kCmdEditScale);
        plat::GetMainWnd()->OnCmdMsg(kCmdEditScale, &ui);
        return ui.enabled();
    };
    add(words(kObjLine, 0, 0, 300, 0));
    ASSERT_EQ(g_editState.selectionCount, 0);
    EXPECT_FALSE(scaleEnabled());
    host.clearEvents();
    ASSERT_FALSE(key('S' | kAltKey) && host.shown("dialog 162"));
    EXPECT_FALSE(host.shown("dialog 162")) << "Alt+S in a drawing with nothing selected opens nothing";
    EXPECT_EQ(object(1).w[2], 300);

    ASSERT_TRUE(EditView::key(plat::kVkF9));
    click(150, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    EXPECT_TRUE(scaleEnabled());
    host.answerDialog(scaleAnswer("200", "100"));
    ASSERT_TRUE(key('S' | kAltKey));
    EXPECT_TRUE(host.shown("dialog 162"));
}

TEST_F(AdvancedEdit, ReGridSnapsEveryLayerFromAllLayersAndUndoes)
{
    struct Case {
        int from, to;
    };
    const Case table[] = {{24, 0}, {26, 50}, {25, 0}, {-26, -50}, {74, 50}, {76, 100}};
    for (const Case& c : table) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(SnapToGridStep(c.from, 50), c.to);
    }
    for (const Case& c : table)
        add(words(kObjDot, c.from, c.from));
    Words onLayer2 = words(kObjLine, 26, 24, 76, 74);
    onLayer2[4] |= 2 << 10;
    add(onLayer2);
    ASSERT_EQ(g_sheetView.layerFilter, 4);
    g_current.gridStep = 50;

    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(command(kCmdReGrid));
    EXPECT_EQ(object(2).w[0], 26) << "No leaves the drawing alone";

    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(command(kCmdReGrid));
    EXPECT_TRUE(host.shown("message box: Re-grid  objects?"));
    for (std::size_t i = 0; i < std::size(table); ++i)
        EXPECT_EQ(object(static_cast<int>(i) + 1).w[1], table[i].to);
    EXPECT_EQ(object(7).w[0], 50);
    EXPECT_EQ(object(7).w[3], 50);

    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(2).w[0], 26);
    EXPECT_EQ(object(7).w[2], 76);
}

TEST_F(AdvancedEdit, AlignmentsMoveTheSelectionToTheObjectSelectedLast)
{
    add(words(kObjDot, 100, 420));
    add(words(kObjDot, 300, 380));
    add(words(kObjLine, 0, 200, 1000, 200));          // horizontal reference
    add(words(kObjRectangle, 2000, 2000, 400, 200));

    const quill_test::KeyStep steps[] = {
        {"a single selected object leaves nothing to move", {1}, 'h', {{1, 1, 420}}, 0},
        {"Align On Line drops each dot straight onto the line", {1, 2, 3}, 'h',
         {{1, 0, 100}, {1, 1, 200}, {2, 0, 300}, {2, 1, 200}}, 1},
        // Anchor: (100 + 300) / 2, (200 + 200) / 2 = (200, 200); centre (2200, 2100).
        {"Align To Center puts the anchor on the box's centre", {1, 2, 4}, 'n', {{1, 0, 2100}, {1, 1, 2100}, {2, 0, 2300}}},
        // Anchor x (2100 + 2300) / 2 = 2200 onto the line's middle, 500.
        {"Align With Edge on a horizontal line centres in x only", {1, 2, 3}, 'v', {{1, 0, 400}, {2, 0, 600}, {1, 1, 2100}}},
    };
    quill_test::playKeySteps({[this](std::span<const int> s) { select(s); },
                              [this](char c) { EXPECT_TRUE(character(c)); },
                              [this](int i, int word) { return object(i).w[word]; }, [] { return UndoDepth(); }},
                             steps);
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).w[0], 2100);
}

auto refNoAnswer(const char* type, const char* start, unsigned range)
{
    return [=](plat::Dialog& d) {
        d.SetDlgItemText(kIdcRefDesType, type);
        d.SetDlgItemText(kIdcRefDesStart, start);
        d.CheckRadioButton(kIdcRefDesThisSheet, kIdcRefDesAllSheets, range);
        return d.PressButton(plat::kIdOk);
    };
}

TEST_F(AdvancedEdit, RefNoRenumbersBySheetAndRangeWritesOutAnoAndUndoes)
{
    doc()->data().numberOfSheets = 2;
    const int resistor = paint_test::addResistor();
    for (int sheet : {1, 2, 1, 2, 1})
        add(words(kObjPart + resistor, 0, 0, 0, 0, 6, sheet), "R:DEVICE\\R");
    add(words(kObjPart + resistor, 0, 0, 0, 0, 6, 1), "c:DEVICE\\C");   // lower case counts as C
    add(words(kObjPart + resistor, 0, 0, 0, 0, 6, 1), "#weird");         // counts as A
    for (int i = 1; i <= count(); ++i)
        object(i).w[6] = 70 + i;

    for (const char* bad : {"0", "10000", "-3", "99999999999", "x"}) {
        SCOPED_TRACE(bad);
        int result = 0;
        host.answerDialog([&](plat::Dialog& d) {
            result = refNoAnswer("All", bad, kIdcRefDesAllSheets)(d);
            return plat::kIdCancel;
        });
        ASSERT_TRUE(command(kCmdRefNo));
        EXPECT_EQ(result, -1) << "the dialog stays";
    }
    EXPECT_EQ(object(1).w[6], 71);

    host.answerDialog(refNoAnswer("all", "1", kIdcRefDesAllSheets));
    ASSERT_TRUE(command(kCmdRefNo));
    EXPECT_TRUE(host.shown("dialog 149"));
    // Sheet 1 in store order first, then sheet 2.
    EXPECT_EQ(object(1).w[6], 1);
    EXPECT_EQ(object(3).w[6], 2);
    EXPECT_EQ(object(5).w[6], 3);
    EXPECT_EQ(object(2).w[6], 4);
    EXPECT_EQ(object(4).w[6], 5);
    EXPECT_EQ(object(6).w[6], 1);
    EXPECT_EQ(object(7).w[6], 1);
    EXPECT_EQ(doc()->data().referenceStart, 1);
    EXPECT_EQ(readText(folder.path() / "out.ano"),
              "R71----R1\nR73----R2\nR75----R3\nC76----C1\nA77----A1\nR72----R4\nR74----R5\n");

    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).w[6], 71);
    EXPECT_EQ(object(4).w[6], 74);

    g_sheetView.currentSheet = 2;
    host.answerDialog(refNoAnswer("R", "9998", kIdcRefDesThisSheet));
    ASSERT_TRUE(command(kCmdRefNo));
    EXPECT_EQ(object(2).w[6], 9998);
    EXPECT_EQ(object(4).w[6], 9999);
    EXPECT_EQ(object(1).w[6], 71) << "other sheets keep their numbers";
    EXPECT_EQ(doc()->data().referenceStart, 9998);
}

// The report lands in the current folder; on a full disk the older report stays, the run says
// why and stops, and Undo gives the old numbers back.
TEST_F(AdvancedEdit, RefNoOnAFullDiskKeepsTheOlderReport)
{
    const int resistor = paint_test::addResistor();
    add(words(kObjPart + resistor, 0, 0, 0, 0, 6, 1), "R:DEVICE\\R");
    const std::string programFolder = plat::currentFolder();
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("out.ano", "R1----R6\n");
        disk.fill();
        plat::setCurrentFolder(disk.path().string());
        host.clearEvents();
        host.answerDialog(refNoAnswer("all", "7", kIdcRefDesAllSheets));
        EXPECT_TRUE(command(kCmdRefNo));
        plat::setCurrentFolder(programFolder);
        EXPECT_EQ(host.messageBoxes(),
                  (std::vector<std::string>{"Cannot write out.ano: No space left on device"}));
        EXPECT_EQ(disk.readText("out.ano"), "R1----R6\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"out.ano"});
        EXPECT_TRUE(command(kCmdEditUndo));
        EXPECT_EQ(object(1).w[6], 6);
    });
}

TEST_F(AdvancedEdit, SectionsOfAFourGateTypeShareNumbersAndCountersStopAt9999)
{
    const int gate4 = paint_test::addSymbol("TTL\\7400", {paint_test::pin(-1000, -500, -950, -500)}, 4);
    for (int i = 0; i < 6; ++i)
        add(words(kObjPart + gate4, 0, 0), "U:TTL\\7400");
    RenumberRequest request;
    request.start = 1;
    ASSERT_TRUE(RenumberReferences(request));
    const int numbers[] = {1, 1, 1, 1, 2, 2};
    const int sections[] = {0, 1, 2, 3, 0, 1};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(object(i + 1).w[6], numbers[i]);
        EXPECT_EQ(object(i + 1).w[5] & 7, sections[i]);
    }
    request.start = 9999;
    ASSERT_TRUE(RenumberReferences(request));
    EXPECT_EQ(object(5).w[6], 9999);
    EXPECT_EQ(UndoDepth(), 0) << "the automatic run keeps no undo step";
}

}  // namespace
}  // namespace schemora_test
