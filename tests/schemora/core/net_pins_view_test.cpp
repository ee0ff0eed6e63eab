// Edit Nets Only in the running program: a click on a wire puts its net's pins on the status
// line, and they stay there after the button is let go.
#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"

namespace schemora_test {
namespace {

using namespace scm;

class NetPinsView : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
    }
};

TEST_F(NetPinsView, ThePinListOfAClickedWireStaysOnTheStatusLine)
{
    // Two resistors, their pins 200 apart about each centre, joined by one wire.
    for (int x : {0, 600}) {
        answerPartChooser("DEVICE", "R");
        ASSERT_TRUE(key(plat::kVkF5));
        click(x, 0);
    }
    wire(100, 0, 500, 0);
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcSelEditNetsOnly);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdSelectiveEditing));
    ASSERT_EQ(g_selection.filterId, kIdcSelEditNetsOnly);
    ASSERT_TRUE(key(plat::kVkF9));

    press(300, 0);
    const std::string pins = pane(0);
    EXPECT_NE(pins.find("R1-"), std::string::npos) << pins;
    EXPECT_NE(pins.find("R2-"), std::string::npos) << pins;
    release(300, 0);
    EXPECT_EQ(pane(0), pins) << "the selection message must not replace the pin list";

    // Selecting all kinds again, a click on the wire tells what was selected.
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcSelEditAllObjects);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdSelectiveEditing));
    click(-300, -300);
    click(300, 0);
    EXPECT_EQ(pane(0).rfind("Selected object", 0), 0u) << pane(0);
}

}  // namespace
}  // namespace schemora_test
