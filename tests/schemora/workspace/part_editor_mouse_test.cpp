// The part editor's drawing area under the mouse: the pointer over the handles of the selected
// object, a drag that leaves the area, the right button on a terminal of a later symbol, and
// where the style dialogs open.
#include "part_editor_fixture.h"

#include "platform/app/wnd.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/settings.h"

#include <optional>

namespace schemora_test {
namespace {

using namespace scm;

class PartEditorMouse : public PartEditorTest {};

TEST_F(PartEditorMouse, HandlesShowResizeCursorsAndADragThereReshapes)
{
    runEditor([&](EditorHand& h) {
        h.key('R');
        h.drag(-500, -500, -200, -200);
        h.key('L');
        h.drag(-1200, -700, -900, -700);
        const int rectangle = 4, line = 5;
        h.command(kCmdEditSelect);
        h.click(-500, -350);
        ASSERT_EQ(g_editState.selectionCount, 1);
        ASSERT_EQ(g_editState.SelectionList[1], rectangle);
        h.move(-350, -350);
        const plat::Cursor normal = plat::GetCursor();
        struct Over {
            int x, y;
            unsigned cursor;
        };
        for (const Over& o : {Over{-500, -500, plat::kIdcSizeNWSE}, Over{-200, -200, plat::kIdcSizeNWSE},
                              Over{-200, -500, plat::kIdcSizeNESW}, Over{-500, -200, plat::kIdcSizeNESW}}) {
            SCOPED_TRACE(std::to_string(o.x) + "," + std::to_string(o.y));
            h.move(o.x, o.y);
            EXPECT_EQ(plat::GetCursor(), o.cursor);
            h.move(-350, -350);
            EXPECT_EQ(plat::GetCursor(), normal) << "away from the handles the pointer is as it was";
        }
        // A drag from a corner stretches the rectangle.
        h.drag(-200, -200, -100, -150);
        const DrawObject& r = h.record(rectangle);
        EXPECT_EQ(r.x() + r.w[2], -100);
        EXPECT_EQ(r.y() + r.w[3], -150);

        // A line's ends show the cursor along the line.
        h.click(-1050, -700);
        ASSERT_EQ(g_editState.SelectionList[1], line);
        h.move(-900, -700);
        EXPECT_EQ(plat::GetCursor(), plat::kIdcSizeWE);
        h.move(-1050, -600);
        EXPECT_EQ(plat::GetCursor(), normal);
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorMouse, ATerminalEndIsDraggedOnlySquareToItsBody)
{
    runEditor([&](EditorHand& h) {
        ASSERT_EQ(g_settings.limit, 0) << "the orthogonal limit is off: a plain line goes askew";
        h.key('J');
        h.drag(-1200, -700, -900, -700);
        const int pin = h.e.objectCount();
        ASSERT_NE(TerminalPinText(h.record(pin)), "");
        h.key('L');
        h.drag(-1200, -300, -900, -300);
        const int line = h.e.objectCount();
        struct Case {
            int index, y, endX, endY;
        };
        // The same askew drag of the far end: the terminal stays level, the plain line follows.
        for (const Case& c : {Case{pin, -700, -800, -700}, Case{line, -300, -800, -250}}) {
            SCOPED_TRACE(c.index);
            h.command(kCmdEditSelect);
            h.click(-1050, c.y);
            ASSERT_EQ(g_editState.SelectionList[1], c.index);
            h.move(-900, c.y);
            h.drag(-900, c.y, -800, c.y + 50);
            const DrawObject& o = h.record(c.index);
            EXPECT_EQ(o.w[2], c.endX);
            EXPECT_EQ(o.w[3], c.endY);
            EXPECT_EQ(o.y(), c.y);
        }
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorMouse, ADragThatLeavesTheAreaScrollsOneStepEachTimeItLeaves)
{
    runEditor([&](EditorHand& h) {
        h.command(kCmdEditSelect);
        const plat::Rect area = h.area.clientRect();
        const plat::Point inside{area.width() / 2, area.height() / 2};
        const auto at = [&](plat::Point p, unsigned message, unsigned flags) { h.e.OnControlMouse(h.area, message, flags, p); };
        at(inside, plat::kWmMouseMove, 0);
        at(inside, plat::kWmLButtonDown, plat::kMkLButton);
        const int startX = g_current.viewCentreX, startY = g_current.viewCentreY;
        at({area.right + 5, inside.y}, plat::kWmMouseMove, plat::kMkLButton);
        const int once = g_current.viewCentreX;
        EXPECT_GT(once, startX) << "leaving on the right scrolls right";
        at({area.right + 40, inside.y}, plat::kWmMouseMove, plat::kMkLButton);
        EXPECT_EQ(g_current.viewCentreX, once) << "one step while it stays out";
        at(inside, plat::kWmMouseMove, plat::kMkLButton);
        at({inside.x, area.bottom + 5}, plat::kWmMouseMove, plat::kMkLButton);
        EXPECT_GT(g_current.viewCentreY, startY) << "leaving again, downwards";
        EXPECT_EQ(g_current.viewCentreX, once);
        at({inside.x, area.bottom + 5}, plat::kWmLButtonUp, 0);
        // Without the button held nothing scrolls.
        const int centreY = g_current.viewCentreY;
        at({inside.x, area.top - 5}, plat::kWmMouseMove, 0);
        EXPECT_EQ(g_current.viewCentreY, centreY);
        h.command(kCmdEditorClose);
    });
}

// Symbol 2 of a two-pin part: the right button on its terminal names the pin of symbol 1 it
// draws.
TEST_F(PartEditorMouse, TerminalInformationLinksATerminalOfALaterSymbolToItsPin)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.e.PressButton(kIdcEditorAdvanced);
        h.e.ChooseDlgItem(kIdcEditorSymbolCount, 1);
        h.e.ChooseDlgItem(kIdcEditorTabs, 1);
        h.key('R');
        h.drag(-200, -200, 200, 200);
        h.key('J');
        h.drag(-400, 0, -200, 0);
        h.drag(400, 50, 200, 50);
        const int first = h.e.objectCount() - 1, second = h.e.objectCount();
        ASSERT_EQ(TerminalPinText(h.record(first)), "?");
        const auto terminalInfo = [&](int x, int y, std::string typed, int type, std::string* shown) {
            h.command(kCmdEditSelect);
            h.click(x, y);
            ASSERT_EQ(g_editState.selectionCount, 1);
            host.answerDialog([=](plat::Dialog& d) {
                *shown = d.GetDlgItemText(kIdcTerminalPinNumber);
                d.TypeDlgItemText(kIdcTerminalPinNumber, typed);
                d.TypeDlgItemText(kIdcTerminalLabel, "EN");
                d.ChooseDlgItem(kIdcTerminalPinType, type);
                return d.PressButton(plat::kIdOk);
            });
            h.mouse(plat::kWmRButtonDown, x, y, plat::kMkRButton);
        };
        std::string shown;
        terminalInfo(-300, 0, "2", 1, &shown);
        EXPECT_EQ(shown, "?");
        EXPECT_EQ(TerminalPinText(h.record(first)), "2");
        EXPECT_EQ(TerminalLabel(h.record(first)), "EN");
        const EditorPin& two = h.e.pins().pins()[1];
        EXPECT_EQ(two.number, "2");
        EXPECT_EQ(two.terminal[1], first);
        EXPECT_EQ(two.type, 1) << "the type is the pin's, shared with symbol 1";

        host.clearEvents();
        terminalInfo(300, 50, "7", 0, &shown);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Error: pin 7 is not drawn in Symbol 1"});
        terminalInfo(300, 50, "2", 0, &shown);
        EXPECT_EQ(host.messageBoxes().back(), "Warning: this pin is already defined");
        EXPECT_EQ(TerminalPinText(h.record(second)), "?");

        // The first terminal moves on to pin 1: pin 2 is free for the second.
        terminalInfo(-300, 0, "1", 1, &shown);
        EXPECT_EQ(shown, "2");
        terminalInfo(300, 50, "2", 1, &shown);
        EXPECT_EQ(h.e.pins().pins()[0].terminal[1], first);
        EXPECT_EQ(h.e.pins().pins()[1].terminal[1], second);
        terminalInfo(300, 50, "?", 1, &shown);
        EXPECT_EQ(h.e.pins().pins()[1].terminal[1], 0);
        EXPECT_EQ(TerminalPinText(h.record(second)), "?");
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"})) << "symbol 2 adds no pins";
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

// A style dialog that sets the defaults opens at the last click in the drawing area (Edit
// Setup 50 pixels right of it); one that edits the one selected object does not.
TEST_F(PartEditorMouse, StyleDialogsOpenAtTheLastClick)
{
    const SchematicSettings saved = g_settings;
    runEditor([&](EditorHand& h) {
        const auto openedAt = [&](std::function<void()> open) {
            std::optional<plat::Point> at;
            host.answerDialog([&](plat::Dialog& d) {
                at = EditorHand::corner(d);
                return d.PressButton(plat::kIdCancel);
            });
            open();
            return at.value_or(plat::Point{-1, -1});
        };
        h.command(kCmdEditSelect);
        h.click(-300, -300);
        const plat::Point click = h.onScreen(-300, -300);
        h.key('R');
        EXPECT_EQ(openedAt([&] { h.key('R'); }), click);
        h.key('L');
        EXPECT_EQ(openedAt([&] { h.command(kCmdToolLine); }), click) << "the toolbar button too";

        h.command(kCmdEditSelect);
        h.click(-700, -600);
        const plat::Point later = h.onScreen(-700, -600);
        EXPECT_EQ(openedAt([&] { h.key(plat::kVkF9); }), (plat::Point{later.x + 50, later.y}));

        // One object selected: its dialog opens where the desktop puts it.
        h.key('E');
        h.drag(-800, -400, -600, -200);
        h.command(kCmdEditSelect);
        h.click(-800, -300);
        ASSERT_EQ(g_editState.selectionCount, 1);
        const plat::Point edited = openedAt([&] { h.mouse(plat::kWmRButtonDown, -800, -300, plat::kMkRButton); });
        EXPECT_TRUE(host.shown("dialog 140"));
        EXPECT_NE(edited, h.onScreen(-800, -300));
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
    g_settings = saved;
}

}  // namespace
}  // namespace schemora_test
