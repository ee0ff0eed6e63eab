// Re-gridding, artwork statistics, clearing the rats nest and netlist, and the design-rule
// clearance fields.
#include "tracelyn/route/netlist_fixture.h"

#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_removal.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/design_rules_dialog.h"

namespace netlist_test {
namespace {

class BoardChecksTest : public NetlistTest {
protected:
    void SetUp() override
    {
        NetlistTest::SetUp();
        ASSERT_TRUE(AllocateSelectionList());
        g_view.gridStepX = 500;
        g_view.gridStepY = 250;
    }
    void TearDown() override
    {
        g_selection.count = 0;
        g_view = BoardView{};
        NetlistTest::TearDown();
    }
    void select(std::initializer_list<int> indexes)
    {
        g_selection.count = 0;
        for (int i : indexes)
            g_selection.list[static_cast<size_t>(++g_selection.count)] = i;
    }
};

TEST(RegridValue, MoreThanHalfAStepMovesAwayFromZero)
{
    const std::vector<std::array<int32_t, 3>> cases = {
        {249, 500, 0}, {250, 500, 0}, {251, 500, 500}, {-249, 500, 0}, {-251, 500, -500},
        {750, 500, 500}, {751, 500, 1000}, {-1251, 500, -1500}, {7, 1, 7},
    };
    for (const auto& [c, g, expected] : cases)
        EXPECT_EQ(RegridValue(c, g), expected) << c << " on " << g;
}

TEST_F(BoardChecksTest, RegridSnapsTheSelectedObjectsAfterAsking)
{
    const int line = add(makeObject(kKindLine, 0, {251, 130, 1249, -130, 0, 0, 0, 10}));
    const int text = addText("T", 249, 380);
    BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 2, 0, 0, 0, 0, 0});
    int32_t* v = NewPointBlock(4);
    v[0] = 260;
    v[1] = 120;
    v[2] = -760;
    v[3] = 630;
    polygon.data = v;
    const int poly = add(polygon);
    const int untouched = add(makeObject(kKindLine, 0, {251, 130, 251, 130, 0, 0, 0, 10}));

    RegridObjects();
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Select objects first to do regrid"});

    select({line, text, poly});
    host.clearEvents();
    doc.modified = false;
    RegridObjects();   // the test host answers No
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Regrid selected objects?"});
    EXPECT_EQ(g_board.objects[line].w[0], 251);
    EXPECT_FALSE(doc.modified);

    host.answerMessageBox(plat::kIdYes);
    RegridObjects();
    const BoardObject& l = g_board.objects[line];
    EXPECT_EQ((std::array<int32_t, 4>{l.w[0], l.w[1], l.w[2], l.w[3]}), (std::array<int32_t, 4>{500, 250, 1000, -250}));
    EXPECT_EQ(g_board.objects[text].w[0], 0);
    EXPECT_EQ(g_board.objects[text].w[1], 500);
    EXPECT_EQ((std::array<int32_t, 4>{v[0], v[1], v[2], v[3]}), (std::array<int32_t, 4>{500, 0, -1000, 750}));
    EXPECT_EQ(g_board.objects[untouched].w[0], 251);
    EXPECT_TRUE(doc.modified);

    // In metric units the grid steps are taken as millimetre steps: 500 x 0.3937 = 197.
    g_boardSettings.units = kUnitsMetric;
    select({untouched});
    host.answerMessageBox(plat::kIdYes);
    RegridObjects();
    EXPECT_EQ(g_board.objects[untouched].w[0], 197);
    EXPECT_EQ(g_board.objects[untouched].w[1], 98);
}

TEST_F(BoardChecksTest, StatisticsCountEveryKind)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    auto pad = [&](int shape, int drill) { add(makeObject(kKindPad, 0, {0, 0, 600, 600, 0, shape, drill, 0})); };
    pad(5, 200);   // via
    pad(6, 200);   // hidden via
    pad(0, 350);   // through-hole pad
    pad(2, 350);   // surface-mount shape: no hole
    pad(0, 0);     // undrilled
    add(makeObject(kKindLine, 0, {0, 0, 100, 0, 0, 0, 0, 10}));
    add(makeObject(kKindArc, 0, {0, 0, 100, 0, 0, 0, 0, 10}));
    add(makeObject(kKindRectangle, 0, {0, 0, 100, 100, 0, 0, 0, 0}));
    add(makeObject(kKindFixedRectangle, 0, {0, 0, 100, 100, 0, 0, 0, 0}));
    add(makeObject(kKindNoRoute, 31, {0, 0, 100, 0, 0, 0, 0, 10}));
    add(makeObject(kKindPolygon, 0, {0, 0, 0, 0, 0, 0, 0, 0}));
    add(makeObject(kKindDeleted, 0, {}));
    addText("T");
    place(two, "R", 1, 0, 0);

    const std::string text = ShowArtworkStatistics();
    EXPECT_EQ(text,
              "#packages=1, #holes=5, #vias=2 (hidden=1)\n#pads=5, #traces=1, #arcs=1\n"
              "#text strings=1, #rectangles=1\n#no routes=1, #drcs=1, #part types=1,\n"
              "#polygons=1\n#elements(15)=14");
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{text});
}

TEST_F(BoardChecksTest, ClearingTheRatsNestAsksOnlyWhenNetsAreLoaded)
{
    const int first = add(makeObject(kKindNoRoute, 31, {0, 0, 100, 0, 0, 0, 0, 10}));
    const int kept = addText("kept");
    add(makeObject(kKindNoRoute, 31, {0, 0, 200, 0, 0, 0, 0, 10}));
    const int count = g_board.count;

    EXPECT_EQ(ClearNetNames(0), 0);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(g_board.count, count - 2);
    EXPECT_EQ(g_board.objects[first].text(), std::string("kept")) << "the last record fills the gap";
    EXPECT_EQ(g_board.objects[kept].kind(), kKindDeleted);
    EXPECT_EQ(g_board.objects[kept].data, nullptr);
    EXPECT_EQ(doc.objectCount, g_board.count);

    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "R", 1, 0, 0);
    writeNetlist(netlistHeader(1) + "A----r1-1,r1-2\n");
    ASSERT_EQ(BuildRatsNest(1), 1);
    ASSERT_EQ(ratsNestLines().size(), 1u);

    EXPECT_EQ(ClearNetNames(0), plat::kIdNo);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Clear net names?"});
    EXPECT_TRUE(ratsNestLines().empty());
    EXPECT_EQ(g_netlist.netCount, 1);

    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(ClearNetNames(0), plat::kIdYes);
    EXPECT_EQ(g_netlist.netCount, 0);
    EXPECT_EQ(NetTable()[0].name, nullptr);
    EXPECT_EQ(g_board.objects[g_board.count].kind(), kKindPart + two) << "the other objects stay";

    BuildRatsNest(1);
    host.clearEvents();
    EXPECT_EQ(ClearNetNames(1), plat::kIdYes);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(g_netlist.netCount, 0);

    // Removing the last record, and indexes outside the store, are safe.
    const int last = g_board.count;
    RemoveObject(last);
    EXPECT_EQ(g_board.count, last - 1);
    RemoveObject(0);
    RemoveObject(last + 5);
    EXPECT_EQ(g_board.count, last - 1);
}

TEST(DesignRuleFields, ClearancesShowAndReadInBothUnitModes)
{
    EXPECT_EQ(ClearanceFieldText(100, false), "10.0");
    EXPECT_EQ(ClearanceFieldText(125, false), "12.5");
    EXPECT_EQ(ClearanceFieldText(100, true), "0.254");
    EXPECT_EQ(ClearanceFromField("12.59", false), 125);
    EXPECT_EQ(ClearanceFromField("0.254", true), 100);
    EXPECT_EQ(ClearanceFromField("1", true), 394);
    EXPECT_EQ(ClearanceFromField("abc", false), 0);
    // Only the first 20 characters are read; a value beyond the range reads as 0.
    EXPECT_EQ(ClearanceFromField("00000000000000000001999", false), 10);
    EXPECT_EQ(ClearanceFromField("99999999999999999999", false), 0);
}

// The dialog starts the reference check off, shows the other switches and the clearances, and
// OK keeps what was typed and ticked.
TEST_F(BoardChecksTest, DesignRulesDialogShowsAndStoresTheSettings)
{
    g_designRules = {150, 200, 125};
    CDesignRulesDlg dlg;
    dlg.m_checkReferences = 1;
    dlg.m_padToTrace = 1;
    dlg.m_traceToTrace = 0;
    dlg.m_padToVia = 1;
    dlg.m_checkSilkscreen = 1;
    std::vector<int> shownChecks;
    std::vector<std::string> shownFields;
    host.answerDialog([&](plat::Dialog& d) {
        for (unsigned id : {tly::kIdcCheckReferences, tly::kIdcCheckPadToTrace, tly::kIdcCheckTraceToTrace,
                            tly::kIdcCheckPadToVia, tly::kIdcCheckSilkscreen})
            shownChecks.push_back(d.IsDlgButtonChecked(id));
        for (unsigned id : {tly::kIdcPadToVia, tly::kIdcPadToTrace, tly::kIdcTraceToTrace})
            shownFields.push_back(d.GetDlgItemText(id));
        d.CheckDlgButton(tly::kIdcCheckReferences, 1);
        d.CheckDlgButton(tly::kIdcCheckPadToVia, 0);
        d.SetDlgItemText(tly::kIdcTraceToTrace, "8.25");
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), plat::kIdOk);
    EXPECT_EQ(shownChecks, (std::vector<int>{0, 1, 0, 1, 1}));
    EXPECT_EQ(shownFields, (std::vector<std::string>{"15.0", "20.0", "12.5"}));
    EXPECT_EQ((std::array<int32_t, 5>{dlg.m_checkReferences, dlg.m_padToTrace, dlg.m_traceToTrace,
                                      dlg.m_padToVia, dlg.m_checkSilkscreen}),
              (std::array<int32_t, 5>{1, 1, 0, 0, 1}));
    EXPECT_EQ(g_designRules.padToVia, 150);
    EXPECT_EQ(g_designRules.traceToTrace, 82);
    g_designRules = DesignRuleClearances{};
}

}  // namespace
}  // namespace netlist_test
