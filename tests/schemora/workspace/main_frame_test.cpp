// The schematic main window as a person uses it: its toolbars and combos, the kept toolbar
// layout, sheets, selective editing, Clear, Statistics, the Setup toggles and closing.
#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/system/app_profile.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/view_command_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/drawing_statistics.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_objects.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/workspace/main_frame.h"

#include "support/command_check.h"
#include "support/frame_combo_measure.h"

#include <gtest/gtest.h>

// Qt last: its keyword macros would meet names in the drawing headers.
#include "platform/app/wnd_state.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QToolBar>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using schemora_test::SchemoraAppTest;

std::vector<unsigned> buttonIds(const plat::ToolBar& bar)
{
    std::vector<unsigned> ids;
    for (int i = 0; i < bar.GetCount(); ++i)
        ids.push_back(bar.GetItemID(i));
    return ids;
}

std::vector<std::string> comboItems(const plat::ToolBarCombo& combo)
{
    std::vector<std::string> items;
    for (const auto& e : combo.entries())
        items.push_back(e.text);
    return items;
}

class SchemoraFrame : public SchemoraAppTest {
protected:
    CMainFrame& frame() { return *static_cast<CMainFrame*>(plat::GetMainWnd()); }
    CSchemoraDoc* doc() { return static_cast<CSchemoraDoc*>(frame().GetActiveDocument()); }
    plat::ToolBarCombo& combo(unsigned id) { return *frame().toolBarTable().combo(id); }
    bool enabled(unsigned id)
    {
        plat::CmdUI ui(id);
        frame().OnCmdMsg(id, &ui);
        return ui.enabled();
    }
    int checked(unsigned id) { return quill_test::CommandCheck(frame(), id); }
    // A character typed into the drawing, through the frame's key translation.
    void type(char c)
    {
        plat::Msg msg{plat::kWmChar, static_cast<unsigned char>(c), 1, frame().GetActiveView()};
        frame().PreTranslateMessage(msg);
    }
    // An object of a kind on a sheet, appended through the store's one append routine; texts
    // get their own heap string.
    int add(int type, int sheet, const char* text = nullptr)
    {
        const int index = AppendObjects(1);
        DrawObject& o = g_current.objects[static_cast<size_t>(index)];
        o = MakeDrawObject(ObjectWords(type, 100 * index, 100, 50, 50, sheet), text);
        return index;
    }
};

TEST_F(SchemoraFrame, SevenToolbarsWithTheirButtonsCombosAndDocking)
{
    writeIni("DoTips=0\nAutoDots=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    FrameToolBars& bars = frame().toolBarTable();
    ASSERT_EQ(bars.count(), 7);
    const unsigned sep = plat::kIdSeparator;
    const struct { unsigned bar; std::vector<unsigned> buttons; } expected[] = {
        {scm::kIdrMainToolBar, {57601, 57603, 57607, 32799, 232, 57669, 32913}},
        {scm::kIdrInsertToolBar, {300, 301, 306, 310, 308, sep, 303, 305, 307, sep, 311}},
        {scm::kIdrModifyToolBar, {314, 315, 316, 317, 318, 319, 216, 204}},
        {scm::kIdrSimulationToolBar, {601, 32889, 7009, sep, 600, 608, 7008}},
        {scm::kIdrSetupToolBar, {328, 320, 32825, 32831, 1073}},
        {scm::kIdrViewToolBar, {9802, 2241, 100, sep, scm::kCmdZoomOut, scm::kCmdZoomIn, 5001, 215}},
        {scm::kIdrPageToolBar, {70, 74, 71, 72, 73}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.bar);
        ASSERT_NE(bars.bar(e.bar), nullptr);
        EXPECT_EQ(buttonIds(*bars.bar(e.bar)), e.buttons);
        EXPECT_EQ(bars.bar(e.bar)->isShown(), e.bar != scm::kIdrSimulationToolBar);
    }
    EXPECT_EQ(comboItems(combo(scm::kIdcLayerCombo)),
              (std::vector<std::string>{"ALL layers", "Top layer", "Layer 1", "Layer 2", "Layer 3"}));
    EXPECT_EQ(combo(scm::kIdcScaleCombo).GetLBText(combo(scm::kIdcScaleCombo).GetCurSel()), "100%");
    EXPECT_EQ(combo(scm::kIdcGridCombo).GetLBText(combo(scm::kIdcGridCombo).GetCurSel()), "Unit grid");
    EXPECT_EQ(comboItems(combo(scm::kIdcPageCombo)), std::vector<std::string>{"Sheet 1"});
    EXPECT_EQ(combo(scm::kIdcSelEditCombo).GetCount(), 12);
    EXPECT_EQ(combo(scm::kIdcSelEditCombo).width(), 150);

    // Main, View, Page on the first row; Insert, Modify, Setup, Simulation on the second.
    const auto place = [&](unsigned id) { return bars.bar(id)->dockPlace(); };
    EXPECT_EQ(place(scm::kIdrMainToolBar).row, place(scm::kIdrPageToolBar).row);
    EXPECT_LT(place(scm::kIdrViewToolBar).index, place(scm::kIdrPageToolBar).index);
    EXPECT_EQ(place(scm::kIdrInsertToolBar).row, place(scm::kIdrMainToolBar).row + 1);
    EXPECT_EQ(place(scm::kIdrInsertToolBar).index, 0);
    EXPECT_LT(place(scm::kIdrModifyToolBar).index, place(scm::kIdrSetupToolBar).index);
    EXPECT_LT(place(scm::kIdrSetupToolBar).index, place(scm::kIdrSimulationToolBar).index);

    const auto& panes = frame().statusBarPanes().panes();
    ASSERT_EQ(panes.size(), 5u);
    EXPECT_EQ((std::vector<int>{panes[1].width, panes[2].width, panes[3].width, panes[4].width}), (std::vector<int>{110, 32, 30, 30}));
    EXPECT_EQ(panes[1].tip, "Cursor location");
}

TEST_F(SchemoraFrame, ToolbarLayoutIsKeptBetweenRunsUnlessItNamesAMissingBar)
{
    writeIni("DoTips=0\n");
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        // View > Toolbars: Main hidden, Simulation shown; the items are checked by visibility.
        EXPECT_EQ(checked(scm::kCmdToolBarFirst), 1);
        EXPECT_EQ(checked(scm::kCmdToolBarFirst + 3), 0);
        ASSERT_TRUE(harness.command(scm::kCmdToolBarFirst));
        ASSERT_TRUE(harness.command(scm::kCmdToolBarFirst + 3));
        EXPECT_EQ(checked(scm::kCmdToolBarFirst), 0);
        EXPECT_EQ(checked(scm::kCmdToolBarFirst + 3), 1);
        harness.close();
    }
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_FALSE(frame().mainToolBar().isShown()) << "the layout of the last run";
        EXPECT_TRUE(frame().toolBarTable().bar(scm::kIdrSimulationToolBar)->isShown());
        ASSERT_TRUE(harness.command(scm::kCmdDefaultToolBars));
        EXPECT_TRUE(frame().mainToolBar().isShown());
        EXPECT_FALSE(frame().toolBarTable().bar(scm::kIdrSimulationToolBar)->isShown());
        // A saved layout that names a bar this frame lacks is refused as a whole.
        ASSERT_TRUE(harness.command(scm::kCmdToolBarFirst + 1));
        harness.close();
    }
    const int bars = plat::GetProfileInt("Quillmere", "Schemora", "ToolBars-Summary", "Bars", 0);
    ASSERT_GT(bars, 0);
    plat::WriteProfileInt("Quillmere", "Schemora", "ToolBars-Bar" + std::to_string(bars - 1), "BarID", 4242);
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_TRUE(frame().drawToolBar().isShown()) << "the default layout stays";
        EXPECT_TRUE(frame().mainToolBar().isShown());
        harness.close();
    }
    // Values beyond reason in the profile: an absurd bar count is refused, a bad place ignored.
    const auto defaultPlace = [&] {
        auto harness = start();
        EXPECT_TRUE(harness.start());
        return frame().drawToolBar().dockPlace();
    }();
    plat::WriteProfileInt("Quillmere", "Schemora", "ToolBars-Summary", "Bars", 1 << 30);
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_TRUE(frame().drawToolBar().isShown());
    }
    for (int bar = 0; bar < 8; ++bar) {
        const std::string section = "ToolBars-Bar" + std::to_string(bar);
        if (plat::GetProfileInt("Quillmere", "Schemora", section, "BarID", 0) == scm::kIdrInsertToolBar) {
            plat::WriteProfileInt("Quillmere", "Schemora", section, "Row", -7);
            plat::WriteProfileInt("Quillmere", "Schemora", section, "Side", 12345);
        }
    }
    plat::WriteProfileInt("Quillmere", "Schemora", "ToolBars-Summary", "Bars", 8);
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(frame().drawToolBar().dockPlace(), defaultPlace);
}

TEST_F(SchemoraFrame, SheetsAreAddedSteppedAndDeletedOnTheActiveDrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdNewPage));
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdNewPage));
    EXPECT_EQ(doc()->data().numberOfSheets, 3);
    EXPECT_EQ(g_sheetView.currentSheet, 3);
    EXPECT_EQ(comboItems(combo(scm::kIdcPageCombo)), (std::vector<std::string>{"Sheet 1", "Sheet 2", "Sheet 3"}));
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCurSel(), 2);

    // Previous and Next stop at the first and last sheet and move the list with them.
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(harness.command(scm::kCmdPreviousPage));
    EXPECT_EQ(g_sheetView.currentSheet, 1);
    ASSERT_TRUE(harness.command(scm::kCmdNextPage));
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCurSel(), 1);

    const int one = add(kObjLine, 1);
    const int two = add(kObjText, 2, "on sheet two");
    const int three = add(kObjText, 3, "on sheet three");
    PushUndoSnapshotOf(std::vector<int>{three});
    doc()->SetModifiedFlag(false);

    // Delete Current Page deletes the sheet shown (2), not the list's old position.
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(harness.command(scm::kCmdDeletePage));
    EXPECT_EQ(doc()->data().numberOfSheets, 3) << "No keeps the sheet";
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdDeletePage));
    const auto& objects = g_current.objects;
    EXPECT_EQ(doc()->data().numberOfSheets, 2);
    EXPECT_EQ(objects[static_cast<size_t>(one)].sheet(), 1);
    EXPECT_EQ(objects[static_cast<size_t>(two)].type(), kObjDeleted);
    EXPECT_EQ(objects[static_cast<size_t>(two)].text, nullptr) << "its text was freed";
    EXPECT_EQ(objects[static_cast<size_t>(three)].sheet(), 2);
    EXPECT_EQ(UndoDepth(), 0) << "undo cannot write the old sheet numbers back";
    EXPECT_TRUE(doc()->IsModified());
    EXPECT_EQ(g_sheetView.currentSheet, 1);
    EXPECT_EQ(comboItems(combo(scm::kIdcPageCombo)), (std::vector<std::string>{"Sheet 1", "Sheet 2"}));
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCurSel(), 0);

    // The combo shows a sheet; the only sheet left cannot be deleted.
    combo(scm::kIdcPageCombo).choose(1);
    EXPECT_EQ(g_sheetView.currentSheet, 2);
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdDeletePage));
    host.clearEvents();
    ASSERT_TRUE(harness.command(scm::kCmdDeletePage));
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(doc()->data().numberOfSheets, 1);
}

TEST_F(SchemoraFrame, NewPageStopsAtThirtyTwoSheets)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    doc()->data().numberOfSheets = 32;
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdNewPage));
    EXPECT_EQ(host.messageBoxes().back(), "Too many sheets in project (32 maximimum allowed)");
    EXPECT_EQ(doc()->data().numberOfSheets, 32);
}

TEST_F(SchemoraFrame, UpperCaseKeysAndTheModifyComboChooseWhatIsEdited)
{
    writeIni("DoTips=0\nAutoDots=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const struct { char key; unsigned mode; int onlySwitch; const char* status; } keys[] = {
        {'T', 711, 0, "Selected edit TEXT only"},       {'L', 713, 2, "Selected edit LINES only"},
        {'Q', 717, 6, "Selected edit ROUNDED RECTANGLES only"}, {'Y', 718, 7, "Selected edit POLYGONS only"},
        {'B', 720, 9, "Selected edit BUSSES only"},     {'W', 721, 10, "Selected edit ARROWS only"},
        {'N', 723, -1, "Selected edit NETS only"},       {'A', 710, -2, "Selected edit ALL OBJECTS only"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(1, k.key));
        g_editState.CurrentTool = scm::kCmdToolLine;
        type(k.key);
        EXPECT_EQ(g_selection.filterId, static_cast<int>(k.mode));
        EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), k.status);
        EXPECT_EQ(g_editState.CurrentTool, scm::kCmdEditSelect);
        for (int s = 0; s < kEditFilterSwitches; ++s)
            EXPECT_EQ(g_editFilter.on[static_cast<size_t>(s)], k.onlySwitch == -2 || s == k.onlySwitch ? 1 : 0) << s;
    }
    EXPECT_EQ(frame().accelerators().translate(plat::kWmKeyDown, plat::kVkF5, false, true, false), 719u);

    // Dots alone are refused while the program places them itself.
    type('C');
    EXPECT_EQ(g_selection.filterId, 710);

    // The Modify combo: position 2 is lines, 11 nets; the keys move it too.
    combo(scm::kIdcSelEditCombo).choose(2);
    EXPECT_EQ(g_selection.filterId, 713);
    EXPECT_EQ(checked(713), 1);
    EXPECT_EQ(checked(711), 0);
    combo(scm::kIdcSelEditCombo).choose(11);
    EXPECT_EQ(g_selection.filterId, 723);
    type('W');
    EXPECT_EQ(combo(scm::kIdcSelEditCombo).GetCurSel(), 10);
}

TEST_F(SchemoraFrame, ViewCombosSetLayerScaleAndGridOfTheDrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    combo(scm::kIdcLayerCombo).choose(0);
    EXPECT_EQ(g_sheetView.layerFilter, 4);
    combo(scm::kIdcLayerCombo).choose(2);
    EXPECT_EQ(g_sheetView.layerFilter, 1);
    const int divisors[] = {25, 20, 10, 5, 4, 2, 1};
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        combo(scm::kIdcScaleCombo).choose(k);
        EXPECT_EQ(g_current.zoomIndex, k);
        EXPECT_EQ(g_current.zoomFactor, divisors[k]);
        EXPECT_EQ(doc()->data().zoomLevel, k);
    }
    const int steps[] = {5, 10, 25, 50};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        combo(scm::kIdcGridCombo).choose(k);
        EXPECT_EQ(g_current.gridStep, steps[k]);
        EXPECT_EQ(doc()->data().grid, 700 + k);
    }
    // On an E sheet in metric units the largest scale is 250%.
    // The drawing's own size: every command works on the drawing shown.
    g_settings.units = 725;
    doc()->data().sheetSize = 'E';
    combo(scm::kIdcScaleCombo).choose(6);
    EXPECT_EQ(g_current.zoomIndex, 5);
    EXPECT_EQ(combo(scm::kIdcScaleCombo).GetCurSel(), 5) << "the combo shows the scale in force";
}

TEST_F(SchemoraFrame, ClearEmptiesTheDrawingFreesItsTextsAndItsUndo)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    EXPECT_NE(frame().accelerators().translate(plat::kWmKeyDown, plat::kVkF8, false, false, false), 0u);
    const int text = add(kObjText, 1, "gone");
    add(kObjLine, 1);
    PushUndoSnapshotOf(std::vector<int>{text});
    doc()->SetModifiedFlag(false);
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(harness.command(scm::kCmdClear));
    EXPECT_EQ(g_current.count, 2) << "No keeps the drawing";
    EXPECT_EQ(host.messageBoxes().back(), "Clear schematic?");

    g_editState.CurrentTool = scm::kCmdToolLine;
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdClear));
    EXPECT_EQ(g_current.count, 0);
    EXPECT_EQ(doc()->data().objectCount, 0);
    EXPECT_EQ(g_current.objects[static_cast<size_t>(text)].text, nullptr);
    EXPECT_EQ(g_editState.CurrentTool, 0);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_FALSE(UndoLastStep()) << "nothing is written back into the cleared store";
    EXPECT_TRUE(doc()->IsModified());
}

TEST_F(SchemoraFrame, StatisticsCountTheDrawingByKind)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    add(kObjLine, 1);
    add(kObjLine, 2);
    add(kObjText, 1, "t");
    add(kObjBus, 1);
    DeleteObject(add(kObjEllipse, 1));
    host.clearEvents();
    ASSERT_TRUE(harness.command(scm::kCmdStatistics));
    const std::string expected = "#parts=0, #rectangles=0, #triangles=0, #strings=1\n"
                                 "#rounded rectangles=0, #dots=0, #lines=2, #arcs=0\n"
                                 "#arrows=0, #busses=1, #ellipses=0, #polygons=0\n"
                                 "#part types=" + std::to_string(g_partSymbols.count) + ", Total elements (" +
                                 std::to_string(doc()->data().objectCount) + ")=4";
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), expected);
    EXPECT_TRUE(host.shown("message box caption: Schematic Statistics"));
}

TEST_F(SchemoraFrame, DrawingCommandsAreGreyAndDoNothingWithoutADrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    ASSERT_TRUE(harness.command(plat::kIdFileClose));
    ASSERT_EQ(frame().GetActiveDocument(), nullptr);
    for (unsigned id : std::initializer_list<unsigned>{scm::kCmdClear, scm::kCmdStatistics, scm::kCmdNewPage,
                                                     scm::kCmdDeletePage, scm::kCmdNextPage,
                        scm::kCmdLimitMode, scm::kCmdVisibleGrid, scm::kCmdHiddenPins, scm::kCmdPageSetup,
                        scm::kCmdSelectiveEditing, scm::kCmdEditScale}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(enabled(id));
        host.clearEvents();
        host.answerMessageBox(plat::kIdYes);
        harness.command(id);
        EXPECT_TRUE(host.messageBoxes().empty());
        EXPECT_TRUE(host.events().empty()) << host.events().front();
    }
    // Alt+S, the Scale key, opens nothing either.
    host.clearEvents();
    plat::noteKeyDown(plat::kVkMenu);
    plat::Msg altS{plat::kWmSysKeyDown, 'S', 1, nullptr};
    frame().PreTranslateMessage(altS);
    plat::noteKeyUp(plat::kVkMenu);
    EXPECT_TRUE(host.events().empty()) << host.events().front();
    EXPECT_TRUE(enabled(scm::kCmdUnits));
    EXPECT_TRUE(enabled(scm::kCmdSelEditAll));
}

TEST_F(SchemoraFrame, SetupTogglesSwitchTheirSettingsAndAreChecked)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    const struct { unsigned id; int* setting; int off, on; } toggles[] = {
        {scm::kCmdLimitMode, &g_settings.limit, 0, 1},          {scm::kCmdVisibleGrid, &g_settings.visible, 0, 1},
        {scm::kCmdPageBreaks, &g_settings.breaks, 0, 1},        {scm::kCmdHiddenPins, &g_settings.hidden, 517, 518},
        {scm::kCmdTerminalEnds, &g_settings.TerminalEnd, 0, 1}, {scm::kCmdUnits, &g_settings.units, 724, 725},
    };
    for (const auto& t : toggles) {
        SCOPED_TRACE(t.id);
        *t.setting = t.off;
        EXPECT_EQ(checked(t.id), 0);
        ASSERT_TRUE(harness.command(t.id));
        EXPECT_EQ(*t.setting, t.on);
        EXPECT_EQ(checked(t.id), 1);
        ASSERT_TRUE(harness.command(t.id));
        EXPECT_EQ(*t.setting, t.off);
    }
    ASSERT_TRUE(harness.command(scm::kCmdWebsite));
    EXPECT_TRUE(host.shown("web page: https://www.quillmere.com/"));
}

TEST_F(SchemoraFrame, ClosingSavesTheLayoutPlaysGoodbyeAndACancelKeepsTheTimers)
{
    writeIni("DoTips=0\nsound=1\nBackupTime=5\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    // Printing holds the window open.
    g_sheetView.printing = true;
    frame().SendMessage(plat::kWmClose);
    EXPECT_TRUE(frame().IsWindow());
    g_sheetView.printing = false;

    // A cancelled save question leaves the program running with both timers.
    add(kObjLine, 1);
    host.answerMessageBox(plat::kIdCancel);
    frame().SendMessage(plat::kWmClose);
    ASSERT_TRUE(frame().IsWindow());
    EXPECT_EQ(host.timerPeriod(scm::kTimerStatusAnimation), 500u);
    EXPECT_EQ(host.timerPeriod(scm::kTimerBackup), 5u * 60'000u);
    EXPECT_FALSE(g_programClosing.closing);

    host.answerMessageBox(plat::kIdNo);
    harness.close();
    EXPECT_NE(std::find_if(host.events().begin(), host.events().end(),
                           [](const std::string& e) { return e.find("goodbye.wav") != std::string::npos; }),
              host.events().end());
}

TEST(SheetObjects, DeletingASheetDropsItsObjectsAndRenumbersTheLaterOnes)
{
    std::vector<DrawObject> store(6);
    const int sheets[] = {0, 1, 2, 3, 2, 4};
    for (size_t i = 1; i < store.size(); ++i)
        store[i] = MakeDrawObject(ObjectWords(kObjText, 0, 0, 0, 0, sheets[i]), "x");
    DeleteSheetObjects(store, 99, 2);   // a count beyond the store is cut to it
    EXPECT_EQ(store[1].sheet(), 1);
    EXPECT_EQ(store[2].type(), kObjDeleted);
    EXPECT_EQ(store[2].text, nullptr);
    EXPECT_EQ(store[3].sheet(), 2);
    EXPECT_EQ(store[4].type(), kObjDeleted);
    EXPECT_EQ(store[5].sheet(), 3);
    ClearDrawingObjects(store, 5);
    for (const DrawObject& o : store) {
        EXPECT_EQ(o.type(), kObjDeleted);
        EXPECT_EQ(o.text, nullptr);
    }
}

TEST(DrawingStatisticsCount, CountsKindsAndLiveRecordsWithinTheStore)
{
    std::vector<DrawObject> store(8);
    const int kinds[] = {0, kObjPart + 3, kObjPart, kObjTriangle, kObjPolygon, 0, kObjDot, kObjArrow};
    for (size_t i = 1; i < store.size(); ++i)
        store[i].setType(kinds[i]);
    const DrawingStatistics s = CountDrawingStatistics(store, 50);
    EXPECT_EQ(s.parts, 2);
    EXPECT_EQ(s.triangles, 1);
    EXPECT_EQ(s.polygons, 1);
    EXPECT_EQ(s.dots, 1);
    EXPECT_EQ(s.arrows, 1);
    EXPECT_EQ(s.records, 7);
    EXPECT_EQ(s.live, 6);
    EXPECT_EQ(CountDrawingStatistics(store, -3).records, 0);
}

}  // namespace

namespace {

TEST_F(SchemoraFrame, ThePageListFollowsTheActiveDrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    CSchemoraDoc* first = doc();
    for (int i = 0; i < 2; ++i) {
        host.answerMessageBox(plat::kIdYes);
        ASSERT_TRUE(harness.command(scm::kCmdNewPage));
    }
    ASSERT_TRUE(harness.command(plat::kIdFileNew));
    ASSERT_NE(doc(), first);
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCount(), 1);
    EXPECT_EQ(g_sheetView.currentSheet, 1);

    frame().MDIActivate(frame().children().front().get());
    ASSERT_EQ(doc(), first);
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCount(), 3);
    EXPECT_EQ(combo(scm::kIdcPageCombo).GetCurSel(), 2);
    EXPECT_EQ(g_sheetView.currentSheet, 3);
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdDeletePage));
    EXPECT_EQ(first->data().numberOfSheets, 2);
}

// A toolbar combo that was clicked last keeps the keyboard focus, even with no drawing open:
// Ctrl+O still opens a drawing instead of being taken as the first letter of an item.
TEST_F(SchemoraFrame, ShortcutsReachTheProgramWhileAToolbarComboHasTheFocus)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    ASSERT_TRUE(harness.command(plat::kIdFileClose));
    auto* window = qobject_cast<QMainWindow*>(plat::GetMainWnd()->state()->widget.data());
    ASSERT_NE(window, nullptr);
    QComboBox* box = nullptr;
    for (QToolBar* bar : window->findChildren<QToolBar*>())
        if (const auto boxes = bar->findChildren<QComboBox*>(); !boxes.isEmpty())
            box = boxes.front();
    ASSERT_NE(box, nullptr);
    const auto openDialogs = [&] {
        return std::ranges::count_if(host.events(), [](const std::string& e) { return e.rfind("file dialog open", 0) == 0; });
    };
    host.answerFileDialog({});
    QKeyEvent press(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier, QString(QChar(0x0f)));
    QCoreApplication::sendEvent(box, &press);
    EXPECT_EQ(openDialogs(), 1);
}

}  // namespace

// The shared frame measures its toolbar combos' items and leaves other owner-drawn items alone.
TEST_F(SchemoraFrame, ToolbarComboItemsAreMeasuredOneSize)
{
    writeIni("DoTips=0\nAutoDots=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    quill_test::ExpectComboItemsMeasuredOneSize(frame(), {scm::kIdcLayerCombo, scm::kIdcScaleCombo, scm::kIdcPageCombo});
}
