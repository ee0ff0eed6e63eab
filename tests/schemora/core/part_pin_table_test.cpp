#include "schemora/core/part_pin_lists.h"
#include "schemora/core/part_pin_sync.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"

#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* text;
    const char* number;
    const char* name;
};

DrawObject line(int x1, int y1, int x2, int y2, int variant = 0)
{
    DrawObject o;
    o.w = ObjectWords(kObjLine, x1, y1, x2, y2);
    o.w[4] |= variant << 10;
    return o;
}

DrawObject terminal(int x1, int y1, int x2, int y2, std::string_view pin, std::string_view label = "CLK")
{
    DrawObject o = line(x1, y1, x2, y2);
    SetTerminalPinText(o, pin);
    SetTerminalLabel(o, label);
    return o;
}

DrawObject rectangle(int x, int y, int w, int h)
{
    DrawObject o;
    o.w = ObjectWords(kObjRectangle, x, y, w, h);
    return o;
}

int fixedWidth(std::string_view text) { return 10 * static_cast<int>(text.size()); }

std::vector<std::string> numbers(const PartPinTable& table)
{
    std::vector<std::string> out;
    for (const EditorPin& p : table.pins())
        out.push_back(p.number);
    return out;
}

}  // namespace

TEST(PartPinTable, SplitsPinTextsIntoNumberAndName)
{
    const SplitCase cases[] = {
        {"12,CLK", "12", "CLK"}, {"12;CLK", "12", "CLK"}, {"12,A;B", "12", "B"},
        {"5", "5", ""},          {"1234567890AB", "1234567890", ""}, {"123456789,X", "123456789", ""},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitPinText(c.text, 0), c.number);
        EXPECT_EQ(SplitPinText(c.text, 1), c.name);
        EXPECT_EQ(SplitPinText(c.text, 2), "");
    }
}

TEST(PartPinTable, NumbersSortNumericallyAndNextNumberFollowsTheHighest)
{
    plat::TestUiHost host;
    PartPinTable table;
    EXPECT_EQ(table.GetNextPinNumber(), 1);
    for (const char* pin : {"10", "A", "9", "B", "2"})
        EXPECT_EQ(table.AddPartPin(pin, 0, "", 1, 0, 0), PinAddResult::Added);
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"A", "B", "2", "9", "10"}));
    EXPECT_EQ(table.GetNextPinNumber(), 11);

    PartPinTable mixed;
    mixed.AddPartPin("3", 0, "", 1, 0, 0);
    mixed.AddPartPin("X", 0, "", 2, 0, 0);
    EXPECT_EQ(mixed.GetNextPinNumber(), 4);
}

TEST(PartPinTable, DuplicatesFullTableAndRemoval)
{
    plat::TestUiHost host;
    PartPinTable table;
    EXPECT_EQ(table.AddPartPin("4", 0, "A very long label that is cut", 7, 0, 2), PinAddResult::Added);
    EXPECT_EQ(table.pins()[0].label.size(), 20u);
    EXPECT_EQ(table.pins()[0].partLetter, 2);
    EXPECT_EQ(table.AddPartPin("4", 0, "", 8, 0, 0), PinAddResult::Duplicate);
    EXPECT_EQ(host.count("message box: Error: pin already defined for part!"), 1);
    EXPECT_EQ(table.AddPartPin("4", 0, "", 9, 1, 0), PinAddResult::Linked);
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.pins()[0].terminal[0], 7);
    EXPECT_EQ(table.pins()[0].terminal[1], 9);

    // Erasing the terminal of symbol 1 hands back the linked terminal of symbol 2.
    EXPECT_EQ(table.RemovePartPinOfTerminal(7, 0), std::vector<int>{9});
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.RemovePartPin("4"));
    EXPECT_TRUE(host.shown("message box: No replacement!"));

    for (int i = 1; i <= kMaxEditorPins; ++i)
        ASSERT_EQ(table.AddPartPin(std::to_string(i), 0, "", i, 0, 0), PinAddResult::Added);
    EXPECT_EQ(table.AddPartPin("1000", 0, "", 1000, 0, 0), PinAddResult::TableFull);
    EXPECT_TRUE(host.shown("message box: Too many pins"));
    EXPECT_EQ(table.count(), kMaxEditorPins);
    EXPECT_TRUE(table.RemovePartPin("500"));
    EXPECT_EQ(table.count(), kMaxEditorPins - 1);
}

TEST(PartPinTable, DeletingAHiddenPowerPinLeavesTheDrawnPinOfTheSameNumber)
{
    plat::TestUiHost host;
    PartPinTable table;
    ASSERT_EQ(table.AddPartPin("1", 12, "", 0, 0, 0), PinAddResult::Added);
    // A stored part can have both: the rebuild from its terminals keeps the hidden pin.
    std::vector<DrawObject> slots{DrawObject{}, terminal(-100, 0, 0, 0, "1")};
    table.RebuildPinTable(slots, 1);
    ASSERT_EQ(table.count(), 2);
    EXPECT_FALSE(table.RemoveHiddenPowerPin("2"));
    EXPECT_TRUE(host.shown("message box: No replacement!"));
    EXPECT_TRUE(table.RemoveHiddenPowerPin("1"));
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.pins()[0].type, 0);
    EXPECT_EQ(table.pins()[0].terminal[0], 1);
    for (DrawObject& o : slots)
        ReleaseObjectData(o);
}

TEST(PartTerminals, TextsAreBoundedToTheirWords)
{
    DrawObject t = line(0, 0, 100, 0);
    EXPECT_FALSE(IsTerminal(t));
    SetTerminalPinText(t, "123456789012345");
    SetTerminalLabel(t, std::string(40, 'L'));
    EXPECT_TRUE(IsTerminal(t));
    EXPECT_EQ(TerminalPinText(t), "1234567890");
    EXPECT_EQ(TerminalLabel(t), std::string(20, 'L')) << "a full label has no terminator";
    EXPECT_EQ(t.w[23], 1) << "the label does not spill into the sheet word";
    SetTerminalLabel(t, "Q");
    EXPECT_EQ(TerminalLabel(t), "Q");

    std::vector<DrawObject> objects{line(0, 0, 1, 1), terminal(0, 0, 50, 0, "1"), terminal(0, 0, 50, 0, "2")};
    objects[1].w[4] |= 1 << 10;
    EXPECT_EQ(PinObjectOfSymbol(objects, 0, 0), 2);
    EXPECT_EQ(PinObjectOfSymbol(objects, 1, 0), 1);
    EXPECT_EQ(PinObjectOfSymbol(objects, 0, 1), -1);
}

TEST(PartTerminals, LayoutAgainstTheBody)
{
    struct Case {
        const char* what;
        DrawObject t;
        int x1, y1, x2, y2, pinX, pinY, labelX, labelY, side;
    };
    // Body 0..200 x 0..100: centre (100, 50). Pin "12" is 20 wide, label "CLK" 30.
    const Case cases[] = {
        {"left", terminal(-100, 50, 0, 50, "12"), -100, 50, 0, 50, -40, 50, 10, 75, 0},
        {"right, drawn reversed", terminal(300, 50, 200, 50, "12"), 200, 50, 300, 50, 220, 50, 160, 75, 1},
        {"above", terminal(100, -100, 100, 0, "12"), 100, -100, 100, 0, 100, -20, 125, 40, 0},
        {"below, drawn upward", terminal(50, 200, 50, 100, "12"), 50, 100, 50, 200, 50, 140, 75, 90, 1},
        {"midpoint on the centre", terminal(50, 50, 150, 50, "12"), 50, 50, 150, 50, 70, 50, 10, 75, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<DrawObject> objects{rectangle(0, 0, 200, 100), c.t};
        PartBodyMeasure body;
        LayoutTerminalLabels(objects, 1, TerminalLayoutMode::MeasureBody, body, 0, 0, fixedWidth);
        EXPECT_EQ(body.centreX, 100);
        EXPECT_EQ(body.centreY, 50);
        const DrawObject& t = objects[1];
        EXPECT_EQ((std::array{t.w[0], t.w[1], t.w[2], t.w[3]}), (std::array{c.x1, c.y1, c.x2, c.y2}));
        EXPECT_EQ((std::array{t.w[11], t.w[12], t.w[16], t.w[17], t.w[5]}),
                  (std::array{c.pinX, c.pinY, c.labelX, c.labelY, c.side}));
    }
}

TEST(PartTerminals, NoBodyOtherVariantsAndTurning)
{
    // A terminal with no body shape of its own variant keeps everything, shapes of another
    // variant included.
    DrawObject otherBody = rectangle(0, 0, 200, 100);
    otherBody.w[4] |= 1 << 10;
    std::vector<DrawObject> objects{otherBody, terminal(300, 50, 200, 50, "1")};
    objects[1].w[11] = 7;
    PartBodyMeasure body;
    LayoutTerminalLabels(objects, 1, TerminalLayoutMode::MeasureBody, body, 0, 0, fixedWidth);
    EXPECT_EQ(objects[1].w[0], 300);
    EXPECT_EQ(objects[1].w[11], 7);

    // Turning: above the body the terminal stands upright at the cursor, beside it lies flat.
    objects[0].w[4] &= ~(15 << 10);
    LayoutTerminalLabels(objects, 1, TerminalLayoutMode::MeasureBody, body, 0, 0, fixedWidth);
    LayoutTerminalLabels(objects, 1, TerminalLayoutMode::TurnTowardCursor, body, 100, -50, fixedWidth);
    EXPECT_EQ((std::array{objects[1].w[0], objects[1].w[1], objects[1].w[2], objects[1].w[3]}),
              (std::array{100, -50 - 100, 100, -50 + 200}));
    LayoutTerminalLabels(objects, 1, TerminalLayoutMode::MeasureBody, body, 0, 0, fixedWidth);
    LayoutTerminalLabels(objects, 1, TerminalLayoutMode::TurnTowardCursor, body, -50, 20, fixedWidth);
    EXPECT_EQ(objects[1].w[1], objects[1].w[3]);
    EXPECT_EQ(objects[1].w[1], 20);
}

namespace {

// Slot 0 unused, as in the editor's store.
std::vector<DrawObject> storeOf(std::vector<DrawObject> objects)
{
    objects.insert(objects.begin(), DrawObject{});
    return objects;
}

}  // namespace

TEST(PartPinSync, PastedTerminalsAreNumberedOnAndPartsDropped)
{
    plat::TestUiHost host;
    PartPinTable table;
    table.AddPartPin("3", 0, "", 1, 0, 0);
    DrawObject part;
    part.w = ObjectWords(kObjPart + 1, 0, 0);
    std::vector<DrawObject> slots =
        storeOf({terminal(0, 0, 50, 0, "3"), terminal(0, 100, 50, 100, "1"), part, terminal(0, 200, 50, 200, "1")});
    EXPECT_EQ(NumberPastedTerminals(slots, 2, 4, 0, table), 1);
    EXPECT_EQ(slots[3].type(), kObjDeleted);
    EXPECT_EQ(TerminalPinText(slots[2]), "4");
    EXPECT_EQ(TerminalPinText(slots[4]), "5");
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"3", "4", "5"}));
    EXPECT_FALSE(host.shown("message box: Error: pin already defined for part!"));

    // In symbol 2 a pasted terminal links to the pin of its number.
    std::vector<DrawObject> second = storeOf({terminal(0, 0, 50, 0, "4")});
    second[1].w[4] |= 1 << 10;
    NumberPastedTerminals(second, 1, 1, 0, table);
    EXPECT_EQ(table.pins()[1].terminal[1], 1);
    EXPECT_EQ(table.count(), 3);
}

TEST(PartPinSync, RebuildFollowsTheDrawnTerminalsAndKeepsHiddenPins)
{
    plat::TestUiHost host;
    PartPinTable table;
    table.AddPartPin("1", 3, "", 1, 0, 2);
    table.AddPartPin("2", 0, "", 2, 0, 0);
    table.AddPartPin("14,VCC", 11, "", 0, 0, 0);
    // After an undo: terminal 2 is gone, terminal 5 is back, symbol 2 holds pin 1.
    std::vector<DrawObject> slots = storeOf({terminal(0, 0, 50, 0, "1,CK"), line(0, 0, 10, 10), terminal(0, 0, 50, 0, "1"),
                                             rectangle(0, 0, 5, 5), terminal(0, 0, 50, 0, "5")});
    slots[3].w[4] |= 1 << 10;
    table.RebuildPinTable(slots, 5);
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"1", "5", "14"}));
    const EditorPin& one = table.pins()[0];
    EXPECT_EQ(one.name, "CK");
    EXPECT_EQ(one.type, 3);
    EXPECT_EQ(one.partLetter, 2);
    EXPECT_EQ(one.terminal[0], 1);
    EXPECT_EQ(one.terminal[1], 3);
    EXPECT_EQ(table.pins()[2].type, 11);
    table.RebuildPinTable(slots, 0);
    EXPECT_EQ(numbers(table), std::vector<std::string>{"14"});
}

namespace {

std::string pinList(int first, int items)
{
    std::string list = "%pins";
    for (int i = 0; i < items; ++i)
        list += " " + std::to_string(first + i);
    return list;
}

}  // namespace

TEST(PartPinLists, ListsStopAtTheirLimitAndAtTheFullTable)
{
    plat::TestUiHost host;
    const std::vector<DrawObject> slots = storeOf({terminal(0, 0, 50, 0, "1"), terminal(0, 50, 50, 50, "2")});
    {
        SCOPED_TRACE("one list of 499 items");
        PartPinTable table;
        table.RebuildPinTable(slots, 2);
        EXPECT_TRUE(ReadPartPinList(table, slots, pinList(100, 499), 0, 1));
        EXPECT_EQ(table.count(), 2 + kMaxPinListItems);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Too many pins"});
        EXPECT_EQ(table.pins().back().number, "597");
    }
    host.clearEvents();
    {
        SCOPED_TRACE("three lists over the table");
        PartPinTable table;
        table.RebuildPinTable(slots, 2);
        EXPECT_TRUE(ReadPartPinList(table, slots, pinList(100, 400), 0, 1));
        EXPECT_TRUE(ReadPartPinList(table, slots, pinList(500, 400), 0, 2));
        EXPECT_FALSE(ReadPartPinList(table, slots, pinList(900, 400), 0, 3));
        EXPECT_EQ(table.count(), kMaxEditorPins);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Too many pins"});
    }
}

TEST(PartPinLists, FurtherPartsFollowTheTerminalsAndOutliveARebuild)
{
    plat::TestUiHost host;
    std::vector<DrawObject> slots = storeOf({terminal(0, 0, 50, 0, "1"), terminal(0, 50, 50, 50, "2"),
                                             terminal(0, 0, 50, 0, "4"), terminal(0, 50, 50, 50, "1")});
    slots[3].w[4] |= 1 << 10;
    slots[4].w[4] |= 1 << 10;
    PartPinTable table;
    table.RebuildPinTable(slots, 4);
    table.SetPinLabelAndType(2, "B", 1);
    ASSERT_TRUE(ReadPartPinList(table, slots, "%pins 4 ?", 0, 1));
    ASSERT_TRUE(ReadPartPinList(table, slots, "%pins 5,Q 3", 0, 2));
    // Symbol 2 draws part B's pin 4 first; its list names numbers, an unknown one is passed over.
    ASSERT_TRUE(ReadPartPinList(table, slots, "%pins 4 77", 1, 1));
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    const auto record = [&](const char* n) { return *std::ranges::find(table.pins(), std::string(n), &EditorPin::number); };
    EXPECT_EQ(record("4").partLetter, 1);
    EXPECT_EQ(record("4").terminal[0], 1);
    EXPECT_EQ(record("4").terminal[1], 3);
    EXPECT_EQ(record("3").terminal[0], 2);
    EXPECT_EQ(record("3").type, 1) << "a further part's pin takes its terminal's type";
    EXPECT_EQ(record("5").name, "Q");
    EXPECT_EQ(table.PinTypeOfTerminal(2), 1);
    EXPECT_EQ(PartPinListTexts(table, slots, 4), (std::vector<std::string>{"%pins 4 ?", "%pins 5,Q 3", "%pins ? ?"}));

    table.RebuildPinTable(slots, 4);
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    slots[2] = line(0, 50, 50, 50);   // terminal 2 erased: its further parts' pins go with it
    table.RebuildPinTable(slots, 4);
    EXPECT_EQ(numbers(table), (std::vector<std::string>{"1", "4", "5"}));
    EXPECT_TRUE(host.messageBoxes().empty());
}
