// Setup > Selective Editing and Utilities > Resource Usage through the real frame.
#include "schemora_commands_fixture.h"

#include "platform/gdi/raster_dc.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/edit_state.h"

namespace schemora_test {
namespace {

using namespace scm;
using SetupDialogs = DrawingCommands;

TEST_F(SetupDialogs, SelectiveEditingStoresTheBoxesAndPicksTheMode)
{
    const struct {
        const char* what;
        std::vector<unsigned> clicks;
        int mode;
        std::array<int32_t, 11> on;
    } cases[] = {
        {"lines only", {kIdcSelEditNoObjects, 713}, 713, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"lines and busses", {kIdcSelEditNoObjects, 713, 720}, 710, {0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0}},
        {"nets only", {kIdcSelEditAllObjects, kIdcSelEditNetsOnly}, 723, {}},
        {"nets only, then a kind", {711}, 711, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"all", {kIdcSelEditAllObjects}, 710, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.answerDialog([&](plat::Dialog& d) {
            EXPECT_EQ(d.title(), "Selective Editing");
            for (unsigned id : c.clicks)
                d.PressButton(id);
            return d.PressButton(plat::kIdOk);
        });
        ASSERT_TRUE(command(kCmdSelectiveEditing));
        EXPECT_TRUE(host.shown("dialog 135"));
        EXPECT_EQ(g_selection.filterId, c.mode);
        EXPECT_EQ(g_editFilter.on, c.on);
    }

    // The dialog opens with the boxes of the switches and Edit Nets Only from the mode.
    g_editFilter.on = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    g_selection.filterId = 723;
    int nets = -1, text = -1;
    host.answerDialog([&](plat::Dialog& d) {
        nets = d.IsDlgButtonChecked(kIdcSelEditNetsOnly);
        text = d.IsDlgButtonChecked(711);
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(command(kCmdSelectiveEditing));
    EXPECT_EQ(nets, 1);
    EXPECT_EQ(text, 0);
    EXPECT_EQ(g_selection.filterId, 723);
}

TEST_F(SetupDialogs, ResourceUsageShowsTheDesignBarByObjectCount)
{
    for (int i = 0; i < 2000; ++i)
        add(paint_test::words(kObjLine, 0, 0, 10, 10));
    plat::ColorRef lastRed = 0, firstWhite = 0;
    host.answerDialog([&](plat::Dialog& d) {
        plat::RasterDc dc(100, 10);
        plat::DrawItem item{.ctlId = kIdcUsageDesign, .dc = &dc, .rcItem = {0, 0, 100, 10}};
        d.OnDrawItem(kIdcUsageDesign, item);
        lastRed = dc.GetPixel(24, 2);
        firstWhite = dc.GetPixel(26, 2);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdResourceUsage));
    EXPECT_TRUE(host.shown("dialog 177"));
    // 2,000 of 8,000 records: a quarter of the bar is red.
    EXPECT_EQ(lastRed, plat::rgb(255, 0, 0));
    EXPECT_EQ(firstWhite, plat::rgb(255, 255, 255));
}

}  // namespace
}  // namespace schemora_test
