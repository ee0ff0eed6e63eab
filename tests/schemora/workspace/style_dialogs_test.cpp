// The style dialogs as a person reaches them: a tool key pressed twice, a right click on the one
// selected object, F9 in edit mode; what OK writes into the object or the defaults.
#include "schemora_commands_fixture.h"

#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"

#include <cmath>

namespace schemora_test {
namespace {

using namespace scm;
using paint_test::words;

class StyleDialogs : public DrawingCommands {
protected:
    void SetUp() override
    {
        DrawingCommands::SetUp();
        saved_ = g_settings;
    }
    void TearDown() override
    {
        g_settings = saved_;
        DrawingCommands::TearDown();
    }

    // Edit mode, a click on (x, y) that leaves exactly that object selected, then a right click.
    void rightClick(int x, int y, std::function<int(plat::Dialog&)> answer)
    {
        ASSERT_TRUE(key(plat::kVkF9));
        click(x, y);
        ASSERT_EQ(g_editState.selectionCount, 1);
        host.answerDialog(std::move(answer));
        view()->OnRButtonDown(0, pixelOf(x, y));
        harness->idle();
    }

    SchematicSettings saved_;
};

auto pressing(std::vector<unsigned> buttons, std::vector<std::pair<unsigned, std::string>> texts = {}, int combo = -1)
{
    return [=](plat::Dialog& d) {
        for (unsigned id : buttons)
            d.PressButton(id);
        for (const auto& [id, text] : texts)
            d.SetDlgItemText(id, text);
        if (combo >= 0)
            d.ChooseDlgItem(kIdcPolygonEdges, combo);
        return d.PressButton(plat::kIdOk);
    };
}

TEST_F(StyleDialogs, RightClickOnALineMakesItAnArrowAndUndoBringsTheLineBack)
{
    add(words(kObjLine, 100, 100, 400, 100, 6));
    rightClick(250, 100, pressing({kIdcHeadsTwo, kIdcHeadStyleFirst + 2, kIdcStyleFirst + 1}, {{kIdcWidth, "300"}}));
    EXPECT_TRUE(host.shown("dialog 166"));
    EXPECT_EQ(object(1).type(), kObjArrow);
    EXPECT_EQ(object(1).w[7], 1 * 256 + 2);
    EXPECT_EQ(object(1).w[5], 1);
    EXPECT_EQ(object(1).w[6] & 0xFF, 255) << "a width past a byte is held at 255";
    EXPECT_EQ(g_settings.CurrentHeadNo, -1) << "the defaults stay";
    EXPECT_TRUE(doc()->IsModified());

    // None turns the arrow back into a plain line with no head word.
    rightClick(250, 100, pressing({kIdcHeadsNone}));
    EXPECT_EQ(object(1).type(), kObjLine);
    EXPECT_EQ(object(1).w[7], 0);

    ASSERT_TRUE(command(kCmdEditUndo));
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).type(), kObjLine);
    EXPECT_EQ(object(1).w[6], 6);
    EXPECT_EQ(object(1).w[5], 0);
}

TEST_F(StyleDialogs, RightClickOpensTheDialogOfEachKind)
{
    const struct {
        const char* what;
        Words w;
        unsigned dialog;
        int x, y;
    } cases[] = {
        {"rectangle", words(kObjRectangle, 100, 100, 300, 200), kIddRectangleStyle, 100, 200},
        {"ellipse", words(kObjEllipse, 1000, 1000, 100, 100), kIddFillStyle, 1100, 1000},
        {"arc", words(kObjArc, 2000, 100, 2300, 100), kIddStyle, 2150, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int index = count() + 1;
        add(c.w);
        rightClick(c.x, c.y, pressing({kIdcStyleFirst + 3, kIdcFillFirst + 5}, {{kIdcWidth, "-5"}}));
        EXPECT_TRUE(host.shown("dialog " + std::to_string(c.dialog)));
        EXPECT_EQ(object(index).w[5], 3);
        EXPECT_EQ(object(index).w[6] & 0xFF, 0) << "a negative width is 0";
        EXPECT_EQ(object(index).w[7], c.dialog == kIddStyle ? 0 : 5) << "the arc dialog has no fill";
    }

    // Rectangle Style's rounded box turns the selected rectangle into a rounded one.
    rightClick(100, 200, pressing({kIdcRoundedRectangles}));
    EXPECT_EQ(object(1).type(), kObjRoundRect);
    EXPECT_EQ(g_settings.roundedRectangles, 0);
}

TEST_F(StyleDialogs, AStyleDialogEditsTheSelectionOnlyWhenItIsOfItsKind)
{
    add(words(kObjText, 100, 100), "R1");
    const int textStyle = object(1).w[2];
    ASSERT_TRUE(character('l'));
    select({1});
    host.answerDialog(pressing({300}, {{kIdcWidth, "20"}}));
    ASSERT_TRUE(character('l'));
    EXPECT_TRUE(host.shown("dialog 166"));
    EXPECT_EQ(object(1).type(), kObjText) << "a text is never rewritten as a line";
    EXPECT_STREQ(object(1).text, "R1");
    EXPECT_EQ(object(1).w[2], textStyle);
    EXPECT_EQ(g_settings.width, 20);
    EXPECT_EQ(g_settings.CurrentHeadNo, 0);
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolArrow) << "with one head the line key draws arrows";
}

TEST_F(StyleDialogs, ToolKeysTwiceSetTheDefaultsNewObjectsTake)
{
    // R twice: Rectangle Style; rounded chosen, the tool draws rounded rectangles.
    ASSERT_TRUE(character('r'));
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolRectangle);
    host.answerDialog(pressing({kIdcRoundedRectangles, kIdcFillFirst + 1}));
    ASSERT_TRUE(character('r'));
    EXPECT_TRUE(host.shown("dialog 237"));
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolRoundRect);
    drag(100, 100, 300, 200);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(object(1).type(), kObjRoundRect);
    EXPECT_EQ(object(1).w[7], 1);

    // E twice: Drawing/Fill Style; K twice: Style.
    ASSERT_TRUE(character('e'));
    host.answerDialog(pressing({kIdcFillFirst + 4}, {{kIdcWidth, "9"}}));
    ASSERT_TRUE(character('e'));
    EXPECT_TRUE(host.shown("dialog 140"));
    EXPECT_EQ(g_settings.fillPattern, 4);
    EXPECT_EQ(g_settings.width, 9);
    ASSERT_TRUE(character('k'));
    host.answerDialog(pressing({kIdcStyleFirst + 2}));
    ASSERT_TRUE(character('k'));
    EXPECT_TRUE(host.shown("dialog 207"));
    EXPECT_EQ(g_settings.CurrentStyle, 2);

    // Cancel leaves every default as it was.
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcFillFirst + 7);
        d.SetDlgItemText(kIdcWidth, "100");
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(character('k'));
    EXPECT_EQ(g_settings.width, 9);
    EXPECT_EQ(g_settings.fillPattern, 4);
}

TEST_F(StyleDialogs, PolygonSetupOffersThreeToTenEdgesAndTheRegularPolygonToolDrawsThem)
{
    ASSERT_TRUE(character('y'));
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolPolygon);
    std::vector<std::string> offered;
    host.answerDialog([&](plat::Dialog& d) {
        for (const auto& entry : d.GetDlgItem(kIdcPolygonEdges)->entries())
            offered.push_back(entry.text);
        EXPECT_EQ(d.GetDlgItemText(kIdcWidth), "6.0");
        d.SetDlgItemText(kIdcWidth, "7.9");
        d.ChooseDlgItem(kIdcPolygonEdges, 2);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(character('y'));
    EXPECT_EQ(offered, (std::vector<std::string>{"3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(g_settings.polygonEdges, 5);
    EXPECT_EQ(g_settings.width, 7) << "the width is truncated";
    EXPECT_EQ(g_editState.CurrentTool, kToolRegularPolygon);

    drag(1000, 1000, 1200, 1000);
    ASSERT_EQ(count(), 1);
    const DrawObject& p = object(1);
    EXPECT_EQ(p.type(), kObjPolygon);
    EXPECT_EQ(p.w[2], 5);
    EXPECT_EQ(p.pointX(0), 1000) << "the first vertex is at the top";
    EXPECT_EQ(p.pointY(0), 800);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(std::hypot(p.pointX(i) - 1000, p.pointY(i) - 1000), 200, 1.5) << i;
}

TEST_F(StyleDialogs, F9InEditModeOpensEditSetup)
{
    g_settings.visible = 1;
    g_settings.hidden = 517;
    ASSERT_TRUE(key(plat::kVkF9));
    EXPECT_FALSE(host.shown("dialog 221")) << "the first F9 only starts edit mode";
    int grid = -1;
    host.answerDialog([&](plat::Dialog& d) {
        grid = d.IsDlgButtonChecked(kIdcEditShowGrid);
        d.PressButton(kIdcEditShowGrid);
        d.PressButton(kIdcEditHiddenPins);
        d.PressButton(kIdcEditRubberband);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(key(plat::kVkF9));
    EXPECT_TRUE(host.shown("dialog 221"));
    EXPECT_EQ(grid, 1);
    EXPECT_EQ(g_settings.visible, 0);
    EXPECT_EQ(g_settings.hidden, 518);
    EXPECT_EQ(g_settings.rubber, 1);
}

// A tool chosen again opens its style dialog at the last click in the drawing; with the one
// object selected, the dialog edits it and opens where the desktop puts it.
TEST_F(StyleDialogs, StyleDialogsOpenAtTheLastClickInTheDrawing)
{
    const auto openedAt = [&](const std::function<void()>& open) {
        plat::Point at{-1, -1};
        host.answerDialog([&](plat::Dialog& d) {
            plat::Rect r;
            d.GetWindowRect(&r);
            at = {r.left, r.top};
            return d.PressButton(plat::kIdCancel);
        });
        open();
        return at;
    };
    ASSERT_TRUE(key(plat::kVkF9));
    click(400, 300);
    ASSERT_EQ(g_editState.selectionCount, 0);
    plat::Point clicked = pixelOf(400, 300);
    view()->ClientToScreen(&clicked);
    ASSERT_TRUE(character('k'));
    EXPECT_EQ(openedAt([&] { character('k'); }), clicked);
    EXPECT_TRUE(host.shown("dialog 207"));
    const plat::Point setup = openedAt([&] {
        key(plat::kVkF9);
        key(plat::kVkF9);
    });
    EXPECT_TRUE(host.shown("dialog 221"));
    EXPECT_EQ(setup, (plat::Point{clicked.x + 50, clicked.y}));

    ASSERT_TRUE(character('l'));
    drag(100, 100, 300, 100);
    ASSERT_TRUE(key(plat::kVkF9));
    click(200, 100);
    ASSERT_EQ(g_editState.selectionCount, 1);
    plat::Point onLine = pixelOf(200, 100);
    view()->ClientToScreen(&onLine);
    EXPECT_NE(openedAt([&] { view()->OnRButtonDown(0, pixelOf(200, 100)); }), onLine);
    EXPECT_TRUE(host.shown("dialog 166"));
}

}  // namespace
}  // namespace schemora_test
