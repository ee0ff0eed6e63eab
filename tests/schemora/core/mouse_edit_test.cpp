// Drawing, selecting, moving, copying, reshaping, rotating and undoing with the mouse and keys
// in a running Schemora, checked on the drawing's records.
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "platform/app/dialog.h"
#include "platform/app/menu.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/object_store.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace schemora_test {
namespace {

using namespace scm;

class MouseEdit : public EditView {
protected:
    int live() const
    {
        int n = 0;
        for (int i = 1; i <= count(); ++i)
            n += object(i).type() != 0;
        return n;
    }
    void selectMode() { ASSERT_TRUE(key(plat::kVkF9)); }
};

TEST_F(MouseEdit, EachToolDrawsItsObjectByPressDragRelease)
{
    struct Case {
        unsigned tool;
        int type;
        std::array<int, 4> words;   // words 0-3 after a drag from (100, 100) to (300, 200)
    };
    const Case cases[] = {
        {kCmdToolLine, kObjLine, {100, 100, 300, 200}},
        {kCmdToolArrow, kObjArrow, {100, 100, 300, 200}},
        {kCmdToolArc, kObjArc, {100, 100, 300, 200}},
        {kCmdToolRectangle, kObjRectangle, {100, 100, 200, 100}},
        {kCmdToolPolygon, kObjTriangle, {100, 100, 200, 100}},
        {kCmdToolEllipse, kObjEllipse, {100, 100, 223, 223}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        const int before = count();
        ASSERT_TRUE(command(c.tool));
        EXPECT_EQ(g_editState.CurrentTool, static_cast<int>(c.tool));
        drag(100, 100, 300, 200);
        ASSERT_EQ(count(), before + 1);
        const DrawObject& o = object(count());
        EXPECT_EQ(o.type(), c.type);
        EXPECT_EQ((std::array<int, 4>{o.w[0], o.w[1], o.w[2], o.w[3]}), c.words);
        EXPECT_EQ(o.sheet(), 1);
        EXPECT_EQ(o.w[6], g_settings.width);
        EXPECT_TRUE(doc()->IsModified());
    }
    EXPECT_EQ(UndoDepth(), 6);
}

TEST_F(MouseEdit, AZeroSizeObjectIsDroppedAndTheToolReturnsToEditMode)
{
    for (unsigned tool : {kCmdToolLine, kCmdToolRectangle, kCmdToolEllipse, kCmdToolArc}) {
        SCOPED_TRACE(tool);
        command(tool);
        click(200, 200);
        EXPECT_EQ(count(), 0) << "nothing is left behind";
        EXPECT_EQ(UndoDepth(), 0) << "and no undo step";
        EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
    }
}

TEST_F(MouseEdit, CursorSnapsToTheGridAndShowsItsPosition)
{
    command(700 + 3);   // unit grid: 50
    move(520, 980);
    EXPECT_EQ(pane(1), "x=1.000,y=2.000\"");
    command(kCmdToolLine);
    drag(37, 12, 262, 138);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(object(1).w[0], 50);
    EXPECT_EQ(object(1).w[1], 0);
    EXPECT_EQ(object(1).w[2], 250);
    EXPECT_EQ(object(1).w[3], 150);
}

TEST_F(MouseEdit, ClickSelectsDragMovesAndUndoPutsBack)
{
    drawLine(0, 0, 400, 0);
    selectMode();
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    EXPECT_EQ(g_editState.SelectionList[1], 1);
    EXPECT_EQ(pane(0), "Selected object #1, Line, xa=0,ya=0,xb=400,yb=0");
    drag(200, 0, 300, 100);
    EXPECT_EQ((std::array<int, 4>{object(1).w[0], object(1).w[1], object(1).w[2], object(1).w[3]}),
              (std::array<int, 4>{100, 100, 500, 100}));
    EXPECT_TRUE(key('Z', true));
    EXPECT_EQ((std::array<int, 4>{object(1).w[0], object(1).w[1], object(1).w[2], object(1).w[3]}),
              (std::array<int, 4>{0, 0, 400, 0}));
    EXPECT_TRUE(key('Z', true));
    EXPECT_EQ(live(), 0) << "the second undo takes the line back";
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(MouseEdit, AQuickFlickStillMovesTheSelection)
{
    drawLine(0, 0, 400, 0);
    selectMode();
    click(200, 0);
    press(200, 0);
    move(200, 500, plat::kMkLButton);   // far outside the wire's frame at once
    release(200, 500);
    EXPECT_EQ(object(1).w[1], 500);
}

TEST_F(MouseEdit, ShiftDragCopiesAndAReleaseAtThePressPointLeavesNoCopy)
{
    drawLine(0, 0, 400, 0);
    selectMode();
    click(200, 0);
    drag(200, 0, 200, 200, plat::kMkShift);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(object(1).w[1], 0) << "the original stays";
    EXPECT_EQ(object(2).w[1], 200);
    EXPECT_EQ(object(2).w[3], 200);
    const int depth = UndoDepth();

    click(200, 200);
    ASSERT_EQ(g_editState.selectionCount, 1);
    press(200, 200, plat::kMkShift);
    move(200, 300, plat::kMkShift | plat::kMkLButton);
    release(200, 200, plat::kMkShift);
    EXPECT_EQ(count(), 2) << "copies dropped where they were made are taken back";
    EXPECT_EQ(UndoDepth(), depth) << "with their undo step";
    key('Z', true);
    EXPECT_EQ(count(), 1) << "undo takes the first copy back, not an older object";
}

TEST_F(MouseEdit, ACopiedTextOwnsItsString)
{
    doc()->data().objects[1] = MakeDrawObject(ObjectWords(kObjText, 100, 100), "R1");
    doc()->data().objectCount = 1;
    view()->LoadCurrentDocument();
    selectMode();
    command(kCmdSelectAll);
    ASSERT_EQ(g_editState.selectionCount, 1);
    drag(120, 90, 320, 290, plat::kMkShift);
    ASSERT_EQ(count(), 2);
    ASSERT_NE(object(2).text, nullptr);
    EXPECT_NE(object(2).text, object(1).text);
    EXPECT_STREQ(object(2).text, "R1");
}

TEST_F(MouseEdit, WindowSelectionEraseAndUndo)
{
    drawLine(0, 0, 400, 0);
    drawLine(0, 100, 400, 100);
    drawLine(1000, 1000, 1200, 1000);
    selectMode();
    drag(-50, -50, 50, 150);
    EXPECT_EQ(g_editState.selectionCount, 2);
    EXPECT_EQ(pane(0), "Selected 2 objects");
    EXPECT_TRUE(key(plat::kVkDelete));
    EXPECT_EQ(object(1).type(), 0);
    EXPECT_EQ(object(2).type(), 0);
    EXPECT_EQ(object(3).type(), kObjLine);
    key('Z', true);
    EXPECT_EQ(object(1).type(), kObjLine);
    EXPECT_EQ(object(2).type(), kObjLine);
}

TEST_F(MouseEdit, CtrlClickAddsToTheSelection)
{
    drawLine(0, 0, 400, 0);
    drawLine(0, 200, 400, 200);
    selectMode();
    click(200, 0);
    click(200, 200, plat::kMkControl);
    ASSERT_EQ(g_editState.selectionCount, 2);
    EXPECT_EQ(g_editState.SelectionList[1], 1);
    EXPECT_EQ(g_editState.SelectionList[2], 2);
    EXPECT_TRUE(g_selection.windowMode);
}

TEST_F(MouseEdit, DraggingAWireEndOntoAContinuingWireMergesThemAndUndoSplitsThemAgain)
{
    drawLine(0, 0, 0, 200);
    drawLine(0, 300, 0, 500);
    selectMode();
    click(0, 100);
    ASSERT_EQ(g_editState.selectionCount, 1);
    drag(0, 200, 0, 300);   // the second end's handle
    EXPECT_EQ(live(), 1);
    EXPECT_EQ((std::array<int, 4>{object(1).w[0], object(1).w[1], object(1).w[2], object(1).w[3]}),
              (std::array<int, 4>{0, 0, 0, 500}));
    key('Z', true);
    EXPECT_EQ(live(), 2) << "the absorbed wire comes back";
    EXPECT_EQ(object(1).w[3], 200);
    EXPECT_EQ(object(2).type(), kObjLine);
}

TEST_F(MouseEdit, RotateMirrorAndFlipByKeyAndMenu)
{
    command(kCmdToolRectangle);
    drag(100, 100, 200, 150);
    selectMode();
    click(100, 125);
    ASSERT_EQ(g_editState.selectionCount, 1);
    EXPECT_TRUE(character('x'));
    EXPECT_EQ(object(1).w[2], -50);
    EXPECT_EQ(object(1).w[3], 100);
    EXPECT_EQ((object(1).w[5] >> 2) & 0xFFF, 0);
    EXPECT_TRUE(character('m'));
    EXPECT_EQ(object(1).w[2], 50);
    EXPECT_TRUE(command(kCmdEditFlip));
    EXPECT_EQ(object(1).w[3], -100);
    for (int i = 0; i < 3; ++i)
        key('Z', true);
    EXPECT_EQ(object(1).w[2], 100);
    EXPECT_EQ(object(1).w[3], 50);
}

TEST_F(MouseEdit, ARotateLeavesNoTraceOfTheOldSelectionMarks)
{
    const auto image = [&] {
        const plat::Rect r = view()->clientRect();
        std::vector<uint32_t> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels.push_back(view()->backingPixel(x, y));
        return pixels;
    };
    drawLine(-400, 0, 400, 0);
    drawLine(-400, 0, -400, 200);
    selectMode();
    struct Case {
        const char* what;
        std::function<void()> select;
    };
    const Case cases[] = {
        {"a window selection's frame", [&] { drag(-600, -100, 600, 300); }},
        {"one line's handles", [&] { click(0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.select();
        ASSERT_GE(g_editState.selectionCount, 1);
        ASSERT_TRUE(character('x'));
        move(1000, 900);
        const std::vector<uint32_t> shown = image();
        // A full repaint draws the selection as it now is: nothing of the old marks may differ.
        view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
        move(1000, 900);
        EXPECT_EQ(shown, image());
        key('Z', true);
        key(plat::kVkEscape);
        selectMode();
    }
}

TEST_F(MouseEdit, UndoIsGreyedAtDepthZeroAndKeepsTenSteps)
{
    plat::Menu* menu = plat::GetMainWnd()->GetMenu();
    ASSERT_NE(menu, nullptr);
    harness->idle();
    auto enabled = [&] {
        plat::CmdUI ui(kCmdEditUndo);
        plat::GetMainWnd()->OnCmdMsg(kCmdEditUndo, &ui);
        return ui.enabled();
    };
    EXPECT_FALSE(enabled());
    for (int i = 0; i < 11; ++i)
        drawLine(0, i * 50, 100, i * 50);
    EXPECT_TRUE(enabled());
    EXPECT_EQ(UndoDepth(), 10);
    for (int i = 0; i < 11; ++i)
        key('Z', true);
    EXPECT_EQ(live(), 1) << "only ten steps can be undone";
    EXPECT_FALSE(enabled());
}

TEST_F(MouseEdit, AFullStoreRefusesNewObjectsCopiesAndRecordsNoStep)
{
    DrawingDocData& data = doc()->data();
    for (int i = 1; i <= kMaxObjectCount - 1; ++i)
        data.objects[i] = MakeDrawObject(ObjectWords(kObjDot, 5000, 4000), nullptr);
    data.objectCount = kMaxObjectCount - 1;
    data.objects[kMaxObjectCount - 1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 400, 0), nullptr);
    view()->LoadCurrentDocument();

    drawLine(0, 200, 400, 200);
    EXPECT_EQ(count(), kMaxObjectCount) << "the last free record is used";
    const DrawObject last = object(kMaxObjectCount);
    drawLine(0, 400, 400, 400);
    EXPECT_EQ(count(), kMaxObjectCount);
    EXPECT_EQ(object(kMaxObjectCount).w[1], last.w[1]) << "the last record is not overwritten";
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_FALSE(host.messageBoxes().empty());

    selectMode();
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    drag(200, 0, 200, 100, plat::kMkShift);
    EXPECT_EQ(count(), kMaxObjectCount);
    EXPECT_EQ(object(kMaxObjectCount - 1).w[1], 0) << "nothing moved";
    EXPECT_EQ(UndoDepth(), 1);
}

TEST_F(MouseEdit, EscapeEndsTheToolAndSelectAllKeepsEditMode)
{
    drawLine(0, 0, 400, 0);
    command(kCmdToolRectangle);
    EXPECT_TRUE(key(plat::kVkEscape));
    EXPECT_EQ(g_editState.CurrentTool, 0);
    EXPECT_TRUE(key('A', true));
    EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
    EXPECT_EQ(g_editState.selectionCount, 1);
    click(3000, 3000);
    EXPECT_EQ(count(), 1) << "a press after Select All appends nothing";
}

TEST_F(MouseEdit, MovesAreHeldToTheRangeTheFileKeeps)
{
    doc()->data().objects[1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 32700, 0), nullptr);
    doc()->data().objectCount = 1;
    view()->LoadCurrentDocument();
    selectMode();
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    drag(200, 0, 400, 0);
    EXPECT_EQ(object(1).w[0], 200);
    EXPECT_EQ(object(1).w[2], 32767);
}

TEST_F(MouseEdit, CrossHairKeyTogglesTheMark)
{
    move(500, 500);
    EXPECT_TRUE(g_cursorMark.visible);
    EXPECT_TRUE(key(plat::kVkF10));
    EXPECT_FALSE(g_cursor.crossHairOn);
    EXPECT_FALSE(g_cursorMark.visible);
    EXPECT_TRUE(key(plat::kVkF10));
    EXPECT_TRUE(g_cursor.crossHairOn);
}

TEST_F(MouseEdit, StatusPanesShowSheetAndStoreUse)
{
    drawLine(0, 0, 400, 0);
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_EQ(pane(3), "A");
    EXPECT_EQ(pane(4), "0% ");
}

TEST_F(MouseEdit, TheEllipseToolStretchesByTheAspectRatio)
{
    const double saved = g_settings.ellipseAspect;
    struct Case {
        double aspect;
        int rx, ry;   // after a drag of (200, 100): radius 223
    };
    for (const Case& c : {Case{1.0, 223, 223}, Case{1.5, 334, 223}, Case{0.5, 111, 223}, Case{1e30, 32767, 223}}) {
        SCOPED_TRACE(c.aspect);
        g_settings.ellipseAspect = c.aspect;
        ASSERT_TRUE(command(kCmdToolEllipse));
        drag(100, 100, 300, 200);
        const DrawObject& o = object(count());
        ASSERT_EQ(o.type(), kObjEllipse);
        EXPECT_EQ(o.w[2], c.rx);
        EXPECT_EQ(o.w[3], c.ry);
    }
    g_settings.ellipseAspect = saved;
}

TEST_F(MouseEdit, NewObjectsTakeThePickedColourWhenSetColorsSaysSo)
{
    auto setColors = [&](int palette, unsigned mode) {
        host.answerDialog([=](plat::Dialog& d) {
            d.GetDlgItem(kIdcColorSlotFirst + 2)->click();
            d.GetDlgItem(kIdcPaletteFirst + static_cast<unsigned>(palette))->click();
            d.CheckRadioButton(kIdcColorModeThis, kIdcColorModePlanes, mode);
            return d.PressButton(plat::kIdOk);
        });
        ASSERT_TRUE(command(kCmdSetColors));
    };
    setColors(9, kIdcColorModeThis);
    drawLine(0, 0, 400, 0);
    EXPECT_EQ(object(1).w[6], g_settings.width + 256 * 9) << "the width word carries the colour picked";
    setColors(12, kIdcColorModeThis);
    drawLine(0, 200, 400, 200);
    EXPECT_EQ(object(2).w[6], g_settings.width + 256 * 12);
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_NE(pixelAt(200, 0), pixelAt(200, 200)) << "each line is drawn in its own colour";

    setColors(5, kIdcColorModePlanes);
    drawLine(0, 400, 400, 400);
    EXPECT_EQ(object(3).w[6], g_settings.width) << "with the planes' colour the width alone";
}

TEST_F(MouseEdit, ThePointerShowsWhatAPressWouldDoWithTheMarkOff)
{
    drawLine(0, 0, 400, 0);
    selectMode();
    ASSERT_TRUE(key(plat::kVkF10));
    ASSERT_FALSE(g_cursor.crossHairOn);
    move(1000, 1000);
    EXPECT_EQ(plat::GetCursor(), plat::LoadStandardCursor(plat::kIdcArrow)) << "nothing selected";
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    move(400, 0);
    EXPECT_EQ(plat::GetCursor(), plat::LoadStandardCursor(plat::kIdcSizeWE)) << "an end of a level line";
    move(200, 0);
    EXPECT_EQ(plat::GetCursor(), plat::LoadStandardCursor(plat::kIdcSizeAll)) << "over the line a press moves it";
    move(1000, 1000);
    EXPECT_EQ(plat::GetCursor(), plat::LoadStandardCursor(plat::kIdcArrow));

    ASSERT_TRUE(key(plat::kVkF10));
    const plat::Cursor mark = plat::GetCursor();
    move(400, 0);
    EXPECT_EQ(plat::GetCursor(), mark) << "with the mark on the pointer stays the mark's";
}

}  // namespace
}  // namespace schemora_test
