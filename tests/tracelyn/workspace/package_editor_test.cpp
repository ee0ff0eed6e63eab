// The package editor in the running program: opened from the frame and from Library Parts,
// driven with its own keys, commands and mouse, saved, reopened and closed back to the board.
#include "tests/tracelyn/core/edit_fixture.h"

#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "platform/app/message_pump.h"
#include "platform/app/property_sheet.h"
#include "platform/app/resources.h"
#include "platform/gdi/raster_dc.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/core/board_settings.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/library_ids.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/board_clipboard.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_wizard.h"
#include "tracelyn/core/object_extent.h"
#include "common/string_helpers.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/route/design_rule_check.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_editor.h"
#include "tracelyn/workspace/package_editor_dialogs.h"
#include "resources/tracelyn/edit_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/workspace/package_wizard_sheet.h"
#include "support/menu_ids.h"
#include "support/control_items.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace edit_test;
using namespace tly;

class PackageEditorTest : public BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        g_boardFolders.libraryFolder = folder.path().string() + "/";
        g_packageChoice = {};
        g_packageWizardMemory = PackageWizardMemory{};
    }
    void TearDown() override
    {
        g_boardFolders.libraryFolder.clear();
        BoardEditTest::TearDown();
    }

    // Runs the editor from `open` with `script` while it is up.
    void inEditor(const std::function<void()>& open, const std::function<void(CLibPartEditorDlg&)>& script)
    {
        bool ran = false;
        host.answerDialog([&](plat::Dialog& d) {
            auto& editor = dynamic_cast<CLibPartEditorDlg&>(d);
            script(editor);
            ran = true;
            if (editor.modalResult() == -1) {
                if (editor.isModified() || g_footprintEditor.modified != 0)
                    host.answerMessageBox(plat::kIdYes);
                editor.SendMessage(plat::kWmCommand, kCmdCloseEditor, 0);
            }
            return editor.modalResult();
        });
        open();
        EXPECT_TRUE(ran);
    }
    static void send(CLibPartEditorDlg& editor, unsigned id) { editor.SendMessage(plat::kWmCommand, id, 0); }
    static void typeKey(CLibPartEditorDlg& editor, unsigned vk, unsigned message = plat::kWmKeyDown)
    {
        plat::Msg msg{message, vk, 1, editor.GetDlgItem(kIdcEditorDrawingArea)};
        editor.PreTranslateMessage(msg);
    }
    static void clickArea(CLibPartEditorDlg& editor, int x, int y)
    {
        plat::Control* area = editor.GetDlgItem(kIdcEditorDrawingArea);
        area->SendMessage(plat::kWmMouseMove, 0, at(x, y));
        area->SendMessage(plat::kWmLButtonDown, plat::kMkLButton, at(x, y));
        area->SendMessage(plat::kWmLButtonUp, 0, at(x, y));
    }
    // Answers the save dialog with a part and library name.
    void answerSave(const std::string& part, const std::string& library)
    {
        host.answerDialog([part, library](plat::Dialog& d) {
            d.SetDlgItemText(kIdcSavePartName, part);
            d.SetDlgItemText(kIdcSaveLibraryName, library);
            return d.PressButton(plat::kIdOk);
        });
    }
    // Answers the wizard with its start values and "Save directly to library".
    void answerWizardSavingDirectly()
    {
        host.answerDialog([](plat::Dialog& d) {
            auto& wizard = dynamic_cast<CPartWizard&>(d);
            wizard.PressButton(plat::kIdWizNext);
            wizard.PressButton(plat::kIdWizNext);
            wizard.GetActivePage()->CheckRadioButton(kIdcWizardSaveDirectly, kIdcWizardEditFirst,
                                                     kIdcWizardSaveDirectly);
            return wizard.PressButton(plat::kIdWizFinish);
        });
    }
    static std::vector<std::string> pins(const CLibPartEditorDlg& editor)
    {
        std::vector<std::string> out;
        for (int i = kPartEditorFirstFree; i <= g_board.count; ++i)
            if (editor.record(i).kind() == kKindPad)
                out.emplace_back(editor.record(i).pinNumber());
        return out;
    }
};

// Fault: the board's undo steps must never be applied to the editor's store, and closing gives
// the globals back to the board, as they were.
TEST_F(PackageEditorTest, NewPartDrawsNumberedPadsAndGivesTheBoardBack)
{
    tool(kCmdToolRectangle);
    drag(100, 100, 200, 160);
    ASSERT_GE(UndoDepth(), 1);
    BoardObject* const boardStore = g_board.objects;
    const int boardCount = count();
    const int32_t zoom = g_board.zoomIndex, originX = g_board.viewOriginX, grid = g_board.gridCommand;

    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        EXPECT_EQ(UndoDepth(), 0) << "the board's steps stay with the board";
        EXPECT_NE(g_board.objects, boardStore);
        EXPECT_EQ(g_board.count, 2);
        EXPECT_STREQ(editor.record(1).text(), "Ref(U)");
        EXPECT_STREQ(editor.record(2).text(), "Name");
        EXPECT_EQ(editor.record(1).w[1], -7000);
        EXPECT_TRUE(editor.hintVisible());
        send(editor, kCmdUndo);
        EXPECT_EQ(g_board.count, 2);

        typeKey(editor, 'C');   // the pad tool without its dialog
        EXPECT_EQ(g_gesture.tool, kToolPad);
        clickArea(editor, 300, 200);
        clickArea(editor, 400, 200);
        clickArea(editor, 500, 200);
        EXPECT_FALSE(editor.hintVisible());
        EXPECT_EQ(pins(editor), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_TRUE(host.shown("message box: Library part has been changed--close editor?") == false);
        host.answerMessageBox(plat::kIdNo);
        send(editor, kCmdCloseEditor);
        EXPECT_EQ(editor.modalResult(), -1) << "No keeps a changed part open";
        EXPECT_TRUE(host.shown("message box: Library part has been changed--close editor?"));
    });
    EXPECT_EQ(g_board.objects, boardStore);
    EXPECT_EQ(g_board.count, boardCount);
    EXPECT_EQ(g_board.zoomIndex, zoom);
    EXPECT_EQ(g_board.viewOriginX, originX);
    EXPECT_EQ(g_board.gridCommand, grid);
    EXPECT_FALSE(g_footprintEditor.open);
    EXPECT_EQ(thePartEditor, nullptr);
}

TEST_F(PackageEditorTest, WizardPartSavesAndReopensWithItsLabels)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        host.answerDialog([&](plat::Dialog& d) {
            auto& wizard = dynamic_cast<CPartWizard&>(d);
            // DIP with the start values, through-hole; then the labels page.
            EXPECT_EQ(wizard.PressButton(plat::kIdWizNext), -1);
            plat::PropertyPage* labels = wizard.GetActivePage();
            labels->GetDlgItem(kIdcWizardDesignator)->setText("ic");
            labels->SetDlgItemText(kIdcWizardPartDescription, "Twenty pins");
            labels->SetDlgItemText(kIdcWizardPartName, "DIP20W");
            EXPECT_EQ(wizard.PressButton(plat::kIdWizNext), -1);
            return wizard.PressButton(plat::kIdWizFinish);
        });
        send(editor, kIdcEditorWizard);
        EXPECT_TRUE(host.shown("message box: You have created a drawing that can now be saved as a library part.\n"
                               "You can customize this, or you can save it by clicking on\nSAVE in the FILE menu."));
        EXPECT_EQ(g_board.count, 2 + 21);
        EXPECT_EQ(editor.record(3).w[0], -10000);
        EXPECT_EQ(editor.record(3).w[2], 960);
        EXPECT_EQ(editor.record(13).w[0], -7000);
        EXPECT_EQ(editor.labels().designator, "IC");
        EXPECT_STREQ(editor.record(1).text(), "Ref(IC)");
        EXPECT_STREQ(editor.record(2).text(), "DIP20W");
        EXPECT_EQ(editor.GetDlgItemText(kIdcEditorComment), "Twenty pins");

        answerSave("DIP20W", "MINE");
        host.answerMessageBox(plat::kIdYes);   // "Start new library: MINE?"
        send(editor, kCmdSavePart);
        EXPECT_FALSE(editor.isModified());
    });
    std::vector<std::string> parts;
    FillLibraryPartList("MINE", parts);
    EXPECT_EQ(parts, std::vector<std::string>{"DIP20W"});

    // Library Parts' Modify Part opens the same part again.
    inEditor([&] { RunPackageEditor(nullptr, 1, "MINE", "DIP20W"); }, [&](CLibPartEditorDlg& editor) {
        EXPECT_EQ(g_board.count, 2 + 1 + 21 + 20 + 2) << "the comment, pin and label texts are read, then emptied";
        std::vector<std::string> expected;
        for (int k = 1; k <= 20; ++k)
            expected.push_back(std::to_string(k));
        EXPECT_EQ(pins(editor), expected);
        EXPECT_EQ(editor.labels().designator, "IC");
        EXPECT_EQ(editor.GetDlgItem(kIdcEditorDesignator)->text(), "IC");
        EXPECT_EQ(editor.GetDlgItemText(kIdcEditorComment), "Twenty pins");
        EXPECT_STREQ(editor.record(2).text(), "DIP20W");
        EXPECT_EQ(g_gesture.tool, kToolSelect);
        EXPECT_FALSE(editor.hintVisible());
        EXPECT_FALSE(editor.isModified());
    });
    EXPECT_TRUE(host.messageBoxes().size() >= 1);
}

// Pasted pads continue the part's numbering; a pasted placed part is dropped.
TEST_F(PackageEditorTest, PastedPadsAreRenumbered)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        typeKey(editor, 'C');
        for (int k = 0; k < 14; ++k)
            clickArea(editor, 60 + 50 * k, 100);
        ASSERT_EQ(pins(editor).size(), 14u);
        const int before = g_board.count;
        // Three pads of the part, copied to the clipboard and pasted.
        g_selection.count = 3;
        for (int k = 1; k <= 3; ++k)
            g_selection.list[static_cast<size_t>(k)] = 2 + k;
        send(editor, plat::kIdEditCopy);
        EXPECT_EQ(editor.statusLine(0), "Sent 3 objects to clipboard");
        send(editor, plat::kIdEditPaste);
        ASSERT_EQ(g_board.count, before + 3);
        std::vector<std::string> all = pins(editor);
        EXPECT_EQ((std::vector<std::string>(all.end() - 3, all.end())), (std::vector<std::string>{"15", "16", "17"}));
    });
}

// Designator letters: never P, letters only.
TEST_F(PackageEditorTest, DesignatorTakesLettersOnly)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        plat::Control* combo = editor.GetDlgItem(kIdcEditorDesignator);
        ASSERT_EQ(combo->GetCount(), 25);
        EXPECT_EQ(combo->FindStringExact(-1, "P"), plat::kLbErr);
        combo->focus(true);
        combo->type("u1");
        combo->focus(false);
        EXPECT_EQ(host.messageBoxes().back(), "Only letters are allowed in reference designator");
        EXPECT_STREQ(editor.record(1).text(), "Ref(U)");
        combo->focus(true);
        combo->type("CN");
        combo->focus(false);
        EXPECT_STREQ(editor.record(1).text(), "Ref(CN)");
        combo->choose(combo->FindStringExact(-1, "R"));
        EXPECT_STREQ(editor.record(1).text(), "Ref(R)");
    });
}

// The library Pad Setup from the right button: the pin number goes into the pad, with its
// warnings; the selective-editing dialog acts on the switches.
TEST_F(PackageEditorTest, RightClickedPadTakesItsPinNumber)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        typeKey(editor, 'C');
        clickArea(editor, 300, 200);
        clickArea(editor, 400, 200);
        send(editor, kCmdSelect);
        clickArea(editor, 300, 200);
        ASSERT_EQ(g_selection.count, 1);
        const int pad = g_selection.list[1];
        std::string shownPin;
        host.answerDialog([&](plat::Dialog& d) {
            shownPin = d.GetDlgItemText(kIdcLibPadPin);
            d.SetDlgItemText(kIdcLibPadPin, "2");   // pad 2's number
            return d.PressButton(plat::kIdOk);
        });
        plat::Control* area = editor.GetDlgItem(kIdcEditorDrawingArea);
        area->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, at(300, 200));
        EXPECT_EQ(shownPin, "1");
        EXPECT_EQ(host.messageBoxes().back(), "Warning: Duplicate pin number!");
        EXPECT_EQ(editor.record(pad).pinNumber(), "2");
        EXPECT_TRUE(editor.isModified());

        host.answerDialog([&](plat::Dialog& d) {
            d.SetDlgItemText(kIdcLibPadPin, "");
            return d.PressButton(plat::kIdOk);
        });
        area->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, at(300, 200));
        EXPECT_EQ(host.messageBoxes().back(), "Warning: Pin number required!");

        host.answerDialog([&](plat::Dialog& d) {
            d.PressButton(kIdcSelectNoObjects);
            return d.PressButton(plat::kIdCancel);
        });
        send(editor, kCmdSelectiveSetup);
        for (int32_t on : g_selectiveEdit.on)
            EXPECT_EQ(on, 0) << "NO Objects acts at once, Cancel or not";
        host.answerDialog([&](plat::Dialog& d) {
            d.PressButton(kIdcSelectAllObjects);
            return d.PressButton(plat::kIdOk);
        });
        send(editor, kCmdSelectiveSetup);
        EXPECT_EQ(g_selectiveEdit.on[kSwitchParts], 0);
        EXPECT_EQ(g_selectiveEdit.on[kSwitchNoRoutes], 0);
        EXPECT_EQ(g_selectiveEdit.on[kSwitchPads], 1);
    });
}

// Setup > General in the editor is the board's own sheet: what it stores is what the board
// program takes.
TEST_F(PackageEditorTest, SetupGeneralRunsTheBoardSheet)
{
    const int32_t savedWidth = g_boardSettings.trace_width;
    const int32_t savedUnits = g_boardSettings.units;
    g_boardSettings.units = 725;
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        plat::CmdUI ui(kCmdGeneralSetup);
        editor.OnCmdMsg(kCmdGeneralSetup, &ui);
        EXPECT_TRUE(ui.enabled());
        std::string caption;
        host.answerDialog([&](plat::Dialog& d) {
            auto& sheet = static_cast<plat::PropertySheet&>(d);
            caption = sheet.caption();
            sheet.SetActivePage(0);
            sheet.GetPage(0)->SetDlgItemText(kIdcGenWidth, "300");
            return sheet.PressButton(plat::kIdOk);
        });
        send(editor, kCmdGeneralSetup);
        EXPECT_EQ(caption, "General Setup");
        EXPECT_EQ(g_boardSettings.trace_width, 2550);
        EXPECT_EQ(editor.modalResult(), -1) << "the editor stays open";
    });
    g_boardSettings.trace_width = savedWidth;
    g_boardSettings.units = savedUnits;
}

// The pad dialog writes a pin number into a pad only, and reads millimetres as mils.
TEST_F(PackageEditorTest, LibraryPadSetupKeepsOtherObjectsWhole)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        g_selection.count = 1;
        g_selection.list[1] = kRefTextIndex;   // the reference text
        const std::string before = editor.record(kRefTextIndex).text();
        g_boardSettings.units = 726;
        CLibPadSetupDlg dialog;
        dialog.style = 3;
        dialog.sizeX = 60;
        host.answerDialog([&](plat::Dialog& d) {
            d.SetDlgItemText(kIdcLibPadPin, "9");
            d.SetDlgItemText(kIdcPadX, "1.27");
            d.CheckRadioButton(kIdcPadShapeFirst, kIdcPadShapeFirst + 7, kIdcPadShapeFirst);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
        g_boardSettings.units = 725;
        EXPECT_EQ(editor.record(kRefTextIndex).pinNumber(), "");
        EXPECT_EQ(std::string(editor.record(kRefTextIndex).text()), before);
        EXPECT_NEAR(dialog.sizeX, 50.0f, 0.01f);
        EXPECT_NEAR(dialog.sizeY, 50.0f, 0.01f) << "a round pad is as high as it is wide";
        EXPECT_EQ(dialog.style, 0);
        g_selection.count = 0;
    });
}

}  // namespace

namespace {

// The scroll bars move the view once the scroll ends, and follow it when the editor paints.
// The menu bar names the editor's own commands: Redraw above Edit's separator, ten scales in
// View, and the editor's Setup and Help.
TEST_F(PackageEditorTest, MenuBarCarriesTheEditorsCommands)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        plat::Menu* bar = editor.dialogMenu();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->GetMenuItemCount(), 5);
        EXPECT_EQ(quill_test::MenuItemIds(*bar->GetSubMenu(0)), (std::vector<int>{kCmdSavePart, kCmdNewPart, 0, kCmdCloseEditor}));
        EXPECT_EQ(quill_test::MenuItemIds(*bar->GetSubMenu(1)),
                  (std::vector<int>{kCmdSelect, kCmdErase, kCmdRotate, kCmdMirror, kCmdFlip, kCmdOrigin, kCmdRedraw, 0,
                                    kCmdUndo, plat::kIdEditCopy, plat::kIdEditPaste}));
        const plat::Menu& view = *bar->GetSubMenu(2);
        EXPECT_EQ(quill_test::MenuItemIds(view), (std::vector<int>{kCmdDrawToFit, kCmdCenterView, kCmdZoomIn, kCmdZoomOut, -1}));
        const plat::Menu& scale = *view.GetSubMenu(4);
        EXPECT_EQ(scale.GetMenuItemCount(), 10);
        EXPECT_EQ(scale.GetMenuString(9, plat::kMfByPosition), "5000%");
        EXPECT_EQ(bar->GetMenuString(4, plat::kMfByPosition), "&Help");
    });
}

TEST_F(PackageEditorTest, ScrollBarsMoveTheView)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        plat::Control* bar = editor.GetDlgItem(kIdcEditorHScroll);
        editor.GetDlgItem(kIdcEditorDrawingArea)->RedrawWindow();
        const int before = bar->GetPos();
        const int32_t originX = g_board.viewOriginX;
        bar->scroll(plat::kSbPageRight);
        EXPECT_GT(g_board.viewOriginX, originX);
        editor.GetDlgItem(kIdcEditorDrawingArea)->RedrawWindow();
        EXPECT_EQ(bar->GetPos(), before + 50);
        const int32_t originY = g_board.viewOriginY;
        editor.GetDlgItem(kIdcEditorVScroll)->scroll(plat::kSbLineUp);
        EXPECT_LT(g_board.viewOriginY, originY);
    });
}

TEST_F(PackageEditorTest, EdgeCardAddsTheSecondLayerAndBothTabs)
{
    const auto tabNames = [](CLibPartEditorDlg& editor) { return quill_test::itemTexts(editor, kIdcEditorLayerTab); };
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        EXPECT_EQ(tabNames(editor), (std::vector<std::string>{"Layer 1 (Normal)"}));
        editor.CheckDlgButton(kIdcEditorEdgeCard, 1);
        send(editor, kIdcEditorEdgeCard);
        EXPECT_EQ(tabNames(editor), (std::vector<std::string>{"Layer 1 (Normal)", "Layer 2", "Both"}));
        EXPECT_EQ(editor.GetDlgItem(kIdcEditorLayerTab)->GetCurSel(), 0);
        editor.CheckDlgButton(kIdcEditorEdgeCard, 0);
        send(editor, kIdcEditorEdgeCard);
        EXPECT_EQ(tabNames(editor), (std::vector<std::string>{"Layer 1 (Normal)"}));
    });
}

}  // namespace

namespace {

// A part the wizard saved straight into a library is what the library holds: closing the
// editor asks nothing. The toolbar's buttons, Save Part first, name themselves on the pointer.
TEST_F(PackageEditorTest, DirectlySavedWizardPartClosesWithoutAQuestion)
{
    const plat::ToolbarResource* bar = plat::findToolbar(kIdrPackageEditor);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->buttons.front(), kCmdSavePart);
    for (const unsigned id : bar->buttons) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(id == 0 || (!plat::commandPrompt(id).empty() && !plat::commandTooltip(id).empty()));
    }
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        editor.OnToolbarPointer(kCmdSavePart);
        EXPECT_EQ(editor.statusLine(0), "Save the part into a package library");
        answerWizardSavingDirectly();
        answerSave("DIP20", "MINE");
        host.answerMessageBox(plat::kIdYes);   // "Start new library: MINE?"
        send(editor, kIdcEditorWizard);
        EXPECT_FALSE(editor.isModified());
        host.clearEvents();
        send(editor, kCmdCloseEditor);
        EXPECT_NE(editor.modalResult(), -1) << "closed";
        EXPECT_TRUE(host.messageBoxes().empty());
    });
    std::vector<std::string> parts;
    FillLibraryPartList("MINE", parts);
    EXPECT_EQ(parts, std::vector<std::string>{"DIP20"});
}

// Fault: a generated part whose direct save was cancelled must still ask before it is closed
// away. New Part then starts over with the labels in their new-part places.
TEST_F(PackageEditorTest, UnsavedWizardPartIsKeptAsAChange)
{
    // Utilities > Package Wizard opens a new part with the wizard up; cancelling it leaves the
    // empty part without a tool.
    inEditor([&] { command(kCmdPackageWizard); }, [&](CLibPartEditorDlg&) {
        bool wizardShown = false;
        host.answerDialog([&](plat::Dialog& d) {
            wizardShown = dynamic_cast<CPartWizard*>(&d) != nullptr;
            return d.PressButton(plat::kIdCancel);
        });
        plat::PumpMessages();
        EXPECT_TRUE(wizardShown);
        EXPECT_EQ(g_board.count, 2);
        EXPECT_EQ(g_gesture.tool, kToolNone);
    });
    host.clearEvents();
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        answerWizardSavingDirectly();
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });   // the save
        send(editor, kIdcEditorWizard);
        EXPECT_EQ(g_board.count, 2 + 21);
        EXPECT_TRUE(editor.isModified());

        host.answerMessageBox(plat::kIdYes);   // "Start a new part?"
        host.answerMessageBox(plat::kIdNo);    // "Save current part?"
        send(editor, kCmdNewPart);
        EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Start a new part?", "Save current part?"}));
        EXPECT_EQ(g_board.count, 2);
        EXPECT_EQ(editor.record(1).w[0], -1000);
        EXPECT_EQ(editor.record(1).w[1], -2500);
        EXPECT_EQ(editor.record(2).w[1], -2000);
        EXPECT_FALSE(editor.isModified());
        host.clearEvents();
        host.answerMessageBox(plat::kIdYes);
        send(editor, kCmdNewPart);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Start a new part?"});
    });
}

// Back from the output page and from the labels page, then Next again, keep the designator,
// description and name as they were typed.
TEST_F(PackageEditorTest, WizardBackKeepsTheTypedLabels)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        host.answerDialog([&](plat::Dialog& d) {
            auto& wizard = dynamic_cast<CPartWizard&>(d);
            wizard.PressButton(plat::kIdWizNext);
            plat::PropertyPage* labels = wizard.GetActivePage();
            labels->TypeDlgItemText(kIdcWizardDesignator, "IC");
            labels->TypeDlgItemText(kIdcWizardPartDescription, "Twenty pins");
            labels->TypeDlgItemText(kIdcWizardPartName, "DIP20W");
            const auto expectKept = [&] {
                EXPECT_EQ(wizard.GetActivePage(), labels);
                EXPECT_EQ(labels->GetDlgItem(kIdcWizardDesignator)->text(), "IC");
                EXPECT_EQ(labels->GetDlgItemText(kIdcWizardPartDescription), "Twenty pins");
                EXPECT_EQ(labels->GetDlgItemText(kIdcWizardPartName), "DIP20W");
            };
            wizard.PressButton(plat::kIdWizNext);
            wizard.PressButton(plat::kIdWizBack);
            expectKept();
            wizard.PressButton(plat::kIdWizBack);
            EXPECT_EQ(wizard.GetActiveIndex(), 0);
            wizard.PressButton(plat::kIdWizNext);
            expectKept();
            wizard.PressButton(plat::kIdWizNext);
            return wizard.PressButton(plat::kIdWizFinish);
        });
        send(editor, kIdcEditorWizard);
        EXPECT_STREQ(editor.record(1).text(), "Ref(IC)");
        EXPECT_STREQ(editor.record(2).text(), "DIP20W");
        EXPECT_EQ(editor.GetDlgItemText(kIdcEditorComment), "Twenty pins");
    });
}

// The reference and name texts of a wizard's package stand clear of every pad and outline, by
// more than a silk line's width, whatever the package type: none of their silk lands on copper.
TEST_F(PackageEditorTest, WizardLabelsStandClearOfThePackage)
{
    struct Case {
        const char* what;
        unsigned type;
        const char* padsX;
        const char* padsY;
        const char* xSeparation;
    };
    const Case cases[] = {
        {"DIP", kPackageDip, "2", "10", "300"},
        {"quad", kPackageQuad, "6", "6", "600"},
        {"circular", kPackageCircular, "8", "0", "400"},
        {"grid array", kPackageGridArray, "5", "5", "300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.clearEvents();
        g_packageWizardMemory = PackageWizardMemory{};
        inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
            host.answerDialog([&](plat::Dialog& d) {
                auto& wizard = dynamic_cast<CPartWizard&>(d);
                plat::PropertyPage* type = wizard.GetActivePage();
                type->PressButton(c.type);
                type->TypeDlgItemText(kIdcWizardPadsX, c.padsX);
                type->TypeDlgItemText(kIdcWizardPadsY, c.padsY);
                type->TypeDlgItemText(kIdcWizardXSeparation, c.xSeparation);
                type->TypeDlgItemText(kIdcWizardYSeparation, c.xSeparation);
                wizard.PressButton(plat::kIdWizNext);
                wizard.PressButton(plat::kIdWizNext);
                wizard.GetActivePage()->CheckRadioButton(kIdcWizardSaveDirectly, kIdcWizardEditFirst,
                                                         kIdcWizardSaveDirectly);
                return wizard.PressButton(plat::kIdWizFinish);
            });
            answerSave(std::string("W") + std::to_string(&c - cases), "MINE");
            host.answerMessageBox(plat::kIdYes);   // a new library, the first time
            send(editor, kIdcEditorWizard);
            ASSERT_GT(g_board.count, 3);
            for (const int label : {1, 2}) {
                const BoardBox text = UnrotatedTextBox(label);
                for (int i = kPartEditorFirstFree; i <= g_board.count; ++i) {
                    BoardBox b = GetObjectExtent(i, kExtentPlain);
                    // A silk line's width and the text's pen on top of the copper's own box.
                    b = {b.left - 150, b.top - 150, b.right + 150, b.bottom + 150};
                    EXPECT_FALSE(text.meets(b)) << "label " << label << " on record " << i;
                }
            }
        });
        // Placed on the board, the saved package passes the check's silk-over-pad rule.
        ASSERT_EQ(LoadLibraryPart("MINE", std::string("W") + std::to_string(&c - cases)), 1);
        BoardObject part;
        part.w[0] = 20000;
        part.w[1] = 20000;
        part.w[4] = kKindPart + g_packages.current;
        part.data = StrDupChecked("U1");
        SetPartLabelAnchor(part, nullptr);
        const int placed = ++g_board.count;
        g_board.objects[placed] = part;
        DrcSettings silk;
        silk.silkscreen = true;
        const DrcResult result = CheckDesignRules(silk);
        EXPECT_TRUE(result.findings.empty()) << result.findings.size() << " silk findings";
        FreeObjectData(g_board.objects[placed]);
        g_board.objects[placed] = BoardObject{};
        --g_board.count;
    }
}

// The first page's picture draws the pads the count fields mean: a DIP's "Number of Pads (Y)"
// down each side, redrawn as the count is typed, and the count written under it.
TEST_F(PackageEditorTest, WizardPictureShowsThePadsPerSide)
{
    inEditor([&] { command(kCmdNewPackagePart); }, [&](CLibPartEditorDlg& editor) {
        host.answerDialog([&](plat::Dialog& d) {
            auto& wizard = dynamic_cast<CPartWizard&>(d);
            plat::PropertyPage& type = *wizard.GetActivePage();
            // Pads down the picture's left column, and whether the picture shows any ink below them.
            const auto padsDown = [&] {
                plat::RasterDc dc(120, 100);
                plat::DrawItem draw{.ctlId = kIdcWizardPicture, .itemAction = plat::kOdaDrawEntire, .dc = &dc,
                                    .rcItem = {0, 0, 120, 100}};
                type.OnDrawItem(kIdcWizardPicture, draw);
                int runs = 0;
                bool inPad = false;
                for (int y = 0; y < 84; ++y) {
                    const bool ink = dc.GetPixel(60 - 120 / 5, y) != plat::rgb(255, 255, 255);
                    runs += ink && !inPad;
                    inPad = ink;
                }
                return runs;
            };
            EXPECT_EQ(type.GetDlgItemText(kIdcWizardPadsY), "10");
            EXPECT_EQ(padsDown(), 10) << "ten pads per side, as the field counts them";
            type.TypeDlgItemText(kIdcWizardPadsY, "4");
            EXPECT_EQ(padsDown(), 4);
            return wizard.PressButton(plat::kIdCancel);
        });
        send(editor, kIdcEditorWizard);
    });
}

}  // namespace
