// The marks and the closing message of a check: the marks of the last check give way to one
// mark per finding as a single undo step that brings the board back word for word; nothing to
// do leaves the board untouched; a full store keeps what fits and says how many did not; an
// empty board and one without an outline are checked without harm.
#include "tests/tracelyn/route/drc_fixture.h"

#include "platform/app/keys.h"
#include "tracelyn/core/drc_marks.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/route/drc_report.h"

namespace drc_test {
namespace {

using ReportTest = DrcTest;

std::vector<std::array<int32_t, 4>> marks()
{
    std::vector<std::array<int32_t, 4>> found;
    for (int i = 1; i <= g_board.count; ++i)
        if (g_board.objects[i].kind() == kKindFixedRectangle)
            found.push_back({g_board.objects[i].w[0], g_board.objects[i].w[1], g_board.objects[i].w[2],
                             g_board.objects[i].w[3]});
    return found;
}

TEST_F(ReportTest, MessageCountsEachRuleThatFoundSomething)
{
    std::array<int, kDrcRuleCount> counts{};
    EXPECT_EQ(DrcReportText(counts, 0, false), "No design rule errors found");
    EXPECT_EQ(DrcReportText(counts, 0, true),
              "No design rule errors found\nThe board has no outline: objects outside of it were not checked");
    counts[static_cast<size_t>(DrcRule::kShort)] = 1;
    counts[static_cast<size_t>(DrcRule::kTraceToTrace)] = 12;
    EXPECT_EQ(DrcReportText(counts, 3, false),
              "Design rule errors found:\nShorts between nets: 1\nTrace to trace clearance: 12\n"
              "3 marks could not be placed: the board is full");
}

TEST_F(ReportTest, MarksOfTheLastCheckGiveWayAsOneUndoStep)
{
    EXPECT_EQ(PlaceDrcMarks({}), 0);
    EXPECT_EQ(g_undo.depth, 0) << "nothing to delete or lay: no step";
    EXPECT_FALSE(doc.modified);

    trace(0, 0, 0, 1000, 0);
    add(makeObject(kKindFixedRectangle, kLayerAll, {10, 10, 50, 50, 0, 0, 0, 0}));   // an old mark between
    trace(0, 0, 500, 1000, 500);
    add(makeObject(kKindFixedRectangle, kLayerAll, {60, 60, 90, 90, 0, 0, 0, 0}));   // and one at the end
    const std::vector<std::array<int32_t, 14>> before = words();
    const int count = g_board.count;

    const std::vector<DrcFinding> findings = {{DrcRule::kTraceToTrace, 500, 250, 100, 100},
                                              {DrcRule::kShort, -200, 0, 100, 100}};
    EXPECT_EQ(PlaceDrcMarks(findings), 0);
    using Mark = std::array<int32_t, 4>;
    EXPECT_EQ(marks(), (std::vector<Mark>{{380, 130, 620, 370}, {-320, -120, -80, 120}}));
    EXPECT_EQ(g_board.objects[g_board.count].layer(), kLayerAll);
    EXPECT_EQ(g_board.objects[3].kind(), kKindDeleted) << "no other record moved";
    EXPECT_EQ(g_board.count, count + 1);
    EXPECT_EQ(g_undo.depth, 1);
    EXPECT_TRUE(doc.modified);

    // A second run lays its marks in place of the first's.
    EXPECT_EQ(PlaceDrcMarks(findings), 0);
    EXPECT_EQ(marks().size(), 2u);
    ASSERT_TRUE(undo());
    ASSERT_TRUE(undo());
    EXPECT_EQ(words(), before);
}

TEST_F(ReportTest, FullStoreKeepsTheMarksThatFitAndChangesNothingElse)
{
    while (StoreHasRoomFor(3))
        trace(0, 0, 0, 100, 0);
    const std::vector<std::array<int32_t, 14>> before = words();
    std::vector<DrcFinding> findings(5, DrcFinding{DrcRule::kPadToVia, 0, 0, 50, 50});
    for (int k = 0; k < 5; ++k)
        findings[static_cast<size_t>(k)].x = 100 * k;
    EXPECT_EQ(PlaceDrcMarks(findings), 3);
    EXPECT_EQ(marks().size(), 2u);
    EXPECT_EQ(g_board.count, StoreObjectLimit() - 1);
    EXPECT_TRUE(host.messageBoxes().empty()) << "the store's own warning stays unshown";
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(g_board.objects[i + 1].w, before[i]);
    ASSERT_TRUE(undo());
    EXPECT_EQ(words(), before);
}

TEST_F(ReportTest, EmptyBoardAndBoardWithoutOutline)
{
    FreeObjectData(g_board.objects[1]);
    g_board.objects[1].setKind(kKindDeleted);
    g_board.count = doc.objectCount = 0;
    const DrcResult empty = CheckDesignRules(everyRule());
    EXPECT_TRUE(empty.findings.empty());
    EXPECT_TRUE(empty.noOutline);
    RunDesignRuleCheck(everyRule());
    EXPECT_EQ(host.messageBoxes(),
              std::vector<std::string>{"No design rule errors found\n"
                                       "The board has no outline: objects outside of it were not checked"});
    EXPECT_EQ(g_board.count, 0);
    EXPECT_FALSE(doc.modified);

    host.clearEvents();
    RunDesignRuleCheck(DrcSettings{});
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"No design rules are switched on"});
}

TEST_F(ReportTest, EscapeStopsALongCheckAndLeavesTheBoardAlone)
{
    for (int i = 0; i < kDrcProgressObjects; ++i)
        trace(0, 0, 200 * i, 3000, 200 * i, 150);   // 50 apart: thousands of faults
    const std::vector<std::array<int32_t, 14>> before = words();
    plat::noteKeyDown(plat::kVkEscape);
    RunDesignRuleCheck(everyRule());
    plat::noteKeyUp(plat::kVkEscape);
    EXPECT_EQ(g_progress.shown, 0);
    EXPECT_EQ(g_progress.stoppedByUser, 1);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(words(), before);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(g_undo.depth, 0);

    RunDesignRuleCheck(clearances(100));
    EXPECT_EQ(marks().size(), static_cast<size_t>(kDrcProgressObjects - 1)) << "each trace with the next";
}

}  // namespace
}  // namespace drc_test
