// The library part editor opened by Utilities > New Library Part in a running Schemora: drawing
// a body and terminals with the mouse and keys, pin numbering, undo and erase of terminals,
// zoom limits, the hint, New Part and the close question, and a part saved into a library that
// then places and netlists in the drawing.
#include "part_editor_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/menu.h"
#include "platform/app/keys.h"
#include "platform/app/property_sheet.h"
#include "platform/app/win_constants.h"
#include "platform/system/app_profile.h"
#include "platform/system/files.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/general_setup_ids.h"
#include "resources/schemora/part_dialog_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/clipboard_exchange.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "common/editor_view_steps.h"
#include "schemora/core/part_library.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/style_changes.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/core/design_name.h"
#include "schemora/workspace/part_editor.h"
#include "schemora/core/part_terminals.h"
#include "schemora/core/part_text_alignment.h"
#include "common/scoped_replace.h"
#include "common/library_browser.h"
#include "schemora/workspace/library_parts_dialog.h"
#include "support/menu_ids.h"
#include "support/control_items.h"
// Last: the Qt headers it brings define words the program headers use as names.
#include "platform/app/wnd_state.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace schemora_test {
namespace {

using namespace scm;

TEST_F(PartEditorTest, DrawsANumberedPartAndGivesTheDrawingBackOnClose)
{
    // A step of the drawing's own, which the editor must not undo or lose.
    StarterPartsView::wire(-500, 0, 500, 0);
    const int drawingCount = count();
    const DrawObject* drawingStore = g_current.objects.data();
    ASSERT_EQ(UndoDepth(), 1);

    runEditor([&](EditorHand& h) {
        EXPECT_EQ(thePartEditor, &h.e);
        EXPECT_TRUE(plat::findDialogTemplate(kIddPartEditor)->maximized);
        plat::Control* ref = h.e.GetDlgItem(kIdcEditorReference);
        EXPECT_EQ(ref->GetCount(), 25);
        EXPECT_EQ(ref->FindStringExact(-1, "P"), plat::kLbErr) << "P names no part";
        EXPECT_EQ(ref->GetItemText(ref->GetCurSel()), "U");
        EXPECT_STREQ(h.record(1).text, "Ref(U)");
        EXPECT_STREQ(h.record(2).text, "Name");
        EXPECT_EQ(UndoDepth(), 0) << "the editor starts on an empty ring";

        EXPECT_TRUE(h.e.hint().visible);
        h.command(kCmdEditSelect);
        h.move(0, 0);
        EXPECT_TRUE(h.e.hint().visible) << "the select tool leaves the hint";
        h.key('J');
        h.move(50, 0);
        EXPECT_FALSE(h.e.hint().visible) << "a drawing tool removes it at the first move";

        drawTwoPinPart(h);
        ASSERT_EQ(h.e.objectCount(), 6);
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"}));
        const DrawObject& left = h.record(5);
        const DrawObject& right = h.record(6);
        EXPECT_EQ(TerminalPinText(left), "1");
        EXPECT_EQ(TerminalPinText(right), "2");
        EXPECT_EQ(left.w[5], 0) << "left of the body: the first end is the outer end";
        EXPECT_EQ(right.w[5], 1);
        EXPECT_LE(right.w[0], right.w[2]) << "a terminal drawn right to left is stored with ordered ends";
        EXPECT_EQ(right.w[1], right.w[3]) << "the terminal tool keeps terminals orthogonal";

        // Undo takes the last terminal and its pin away.
        EXPECT_TRUE(h.key('Z', true));
        EXPECT_EQ(h.pinNumbers(), std::vector<std::string>{"1"});
        // Erasing the first terminal takes its pin; undoing the erase brings both back.
        h.command(kCmdEditSelect);
        h.click(-300, -100);
        ASSERT_EQ(g_editState.selectionCount, 1);
        EXPECT_TRUE(h.key(plat::kVkDelete));
        EXPECT_TRUE(h.pinNumbers().empty());
        h.command(kCmdEditUndo);
        EXPECT_EQ(h.pinNumbers(), std::vector<std::string>{"1"});

        EXPECT_GT(h.e.objectCount(), drawingCount) << "the editor holds more records than the drawing";
        host.answerMessageBox(plat::kIdNo);
        h.command(kCmdEditorClose);
        EXPECT_EQ(h.e.modalResult(), -1) << "No keeps the changed editor open";
        host.answerMessageBox(plat::kIdYes);
        h.command(kCmdEditorClose);
    });
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>(2, "Library part has been changed--close editor?"));
    EXPECT_EQ(thePartEditor, nullptr);
    EXPECT_EQ(g_current.objects.data(), drawingStore);
    EXPECT_EQ(g_current.count, drawingCount) << "the drawing's count is not the editor's";
    EXPECT_EQ(count(), drawingCount);
    EXPECT_EQ(UndoDepth(), 1) << "the drawing's undo step is back";
}

TEST_F(PartEditorTest, PastedTerminalsAreNumberedOnAndAFullPinTableRefusesATerminal)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.command(kCmdEditSelect);
        h.drag(-700, -350, 700, 350);   // a band round the body and both terminals
        ASSERT_EQ(g_editState.selectionCount, 3);
        EXPECT_TRUE(h.key('C', true));
        EXPECT_TRUE(h.key('V', true));
        ASSERT_EQ(h.e.objectCount(), 9);
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2", "3", "4"}))
            << "each pasted terminal gets its own next number";
        // The pasted terminal's number and label move with it, not stay on the copied one.
        int moved = 0;
        for (int copy = 7; copy <= 9; ++copy) {
            const DrawObject& t = h.record(copy);
            if (!IsTerminal(t))
                continue;
            for (int source = 1; source <= 6; ++source) {
                const DrawObject& s = h.record(source);
                if (!IsTerminal(s) || s.w[0] + kPasteOffset != t.w[0] || s.w[1] + kPasteOffset != t.w[1])
                    continue;
                SCOPED_TRACE(copy);
                for (const int word : {11, 12, 16, 17})
                    EXPECT_EQ(t.w[static_cast<size_t>(word)], s.w[static_cast<size_t>(word)] + kPasteOffset) << word;
                ++moved;
            }
        }
        EXPECT_EQ(moved, 2);

        // A full table: the terminal drawn next is refused and leaves nothing behind.
        PartPinTable& pins = h.e.pins();
        for (int n = 5; pins.count() < kMaxEditorPins; ++n)
            pins.AddPartPin(std::to_string(n), 0, "", 0, 0, 0);
        host.clearEvents();
        h.key('J');
        h.drag(-400, 300, -200, 300);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Too many pins"});
        EXPECT_EQ(h.e.objectCount(), 9);
        EXPECT_EQ(pins.count(), kMaxEditorPins);
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

// The menu bar names the editor's own commands: Re-Grid in Edit and Redraw below its
// separator, seven scales in View; File's last item closes the editor.
TEST_F(PartEditorTest, MenuBarCarriesTheEditorsCommands)
{
    runEditor([&](EditorHand& h) {
        plat::Menu* bar = h.e.dialogMenu();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->GetMenuItemCount(), 5);
        const plat::Menu& file = *bar->GetSubMenu(0);
        EXPECT_EQ(quill_test::MenuItemIds(file), (std::vector<int>{kCmdEditorSavePart, kCmdEditorNewPart, 0, kCmdEditorClose}));
        EXPECT_EQ(quill_test::MenuItemIds(*bar->GetSubMenu(1)),
                  (std::vector<int>{kCmdEditSelect, kCmdEditErase, kCmdEditRotate, kCmdEditMirror, kCmdEditFlip, kCmdEditorReGrid,
                                    kCmdEditOrigin, 0, kCmdEditRedraw, kCmdEditUndo, kCmdEditCopy, kCmdEditPaste}));
        const plat::Menu& view = *bar->GetSubMenu(2);
        EXPECT_EQ(quill_test::MenuItemIds(view),
                  (std::vector<int>{kCmdEditorDrawToFit, scm::kCmdCenter, kCmdEditorZoomIn, kCmdEditorZoomOut, -1}));
        const plat::Menu& scale = *view.GetSubMenu(4);
        EXPECT_EQ(scale.GetMenuItemCount(), 7);
        EXPECT_EQ(scale.GetMenuString(6, plat::kMfByPosition), "500%");
        // Every selective-editing choice, 722 naming no kind of its own.
        std::vector<int> choices;
        for (int id = kCmdSelEditAll; id <= static_cast<int>(kCmdSelEditNets); ++id)
            if (id != static_cast<int>(kCmdSelEditNets) - 1)
                choices.push_back(id);
        EXPECT_EQ(quill_test::MenuItemIds(*bar->GetSubMenu(3)->GetSubMenu(1)), choices);
        EXPECT_EQ(quill_test::MenuItemIds(*bar->GetSubMenu(4)), std::vector<int>{kCmdHelpContents});

        h.command(static_cast<unsigned>(file.GetMenuItemID(3)));
        EXPECT_EQ(h.e.modalResult(), plat::kIdOk);
    });
}

TEST_F(PartEditorTest, ZoomStopsAtBothEndsAndClosingUnchangedAsksNothing)
{
    runEditor([&](EditorHand& h) {
        EXPECT_EQ(g_current.zoomIndex, 5) << "a new part opens at 250%";
        EXPECT_EQ(h.e.GetDlgItem(kIdcEditorZoom)->GetCurSel(), 5);
        for (int i = 0; i < 3; ++i)
            h.key(plat::kVkPrior);
        EXPECT_EQ(g_current.zoomIndex, 6);
        for (int i = 0; i < 9; ++i)
            h.key(plat::kVkNext);
        EXPECT_EQ(g_current.zoomIndex, 0);
        EXPECT_EQ(h.e.GetDlgItem(kIdcEditorZoom)->GetCurSel(), 0);
        h.e.ChooseDlgItem(kIdcEditorGrid, 1);
        EXPECT_EQ(g_current.gridStep, 10);
        // Draw to Fit centres the part and takes the largest scale that shows all of it.
        const auto fitShows = [&](std::initializer_list<plat::Point> points) {
            h.command(kCmdEditorDrawToFit);
            const plat::Rect area = h.area.clientRect();
            for (const plat::Point q : points) {
                const plat::Point p = h.pixel(q.x, q.y);
                EXPECT_TRUE(p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom) << q.x << "," << q.y;
            }
            return g_current.zoomIndex;
        };
        EXPECT_EQ(fitShows({{-1000, -700}, {-1000, -650}}), kEditorMaxScaleIndex) << "the two texts fit at 500%";
        drawTwoPinPart(h);
        EXPECT_LT(fitShows({{-1000, -700}, {-400, -100}, {400, 100}}), kEditorMaxScaleIndex);
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
        EXPECT_EQ(h.e.modalResult(), plat::kIdOk);
    });
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PartEditorTest, NewPartClearsOnlyAfterASaveOrNo)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        const int drawn = h.e.objectCount();
        host.answerMessageBox(plat::kIdNo);   // "Start a new part?"
        h.command(kCmdEditorNewPart);
        EXPECT_EQ(h.e.objectCount(), drawn);

        host.answerMessageBox(plat::kIdYes);  // start a new part
        host.answerMessageBox(plat::kIdYes);  // save the current one
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
        h.command(kCmdEditorNewPart);
        EXPECT_EQ(h.e.objectCount(), drawn) << "a cancelled save keeps the part";
        EXPECT_EQ(h.pinNumbers().size(), 2u);

        host.answerMessageBox(plat::kIdYes);
        host.answerMessageBox(plat::kIdNo);
        h.command(kCmdEditorNewPart);
        EXPECT_EQ(h.e.objectCount(), 3);
        EXPECT_TRUE(h.pinNumbers().empty());
        EXPECT_EQ(UndoDepth(), 0);
        EXPECT_FALSE(h.e.isModified());
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorTest, SelectiveEditingChoosesTheKindsTheSelectionTakes)
{
    runEditor([&](EditorHand& h) {
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(kIdcSelEditNone);
            EXPECT_EQ(d.IsDlgButtonChecked(kCmdSelEditText + 2), 0);
            d.PressButton(kCmdSelEditText + 1);   // dots only
            return d.PressButton(plat::kIdOk);
        });
        h.command(kCmdEditorSelectiveEditing);
        EXPECT_EQ(g_selection.filterId, static_cast<int>(kCmdSelEditDots));
        EXPECT_EQ(g_editFilter.on[1], 1);
        EXPECT_EQ(g_editFilter.on[2], 0);
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(kCmdSelEditAll);
            return d.PressButton(plat::kIdOk);
        });
        h.command(kCmdEditorSelectiveEditing);
        EXPECT_EQ(g_selection.filterId, static_cast<int>(kCmdSelEditAll)) << "several kinds: all objects mode";
        EXPECT_EQ(g_editFilter.on[2], 1);
        h.command(kCmdEditorClose);
    });
    g_editFilter = EditFilter{};
}

TEST_F(PartEditorTest, ReferenceLettersArePlainCapitalsWithoutP)
{
    runEditor([&](EditorHand& h) {
        EXPECT_EQ(plat::Wnd::GetFocus(), &h.area) << "keys go to the drawing at open";
        EXPECT_FALSE(h.e.editFocus());
        h.e.ChooseDlgItem(kIdcEditorReference, 15);
        EXPECT_STREQ(h.record(1).text, "Ref(Q)") << "P is skipped";
        h.e.GetDlgItem(kIdcEditorReference)->focus(true);
        EXPECT_TRUE(h.e.editFocus());
        h.e.GetDlgItem(kIdcEditorReference)->setText("u1");
        h.e.GetDlgItem(kIdcEditorReference)->focus(false);
        EXPECT_EQ(host.messageBoxes().back(), "Only letters are allowed in reference designator");
        EXPECT_STREQ(h.record(1).text, "Ref(Q)");
        h.e.GetDlgItem(kIdcEditorReference)->setText("PQ");
        h.e.GetDlgItem(kIdcEditorReference)->focus(false);
        EXPECT_STREQ(h.record(1).text, "Ref(Q)");
        host.clearEvents();
        h.e.GetDlgItem(kIdcEditorReference)->setText("ic");
        h.e.GetDlgItem(kIdcEditorReference)->focus(false);
        EXPECT_TRUE(host.messageBoxes().empty()) << "lower-case letters are letters";
        EXPECT_STREQ(h.record(1).text, "Ref(IC)");
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorReference), "IC");
        EXPECT_FALSE(h.e.editFocus());
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorTest, SavedPartPlacesWithItsPinsAndNetlists)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.e.TypeDlgItemText(kIdcEditorPackage, "DIP8");
        h.e.TypeDlgItemText(kIdcEditorComments, "two pin test part");
        answerSaveIntoNewLibrary("MINE", "NEWPART");
        h.key('J');
        h.command(kCmdEditorSavePart);
        EXPECT_STREQ(h.record(2).text, "NEWPART");
        EXPECT_FALSE(h.e.isModified()) << "what was saved asks nothing on close";
        h.command(kCmdEditorClose);
    });
    ASSERT_TRUE(plat::fileExists(folder.file("LIB/MINE.CON")));

    answerPartChooser("MINE", "NEWPART");
    ASSERT_TRUE(key(plat::kVkF5));
    click(0, 0);
    const PartSymbol& s = g_partSymbols.entries[static_cast<size_t>(g_partSymbols.current)];
    EXPECT_EQ(s.package, "DIP8");
    EXPECT_EQ(s.description, "two pin test part");
    std::vector<std::string> pins;
    for (int i = s.w[1] + 1; i < s.w[1] + s.w[2]; ++i)
        if (g_symbolElements[i].type() == kObjLine && g_symbolElements[i].text)
            pins.emplace_back(g_symbolElements[i].text);
    EXPECT_EQ(pins, (std::vector<std::string>{"1", "2"}));
    int parts = 0;
    for (int i = 1; i <= count(); ++i)
        parts += object(i).isPart() ? 1 : 0;
    EXPECT_EQ(parts, 1);

    plat::setCurrentFolder(folder.path().string());
    g_designName.text = folder.file("design.pic");
    CNetlistBuilder builder;
    builder.m_kind = kNetlistPlain;
    builder.m_basicFormat = 1;
    builder.m_range = kRangeAllSheets;
    builder.m_sheetCount = 1;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    EXPECT_NE(readText(folder.file("design.ref")).find("MINE\\NEWPART 1 DIP8"), std::string::npos)
        << readText(folder.file("design.ref"));
}

// A part written with the project's library writer, then opened with Library Parts > Modify
// Part: its attribute texts fill the fields and leave the drawing, and a save of what opened
// reads back the same.
TEST_F(PartEditorTest, ModifyPartOpensAStoredPartWithItsFieldsAndPins)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.e.ChooseDlgItem(kIdcEditorReference, 15);   // Q
        h.e.TypeDlgItemText(kIdcEditorPackage, "TO92");
        h.e.TypeDlgItemText(kIdcEditorComments, "small transistor");
        answerSaveIntoNewLibrary("MINE", "QPART");
        h.command(kCmdEditorSavePart);
        h.command(kCmdEditorClose);
    });

    std::vector<std::string> texts;
    answerModifyPartInEditor("MINE.CON", "QPART", [&](EditorHand& h) {
        EXPECT_STREQ(h.record(1).text, "Ref(Q)");
        EXPECT_STREQ(h.record(2).text, "QPART");
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorPackage), "TO92");
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorComments), "small transistor");
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"}));
        for (int i = 3; i <= h.e.objectCount(); ++i)
            if (h.record(i).type() == kObjText && h.record(i).text)
                texts.emplace_back(h.record(i).text);
        EXPECT_FALSE(h.e.hint().visible);
        EXPECT_FALSE(h.e.isModified());
        h.command(kCmdEditorClose);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_TRUE(texts.empty()) << "attribute and pin texts leave the drawing: " << (texts.empty() ? "" : texts[0]);
    EXPECT_EQ(thePartEditor, nullptr);
}

TEST_F(PartEditorTest, TerminalInformationRenumbersAndLabelsAPin)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.command(kCmdEditSelect);
        h.click(-300, -100);
        ASSERT_EQ(g_editState.selectionCount, 1);
        host.answerDialog([](plat::Dialog& d) {
            EXPECT_EQ(d.GetDlgItemText(kIdcTerminalPinNumber), "1");
            d.TypeDlgItemText(kIdcTerminalPinNumber, "");
            d.PressButton(plat::kIdOk);
            EXPECT_EQ(d.GetDlgItemText(kIdcTerminalPinNumber), "1") << "an emptied number comes back";
            d.TypeDlgItemText(kIdcTerminalLabel, "D?");
            EXPECT_EQ(d.PressButton(plat::kIdOk), -1);
            d.TypeDlgItemText(kIdcTerminalLabel, "DATA");
            d.TypeDlgItemText(kIdcTerminalPinNumber, "7");
            d.ChooseDlgItem(kIdcTerminalPinType, 1);
            return d.PressButton(plat::kIdOk);
        });
        h.mouse(plat::kWmRButtonDown, -300, -100, plat::kMkRButton);
        EXPECT_EQ(host.messageBoxes(),
                  (std::vector<std::string>{"Error: pin number cannot be deleted\nPlease enter a pin number or push CANCEL.",
                                            "Error: \"?\" character not allowed in label text"}));
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"2", "7"})) << "the record moved: no pin 1 stays behind";
        EXPECT_EQ(TerminalPinText(h.record(5)), "7");
        EXPECT_EQ(TerminalLabel(h.record(5)), "DATA");
        EXPECT_EQ(h.e.pins().PinTypeOfTerminal(5), 1);

        // A number another pin has is refused and the terminal keeps its own.
        host.answerDialog([](plat::Dialog& d) {
            d.TypeDlgItemText(kIdcTerminalPinNumber, "2");
            return d.PressButton(plat::kIdOk);
        });
        h.mouse(plat::kWmRButtonDown, -300, -100, plat::kMkRButton);
        EXPECT_EQ(host.messageBoxes().back(), "Warning: this pin is already defined");
        EXPECT_EQ(TerminalPinText(h.record(5)), "7");
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"2", "7"}));
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

TEST_F(PartEditorTest, HiddenPowerPinsAreEditedSavedAndReadBack)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        // Advanced shows and hides each of its controls with its label.
        const unsigned advanced[] = {kIdcEditorHiddenPins, kIdcEditorPartsLabel,   kIdcEditorPartsPerPackage,
                                     kIdcEditorPartLabel,  kIdcEditorPartLetter,   kIdcEditorSymbolsLabel,
                                     kIdcEditorSymbolCount};
        for (const unsigned id : advanced)
            EXPECT_FALSE(h.e.GetDlgItem(id)->IsWindowVisible()) << id;
        h.e.PressButton(kIdcEditorAdvanced);
        for (const unsigned id : advanced)
            EXPECT_TRUE(h.e.GetDlgItem(id)->IsWindowVisible()) << id;
        EXPECT_EQ(h.e.GetDlgItem(kIdcEditorOriginNote)->controlTemplate().textColor, 0x00FF0000) << "blue";
        std::string listed;
        host.answerDialog([&](plat::Dialog& d) {
            d.PressButton(kIdcInsertPin);
            d.TypeDlgItemText(kIdcNewPinNumber, "14");
            d.ChooseDlgItem(kIdcPinType, 1);
            d.PressButton(kIdcInsertPin);
            d.TypeDlgItemText(kIdcNewPinNumber, "1");
            d.PressButton(kIdcInsertPin);
            listed = d.GetDlgItem(kIdcPinList)->GetItemText(0);
            return d.PressButton(plat::kIdOk);
        });
        h.e.PressButton(kIdcEditorHiddenPins);
        EXPECT_EQ(listed, "14 (Hidden GND)");
        EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Error: you must enter a pin number!",
                                                                 "Error: pin already defined for part!"}));
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2", "14"}));
        answerSaveIntoNewLibrary("MINE", "HPART");
        h.command(kCmdEditorSavePart);
        h.command(kCmdEditorClose);
    });
    ASSERT_TRUE(plat::fileExists(folder.file("LIB/MINE.CON")));

    answerModifyPartInEditor("MINE.CON", "HPART", [&](EditorHand& h) {
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2", "14"}));
        host.answerDialog([](plat::Dialog& pins) {
            EXPECT_EQ(pins.GetDlgItem(kIdcPinList)->GetItemText(0), "14 (Hidden GND)");
            pins.PressButton(kIdcDeletePin);
            EXPECT_EQ(pins.GetDlgItem(kIdcPinList)->GetCount(), 0);
            return pins.PressButton(plat::kIdOk);
        });
        h.e.PressButton(kIdcEditorAdvanced);
        h.e.PressButton(kIdcEditorHiddenPins);
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"}));
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_EQ(thePartEditor, nullptr);
}

// Saving over a part the drawing uses offers to load the drawing's part types again; they keep
// their numbers and show the part as saved.
TEST_F(PartEditorTest, SavingAPartInUseReloadsItUnderTheSameNumber)
{
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.e.TypeDlgItemText(kIdcEditorPackage, "DIP8");
        answerSaveIntoNewLibrary("MINE", "NEWPART");
        h.command(kCmdEditorSavePart);
        h.command(kCmdEditorClose);
    });
    answerPartChooser("MINE", "NEWPART");
    ASSERT_TRUE(key(plat::kVkF5));
    click(0, 0);
    const int symbol = g_partSymbols.current;
    ASSERT_EQ(g_partSymbols.entries[static_cast<size_t>(symbol)].package, "DIP8");
    const int placedType = object(count()).type();

    g_libraryChoice = {"MINE", "NEWPART"};
    answerModifyPartInEditor("MINE.CON", "NEWPART", [&](EditorHand& h) {
        h.e.TypeDlgItemText(kIdcEditorPackage, "SO8");
        host.answerDialog([](plat::Dialog& save) {
            save.TypeDlgItemText(kIdcSaveLibraryName, "MINE");
            save.TypeDlgItemText(kIdcPartName, "NEWPART");
            return save.PressButton(plat::kIdOk);
        });
        host.answerMessageBox(plat::kIdYes);   // "Replace part NEWPART?"
        host.answerMessageBox(plat::kIdYes);   // "Part is being used..."
        h.command(kCmdEditorSavePart);
        h.command(kCmdEditorClose);
    });
    host.clearEvents();
    ASSERT_TRUE(key(plat::kVkF5));
    EXPECT_TRUE(host.shown("message box: Part is being used.\nClick YES to re-load the library"));
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(symbol)].package, "SO8");
    EXPECT_EQ(object(count()).type(), placedType);
    EXPECT_EQ(g_current.objects.data(), doc()->data().objects.data());
}

// A stored part as older libraries hold it, written with the library writer: three pin lines
// with their pin texts beside a body, and the given attribute texts.
void writeStoredPart(const char* library, const char* part, const std::vector<std::string>& attributes)
{
    std::vector<StoredRecord> records{{ObjectWords(kObjRectangle, -200, -200, 400, 400), ""}};
    const char* numbers[] = {"1", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        records.push_back({ObjectWords(kObjLine, -400, -100 + 100 * i, -200, -100 + 100 * i), ""});
        records.push_back({ObjectWords(kObjText, -300, -100 + 100 * i, 0x0A01), numbers[i]});
    }
    int y = -700;
    for (const std::string& a : attributes)
        records.push_back({ObjectWords(kObjText, -1000, y += 50, 0x0A01), a});
    writeLibraryPart(library, part, records);
}

std::string pinList(int first, int items)
{
    std::string list = "%pins";
    for (int i = 0; i < items; ++i)
        list += " " + std::to_string(first + i);
    return list;
}

// A pin record as a person sees it: number, name, part letter and which terminal (by its
// position among the drawn terminals) carries it.
std::vector<std::string> pinRecords(const CPartEditorDlg& editor)
{
    std::vector<int> terminals;
    for (int i = 1; i <= editor.objectCount(); ++i)
        if (IsTerminal(editor.objects()[static_cast<size_t>(i - 1)]))
            terminals.push_back(i);
    std::vector<std::string> out;
    for (const EditorPin& p : editor.pins().pins()) {
        const auto at = std::ranges::find(terminals, p.terminal[0]);
        const long position = at == terminals.end() ? -1 : at - terminals.begin();
        out.push_back(p.number + "," + p.name + " " + static_cast<char>('A' + p.partLetter) + " t" +
                      std::to_string(position) + " type" + std::to_string(p.type));
    }
    return out;
}

TEST_F(PartEditorTest, PinListsOfAMultiPartPackageOpenAsFurtherPartsAndSaveBackTheSame)
{
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    writeStoredPart("MINE", "GATE", {"U?", "p?", "%PACKAGE=DIP14", "p=4", "%pins 4 5 6", "%pins 9 10,Y 8",
                                     "%pins 12 ? 11", "%cont", "v=14"});

    std::vector<std::string> opened, reopened;
    const auto open = [&](std::vector<std::string>& records, bool save) {
        modifyPart("MINE", "GATE", [&](EditorHand& h) {
            CPartEditorDlg* editor = &h.e;
            records = pinRecords(*editor);
            EXPECT_EQ(editor->GetDlgItem(kIdcEditorPartLetter)->GetCount(), 4);
            EXPECT_EQ(editor->GetDlgItem(kIdcEditorSymbolCount)->GetCurSel(), 1) << "one %cont: two symbols";
            EXPECT_EQ(editor->GetDlgItemText(kIdcEditorPackage), "DIP14");
            for (int i = 3; i <= editor->objectCount(); ++i)
                if (h.record(i).type() == kObjText && h.record(i).text)
                    ADD_FAILURE() << "text left in the drawing: " << h.record(i).text;
            if (save)
                saveOverStoredPart(h, "MINE", "GATE");
        });
    };
    open(opened, true);
    EXPECT_EQ(opened, (std::vector<std::string>{"1, A t0 type0", "2, A t1 type0", "3, A t2 type0", "4, B t0 type0",
                                                "5, B t1 type0", "6, B t2 type0", "8, C t2 type0", "9, C t0 type0",
                                                "10,Y C t1 type0", "11, D t2 type0", "12, D t0 type0",
                                                "14, A t-1 type11"}));
    open(reopened, false);
    EXPECT_EQ(reopened, opened) << "saved and opened again, every record is the same";
}

TEST_F(PartEditorTest, APinListOnASinglePartPackageStaysAText)
{
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    writeStoredPart("MINE", "ONE", {"U?", pinList(100, 3)});
    modifyPart("MINE", "ONE", [&](EditorHand& h) {
        CPartEditorDlg* editor = &h.e;
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2", "3"}));
        int texts = 0;
        for (int i = 3; i <= editor->objectCount(); ++i)
            if (const DrawObject& t = h.record(i); t.type() == kObjText) {
                ++texts;
                EXPECT_EQ(t.w[9], 198) << "aligned to the lone body rectangle's right edge";
                EXPECT_EQ(t.w[5], kTextStylePinName);
            }
        EXPECT_EQ(texts, 1);
    });
}

// A stored part's "p=" opened through Modify Part: 1 to 8 parts, else "Too many parts/package"
// and one part, whose lists stay texts. (A stored text holds at most 200 characters, so a list
// longer than 498 items cannot come from a file; the list reader's own test covers it.)
TEST_F(PartEditorTest, PartsPerPackageAndPinListsAreBoundedWhenAPartOpens)
{
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    struct Case {
        const char* parts;
        std::string list;
        int letters;
        size_t records;
        std::vector<std::string> messages;
    };
    const std::vector<std::string> tooManyParts{"Too many parts/package [push enter]"};
    const Case cases[] = {
        {"p=0", "%pins 4 5 6", 1, 3, tooManyParts},
        {"p=9", "%pins 4 5 6", 1, 3, tooManyParts},
        {"p=30", "%pins 4 5 6", 1, 3, tooManyParts},
        {"p=8", "%pins 4 5 6", 8, 6, {}},
        {"p=2", pinList(100, 3), 2, 6, {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.parts) + " " + c.list.substr(0, 20));
        const std::string part = "BOUND" + std::to_string(++n);
        writeStoredPart("MINE", part.c_str(), {"U?", c.parts, c.list});
        host.clearEvents();
        modifyPart("MINE", part, [&](EditorHand& h) {
            EXPECT_EQ(host.messageBoxes(), c.messages);
            EXPECT_EQ(h.e.GetDlgItem(kIdcEditorPartLetter)->GetCount(), c.letters);
            EXPECT_EQ(h.e.GetDlgItem(kIdcEditorPartsPerPackage)->GetCurSel(), c.letters - 1);
            EXPECT_EQ(h.pinNumbers().size(), c.records);
        });
    }
    EXPECT_EQ(thePartEditor, nullptr);
}

// The pin numbers each terminal shows, in terminal order.
std::vector<std::string> shownNumbers(const CPartEditorDlg& editor)
{
    std::vector<std::string> out;
    for (int i = 1; i <= editor.objectCount(); ++i)
        if (const DrawObject& o = editor.objects()[static_cast<size_t>(i - 1)]; IsTerminal(o))
            out.push_back(editor.ShownPinText(i, TerminalPinText(o)));
    return out;
}

// The "Part:" combo shows part B's numbers on the drawn terminals, while what is saved, what a
// new terminal is numbered and what Terminal Information edits keep each part's own records.
TEST_F(PartEditorTest, ShowingAnotherPartOfThePackageKeepsEachPartsPins)
{
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    writeStoredPart("MINE", "PAIR", {"U?", "p?", "p=2", "%pins 4 5 6"});
    const auto terminalInfo = [&](EditorHand& h, int x, int y, const char* typed, std::string* shown) {
        h.command(kCmdEditSelect);
        h.click(x, y);
        host.answerDialog([=](plat::Dialog& d) {
            *shown = d.GetDlgItemText(kIdcTerminalPinNumber);
            d.TypeDlgItemText(kIdcTerminalPinNumber, typed);
            return d.PressButton(plat::kIdOk);
        });
        h.mouse(plat::kWmRButtonDown, x, y, plat::kMkRButton);
    };

    modifyPart("MINE", "PAIR", [&](EditorHand& h) {
        CPartEditorDlg* editor = &h.e;
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"1", "2", "3"}));
        editor->ChooseDlgItem(kIdcEditorPartLetter, 1);
        EXPECT_EQ(editor->shownPartLetter(), 1);
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"4", "5", "6"}));

        // A terminal drawn now is part A's next pin; part B has none on it yet.
        h.key('J');
        h.drag(400, 0, 200, 0);
        const int drawn = editor->objectCount();
        EXPECT_EQ(TerminalPinText(h.record(drawn)), "7");
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"4", "5", "6", "?"}));

        // Terminal Information edits part B's record on the terminal, never part A's.
        std::string shown;
        terminalInfo(h, -300, -100, "9", &shown);
        EXPECT_EQ(shown, "4");
        terminalInfo(h, 300, 0, "8", &shown);
        EXPECT_EQ(shown, "?");
        terminalInfo(h, -300, 0, "3", &shown);
        EXPECT_EQ(host.messageBoxes().back(), "Warning: this pin is already defined");
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"9", "5", "6", "8"}));
        EXPECT_EQ(TerminalPinText(h.record(drawn)), "7");

        // The tabs keep the chosen part.
        editor->ChooseDlgItem(kIdcEditorTabs, 0);
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"9", "5", "6", "8"}));
        saveOverStoredPart(h, "MINE", "PAIR");
    });

    modifyPart("MINE", "PAIR", [&](EditorHand& h) {
        CPartEditorDlg* editor = &h.e;
        EXPECT_EQ(pinRecords(*editor), (std::vector<std::string>{"1, A t0 type0", "2, A t1 type0", "3, A t2 type0",
                                                                 "5, B t1 type0", "6, B t2 type0", "7, A t3 type0",
                                                                 "8, B t3 type0", "9, B t0 type0"}));
        // Fewer parts take the dropped parts' pins away; part A keeps its own.
        host.answerMessageBox(plat::kIdYes);
        editor->ChooseDlgItem(kIdcEditorPartsPerPackage, 0);
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2", "3", "7"}));
        EXPECT_EQ(editor->GetDlgItem(kIdcEditorPartLetter)->GetCount(), 1);
        EXPECT_EQ(shownNumbers(*editor), (std::vector<std::string>{"1", "2", "3", "7"}));
    });
    EXPECT_EQ(thePartEditor, nullptr);
}

TEST_F(PartEditorTest, SymbolTabsDrawEachSymbolOnItsOwnLayerAndTheCountIsSaved)
{
    const auto tabNames = [](CPartEditorDlg& e) { return quill_test::itemTexts(e, kIdcEditorTabs); };
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        h.e.PressButton(kIdcEditorAdvanced);
        h.e.ChooseDlgItem(kIdcEditorSymbolCount, 1);
        EXPECT_EQ(tabNames(h.e), (std::vector<std::string>{"Symbol 1 (Normal)", "Symbol 2 (De Morgan)", "All"}));
        h.e.ChooseDlgItem(kIdcEditorTabs, 1);
        const int before = h.e.objectCount();
        h.key('R');
        h.drag(-200, -200, 200, 200);
        h.key('J');
        h.drag(-400, 0, -200, 0);
        ASSERT_EQ(h.e.objectCount(), before + 2);
        const DrawObject& drawn = h.record(h.e.objectCount());
        EXPECT_TRUE(IsTerminal(drawn));
        EXPECT_EQ(SymbolVariantOf(drawn), 1);
        EXPECT_EQ(TerminalPinText(drawn), "?") << "a later symbol's terminal is linked to no pin yet";
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"}));
        h.e.ChooseDlgItem(kIdcEditorTabs, 2);   // "All"
        EXPECT_EQ(h.e.symbolVariant(), 1);
        h.e.ChooseDlgItem(kIdcEditorTabs, 0);
        EXPECT_EQ(h.e.symbolVariant(), 0);
        answerSaveIntoNewLibrary("MINE", "DUAL");
        h.command(kCmdEditorSavePart);
        h.command(kCmdEditorClose);
    });
    modifyPart("MINE", "DUAL", [&](EditorHand& h) {
        CPartEditorDlg* editor = &h.e;
        EXPECT_EQ(editor->GetDlgItem(kIdcEditorSymbolCount)->GetCurSel(), 1);
        EXPECT_EQ(tabNames(*editor).size(), 3u);
        EXPECT_EQ(h.pinNumbers(), (std::vector<std::string>{"1", "2"}));
        editor->ChooseDlgItem(kIdcEditorSymbolCount, 0);
        EXPECT_EQ(tabNames(*editor), std::vector<std::string>{"Symbol 1 (Normal)"});
        EXPECT_TRUE(editor->isModified());
    });
    EXPECT_EQ(thePartEditor, nullptr);
}

// What a loaded symbol places and netlists by: its pin texts, its placeholders and attribute
// texts, its package.
std::vector<std::string> placedForm(const char* library, const char* part)
{
    std::vector<std::string> form;
    if (LoadLibraryPart(library, part) != 1)
        return form;
    const PartSymbol& s = g_partSymbols.entries[static_cast<size_t>(g_partSymbols.current)];
    form.push_back("package " + s.package);
    for (int i = s.w[1] + 1; i < s.w[1] + s.w[2]; ++i) {
        const DrawObject& e = g_symbolElements[i];
        if (e.type() == kObjLine && e.text)
            form.push_back(std::string("pin ") + e.text);
        if (e.type() == kObjText && e.text && std::string_view(e.text).find_first_of("?=%") != std::string_view::npos)
            form.push_back(std::string("text ") + e.text);
    }
    std::sort(form.begin() + 1, form.end());
    return form;
}

TEST_F(PartEditorTest, StarterPartsOpenAndSaveBackUnchangedInWhatTheyPlace)
{
    if (!copyStarterLibraries({"DEVICE", "TTL"}))
        GTEST_SKIP() << "the starter libraries have not been built (program folder LIB)";
    host.answerMessageBox(plat::kIdYes);
    ASSERT_EQ(NewPartLibrary("MINE"), 1);
    for (const auto& [library, part] : {std::pair{"DEVICE", "R"}, {"DEVICE", "LED"}, {"TTL", "7400"}}) {
        SCOPED_TRACE(part);
        g_libraryChoice = {library, part};
        answerModifyPartInEditor(std::string(library) + ".CON", part, [&, part = part](EditorHand& h) {
            EXPECT_FALSE(h.pinNumbers().empty());
            host.answerDialog([part](plat::Dialog& save) {
                save.TypeDlgItemText(kIdcSaveLibraryName, "MINE");
                save.TypeDlgItemText(kIdcPartName, part);
                return save.PressButton(plat::kIdOk);
            });
            h.command(kCmdEditorSavePart);
            h.command(kCmdEditorClose);
        });
        ASSERT_TRUE(key(plat::kVkF5));
        const std::vector<std::string> starter = placedForm(library, part);
        ASSERT_FALSE(starter.empty());
        const std::vector<std::string> saved = placedForm("MINE", part);
        std::vector<std::string> onlyStarter, onlySaved;
        std::ranges::set_difference(starter, saved, std::back_inserter(onlyStarter));
        std::ranges::set_difference(saved, starter, std::back_inserter(onlySaved));
        EXPECT_EQ(saved, starter) << "only in the starter: " << ::testing::PrintToString(onlyStarter)
                                  << "\nonly in the saved part: " << ::testing::PrintToString(onlySaved);
    }
}

TEST_F(PartEditorTest, ToolsAndObjectsOpenTheProgramsStyleDialogs)
{
    const SchematicSettings saved = g_settings;
    runEditor([&](EditorHand& h) {
        // The rectangle button chosen again: Rectangle Style; rounded chosen, the tool draws
        // rounded rectangles.
        h.command(kCmdToolRectangle);
        EXPECT_TRUE(host.messageBoxes().empty());
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(kIdcRoundedRectangles);
            return d.PressButton(plat::kIdOk);
        });
        h.command(kCmdToolRectangle);
        EXPECT_TRUE(host.shown("dialog 237"));
        EXPECT_EQ(g_editState.CurrentTool, kToolRoundRect);
        h.drag(-200, -200, 200, 200);
        ASSERT_EQ(h.e.objectCount(), 4);
        EXPECT_EQ(h.record(4).type(), kObjRoundRect);

        // A right click on the selected rectangle edits it in the same dialog, as one undo step.
        h.command(kCmdEditSelect);
        h.click(-200, 0);
        ASSERT_EQ(g_editState.selectionCount, 1);
        h.e.SetModified(false);
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(kIdcRoundedRectangles);
            return d.PressButton(plat::kIdOk);
        });
        h.mouse(plat::kWmRButtonDown, -200, 0, plat::kMkRButton);
        EXPECT_EQ(h.record(4).type(), kObjRectangle);
        EXPECT_TRUE(h.e.isModified());

        // Setup > General gives the selected object the current width.
        g_settings.width = 7;
        host.answerDialog([](plat::Dialog& d) { return static_cast<plat::PropertySheet&>(d).PressButton(plat::kIdOk); });
        h.command(kCmdEditorGeneralSetup);
        EXPECT_EQ(ObjectWidth(h.record(4)), 7);

        // Edit > Origin only marks; Ctrl+Z takes back the width, then the style.
        h.command(kCmdEditOrigin);
        EXPECT_TRUE(h.key('Z', true));
        EXPECT_NE(ObjectWidth(h.record(4)), 7);
        EXPECT_TRUE(h.key('Z', true));
        EXPECT_EQ(h.record(4).type(), kObjRoundRect);
        EXPECT_EQ(h.e.objectCount(), 4);

        // Without a selection the right button returns to edit mode and opens nothing.
        const size_t shown = host.messageBoxes().size();
        h.command(kCmdToolLine);
        h.mouse(plat::kWmRButtonDown, 300, 300, plat::kMkRButton);
        EXPECT_EQ(g_editState.CurrentTool, kToolSelect);
        EXPECT_EQ(host.messageBoxes().size(), shown);
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
    g_settings = saved;
}

TEST_F(PartEditorTest, FindPackageTakesABoardPackage)
{
    if (!copyStarterLibraries({"DEVICE"}) || !useStarterPackages())
        GTEST_SKIP() << "the starter libraries or packages have not been built (program folder LIB, PACKAGES)";
    runEditor([&](EditorHand& h) {
        host.answerDialog([](plat::Dialog& p) { return p.PressButton(plat::kIdCancel); });
        h.e.PressButton(kIdcEditorFindPackage);
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorPackage), "") << "cancelled: nothing typed";
        host.answerDialog([](plat::Dialog& p) {
            p.ChooseDlgItem(kIdcPickerList, p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, "RADIAL0.2"));
            return p.PressButton(plat::kIdOk);
        });
        h.e.PressButton(kIdcEditorFindPackage);
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorPackage), "STANDARD\\RADIAL0.2");
        EXPECT_TRUE(h.e.isModified());
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

// Before the board program has ever run no folder is stored: the packages beside the programs
// are found; with none there either, the picker says so.
TEST_F(PartEditorTest, FindPackageFindsThePackagesBesideTheProgramsBeforeTheBoardProgramRan)
{
    if (!copyStarterLibraries({"DEVICE"}) || !std::filesystem::exists(builtProgramFolder() / "PACKAGES" / "STANDARD.CAT"))
        GTEST_SKIP() << "the starter libraries or packages have not been built (program folder LIB, PACKAGES)";
    plat::WriteProfileString("Quillmere", "Tracelyn", "Settings", "library_path", "");
    runEditor([&](EditorHand& h) {
        host.answerDialog([](plat::Dialog& p) {
            p.ChooseDlgItem(kIdcPickerList, p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, "RADIAL0.2"));
            return p.PressButton(plat::kIdOk);
        });
        h.e.PressButton(kIdcEditorFindPackage);
        EXPECT_TRUE(host.messageBoxes().empty());
        EXPECT_EQ(h.e.GetDlgItemText(kIdcEditorPackage), "STANDARD\\RADIAL0.2");

        plat::setProgramFolder(folder.path().string());
        h.e.PressButton(kIdcEditorFindPackage);
        plat::setProgramFolder("");
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't find Tracelyn directory"});
        h.e.SetModified(false);
        h.command(kCmdEditorClose);
    });
}

// Save Library Part proposes the part being edited, never the part placed or chosen last: a new
// part without a name (OK alone replaces nothing), a stored part its own library and name.
TEST_F(PartEditorTest, SaveLibraryPartProposesTheEditedPartsOwnNames)
{
    const auto proposed = [&](EditorHand& h) {
        std::string names;
        host.answerDialog([&](plat::Dialog& d) {
            names = d.GetDlgItemText(kIdcSaveLibraryName) + "/" + d.GetDlgItemText(kIdcPartName);
            return d.PressButton(plat::kIdCancel);
        });
        h.command(kCmdEditorSavePart);
        return names;
    };
    g_libraryChoice = {"DEVICE", "GND"};
    runEditor([&](EditorHand& h) {
        drawTwoPinPart(h);
        EXPECT_EQ(proposed(h), "DEVICE/");
        answerSaveIntoNewLibrary("MINE", "NEWPART");
        h.command(kCmdEditorSavePart);
        EXPECT_EQ(proposed(h), "MINE/NEWPART");
        h.command(kCmdEditorClose);
    });
    EXPECT_EQ(g_libraryChoice.library, "MINE") << "the library saved into is the one chosen next";
    answerModifyPartInEditor("MINE.CON", "NEWPART", [&](EditorHand& h) {
        g_libraryChoice = {"DEVICE", "GND"};   // a part placed meanwhile
        EXPECT_EQ(proposed(h), "MINE/NEWPART");
        host.answerMessageBox(plat::kIdYes);   // "Start a new part?"
        h.command(kCmdEditorNewPart);
        EXPECT_EQ(proposed(h), "DEVICE/");
        h.command(kCmdEditorClose);
    });
    ASSERT_TRUE(key(plat::kVkF5));
}

// The editor's window, laid out by its Qt face, is no wider than a 1280-pixel screen, also
// with the Advanced controls shown.
TEST_F(PartEditorTest, TheEditorWindowFitsA1280PixelScreen)
{
    plat::Dialog window(kIddPartEditor);
    ASSERT_TRUE(window.Create(kIddPartEditor));
    plat::showModelessWithQt(window);
    QWidget* widget = window.state()->widget;
    ASSERT_NE(widget, nullptr);
    EXPECT_LE(widget->minimumSizeHint().width(), 1280);
    for (const unsigned id : {kIdcEditorPartsPerPackage, kIdcEditorPartLetter, kIdcEditorSymbolCount, kIdcEditorHiddenPins})
        window.ShowDlgItem(id, plat::kSwShow);
    EXPECT_LE(widget->minimumSizeHint().width(), 1280);
    EXPECT_LE(widget->minimumSizeHint().height(), 1024 - 50);
    window.DestroyWindow();
}

}  // namespace
}  // namespace schemora_test
