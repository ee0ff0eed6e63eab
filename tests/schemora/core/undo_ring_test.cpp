// The undo ring on a store of its own: owned copies, one drawing per step, all-or-nothing.
#include "common/string_helpers.h"
#include "platform/core/test_ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_store.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct UndoRingTest : ::testing::Test {
    plat::TestUiHost host;
    DrawObjectStore store;
    DrawObjectStore other;

    void SetUp() override
    {
        store.allocate();
        other.allocate();
        use(store, 0);
        g_settings = SchematicSettings{};
        g_settings.AutoDots = 0;
        ClearUndoRing();
    }
    void TearDown() override
    {
        ClearUndoRing();
        g_current = CurrentDrawing{};
    }
    void use(DrawObjectStore& s, int count)
    {
        g_current.objects = s.slots();
        g_current.count = count;
        g_current.activeDocument = nullptr;
    }
    int add(const DrawObject& o)
    {
        const int index = AppendObjects(1);
        g_current.objects[static_cast<size_t>(index)] = o;
        RecordAppendedStep(1);
        return index;
    }
    void select(std::initializer_list<int> indexes)
    {
        int n = 0;
        for (int i : indexes)
            g_editState.SelectionList[static_cast<size_t>(++n)] = i;
        g_editState.selectionCount = n;
    }
};

TEST_F(UndoRingTest, ASnapshotOwnsItsTextAndRestoresIt)
{
    const int t = add(MakeDrawObject(ObjectWords(kObjText, 10, 20), "before"));
    select({t});
    PushUndoSnapshot();
    // The text is edited: its old string is freed and replaced.
    DrawObject& o = g_current.objects[static_cast<size_t>(t)];
    ReleaseObjectData(o);
    o.text = StrDupChecked("after");
    o.w[0] = 99;
    ASSERT_TRUE(UndoLastStep());
    EXPECT_STREQ(o.text, "before");
    EXPECT_EQ(o.w[0], 10);
    EXPECT_EQ(g_editState.selectionCount, 0);
}

TEST_F(UndoRingTest, APolygonGetsBackItsOwnPoints)
{
    const int32_t points[] = {0, 0, 100, 0, 50, 80};
    const int p = add(MakeDrawObject(ObjectWords(kObjPolygon, 0, 0, 3), nullptr, points, 3));
    select({p});
    PushUndoSnapshot();
    DrawObject& o = g_current.objects[static_cast<size_t>(p)];
    o.setPoint(1, 500, 500);
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(o.pointX(1), 100);
    EXPECT_EQ(o.pointY(1), 0);
}

TEST_F(UndoRingTest, AStepOfAnotherDrawingEmptiesTheRingInsteadOfBeingApplied)
{
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 10, 0), nullptr));
    select({1});
    PushUndoSnapshot();
    g_current.objects[1].w[0] = 5;
    use(other, 1);
    other[1] = MakeDrawObject(ObjectWords(kObjLine, 7, 7, 8, 8), nullptr);
    EXPECT_FALSE(UndoLastStep());
    EXPECT_EQ(other[1].w[0], 7);
    EXPECT_EQ(UndoDepth(), 0);
    use(store, 1);
    EXPECT_EQ(store[1].w[0], 5) << "nothing was restored into the first drawing either";
}

TEST_F(UndoRingTest, ABadIndexRestoresNothing)
{
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 10, 0), nullptr));
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 50, 10, 50), nullptr));
    select({1, 2});
    PushUndoSnapshot();
    g_current.objects[1].w[0] = 1;
    g_current.objects[2].w[0] = 2;
    TruncateObjects(1);
    EXPECT_TRUE(UndoLastStep());
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Undo error"});
    EXPECT_EQ(g_current.objects[1].w[0], 1) << "not half restored";
}

TEST_F(UndoRingTest, ElevenStepsKeepTheLastTen)
{
    for (int i = 0; i < 11; ++i)
        add(MakeDrawObject(ObjectWords(kObjDot, i, i), nullptr));
    EXPECT_EQ(UndoDepth(), 10);
    int undone = 0;
    while (UndoLastStep())
        ++undone;
    EXPECT_EQ(undone, 10);
    EXPECT_EQ(g_current.count, 1);
}

TEST_F(UndoRingTest, UndoOfOnePlacementTakesTheAutomaticDotsAfterItAlong)
{
    g_settings.AutoDots = 1;
    add(MakeDrawObject(ObjectWords(kObjLine, 0, 0, 10, 0), nullptr));
    const int wire = add(MakeDrawObject(ObjectWords(kObjLine, 0, 50, 10, 50), nullptr));
    WithdrawLastUndoStep();
    RecordAppendedStep(1);
    const int dot = AppendObjects(1);
    g_current.objects[static_cast<size_t>(dot)] = MakeDrawObject(ObjectWords(kObjDot, 0, 50), nullptr);
    (void)wire;
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(g_current.count, 1);
}

TEST_F(UndoRingTest, AppendRefusesWhenTheStoreIsFull)
{
    g_current.count = kMaxObjectCount - 1;
    EXPECT_EQ(AppendObjects(2), 0);
    EXPECT_EQ(g_current.count, kMaxObjectCount - 1);
    EXPECT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(AppendObjects(1), kMaxObjectCount);
    EXPECT_EQ(AppendObjects(1), 0);
    EXPECT_EQ(g_current.count, kMaxObjectCount);
}

}  // namespace
