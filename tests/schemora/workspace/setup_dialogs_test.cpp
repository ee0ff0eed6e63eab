// Setup > Selective Editing and Utilities > Resource Usage through the real frame.
#include "schemora_commands_fixture.h"

#include "platform/gdi/raster_dc.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/text_style.h"
#include "platform/app/property_sheet.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/workspace/frame_toolbar_table.h"
#include "schemora/workspace/main_frame.h"

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
        // The Modify toolbar combo shows the mode the dialog left.
        const plat::ToolBarCombo* combo = static_cast<CMainFrame*>(plat::GetMainWnd())->toolBarTable().combo(kIdcSelEditCombo);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(SelectiveEditModeOfComboPosition(combo->GetCurSel()), static_cast<unsigned>(c.mode));
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

TEST_F(SetupDialogs, FontWritesTheSelectedTextsOnlyOnOkAndOtherwiseTheTextTool)
{
    add(paint_test::words(kObjText, 100, 100), "R1");
    add(paint_test::words(kObjLine, 0, 0, 100, 0));
    const TextToolStyle tool = g_textStyle;
    plat::FontChoice courier{.face = "Courier New", .height = -12, .weight = 700, .italic = false};

    // Cancel with the text selected: the chooser's starting font is not written anywhere.
    select({1, 2});
    host.answerFontDialog(std::nullopt);
    ASSERT_TRUE(command(kCmdTextFont));
    EXPECT_EQ(object(1).w[2], 0);
    EXPECT_EQ(g_textStyle.word(), tool.word());
    EXPECT_EQ(g_editState.selectionCount, 0);

    select({1, 2});
    host.answerFontDialog(courier);
    ASSERT_TRUE(command(kCmdTextFont));
    EXPECT_EQ(object(1).w[2], 3 | 0x80 | (12 << 8));
    EXPECT_EQ(object(2).w[2], 100) << "lines keep their words";
    EXPECT_EQ(g_textStyle.word(), tool.word()) << "with a selection the tool's font stays";
    EXPECT_EQ(pane(0), "Changed 1 object(s)");
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).w[2], 0);

    host.answerFontDialog(courier);
    ASSERT_TRUE(command(kCmdTextFont));
    EXPECT_EQ(g_textStyle.word(), 3 | 0x80 | (12 << 8)) << "without a selection new texts take it";
    g_textStyle = tool;
}

TEST_F(SetupDialogs, GeneralSetupOkGivesTheSelectionWidthStyleAndFill)
{
    const SchematicSettings saved = g_settings;
    add(paint_test::words(kObjRectangle, 0, 0, 100, 100, 6));
    DrawObject& arrow = add(paint_test::words(kObjArrow, 0, 200, 300, 200, 6));
    arrow.w[7] = 256 + 2;
    add(paint_test::words(kObjText, 0, 400), "T");
    auto answer = [](int button) {
        return [button](plat::Dialog& d) {
            auto& sheet = static_cast<plat::PropertySheet&>(d);
            plat::PropertyPage& draw = *sheet.GetPage(0);
            draw.SetDlgItemText(kIdcWidth, "12");
            draw.PressButton(kIdcStyleFirst + 1);
            draw.PressButton(kIdcFillFirst + 6);
            return sheet.PressButton(static_cast<unsigned>(button));
        };
    };
    select({1, 2, 3});
    host.answerDialog(answer(plat::kIdCancel));
    ASSERT_TRUE(command(kCmdGeneralSetup));
    EXPECT_EQ(object(1).w[6], 6) << "Cancel changes nothing";

    host.answerDialog(answer(plat::kIdOk));
    ASSERT_TRUE(command(kCmdGeneralSetup));
    EXPECT_EQ(object(1).w[6] & 0xFF, 12);
    EXPECT_EQ(object(1).w[5], 1);
    EXPECT_EQ(object(1).w[7], 6);
    EXPECT_EQ(object(2).w[6] & 0xFF, 12);
    EXPECT_EQ(object(2).w[7], 256 + 2) << "an arrow's head word is not a fill";
    EXPECT_EQ(object(3).w[5], 0) << "texts take no line styles";
    EXPECT_EQ(object(3).w[7], 0);
    EXPECT_EQ(pane(0), "Changed 2 object(s)");
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_EQ(object(1).w[6], 6) << "one undo step takes the whole change back";
    EXPECT_EQ(object(1).w[7], 0);
    g_settings = saved;
}

TEST_F(SetupDialogs, PageSetupStoresSizeRevisionAndNumbers)
{
    doc()->data().revision = 'C';
    doc()->data().documentNumber = 12;
    doc()->SetModifiedFlag(false);
    std::string shownRevision, shownNumber;
    host.answerDialog([&](plat::Dialog& d) {
        EXPECT_EQ(d.title(), "Schematic Page Setup");
        shownRevision = d.GetDlgItemText(kIdcPageRevision);
        shownNumber = d.GetDlgItemText(kIdcPageDocNumber);
        d.ChooseDlgItem(kIdcPageSheetSize, 2);
        d.SetDlgItemText(kIdcPageRevision, "b");
        d.SetDlgItemText(kIdcPageDocNumber, "4711");
        d.SetDlgItemText(kIdcPageStartReference, "abc");
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdPageSetup));
    EXPECT_EQ(shownRevision, "C");
    EXPECT_EQ(shownNumber, "12");
    EXPECT_EQ(doc()->data().sheetSize, 'C');
    EXPECT_EQ(g_current.sheetSize, 'C');
    EXPECT_EQ(doc()->data().revision, 'A') << "a lower-case letter is stored as A";
    EXPECT_EQ(doc()->data().documentNumber, 4711);
    EXPECT_EQ(doc()->data().referenceStart, 1) << "no number keeps the old one";
    EXPECT_TRUE(doc()->IsModified());
}

}  // namespace
}  // namespace schemora_test
