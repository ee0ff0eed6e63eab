// Placing parts from the starter library with the chooser, wiring them, automatic junction dots,
// rubber-band moves and the example drawing made by hand.
#include "starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/system/files.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"
#include "resources/schemora/schemora_ids.h"

#include <filesystem>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class PartPlacement : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        g_settings.AutoDots = 1;
    }

    // F5, then the chooser: the library and the part chosen as a person would.
    void choosePart(const char* library, const char* part)
    {
        answerPartChooser(library, part);
        ASSERT_TRUE(key(plat::kVkF5));
        ASSERT_EQ(g_editState.CurrentTool, kToolPart);
    }
    void place(int x, int y) { click(x, y); }
    int countOf(int type) const
    {
        int n = 0;
        for (int i = 1; i <= count(); ++i)
            n += object(i).type() == type;
        return n;
    }
    int findPart(char letter, int number) const
    {
        for (int i = 1; i <= count(); ++i)
            if (object(i).isPart() && object(i).text && object(i).text[0] == letter && object(i).w[6] == number)
                return i;
        return 0;
    }
    std::string netlistOf(const std::string& name)
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(doc()->OnSaveDocument(path));
        doc()->SetPathName(path, false);
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        host.answerMessageBox(plat::kIdNo);
        EXPECT_TRUE(command(kCmdNetlist));
        return readText(fs::path(path).replace_extension(".net"));
    }
};

TEST_F(PartPlacement, F5ChoosesAPartThatFollowsTheCursorAndIsPlacedWithAClick)
{
    choosePart("DEVICE", "R");
    press(-600, -300);
    move(-500, -300, plat::kMkLButton);
    release(-400, -200);
    ASSERT_EQ(count(), 1);
    const DrawObject& r = object(1);
    EXPECT_TRUE(r.isPart());
    EXPECT_EQ(r.x(), -400);
    EXPECT_EQ(r.y(), -200);
    EXPECT_STREQ(r.text, "R:DEVICE\\R");
    EXPECT_EQ(r.w[6], 1) << "automatic references";
    EXPECT_EQ(UndoDepth(), 1);

    place(0, 0);
    ASSERT_EQ(count(), 2);
    EXPECT_NE(object(2).text, object(1).text) << "each placement owns its text";
    EXPECT_EQ(object(2).w[6], 2);
    EXPECT_EQ(g_editState.CurrentTool, kToolPart) << "the tool stays for the next part";
}

// Step replay lights a part whose designator is "LED": the starter LED must place as one,
// numbered in the counter it shares with the L parts.
TEST_F(PartPlacement, TheStarterLedPlacesAsAnLedDevice)
{
    choosePart("DEVICE", "LED");
    place(0, 0);
    place(400, 0);
    ASSERT_EQ(count(), 2);
    EXPECT_STREQ(object(1).text, "LED:DEVICE\\LED");
    EXPECT_EQ(object(1).w[6], 1);
    EXPECT_EQ(object(2).w[6], 2);
}

TEST_F(PartPlacement, CancellingTheChooserLeavesNoTool)
{
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    ASSERT_TRUE(command(kCmdToolPart));
    EXPECT_EQ(g_editState.CurrentTool, 0);
    click(0, 0);
    EXPECT_EQ(count(), 0);
}

TEST_F(PartPlacement, JunctionDotsComeAndGoWithTheWires)
{
    wire(-500, 0, 500, 0);
    wire(0, 0, 0, 400);
    EXPECT_EQ(countOf(kObjDot), 1) << "a T gets a dot";
    EXPECT_EQ(countOf(kObjLine), 2);
    key('Z', true);
    EXPECT_EQ(countOf(kObjDot), 0) << "undoing the stem takes the dot away";
    wire(500, 0, 500, 400);
    EXPECT_EQ(countOf(kObjDot), 0) << "an L gets none";
    wire(500, 0, 900, 0);
    EXPECT_EQ(countOf(kObjDot), 1) << "three wire ends meeting";
}

TEST_F(PartPlacement, UndoOfAnOlderPlacementKeepsTheDotsOfOtherWires)
{
    wire(-500, 0, 500, 0);
    wire(0, 0, 0, 400);
    ASSERT_EQ(countOf(kObjDot), 1);
    command(kCmdToolRectangle);
    drag(1000, 1000, 1200, 1100);
    key('Z', true);
    EXPECT_EQ(countOf(kObjRectangle), 0);
    EXPECT_EQ(countOf(kObjDot), 1) << "the dot of the T is recomputed";
}

TEST_F(PartPlacement, EscapeRecomputesTheDotsAndAltCTogglesAutomaticDots)
{
    wire(-500, 0, 500, 0);
    wire(0, 0, 0, 400);
    for (int i = 1; i <= count(); ++i)
        if (object(i).type() == kObjDot)
            object(i).w[4] = 0;
    ASSERT_EQ(countOf(kObjDot), 0);
    EXPECT_TRUE(key(plat::kVkEscape));
    EXPECT_EQ(countOf(kObjDot), 1);

    host.answerMessageBox(plat::kIdNo);
    plat::noteKeyDown(plat::kVkMenu);
    const bool done = translate({plat::kWmSysKeyDown, 'C', 1, view()});
    plat::noteKeyUp(plat::kVkMenu);
    EXPECT_TRUE(done);
    EXPECT_EQ(g_settings.AutoDots, 1) << "No keeps automatic dots";
    EXPECT_EQ(host.messageBoxes().back().substr(0, 38), "You are disabling automatic dot mode. ");
    host.answerMessageBox(plat::kIdYes);
    EXPECT_TRUE(command(kCmdAutoDots));
    EXPECT_EQ(g_settings.AutoDots, 0);
    EXPECT_EQ(pane(0), "Cleared automatic dot mode");
    EXPECT_TRUE(command(kCmdAutoDots));
    EXPECT_EQ(g_settings.AutoDots, 1);
    EXPECT_EQ(pane(0), "Set automatic dot mode");
}

TEST_F(PartPlacement, RubberModeDragsTheWiresOnThePinsAndUndoesInOneStep)
{
    choosePart("DEVICE", "R");
    place(-600, -300);
    ASSERT_EQ(count(), 1);
    wire(-1100, -300, -700, -300);   // onto the left pin end
    const int w = count();
    ASSERT_EQ(object(w).type(), kObjLine);
    EXPECT_TRUE(key(plat::kVkF6));
    EXPECT_EQ(pane(0), "Rubberbanding ON");
    key(plat::kVkF9);
    click(-600, -300);
    ASSERT_EQ(g_editState.selectionCount, 1);
    ASSERT_TRUE(g_selection.partPicked);
    drag(-600, -300, -600, -100);
    EXPECT_EQ(object(1).y(), -100);
    EXPECT_EQ(object(w).w[2], -700);
    EXPECT_EQ(object(w).w[3], -100) << "the wire end followed the pin";
    EXPECT_EQ(object(w).y(), -300) << "its other end stayed";
    key('Z', true);
    EXPECT_EQ(object(1).y(), -300);
    EXPECT_EQ(object(w).w[3], -300) << "one undo puts part and wire back";
}

TEST_F(PartPlacement, RotatingAPickedPartInRubberModeTakesTheWireEndAlong)
{
    choosePart("DEVICE", "R");
    place(-600, -300);
    wire(-1100, -300, -700, -300);
    const int w = count();
    key(plat::kVkF6);
    key(plat::kVkF9);
    click(-600, -300);
    ASSERT_TRUE(g_selection.partPicked);
    EXPECT_TRUE(character('x'));
    EXPECT_EQ(object(1).w[7] & 0xFFF, 900);
    EXPECT_EQ(object(w).w[2], -600);
    EXPECT_NE(object(w).w[3], -300) << "the end moved with the pin";
    key('Z', true);
    EXPECT_EQ(object(1).w[7] & 0xFFF, 0);
    EXPECT_EQ(object(w).w[2], -700);
    EXPECT_EQ(object(w).w[3], -300);
}

TEST_F(PartPlacement, DraggingThePartsLabelHandleMovesTheLabel)
{
    choosePart("DEVICE", "R");
    place(-600, -300);
    key(plat::kVkF9);
    click(-600, -300);
    ASSERT_EQ(g_editState.selectionCount, 1);
    ASSERT_EQ(g_selection.handleCount, 1) << "the label handle";
    const plat::Point label = g_selection.handles[0];
    const int w2 = object(1).w[2], w3 = object(1).w[3];
    move(label.x, label.y);
    ASSERT_TRUE(g_mouseEdit.overHandle);
    drag(label.x, label.y, label.x, label.y - 100);
    EXPECT_EQ(object(1).w[2], w2);
    EXPECT_EQ(object(1).w[3], w3 - 100);
    EXPECT_EQ(object(1).x(), -600) << "the part stays";
}

TEST_F(PartPlacement, PinSnapPullsTheWireToThePinEnd)
{
    choosePart("DEVICE", "R");
    place(-600, -300);
    g_settings.pinsnap = 1;
    command(700 + 0);   // fine grid: 5 units
    command(kCmdToolLine);
    press(-690, -290);
    move(-900, -300, plat::kMkLButton);
    release(-1000, -300);
    const DrawObject& wire = object(count());
    ASSERT_EQ(wire.type(), kObjLine);
    EXPECT_EQ(wire.x(), -700);
    EXPECT_EQ(wire.y(), -300);
}

TEST_F(PartPlacement, PinSnapAlsoPullsAReshapedWireEndToThePinEnd)
{
    choosePart("DEVICE", "R");
    place(-600, -300);
    command(700 + 0);   // fine grid: 5 units
    for (const int snap : {1, 0}) {
        SCOPED_TRACE(snap);
        g_settings.pinsnap = snap;
        wire(-1100, -100, -800, -100);
        const int w = count();
        key(plat::kVkF9);
        click(-950, -100);
        ASSERT_EQ(g_editState.selectionCount, 1);
        move(-800, -100);
        ASSERT_TRUE(g_mouseEdit.overHandle);
        drag(-800, -100, -690, -290);
        const DrawObject& o = object(w);
        EXPECT_EQ(o.w[2], snap ? -700 : -690);
        EXPECT_EQ(o.w[3], snap ? -300 : -290);
        EXPECT_EQ(o.x(), -1100) << "the other end stays";
        key(plat::kVkEscape);
    }
}

TEST_F(PartPlacement, TheExampleDrawingMadeByHandNetlistsLikeTheShippedOne)
{
    const fs::path example = builtProgramFolder() / "examples" / "rc_filter.pic";
    if (!fs::exists(example))
        GTEST_SKIP() << "the example drawing has not been built";
    choosePart("DEVICE", "R");
    place(-600, -300);
    choosePart("DEVICE", "C");
    place(0, -100);
    key(plat::kVkF9);
    click(0, -100);
    ASSERT_EQ(g_editState.selectionCount, 1);
    character('x');
    ASSERT_EQ(object(2).w[7], 900);
    wire(-1100, -300, -700, -300);
    wire(-500, -300, 300, -300);
    wire(0, -300, 0, -200);
    wire(0, 0, 0, 400);
    wire(-100, 400, 100, 400);
    wire(-60, 430, 60, 430);
    wire(-20, 460, 20, 460);
    // The T of the signal wire, and the T where the capacitor's wire meets the ground bar.
    EXPECT_EQ(countOf(kObjDot), 2);
    // The net names are typed texts; text entry is not part of this test.
    DrawingDocData& data = doc()->data();
    for (auto [x, y, text] : {std::tuple{-1200, -360, "IN"}, std::tuple{320, -360, "OUT"}}) {
        data.objects[++data.objectCount] = MakeDrawObject(ObjectWords(kObjText, x, y, (8 << 8) | 1), text);
    }
    view()->LoadCurrentDocument();
    const std::string byHand = netlistOf("by_hand.pic");
    ASSERT_FALSE(byHand.empty());

    fs::copy_file(example, folder.path() / "shipped.pic");
    auto* shipped = harness->app().OpenDocumentFile(folder.file("shipped.pic"));
    ASSERT_NE(shipped, nullptr);
    harness->idle();
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host.answerMessageBox(plat::kIdNo);
    EXPECT_TRUE(command(kCmdNetlist));
    // The header names the drawing and the time of the run; the nets follow it. The shipped
    // drawing names its nets with texts on the wires; the one by hand joins the same pins.
    EXPECT_EQ(withoutHeader(readText(folder.path() / "shipped.net")),
              "Number of signals found=3\nIN----r1-1\nOUT----r1-2,c1-1\nGND----c1-2\n");
    EXPECT_EQ(withoutHeader(byHand), "Number of signals found=3\ndef0----r1-1\ndef1----r1-2,c1-1\ndef2----c1-2\n");
}

// The example's two wires meeting on the ground symbol's pin keep their dot when it is
// loaded, redrawn and saved, and the netlist stays as it was.
TEST_F(PartPlacement, TheGroundPinOfTheExampleKeepsItsDot)
{
    const fs::path example = builtProgramFolder() / "examples" / "rc_filter.pic";
    if (!fs::exists(example))
        GTEST_SKIP() << "the example drawing has not been built";
    const auto dotAt = [this](int x, int y) {
        for (int i = 1; i <= count(); ++i)
            if (object(i).type() == kObjDot && object(i).x() == x && object(i).y() == y)
                return true;
        return false;
    };
    fs::copy_file(example, folder.path() / "ground.pic");
    ASSERT_NE(harness->app().OpenDocumentFile(folder.file("ground.pic")), nullptr);
    harness->idle();
    EXPECT_TRUE(dotAt(0, 400));
    const int dots = countOf(kObjDot);
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(command(kCmdNetlist));
    const std::string before = withoutHeader(readText(folder.path() / "ground.net"));
    ASSERT_FALSE(before.empty());

    ASSERT_TRUE(key(plat::kVkEscape));
    EXPECT_TRUE(dotAt(0, 400)) << "Esc redraws and recomputes the dots";
    EXPECT_EQ(countOf(kObjDot), dots);
    ASSERT_TRUE(command(plat::kIdFileSave));
    ASSERT_TRUE(harness->command(plat::kIdFileClose));
    ASSERT_NE(harness->app().OpenDocumentFile(folder.file("ground.pic")), nullptr);
    harness->idle();
    EXPECT_TRUE(dotAt(0, 400));
    fs::remove(folder.path() / "ground.net");
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(command(kCmdNetlist));
    EXPECT_EQ(withoutHeader(readText(folder.path() / "ground.net")), before);
}

// A drawing whose dots were never computed gets them when it is loaded, before any edit.
TEST_F(PartPlacement, LoadingADrawingComputesItsDots)
{
    doc()->data().objects[1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 400, 0), nullptr);
    doc()->data().objects[2] = MakeDrawObject(ObjectWords(kObjLine, 200, -200, 200, 0), nullptr);
    doc()->data().objectCount = 2;
    view()->LoadCurrentDocument();
    const std::string path = folder.file("tee.pic");
    ASSERT_TRUE(doc()->OnSaveDocument(path));
    ASSERT_NE(harness->app().OpenDocumentFile(path), nullptr);
    harness->idle();
    ASSERT_EQ(countOf(kObjDot), 1);
    EXPECT_FALSE(doc()->IsModified());
}

}  // namespace
}  // namespace schemora_test
