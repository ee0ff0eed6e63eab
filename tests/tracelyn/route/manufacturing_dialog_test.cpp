// The manufacturing dialogs: the layer check boxes from what the board holds, Clear settings,
// Generate and Cancel; the imported D-code list with its Update and OK; the Gerber import's
// layer choice.
#include "tracelyn/route/photoplot_fixture.h"

#include "platform/app/win_constants.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/route/dcodes_dialog.h"
#include "tracelyn/route/gerber_import.h"
#include "tracelyn/route/manufacturing_dialog.h"
#include "tracelyn/workspace/select_layer_dialog.h"
#include "support/control_items.h"

namespace photoplot_test {
namespace {

class ManufacturingDialogs : public PhotoplotTest {
protected:
    void SetUp() override
    {
        PhotoplotTest::SetUp();
        registerTracelynResources();
        g_gerberLayers = GerberLayerFlags{};
    }
    void TearDown() override
    {
        g_importedDcodes = ImportedDcodeTable{};
        g_gerberLayers = GerberLayerFlags{};
        PhotoplotTest::TearDown();
    }
};

TEST_F(ManufacturingDialogs, LayersWithObjectsStartCheckedAndGenerateStoresTheBoxes)
{
    buildExample();
    for (const int layer : {24, 30, int{kLayerAll}, int{kLayerMaskBottom}})
        add(object(kKindLine, layer, {0, 0, 100, 100, 0, 0, 0, 10}));
    std::vector<int> shown;
    host.answerDialog([&](plat::Dialog& d) {
        for (unsigned id = tly::kIdcLayerCheckFirst; id <= tly::kIdcLayerCheckFirst + 29; ++id)
            shown.push_back(d.IsDlgButtonChecked(id));
        shown.push_back(d.IsDlgButtonChecked(tly::kIdcDrillFile));
        d.CheckDlgButton(tly::kIdcLayerCheckFirst + unsigned{kLayerMaskTop}, 1);
        d.CheckDlgButton(tly::kIdcDrillFile, 0);
        return d.PressButton(plat::kIdOk);
    });
    CManufacturingDlg dialog;
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    std::vector<int> expected(31, 0);
    for (const int layer : {0, 1, 16, 19, 25})
        expected[static_cast<size_t>(layer)] = 1;
    expected[30] = 1;   // the drill box
    EXPECT_EQ(shown, expected);
    // Layers without a box (24, 30, 31) had their flags set at the start and read back 0.
    std::array<int32_t, 33> flags{};
    for (const int layer : {0, 1, 16, 18, 19, 25})
        flags[static_cast<size_t>(layer)] = 1;
    EXPECT_EQ(g_gerberLayers.on, flags);
    EXPECT_EQ(dialog.m_drill, 0);
}

TEST_F(ManufacturingDialogs, ClearSettingsAsksAndCancelKeepsTheFlags)
{
    buildExample();
    g_gerberLayers.on[kLayerOutline] = 7;
    for (const int answer : {plat::kIdNo, plat::kIdYes}) {
        SCOPED_TRACE(answer);
        int topAfterClear = -1;
        host.answerMessageBox(answer);
        host.answerDialog([&](plat::Dialog& d) {
            d.PressButton(tly::kIdcClearSettings);
            topAfterClear = d.IsDlgButtonChecked(tly::kIdcLayerCheckFirst);
            return d.PressButton(plat::kIdCancel);
        });
        CManufacturingDlg dialog;
        EXPECT_EQ(dialog.DoModal(), plat::kIdCancel);
        EXPECT_EQ(topAfterClear, answer == plat::kIdYes ? 0 : 1);
    }
    EXPECT_TRUE(host.shown("message box 'Clear all Gerber check boxes?'") || host.messageBoxes().size() == 2);
    // Opening rebuilt the flags from the board; Cancel stored nothing after that.
    EXPECT_EQ(g_gerberLayers.on[kLayerTop], 1);
    EXPECT_EQ(g_gerberLayers.on[kLayerOutline], 1);
}

TEST_F(ManufacturingDialogs, DcodeListIsEditedAndAppliedToTheImportedObjects)
{
    buildExample();
    folder.write("in.gbr", "%FSLAX24Y24*%\n%ADD10C,0.0150*%\n%ADD11R,0.0600X0.0400*%\n"
                           "D11*X1000Y-1000D03*\nD10*X0Y0D02*X5000Y0D01*\n");
    ASSERT_EQ(ImportGerberFile(folder.file("in.gbr"), kLayerTop), 2);
    const int pad = g_board.count - 1, trace = g_board.count;
    std::vector<std::string> lines;
    std::string picked;
    host.answerDialog([&](plat::Dialog& d) {
        lines = quill_test::itemTexts(d, tly::kIdcDcodeList);
        plat::Control* list = d.GetDlgItem(tly::kIdcDcodeList);
        list->choose(1);
        picked = d.GetDlgItemText(tly::kIdcDcodeEdit);
        d.SetDlgItemText(tly::kIdcDcodeEdit, "D11   OVAL   0.0800  0.0300");
        d.PressButton(tly::kIdcDcodeUpdate);
        d.SetDlgItemText(tly::kIdcDcodeEdit, "X10   ROUND   0.5  0.5");   // not a D-code: ignored
        d.PressButton(tly::kIdcDcodeUpdate);
        d.SetDlgItemText(tly::kIdcDcodeEdit, "D77   ROUND   0.5  0.5");   // no such line
        d.PressButton(tly::kIdcDcodeUpdate);
        list->AddString("D99   ROUND   0.5  0.5");                       // no such record
        return d.PressButton(plat::kIdOk);
    });
    CDcodesDlg dialog;
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    EXPECT_EQ(lines, (std::vector<std::string>{"D10   ROUND   0.0150  0.0150", "D11   RECTANGLE   0.0600  0.0400"}));
    EXPECT_EQ(picked, "D11   RECTANGLE   0.0600  0.0400");
    ASSERT_EQ(g_importedDcodes.records.size(), 2u);
    EXPECT_EQ(g_importedDcodes.records[1].type, kDcodeOval);
    const BoardObject& p = g_board.objects[pad];
    EXPECT_EQ((std::array<int32_t, 3>{p.w[2], p.w[3], p.w[5]}), (std::array<int32_t, 3>{800, 300, kDcodeOval}));
    EXPECT_EQ(g_board.objects[trace].w[7], 150);
}

TEST_F(ManufacturingDialogs, DcodeCancelChangesNothing)
{
    g_importedDcodes.records = {{{'D', '1', '0'}, kDcodeRound, 0.01f, 0.01f}};
    // The D-code dialog with its only line replaced by `line`, closed with `button`.
    const auto editLine = [this](const char* line, int button) {
        host.answerDialog([=](plat::Dialog& d) {
            d.GetDlgItem(tly::kIdcDcodeList)->DeleteString(0);
            d.GetDlgItem(tly::kIdcDcodeList)->AddString(line);
            return d.PressButton(button);
        });
        CDcodesDlg dialog;
        return dialog.DoModal();
    };
    EXPECT_EQ(editLine("D10   OVAL   1e999  -5", plat::kIdCancel), plat::kIdCancel);
    EXPECT_FLOAT_EQ(g_importedDcodes.records[0].x, 0.01f);
    // The same line through OK is kept to sizes a board can hold.
    EXPECT_EQ(editLine("D10   OVAL   12.5  -5", plat::kIdOk), plat::kIdOk);
    EXPECT_FLOAT_EQ(g_importedDcodes.records[0].x, 10.0f);
    EXPECT_FLOAT_EQ(g_importedDcodes.records[0].y, 0.0f);
}

TEST_F(ManufacturingDialogs, SelectLayerListsTheLayersAndPowerPlanesMapToTheirOwnLayers)
{
    std::vector<std::string> names;
    int shownSelection = -1;
    host.answerDialog([&](plat::Dialog& d) {
        names = quill_test::itemTexts(d, tly::kIdcLayerCombo);
        plat::Control* combo = d.GetDlgItem(tly::kIdcLayerCombo);
        shownSelection = combo->GetCurSel();
        combo->choose(25);
        return d.PressButton(plat::kIdOk);
    });
    CSelectLayerDlg dialog;
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    ASSERT_EQ(names.size(), 29u);
    EXPECT_EQ(names[0], "ALL");
    EXPECT_EQ(names[16], "L15");
    EXPECT_EQ(names[23], "VCC");
    EXPECT_EQ(names[28], "Power 4");
    EXPECT_EQ(shownSelection, 1);
    EXPECT_EQ(dialog.m_layer, kLayerPower1);
    const std::pair<int, int> entries[] = {{0, kLayerAll}, {1, kLayerTop}, {16, 15}, {17, kLayerSilkTop},
                                           {24, kLayerGround}, {25, 26}, {28, 29}};
    for (const auto& [entry, layer] : entries)
        EXPECT_EQ(SelectLayerEntryLayer(entry), layer) << entry;
}

}  // namespace
}  // namespace photoplot_test
