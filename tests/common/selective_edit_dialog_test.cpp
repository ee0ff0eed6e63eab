// The shared Selective Editing dialog in the board program's shape (ten kinds with "Edit Nets
// Only" among them and an "Artwork" preset): buttons act on the switches at once, OK stores the
// boxes and picks the mode.
#include "common/selective_edit_dialog.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr unsigned kNetsBox = 720, kArtwork = 1002, kTraces = 713, kText = 711;

SelectiveEditIds boardIds() { return {.templateId = 9139, .netsOnlyId = kNetsBox}; }

void registerBoardTemplate()
{
    static constexpr const char* kLabels[] = {"Text", "Pads and Vias", "Traces", "Arcs", "Ellipses and Circles",
                                              "Rectangles", "Library Parts", "Polygons", "No Routes", "Edit Nets Only"};
    plat::ResourceSet resources;
    resources.dialogs = {BuildSelectiveEditTemplate(
        boardIds(), {.title = "Selective Editing",
                     .kindLabels = kLabels,
                     .buttons = {{710, "All Objects"}, {1111, "NO Objects"}, {kArtwork, "Artwork"}},
                     .netsOnlyLabel = {}})};
    plat::registerResources(std::move(resources));
}

TEST(SelectiveEditDialog, ButtonsActAtOnceAndOkPicksTheModeFromTheBoxes)
{
    registerBoardTemplate();
    plat::TestUiHost host;
    std::array<int, 10> switches{};
    switches.fill(1);
    int mode = 710;
    auto run = [&](std::function<int(plat::Dialog&)> answer) {
        host.answerDialog(std::move(answer));
        CSelEditDlg dialog(boardIds(), {.switches = switches, .mode = &mode, .presets = {{kArtwork, {1, 2}}}});
        return dialog.DoModal();
    };

    // Artwork leaves exactly pads and traces; Cancel keeps what the button did to the switches.
    EXPECT_EQ(run([](plat::Dialog& d) {
                  d.PressButton(kArtwork);
                  EXPECT_EQ(d.IsDlgButtonChecked(712), 1);
                  EXPECT_EQ(d.IsDlgButtonChecked(kTraces), 1);
                  EXPECT_EQ(d.IsDlgButtonChecked(kText), 0);
                  return d.PressButton(plat::kIdCancel);
              }),
              plat::kIdCancel);
    EXPECT_EQ(switches, (std::array<int, 10>{0, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(mode, 710);

    const struct {
        const char* what;
        std::vector<unsigned> clicks;
        int mode;
    } cases[] = {
        {"only traces", {1111, kTraces}, static_cast<int>(kTraces)},
        {"text and traces", {1111, kTraces, kText}, 710},
        {"nets only clears every other kind", {710, kNetsBox}, static_cast<int>(kNetsBox)},
        {"a kind box unticks nets only", {710, kNetsBox, kText}, static_cast<int>(kText)},
        {"all", {1111, 710}, 710},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        run([&](plat::Dialog& d) {
            for (unsigned id : c.clicks)
                d.PressButton(id);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(mode, c.mode);
    }
    EXPECT_EQ(switches, (std::array<int, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 0})) << "All leaves Edit Nets Only off";

    int shownNets = -1;
    mode = static_cast<int>(kNetsBox);
    switches = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    run([&](plat::Dialog& d) {
        shownNets = d.IsDlgButtonChecked(kNetsBox);
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(shownNets, 1);
}

}  // namespace
