// The undo ring and the one append routine of the store.
#include "paint_fixture.h"

#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/object_removal.h"

#include <cstring>

namespace {

using namespace paint_test;

class UndoRing : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        ClearUndoRing();
        g_selection.list.assign(kBoardStoreSize, 0);
        g_selection.count = 0;
        g_active.document = &owner_;
    }
    void TearDown() override
    {
        ClearUndoRing();
        PaintTest::TearDown();
    }
    const CTracelynDoc* owner() const { return &owner_; }
    CTracelynDoc owner_;
    CTracelynDoc other_;
    void select(std::initializer_list<int> indexes)
    {
        g_selection.count = 0;
        for (int i : indexes)
            g_selection.list[static_cast<size_t>(++g_selection.count)] = i;
    }
    int appendLine(int32_t x)
    {
        const int base = g_board.count;
        const int i = AppendObject();
        g_board.objects[i] = object(kKindLine, 0, {x, 0, x + 100, 0, 0, 0, 0, 10});
        PushAppendedStep(base, 1);
        return i;
    }
};

TEST_F(UndoRing, KeepsTheLastFiveStepsAndTakesThemBackNewestFirst)
{
    for (int i = 0; i < 6; ++i)
        appendLine(i * 1000);
    EXPECT_EQ(g_board.count, 7);
    EXPECT_EQ(UndoDepth(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Undone);
    EXPECT_EQ(g_board.count, 2) << "the first line's step fell off the ring";
    EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Nothing);
    EXPECT_EQ(g_board.count, 2);
}

TEST_F(UndoRing, AnAppendedStepRemovesExactlyItsObjects)
{
    appendLine(0);
    // Rats-nest lines appended later without a step of their own stay.
    const int later = AppendObject();
    g_board.objects[later] = object(kKindNoRoute, 0, {0, 0, 10, 10, 0, 0, 0, 1});
    const int text = AppendObject();
    g_board.objects[text] = object(kKindText, 0, {0, 0, 0x601, 0, 0, 0, 0, 0});
    g_board.objects[text].data = StrDupChecked("gone");
    PushAppendedStep(later, 1);
    EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Undone);
    EXPECT_EQ(g_board.count, 3) << "the text went, the rats-nest line stays";
    EXPECT_EQ(g_board.objects[text].data, nullptr);
    EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Undone);
    EXPECT_EQ(g_board.objects[2].kind(), kKindDeleted);
    EXPECT_EQ(g_board.count, 3) << "the count falls only over trailing deleted records";
    EXPECT_EQ(doc.objectCount, 3);
}

TEST_F(UndoRing, AnUndoNeverTakesTheCountBelowOne)
{
    PushAppendedStep(0, 40);
    EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Undone);
    EXPECT_EQ(g_board.count, 1);
}

TEST_F(UndoRing, SnapshotsOwnCopiesOfTextsVerticesAndTheOutline)
{
    const int text = addText("before", 0, 100, 200);
    BoardObject polygon = object(kKindPolygon, 0, {0, 0, 3, 0, 0, 0, 0, 0});
    int32_t* v = NewPointBlock(6);
    for (int i = 0; i < 6; ++i)
        v[i] = i * 10;
    polygon.data = v;
    const int poly = add(polygon);
    select({text, poly, 1});
    PushUndoSnapshot();
    EXPECT_TRUE(doc.modified);

    // The edits replace what the objects own; the snapshot must not share it.
    char* owned = g_board.objects[text].text();
    FreeStr(owned);
    g_board.objects[text].data = StrDupChecked("after");
    g_board.objects[text].w[0] = 999;
    g_board.objects[poly].points()[0] = 555;
    g_board.objects[1].points()[0] = 12345;
    EXPECT_EQ(UndoLastStep(owner()), UndoOutcome::Undone);
    EXPECT_STREQ(g_board.objects[text].text(), "before");
    EXPECT_EQ(g_board.objects[text].w[0], 100);
    EXPECT_EQ(g_board.objects[poly].points()[0], 0);
    EXPECT_NE(g_board.objects[1].points()[0], 12345) << "an outline edit can be undone";
    EXPECT_EQ(g_selection.count, 0);
}

TEST_F(UndoRing, AStepOfAnotherBoardEmptiesTheRing)
{
    appendLine(0);
    EXPECT_EQ(UndoLastStep(&other_), UndoOutcome::Cleared);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(g_board.count, 2) << "nothing was restored";
}

TEST_F(UndoRing, AnIndexOutsideTheStoreStopsThePush)
{
    addText("a", 0, 0, 0);
    select({2, 40000, 2});
    PushUndoSnapshot();
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), "Push Stack Error");
    ASSERT_NE(NewestUndoEntry(), nullptr);
    EXPECT_EQ(NewestUndoEntry()->count, 1) << "the entry counts what it holds";
}

TEST_F(UndoRing, MovingRecordsEmptiesTheRing)
{
    appendLine(0);
    appendLine(1000);
    select({2});
    PushUndoSnapshot();
    RemoveObject(2);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(g_board.objects[2].w[0], 1000) << "the last record moved into the gap";
}

TEST_F(UndoRing, DroppingTheNewestEntryLeavesTheOlderOnes)
{
    appendLine(0);
    select({2});
    PushUndoSnapshot();
    DropNewestUndoEntry();
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(NewestUndoEntry()->kind, kUndoAppended);
}

TEST(ObjectAppend, AFullStoreRefusesAndAReusedSlotStartsZeroed)
{
    plat::TestUiHost host;
    g_countWarning.shown = false;
    g_board = CurrentBoard{};
    g_active = ActiveDocument{};
    BoardDocumentData doc;
    ASSERT_TRUE(InitNewBoard(doc));
    BoardObject& stale = g_board.objects[2];
    stale.w = {7, 7, 7, 7, kKindText, 7, 7, 7, 7, 7, 7, 7, 0, 7};
    stale.data = StrDupChecked("left over");
    const int index = AppendObject();
    ASSERT_EQ(index, 2);
    EXPECT_EQ(g_board.objects[2].w, (std::array<int32_t, 14>{}));
    EXPECT_EQ(g_board.objects[2].data, nullptr);
    EXPECT_EQ(doc.objectCount, 2);

    g_board.count = doc.objectCount = kMaxBoardObjects - 1;
    EXPECT_FALSE(StoreHasRoomFor(1));
    EXPECT_EQ(AppendObject(), 0);
    EXPECT_EQ(g_board.count, kMaxBoardObjects - 1);
    EXPECT_EQ(doc.objectCount, kMaxBoardObjects - 1);
    EXPECT_EQ(host.messageBoxes().size(), 1u);
    g_board.count = doc.objectCount = 2;
    CloseBoardDocument(doc, nullptr);
    g_board = CurrentBoard{};
}

}  // namespace
