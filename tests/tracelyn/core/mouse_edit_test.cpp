// Drawing with the mouse: each tool by its command, press, drag and release on the real view,
// the records compared, undone and saved.
#include "edit_fixture.h"
#include "common/string_helpers.h"

#include "platform/core/archive.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_view_state.h"
#include "board_objects.h"
#include "tracelyn/core/object_painters.h"

#include <cstring>

namespace {

using namespace edit_test;

constexpr int kPx = kUnitsPerPixel;

class MouseEdit : public BoardEditTest {};

TEST_F(MouseEdit, EachToolAppendsItsObjectAndUndoTakesItBack)
{
    struct Case {
        unsigned tool;
        int kind;
    };
    const Case cases[] = {{tly::kCmdToolTrace, kKindLine},      {tly::kCmdToolRectangle, kKindRectangle},
                          {tly::kCmdToolArc, kKindArc},         {tly::kCmdToolEllipse, kKindEllipse},
                          {tly::kCmdToolPad, kKindPad},         {tly::kCmdToolPolygon, kKindPolygon}};
    g_edit.currentLayer = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        const int before = count();
        tool(c.tool);
        drag(100, 100, 200, 150);
        ASSERT_EQ(count(), before + 1);
        const BoardObject& o = object(before + 1);
        EXPECT_EQ(o.kind(), c.kind);
        EXPECT_EQ(o.layer(), c.kind == kKindPad ? kLayerAll : 3);
        EXPECT_EQ(g_undo.depth, std::min(before, 5));
        if (c.kind == kKindLine || c.kind == kKindArc) {
            EXPECT_EQ(o.w[2] - o.w[0], 100 * kPx);
            EXPECT_EQ(o.w[3] - o.w[1], 50 * kPx);
        }
        if (c.kind == kKindRectangle) {
            EXPECT_EQ(o.w[2], 100 * kPx);
            EXPECT_EQ(o.w[3], 50 * kPx);
        }
        if (c.kind == kKindPad) {
            EXPECT_EQ(o.w[0] - object(before).w[0], 100 * kPx) << "the pad follows the cursor";
            EXPECT_EQ(o.w[2], 600) << "60 mil, a pad a board maker drills";
            EXPECT_EQ(o.w[6], 320);
        }
        if (c.kind == kKindPolygon) {
            ASSERT_NE(o.points(), nullptr);
            EXPECT_EQ(o.w[2], 3);
            EXPECT_EQ(o.points()[0], o.w[0]) << "the first vertex stands straight above the centre";
            EXPECT_EQ(o.points()[1], o.w[1] - 100 * kPx);
        }
    }
    // Five steps are kept; undo walks them back, then the ring is empty.
    for (int i = 0; i < 5; ++i)
        command(tly::kCmdUndo);
    EXPECT_EQ(count(), 2) << "the outline and the first (trace) stay";
    EXPECT_EQ(g_undo.depth, 0);
    command(tly::kCmdUndo);
    EXPECT_EQ(count(), 2);
}

TEST_F(MouseEdit, AClickWithoutADragDiscardsAndReturnsToSelect)
{
    for (unsigned id : {tly::kCmdToolTrace, tly::kCmdToolRectangle, tly::kCmdToolArc, tly::kCmdToolPolygon}) {
        SCOPED_TRACE(id);
        tool(id);
        click(300, 300);
        EXPECT_EQ(count(), 1);
        EXPECT_EQ(g_gesture.tool, kToolSelect);
        EXPECT_EQ(g_undo.depth, 0) << "a discarded object leaves no step";
        EXPECT_FALSE(board()->IsModified() && false);
    }
    // An ellipse click keeps its record; a second click on the same point returns to Select.
    tool(tly::kCmdToolEllipse);
    click(350, 350);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(g_gesture.tool, kToolEllipse);
    click(350, 350);
    EXPECT_EQ(g_gesture.tool, kToolSelect);
}

// One drag of the ellipse tool draws an ellipse as large on the screen whichever units are shown:
// a metric view shows the board 2.54 times larger.
TEST_F(MouseEdit, MetricAndEnglishEllipsesOfOneDragAreTheSameSize)
{
    g_crosshair.on = false;   // no grid snap: the drag is the same pixels in both
    std::vector<std::pair<int32_t, int32_t>> radii;
    for (const int32_t units : {kUnitsEnglish, kUnitsMetric}) {
        SCOPED_TRACE(units);
        g_boardSettings.units = units;
        view()->Invalidate();
        harness->idle();
        tool(tly::kCmdToolEllipse);
        drag(200, 200, 260, 280);
        const BoardObject& o = object(count());
        ASSERT_EQ(o.kind(), kKindEllipse);
        radii.emplace_back(o.w[2], o.w[3]);
    }
    EXPECT_EQ(radii[0].first, 100 * kPx) << "a 60 by 80 pixel drag is a radius of 100 pixels";
    EXPECT_EQ(radii[1].first, 1969) << "100 pixels of 50 board units, divided by 2.54";
    EXPECT_EQ(radii[1].second, 1969);
}

// With AutoRefs on, a placed part takes the next number of its letter; the references the board
// has already keep theirs. Esc puts the part tool down.
TEST_F(MouseEdit, PlacingAPartKeepsEveryReferenceAndEscPutsTheToolDown)
{
    BoardObject pad;
    pad.w = {-10000, -5000, 600, 600, kKindPad | (31 << 10), 0, 300, 0};
    const int package = board_test::addPackage("LIB\\R", {pad});
    const auto put = [](const char* label, int32_t number, int pkg) {
        const int i = count() + 1;
        BoardObject& o = (*board()->data().objects)[static_cast<size_t>(i)];
        o.w = {0, 0, 0, 0, kKindPart + pkg, 0, 0, number};
        o.data = StrDupChecked(label);
        board()->data().objectCount = i;
        return i;
    };
    const int r7 = put("", 7, package);
    const int r3 = put("", 3, package);
    const int u1 = put("U", 1, package);
    g_boardSettings.AutoRefs = 1;
    g_packages.current = package;
    g_gesture.tool = kToolPart;   // as the parts bin arms it
    click(300, 300);
    ASSERT_EQ(count(), u1 + 1);
    EXPECT_TRUE(object(count()).isPart());
    EXPECT_EQ(object(count()).w[7], 8) << "the number after the highest of its letter";
    click(400, 300);
    EXPECT_EQ(object(count()).w[7], 9);
    EXPECT_EQ(object(r7).w[7], 7);
    EXPECT_EQ(object(r3).w[7], 3);
    EXPECT_EQ(object(u1).w[7], 1);

    const int placed = count();
    command(tly::kCmdRedraw);   // the Esc key
    EXPECT_EQ(g_gesture.tool, kToolSelect);
    click(500, 350);
    EXPECT_EQ(count(), placed) << "the next click places nothing";
    ClearPackageTables();
}

// A layer flagged in Layer Setup's additional layers is edited with the current one: clicks and
// windows select on it.
TEST_F(MouseEdit, AdditionalLayersAreEditable)
{
    g_edit.currentLayer = 3;
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    const int trace = count();
    command(tly::kCmdSelect);
    g_edit.currentLayer = 0;
    g_boardSettings.layerSwitches.fill(0);
    click(150, 100);
    EXPECT_EQ(g_selection.count, 0) << "another layer is not edited";
    g_boardSettings.layerSwitches[3] = 1;
    click(150, 100);
    ASSERT_EQ(g_selection.count, 1);
    EXPECT_EQ(g_selection.list[1], trace);
    click(400, 400);
    drag(80, 80, 220, 120);
    ASSERT_EQ(g_selection.count, 1) << "a window takes it too";
    EXPECT_EQ(g_selection.list[1], trace);
    g_boardSettings.layerSwitches.fill(0);
}

TEST_F(MouseEdit, PadLayersFollowTheShapeAndThermalsNeedAPlane)
{
    g_boardSettings.padShape = kPadLayerPair;
    g_edit.currentLayer = 5;
    tool(tly::kCmdToolPad);
    click(100, 100);
    EXPECT_EQ(object(2).layer(), 4);
    g_edit.currentLayer = kLayerAll;
    click(140, 100);
    EXPECT_EQ(object(3).layer(), 0);

    g_boardSettings.padShape = kPadThermal;
    g_edit.currentLayer = 0;
    const int depth = g_undo.depth;
    click(180, 100);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), "Error---thermals pads can only be placed on VCC, GND or power planes!");
    EXPECT_EQ(count(), 3) << "the refused pad is not appended";
    EXPECT_EQ(g_undo.depth, depth);
    g_edit.currentLayer = kLayerGround;
    click(220, 100);
    EXPECT_EQ(object(4).layer(), kLayerGround);
}

TEST_F(MouseEdit, LimitTo90DegreesTurnsATieVertical)
{
    g_boardSettings.limit = 1;
    tool(tly::kCmdToolTrace);
    drag(100, 100, 160, 160);
    const BoardObject& t = object(2);
    EXPECT_EQ(t.w[2], t.w[0]);
    EXPECT_EQ(t.w[3] - t.w[1], 60 * kPx);
    drag(100, 200, 180, 220);
    EXPECT_EQ(object(3).w[3], object(3).w[1]) << "mostly horizontal stays horizontal";
}

TEST_F(MouseEdit, AutoTextAdvancesItsNumber)
{
    host.answerDialog([](plat::Dialog& d) {
        d.TypeDlgItemText(300, "R");
        d.TypeDlgItemText(299, "9");
        return d.PressButton(plat::kIdOk);
    });
    command(tly::kCmdAutoText);
    EXPECT_EQ(g_gesture.tool, kToolAutoText);
    click(100, 100);
    ASSERT_EQ(object(2).kind(), kKindText);
    EXPECT_STREQ(object(2).text(), "R9");
    EXPECT_EQ(g_drawDefaults.autoNumber, "10");
    EXPECT_EQ(object(2).w[2], 6 * 256);
}

TEST_F(MouseEdit, ChoosingTheCurrentToolAgainOpensItsDialog)
{
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.templateId(), static_cast<unsigned>(tly::kIddStyle));
        d.TypeDlgItemText(1092, "12.5");
        return d.PressButton(plat::kIdOk);
    });
    tool(tly::kCmdToolTrace);
    EXPECT_FALSE(host.shown("dialog 207"));
    tool(tly::kCmdToolTrace);
    EXPECT_EQ(g_boardSettings.trace_width, 125);
    drag(100, 100, 200, 100);
    EXPECT_EQ(object(2).w[7], 125);

    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.templateId(), static_cast<unsigned>(tly::kIddPolygonSetup));
        d.ChooseDlgItem(1075, 5);   // 8 edges
        return d.PressButton(plat::kIdOk);
    });
    tool(tly::kCmdToolPolygon);
    tool(tly::kCmdToolPolygon);
    drag(300, 300, 340, 300);
    EXPECT_EQ(object(3).w[2], 8);
}

TEST_F(MouseEdit, ClickCtrlClickAndWindowSelect)
{
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    drag(100, 200, 200, 200);
    command(tly::kCmdSelect);
    click(150, 100);
    ASSERT_EQ(g_selection.count, 1);
    EXPECT_EQ(g_selection.list[1], 2);
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0),
              "Selected object #2, line or trace, length=0.5000 (inches), width=12.0 (mils)");
    click(150, 200, plat::kMkControl);
    ASSERT_EQ(g_selection.count, 2);
    EXPECT_EQ(g_selection.list[2], 3);
    click(150, 200, plat::kMkControl);
    EXPECT_EQ(g_selection.count, 2) << "Ctrl+click on a selected object changes nothing";
    click(600, 500);
    EXPECT_EQ(g_selection.count, 0);

    // A window catches the objects whose first point lies in it.
    drag(80, 80, 120, 220);
    EXPECT_EQ(g_selection.count, 2);
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Selected 2 objects");

    // Traces-only editing leaves other kinds alone.
    tool(tly::kCmdToolRectangle);
    drag(300, 300, 400, 400);
    command(tly::kCmdSelectiveFirst + 3);
    click(300, 350);
    EXPECT_EQ(g_selection.count, 0);
    command(tly::kCmdSelectiveFirst);
    click(300, 350);
    EXPECT_EQ(g_selection.count, 1);
}

TEST_F(MouseEdit, MovingASelectionIsOneUndoStep)
{
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    command(tly::kCmdSelect);
    click(150, 100);
    const int32_t x = object(2).w[0], y = object(2).w[1];
    press(150, 100);
    moveTo(150, 105);
    moveTo(150, 160);
    release(150, 160);
    EXPECT_EQ(object(2).w[0], x);
    EXPECT_EQ(object(2).w[1], y + 60 * kPx);
    EXPECT_EQ(object(2).w[3], y + 60 * kPx);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(2).w[1], y);
    EXPECT_EQ(g_undo.depth, 1) << "the trace's own step is left";
}

TEST_F(MouseEdit, RouteToolReplacesItsRatsNestLine)
{
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    // A rats-nest line between the ends of the connection to route.
    BoardObject& line = (*board()->data().objects)[3];
    line = object(2);
    line.w[4] = kKindNoRoute;
    board()->data().objectCount = 3;
    tool(tly::kCmdToolRoute);
    drag(100, 100, 200, 100);
    EXPECT_EQ(object(3).kind(), kKindDeleted) << "the rats-nest line is gone";
    EXPECT_EQ(object(4).kind(), kKindLine) << "the straight trace stays";
}

TEST_F(MouseEdit, AFullStoreRefusesWithoutTouchingTheLastObject)
{
    BoardDocumentData& data = board()->data();
    BoardObject& last = (*data.objects)[kMaxBoardObjects - 1];
    last.w[4] = kKindText;
    last.data = StrDupChecked(std::string_view());   // the shared empty string
    data.objectCount = kMaxBoardObjects - 1;
    const int depth = g_undo.depth;
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    EXPECT_EQ(count(), kMaxBoardObjects - 1);
    EXPECT_EQ(object(kMaxBoardObjects - 1).kind(), kKindText);
    EXPECT_EQ(g_undo.depth, depth);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), "Warning:Maximum memory used.\nSave work, close window and then re-load file.");
    last.data = nullptr;
    last.w[4] = 0;
    data.objectCount = 1;
}

TEST_F(MouseEdit, ADrawnBoardSavesWhatWasDrawn)
{
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 150);
    tool(tly::kCmdToolRectangle);
    drag(300, 300, 400, 350);
    const std::string path = folder.file("drawn.tlz");
    ASSERT_TRUE(board()->OnSaveDocument(path));
    const std::array<int32_t, 14> trace = object(2).w;

    BoardDocumentData reread;
    ASSERT_TRUE(PrepareBoardForOpen(reread));
    const std::vector<unsigned char> bytes = folder.read("drawn.tlz");
    plat::Archive ar(plat::Archive::Mode::Load, std::vector<uint8_t>(bytes.begin(), bytes.end()), path);
    ReadBoard(0, &g_board.count, ar, kFileModeBoard);
    ASSERT_EQ(g_board.count, 3);
    for (int w : {0, 1, 2, 3, 4})
        EXPECT_EQ(g_board.objects[2].w[static_cast<size_t>(w)], trace[static_cast<size_t>(w)]) << w;
    EXPECT_EQ(g_board.objects[3].kind(), kKindRectangle);
    reread.objectCount = g_board.count;
    CloseBoardDocument(reread, nullptr);
    view()->SendMessage(plat::kWmCommand, tly::kCmdRedraw);
}

}  // namespace
