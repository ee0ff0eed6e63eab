// The view's keyboard commands through the real accelerators: layers, z-order, bookmarks, the
// keyboard cursor, the Aux menu, the mark tool and the bill of materials.
#include "edit_view_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "platform/app/control_bars.h"
#include "platform/app/win_constants.h"
#include "common/editor_main_frame.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/file_resources.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_tools.h"
#include "schemora/core/undo_ring.h"
#include "support/full_disk.h"

#include <fstream>
#include <sstream>

using namespace schemora_test;
using namespace scm;

namespace {

class ViewKeys : public EditView {
protected:
    void selectMode() { ASSERT_TRUE(key(plat::kVkF9)); }
};

}  // namespace

TEST_F(ViewKeys, NumPlusAndMinusStepThroughTheLayers)
{
    auto* frame = static_cast<quill::EditorMainFrame*>(plat::GetMainWnd());
    const plat::ToolBarCombo* layers = frame->toolBarTable().combo(kIdcLayerCombo);
    ASSERT_NE(layers, nullptr);
    g_sheetView.layerFilter = 0;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(key(plat::kVkAdd));
        // The layer box names the layer drawn on: entry 0 is all layers, entry n layer n - 1.
        EXPECT_EQ(layers->GetCurSel(), (i + 1) % 5 == 4 ? 0 : (i + 1) % 5 + 1) << "after step " << i + 1;
    }
    EXPECT_EQ(g_sheetView.layerFilter, 0) << "five steps up come round";
    ASSERT_TRUE(key(plat::kVkSubtract));
    EXPECT_EQ(g_sheetView.layerFilter, 4);
    EXPECT_EQ(layers->GetCurSel(), 0);
    ASSERT_TRUE(key(plat::kVkSubtract));
    EXPECT_EQ(layers->GetCurSel(), 4);
}

TEST_F(ViewKeys, BringToFrontExchangesWithTheLastAndEmptiesTheRing)
{
    drawLine(0, 0, 400, 0);
    drawLine(0, 200, 400, 200);
    drawLine(0, 400, 400, 400);
    selectMode();
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    ASSERT_TRUE(key('T', true));
    EXPECT_EQ(object(3).w[1], 0);
    EXPECT_EQ(object(1).w[1], 400);
    EXPECT_EQ(UndoDepth(), 0) << "steps naming slots would restore the wrong objects";
    EXPECT_EQ(g_editState.selectionCount, 0);

    // With two selected, nothing moves.
    ASSERT_TRUE(key('A', true));
    ASSERT_TRUE(key('B', true));
    EXPECT_EQ(object(3).w[1], 0);
}

TEST_F(ViewKeys, BookmarksAreUndoableStepsAndF2AlternatesBetweenThem)
{
    drawLine(0, 0, 400, 0);
    move(1000, 1000);
    ASSERT_TRUE(key(plat::kVkF2, true));
    move(-1000, -500);
    ASSERT_TRUE(key(plat::kVkF2, true));
    ASSERT_EQ(count(), 3);
    EXPECT_EQ(object(2).type(), 25);
    EXPECT_EQ(object(3).type(), 25);
    ASSERT_TRUE(key(plat::kVkF2));
    EXPECT_EQ(g_current.viewCentreX, object(2).x());
    ASSERT_TRUE(key(plat::kVkF2));
    EXPECT_EQ(g_current.viewCentreX, object(3).x());
    ASSERT_TRUE(key(plat::kVkF2));   // after the last, the search starts again at the first
    EXPECT_EQ(g_current.viewCentreX, object(2).x());

    ASSERT_TRUE(key('Z', true));
    EXPECT_EQ(object(3).type(), 0) << "undo takes the last bookmark back, not the line";
    EXPECT_EQ(object(1).type(), kObjLine);
    ASSERT_TRUE(command(kCmdClearBookmarks));
    EXPECT_EQ(object(2).type(), 0);
}

TEST_F(ViewKeys, ArrowKeysMoveTheSelectionOneGridStep)
{
    drawLine(0, 0, 400, 0);
    selectMode();
    click(200, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    ASSERT_TRUE(key(plat::kVkRight));
    EXPECT_EQ(object(1).w[0], g_current.gridStep);
    EXPECT_EQ(object(1).w[2], 400 + g_current.gridStep);
}

TEST_F(ViewKeys, AuxAutoGivesNumberedTextsAndMarkTogglesAStar)
{
    auto* frame = static_cast<plat::MDIFrameWnd*>(plat::GetMainWnd());
    for (unsigned id : {kCmdAutoText, kCmdClearBookmarks, kCmdGoToBookmark, kCmdBillOfMaterials, kCmdEditCopy,
                        kCmdEditPaste, kCmdEditCopyText}) {
        SCOPED_TRACE(id);
        EXPECT_NE(frame->GetMenu()->findCommand(id), nullptr);
    }
    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(kIdcAutoText, "TP");
        d.SetDlgItemText(kIdcAutoStart, "7");
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(command(kCmdAutoText));
    EXPECT_TRUE(host.shown("dialog 139"));
    EXPECT_EQ(g_editState.CurrentTool, kCmdAutoText);
    click(0, 0);
    click(0, 300);
    ASSERT_EQ(count(), 2);
    EXPECT_STREQ(object(1).text, "TP7");
    EXPECT_STREQ(object(2).text, "TP8");

    doc()->SetModifiedFlag(false);
    ASSERT_TRUE(command(kCmdDisplayMark));
    click(10, -5);
    EXPECT_STREQ(object(1).text, "TP7*");
    EXPECT_TRUE(doc()->IsModified());
    click(10, -5);
    click(10, -5);
    EXPECT_STREQ(object(1).text, "TP7*") << "mark, unmark, mark";
}

TEST_F(ViewKeys, MarkStarsOnlySignalNamesShorterThanTenCharacters)
{
    DrawingDocData& data = doc()->data();
    const std::pair<const char*, const char*> cases[] = {
        {"CLK", "CLK*"}, {"DATA12345", "DATA12345*"}, {"DATA123456", "DATA123456"}, {".tran 1m 10", ".tran 1m 10"}};
    int y = 0;
    for (const auto& [text, marked] : cases) {
        data.objects[++data.objectCount] = MakeDrawObject(ObjectWords(kObjText, 0, y, (8 << 8) | 1), text);
        y += 300;
    }
    view()->LoadCurrentDocument();
    ASSERT_TRUE(command(kCmdDisplayMark));
    y = 0;
    for (int i = 1; i <= static_cast<int>(std::size(cases)); ++i, y += 300) {
        SCOPED_TRACE(cases[i - 1].first);
        doc()->SetModifiedFlag(false);
        click(10, y - 5);
        EXPECT_STREQ(object(i).text, cases[i - 1].second);
        EXPECT_EQ(doc()->IsModified(), std::string_view(cases[i - 1].first) != cases[i - 1].second);
    }
}

TEST_F(ViewKeys, BillOfMaterialsListsPartsInTheViewer)
{
    doc()->SetPathName(folder.file("amp.pic"), false);
    ASSERT_TRUE(command(kCmdBillOfMaterials));
    EXPECT_TRUE(host.shown("text viewer: " + folder.file("amp.bom")));
    std::ifstream in(folder.file("amp.bom"));
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("Bill of Materials"), std::string::npos);
    EXPECT_NE(text.str().find("0 parts"), std::string::npos);
}

TEST_F(ViewKeys, ABillOfMaterialsThatCannotBeWrittenKeepsTheOlderOne)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("amp.bom", "older list\n");
        disk.fill();
        doc()->SetPathName(disk.file("amp.pic"), false);
        host.clearEvents();
        EXPECT_TRUE(command(kCmdBillOfMaterials));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("amp.bom") + ": No space left on device"});
        EXPECT_FALSE(host.shown("text viewer: " + disk.file("amp.bom")));
        EXPECT_EQ(disk.readText("amp.bom"), "older list\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"amp.bom"});
    });
}

TEST_F(ViewKeys, RightClickOnASelectedTextOpensTheFontChooser)
{
    ASSERT_TRUE(character('t'));
    click(200, 200);
    for (char c : std::string("VCC"))
        view()->SendMessage(plat::kWmChar, static_cast<unsigned char>(c), 1);
    view()->SendMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
    harness->idle();
    ASSERT_EQ(count(), 1);
    selectMode();
    click(210, 195);
    ASSERT_EQ(g_editState.selectionCount, 1);
    plat::FontChoice chosen;
    chosen.face = "Courier New";
    chosen.height = -12;
    chosen.weight = 700;
    chosen.italic = true;
    host.answerFontDialog(chosen);
    doc()->SetModifiedFlag(false);
    view()->OnRButtonDown(0, pixelOf(210, 195));
    harness->idle();
    const int style = object(1).w[2];
    EXPECT_EQ(style & 0x7F, 3) << "Courier New is entry 3 of the font table";
    EXPECT_EQ((style >> 8) & 0x7F, 12);
    EXPECT_EQ(style & 0x80, 0x80);
    EXPECT_EQ(style & 0x8000, 0x8000);
    EXPECT_TRUE(doc()->IsModified());

    // Arial is the standard font: index 0, size 0.
    chosen.face = "Arial";
    chosen.weight = 400;
    chosen.italic = false;
    host.answerFontDialog(chosen);
    view()->OnRButtonDown(0, pixelOf(210, 195));
    EXPECT_EQ(object(1).w[2], 0);
}

TEST_F(ViewKeys, ScrollBarsAndTheWheelMoveTheViewCentre)
{
    const int before = g_current.viewCentreX;
    view()->OnHScroll(plat::kSbPageRight, 0, nullptr);
    EXPECT_EQ(g_current.viewCentreX, before) << "nothing happens until the scrolling ends";
    view()->OnHScroll(plat::kSbEndScroll, 0, nullptr);
    EXPECT_GT(g_current.viewCentreX, before);
    EXPECT_EQ(doc()->data().viewCentreX, g_current.viewCentreX);

    const int y = g_current.viewCentreY;
    view()->OnMouseWheel(0, 120, {0, 0});
    EXPECT_EQ(g_current.viewCentreY, y - 120);
    view()->OnMouseWheel(0, -32000, {0, 0});
    EXPECT_EQ(g_current.viewCentreY, y - 120) << "beyond the sheet the wheel does nothing";
}
