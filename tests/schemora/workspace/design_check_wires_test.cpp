// Check Schematic on drawings of starter parts: every wire drawn onto a pin's connection end
// stays there whatever the part's orientation, and the message boxes say what the report says.
#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/design_check.h"
#include "schemora/core/part_pins.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class CheckWires : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        g_checkOptions = DesignCheckOptions{};
        g_settings.AutoDots = 1;
    }
    void TearDown() override
    {
        g_checkOptions = DesignCheckOptions{};
        StarterPartsView::TearDown();
    }

    int placePart(const char* name, int x, int y)
    {
        answerPartChooser("DEVICE", name);
        EXPECT_TRUE(key(plat::kVkF5));
        click(x, y);
        EXPECT_TRUE(key(plat::kVkEscape));
        for (int i = count(); i >= 1; --i)
            if (object(i).isPart())
                return i;
        return 0;
    }
    // The wire from (x1, y1) to (x2, y2), drawn with the line tool; its index.
    int drawWire(int x1, int y1, int x2, int y2)
    {
        wire(x1, y1, x2, y2);
        for (int i = count(); i >= 1; --i)
            if (object(i).type() == kObjLine && object(i).x() == x1 && object(i).y() == y1 && object(i).w[2] == x2 &&
                object(i).w[3] == y2)
                return i;
        ADD_FAILURE() << "no wire drawn";
        return 0;
    }

    // Check Schematic with every box answered OK; the texts of the boxes shown.
    // A resistor and a wire whose end stops ten units inside its first pin, towards the body,
    // drawn on the finest grid: pin gets that pin, wire the wire's slot.
    void wireShortOfAResistorPin(PinLead& pin, int& wire)
    {
        const int part = placePart("R", 0, 0);
        const std::vector<PinLead> pins = PartPinLeads(object(part));
        ASSERT_EQ(pins.size(), 2u);
        ASSERT_TRUE(command(kFirstGridCommand));
        pin = pins[0];
        const int sx = pin.x1 + (pin.x2 > pin.x1 ? 10 : pin.x2 < pin.x1 ? -10 : 0);
        const int sy = pin.y1 + (pin.y2 > pin.y1 ? 10 : pin.y2 < pin.y1 ? -10 : 0);
        wire = drawWire(sx - (pin.x2 - pin.x1) * 3, sy - (pin.y2 - pin.y1) * 3, sx, sy);
    }
    std::vector<std::string> runCheck(bool save)
    {
        host.clearEvents();
        for (int i = 0; i < 8; ++i)
            host.answerMessageBox(plat::kIdNo);
        host.answerDialog([save](plat::Dialog& d) {
            d.CheckDlgButton(kIdcCheckSaveResults, save ? 1 : 0);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_TRUE(command(kCmdCheckSchematic));
        return host.messageBoxes();
    }
};

TEST_F(CheckWires, WireEndsOnPinsStayOnThemInEveryOrientation)
{
    const std::array<const char*, 4> parts = {"LED", "R", "D", "C"};
    const std::array<int, 4> angles = {0, 900, 1800, 2700};
    struct End {
        int wire, x, y;
    };
    std::vector<End> ends;
    int x = -2000;
    for (const char* name : parts) {
        for (const int angle : angles) {
            for (const bool mirror : {false, true}) {
                const int part = placePart(name, x, 0);
                ASSERT_GT(part, 0);
                object(part).w[7] = angle | (mirror ? 0x1000 : 0);
                view()->LoadCurrentDocument();
                for (const PinLead& pin : PartPinLeads(object(part))) {
                    // Outwards from the body along the pin.
                    const int dx = pin.x1 - pin.x2, dy = pin.y1 - pin.y2;
                    const int ox = dx == 0 ? 0 : (dx > 0 ? 150 : -150), oy = dy == 0 ? 0 : (dy > 0 ? 150 : -150);
                    ends.push_back({drawWire(pin.x1, pin.y1, pin.x1 + ox, pin.y1 + oy), pin.x1, pin.y1});
                }
                x += 700;   // the wires of neighbours do not meet
            }
        }
    }
    ASSERT_FALSE(ends.empty());
    const std::vector<std::string> boxes = runCheck(false);
    for (const std::string& box : boxes)
        EXPECT_EQ(box.find("overlapped"), std::string::npos) << box;
    for (const End& e : ends) {
        SCOPED_TRACE("wire " + std::to_string(e.wire));
        ASSERT_EQ(object(e.wire).type(), kObjLine);
        EXPECT_EQ(object(e.wire).x(), e.x);
        EXPECT_EQ(object(e.wire).y(), e.y);
    }
}

TEST_F(CheckWires, AWireEndShortOfAPinIsMovedOntoItsConnectionEnd)
{
    PinLead pin;
    int w = 0;
    ASSERT_NO_FATAL_FAILURE(wireShortOfAResistorPin(pin, w));
    const std::vector<std::string> boxes = runCheck(false);
    EXPECT_EQ(object(w).w[2], pin.x1);
    EXPECT_EQ(object(w).w[3], pin.y1);
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "Fixed/removed 1 overlapped line(s)"), boxes.end());
}

TEST_F(CheckWires, TheReportSaysWhatTheBoxesSay)
{
    PinLead pin;
    int w = 0;
    ASSERT_NO_FATAL_FAILURE(wireShortOfAResistorPin(pin, w));
    const std::string path = folder.file("wired.pic");
    ASSERT_TRUE(doc()->OnSaveDocument(path));
    doc()->SetPathName(path, false);
    const std::vector<std::string> boxes = runCheck(true);
    const std::string report = readText(DesignCheckReportPath(*doc()));
    // Every result that a box shows is in the report as well.
    for (const std::string& box : boxes) {
        if (box == "View design check report?")
            continue;
        EXPECT_NE(report.find(box), std::string::npos) << box << "\nnot in\n" << report;
    }
}

}  // namespace
}  // namespace schemora_test
