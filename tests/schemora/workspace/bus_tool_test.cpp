// The signal bus tool (B) on a drawing with placed parts: rippers and signal names in walk
// order for both directions, no rippers on a horizontal bus, Cancel and a full store.
#include "schemora_commands_fixture.h"

#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_store.h"
#include "schemora/workspace/bus_tool.h"

#include <string>
#include <vector>

namespace schemora_test {
namespace {

using namespace scm;
using paint_test::words;

class BusTool : public DrawingCommands {
protected:
    void SetUp() override
    {
        DrawingCommands::SetUp();
        g_busTool = BusToolState{};
        // A part whose two pins both point right from its origin, 50 apart.
        const int twoPins = paint_test::addSymbol("TEST\\TWO", {paint_test::pin(-1000, -500, -900, -500),
                                                                paint_test::pin(-1000, -450, -900, -450)});
        const int resistor = paint_test::addResistor();
        add(words(kObjPart + twoPins, 1100, 800), "U1:TEST\\TWO");     // both pins start in the band
        add(words(kObjPart + resistor, 600, 1000), "R1:DEVICE\\R");    // its right pin ends in the band
        Words otherSheet = words(kObjPart + twoPins, 1100, 1200);
        otherSheet[23] = 2;
        add(otherSheet, "U2:TEST\\TWO");
        Words unplaced = words(kObjPart + twoPins, 1100, 1300);
        unplaced[5] = -1;
        add(unplaced, "U3:TEST\\TWO");
        Words badSection = words(kObjPart + twoPins, 1100, 1400);
        badSection[5] = 3;   // the symbol has one section
        add(badSection, "U4:TEST\\TWO");
    }
    void TearDown() override
    {
        g_busTool = BusToolState{};
        DrawingCommands::TearDown();
    }

    // B, a first click answered with the root name and index, the second click.
    void drawBus(int x1, int y1, int x2, int y2, const char* root, const char* index)
    {
        ASSERT_TRUE(character('b'));
        host.answerDialog([=](plat::Dialog& d) {
            EXPECT_EQ(d.title(), "Signal Bus Setup");
            d.SetDlgItemText(kIdcBusRootName, root);
            d.SetDlgItemText(kIdcBusIndex, index);
            return d.PressButton(plat::kIdOk);
        });
        click(x1, y1);
        EXPECT_EQ(pane(0), "Click at 2nd endpoint");
        click(x2, y2);
    }

    struct Name {
        std::string text;
        int x, y;
        bool operator==(const Name&) const = default;
    };
    std::vector<Name> namesFrom(int first) const
    {
        std::vector<Name> names;
        for (int i = first; i <= count(); ++i)
            if (object(i).type() == kObjText)
                names.push_back({object(i).text, object(i).x(), object(i).y()});
        return names;
    }
    static constexpr int kParts = 5;
};

TEST_F(BusTool, AVerticalBusNamesThePinsInItsBandInWalkOrder)
{
    drawBus(1000, 0, 1000, 2000, "D", "0");
    ASSERT_EQ(count(), kParts + 1 + 3 * 2);
    const DrawObject& bus = object(kParts + 1);
    EXPECT_EQ(bus.type(), kObjBus);
    EXPECT_EQ(bus.y(), -54) << "a bus drawn downwards moves up to meet its rippers";
    EXPECT_EQ(bus.w[3], 2000 - 54);
    EXPECT_EQ(namesFrom(kParts + 2), (std::vector<Name>{{"D0", 1100, 800}, {"D1", 1100, 850}, {"D2", 850 + 162, 1000}}));
    const DrawObject& arc = object(kParts + 2);
    EXPECT_EQ(arc.type(), kObjArc);
    EXPECT_EQ(arc.x(), 1000);
    EXPECT_EQ(arc.y(), 800 - 54);
    EXPECT_EQ(arc.w[2], 1100);
    EXPECT_EQ(arc.w[3], 800);
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolBus) << "the tool stays for the next bus";

    // One undo step takes the bus and its rippers back.
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(count(), kParts);
}

TEST_F(BusTool, ABusDrawnUpwardsWalksEachPartBackwards)
{
    drawBus(1000, 2000, 1000, 0, "A", "7");
    EXPECT_EQ(object(kParts + 1).y(), 2000 + 54);
    EXPECT_EQ(namesFrom(kParts + 2), (std::vector<Name>{{"A7", 1100, 850}, {"A8", 1100, 800}, {"A9", 850 + 162, 1000}}));

    // The next bus starts from the name and index entered last.
    std::string shownRoot;
    ASSERT_TRUE(character('b'));
    host.answerDialog([&](plat::Dialog& d) {
        shownRoot = d.GetDlgItemText(kIdcBusRootName);
        return d.PressButton(plat::kIdOk);
    });
    const int before = count();
    click(3000, 0);
    click(3000, 500);
    EXPECT_EQ(shownRoot, "A");
    EXPECT_EQ(count(), before + 1) << "nothing of the parts reaches this far";
}

TEST_F(BusTool, AHorizontalBusOrAnEmptyRootNameGetsNoRippers)
{
    drawBus(500, 850, 1500, 860, "D", "0");
    ASSERT_EQ(count(), kParts + 1);
    EXPECT_EQ(object(kParts + 1).w[3], 850) << "wider than high: horizontal at the start's y";
    EXPECT_EQ(object(kParts + 1).w[2], 1500);

    drawBus(1000, 0, 1000, 2000, "", "5");
    EXPECT_EQ(count(), kParts + 2);
    EXPECT_EQ(object(kParts + 2).y(), 0) << "a plain bus stays where it was drawn";

    // As far across as along: vertical.
    drawBus(2000, 0, 2100, 100, "", "");
    EXPECT_EQ(object(kParts + 3).w[2], 2000);
    EXPECT_EQ(object(kParts + 3).w[3], 100);
}

TEST_F(BusTool, CancelGivesTheRecordBack)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(character('b'));
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
        click(1000, 0);
        EXPECT_EQ(count(), kParts);
        EXPECT_EQ(g_editState.CurrentTool, kCmdEditSelect) << "the bus tool ends; the release returns to edit mode";
    }
}

TEST_F(BusTool, AFullStoreTakesTheBusAndRefusesTheRippersOnce)
{
    doc()->data().objectCount = kMaxObjectCount - 1;
    view()->LoadCurrentDocument();
    drawBus(1000, 0, 1000, 2000, "D", "0");
    EXPECT_EQ(count(), kMaxObjectCount);
    EXPECT_EQ(object(kMaxObjectCount).type(), kObjBus);
    EXPECT_EQ(host.messageBoxes().size(), 1u) << "the full store is reported once, not per pin";
}

}  // namespace
}  // namespace schemora_test
