// The part editor's key and menu commands as a person reaches them: the selective-editing
// choices by their upper-case letters, the tool letters pressed twice, F9 twice, and Help.
#include "part_editor_fixture.h"

#include "platform/app/menu.h"

#include <algorithm>
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/settings.h"
#include "support/command_check.h"

namespace schemora_test {
namespace {

using namespace scm;

class PartEditorCommands : public PartEditorTest {
protected:
    void TearDown() override
    {
        g_editFilter = EditFilter{};
        g_selection.filterId = kCmdSelEditAll;
        g_settings = saved_;
        PartEditorTest::TearDown();
    }
    SchematicSettings saved_ = g_settings;
};

TEST_F(PartEditorCommands, EverySelectiveEditingChoiceHasItsUpperCaseKey)
{
    struct Choice {
        unsigned vk;
        unsigned id;
        const char* word;
    };
    const Choice choices[] = {
        {'T', kCmdSelEditText, "TEXT"},          {'C', kCmdSelEditDots, "DOTS"},
        {'L', kCmdSelEditText + 2, "LINES"},     {'K', kCmdSelEditText + 3, "ARCS"},
        {'E', kCmdSelEditText + 4, "ELLIPSES"},  {'R', kCmdSelEditText + 5, "RECTANGLES"},
        {'Q', kCmdSelEditText + 6, "ROUNDED RECTANGLES"}, {'Y', kCmdSelEditText + 7, "POLYGONS"},
        {plat::kVkF5, kCmdSelEditText + 8, "PARTS"}, {'B', kCmdSelEditText + 9, "BUSSES"},
        {'W', kCmdSelEditText + 10, "ARROWS"},   {'N', kCmdSelEditNets, "NETS"},
        {'A', kCmdSelEditAll, "ALL OBJECTS"},
    };
    runEditor([&](EditorHand& h) {
        for (const Choice& c : choices) {
            SCOPED_TRACE(c.word);
            h.command(kCmdToolLine);
            EXPECT_TRUE(h.key(c.vk, false, true));
            EXPECT_EQ(g_selection.filterId, static_cast<int>(c.id));
            EXPECT_EQ(h.e.statusLine(0), std::string("Selected edit ") + c.word + " only");
            EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
            const int kinds = static_cast<int>(std::count(g_editFilter.on.begin(), g_editFilter.on.end(), 1));
            EXPECT_EQ(kinds, c.id == kCmdSelEditAll ? 11 : c.id == kCmdSelEditNets ? 0 : 1);
            // The menu item of the one kind chosen carries the check mark.
            if (c.id > kCmdSelEditAll && c.id < kCmdSelEditNets) {
                EXPECT_EQ(quill_test::CommandCheck(h.e, c.id), 1);
            }
        }
        // Without Shift the letters stay tools.
        h.key('C');
        EXPECT_EQ(g_editState.CurrentTool, kCmdToolDot);
        EXPECT_EQ(g_selection.filterId, static_cast<int>(kCmdSelEditAll));
        h.command(kCmdEditorClose);
    });
}

// A tool letter pressed again opens its style dialog, as a second click on its button does;
// Y draws triangles or regular polygons by the polygon setting.
TEST_F(PartEditorCommands, ToolLettersTwiceOpenTheirStyleDialogs)
{
    struct Twice {
        unsigned vk;
        const char* dialog;
        int tool;
    };
    g_settings.polygonEdges = 3;
    g_settings.roundedRectangles = 0;
    g_settings.CurrentHeadNo = -1;
    const Twice keys[] = {{'L', "dialog 166", kCmdToolLine},    {'R', "dialog 237", kCmdToolRectangle},
                          {'E', "dialog 140", kCmdToolEllipse}, {'K', "dialog 207", kCmdToolArc},
                          {'Y', "dialog 220", kCmdToolPolygon}};
    runEditor([&](EditorHand& h) {
        for (const Twice& k : keys) {
            SCOPED_TRACE(k.dialog);
            host.clearEvents();
            h.key(k.vk);
            EXPECT_FALSE(host.shown(k.dialog)) << "the first press only chooses the tool";
            EXPECT_EQ(g_editState.CurrentTool, k.tool);
            h.key(k.vk);
            EXPECT_TRUE(host.shown(k.dialog));
            EXPECT_EQ(g_editState.CurrentTool, k.tool);
        }
        // Text has no style in a library part.
        host.clearEvents();
        h.key('T');
        h.key('T');
        EXPECT_EQ(g_editState.CurrentTool, kToolText);
        EXPECT_TRUE(host.events().empty());

        // Polygon Setup with five edges: Y now draws regular polygons, and Y after another
        // tool chooses them too.
        host.answerDialog([](plat::Dialog& d) {
            d.ChooseDlgItem(kIdcPolygonEdges, 2);
            return d.PressButton(plat::kIdOk);
        });
        h.key('Y');
        h.key('Y');
        EXPECT_EQ(g_settings.polygonEdges, 5);
        EXPECT_EQ(g_editState.CurrentTool, kToolRegularPolygon);
        h.key('L');
        h.key('Y');
        EXPECT_EQ(g_editState.CurrentTool, kToolRegularPolygon);
        g_settings.polygonEdges = 3;
        h.key('L');
        h.key('Y');
        EXPECT_EQ(g_editState.CurrentTool, kCmdToolPolygon);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorCommands, SelectChosenAgainOpensEditSetup)
{
    g_settings.rubber = 0;
    runEditor([&](EditorHand& h) {
        h.key('L');
        h.key(plat::kVkF9);
        EXPECT_FALSE(host.shown("dialog 221")) << "the first F9 only starts edit mode";
        EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(kIdcEditRubberband);
            return d.PressButton(plat::kIdOk);
        });
        h.key(plat::kVkF9);
        EXPECT_TRUE(host.shown("dialog 221"));
        EXPECT_EQ(g_settings.rubber, 1);
        EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorCommands, HelpMenuF1AndTheHelpButtonOpenTheHelp)
{
    runEditor([&](EditorHand& h) {
        host.clearEvents();
        EXPECT_TRUE(h.key(plat::kVkF1));
        h.command(kCmdHelpContents);
        h.e.PressButton(kIdcEditorHelp);
        int helps = 0;
        for (const std::string& e : host.events())
            helps += e.rfind("help: ", 0) == 0 ? 1 : 0;
        EXPECT_EQ(helps, 3);
        ASSERT_GE(host.helpData().size(), 3u);
        const auto data = host.helpData();
        EXPECT_EQ(std::vector<unsigned long>(data.end() - 3, data.end()), (std::vector<unsigned long>{0, 0, kHelpPartEditor}))
            << "Contents twice, then the editor's own topic";
        h.command(kCmdEditorClose);
    });
}

}  // namespace
}  // namespace schemora_test
