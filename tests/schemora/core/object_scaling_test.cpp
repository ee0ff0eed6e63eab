#include "paint_test_support.h"

#include "platform/core/test_ui_host.h"
#include "schemora/core/object_scaling.h"

#include <gtest/gtest.h>

using namespace paint_test;

namespace {

struct ObjectScaling : ::testing::Test {
    PaintState state;
    plat::TestUiHost host;
    EditFilter savedFilter = g_editFilter;
    ~ObjectScaling() override { g_editFilter = savedFilter; }
};

}  // namespace

TEST_F(ObjectScaling, FullSizeLeavesObjectsAndRecentresTheDrawing)
{
    state.add(words(kObjLine, 100, 100, 300, 100));
    state.add(words(kObjDot, 500, 300));
    const std::vector<int> selection{1, 2};
    ScaleObjects(selection, 1.0f, 1.0f, 0, 0);
    // Extent (100, 100)-(500, 300), centre (300, 200).
    EXPECT_EQ(g_current.objects[1].w[0], -200);
    EXPECT_EQ(g_current.objects[1].w[2], 0);
    EXPECT_EQ(g_current.objects[1].w[1], -100);
    EXPECT_EQ(g_current.objects[2].w[0], 200);
    EXPECT_EQ(g_current.objects[2].w[1], 100);
}

TEST_F(ObjectScaling, SizesTakeTheXFactorAndPartsBeep)
{
    state.add(words(kObjRectangle, 0, 0, 100, 40));
    state.add(words(kObjPart + 1, 1000, 1000));
    state.add(words(kObjRectangle, 0, 0, 10, 10));     // not selected: only re-centred
    const std::vector<int> selection{1, 2, 0, 99};
    ScaleObjects(selection, 2.0f, 0.5f, 0, 0);
    EXPECT_EQ(g_current.objects[1].w[2], 200);
    EXPECT_EQ(g_current.objects[1].w[3], 80) << "both sides doubled by the x factor";
    EXPECT_EQ(host.count("beep"), 1);
    EXPECT_EQ(g_current.objects[3].w[2], 10);
}

TEST_F(ObjectScaling, SelectAllFollowsSheetsAndSwitches)
{
    g_editFilter.on.fill(1);
    state.add(words(kObjLine, 0, 0, 1, 1));
    state.add(words(kObjDot, 0, 0));
    state.add(words(kObjPart + 1, 0, 0));
    state.add(words(kObjText, 0, 0, 0, 0, 6, 2), "x");
    state.add(words(kObjDeleted, 0, 0));
    EXPECT_EQ(SelectAllOnSheet(1), 2);
    EXPECT_EQ(g_editState.SelectionList[1], 1);
    EXPECT_EQ(g_editState.SelectionList[2], 3);
    g_editFilter.on[8] = 0;   // library parts
    EXPECT_EQ(SelectAllOnSheet(kAllSheets), 2);
    EXPECT_EQ(g_editState.SelectionList[2], 4);
}
