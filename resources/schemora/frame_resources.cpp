#include "resources/schemora/frame_resources.h"

#include "common/editor_keys.h"
#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/general_setup_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/simulation_ids.h"

#include <algorithm>

namespace scm {

using plat::menuItem;
using plat::menuPopup;
using plat::menuSeparator;

void AddPageMenuItems(plat::MenuItem& fileMenu)
{
    auto& items = fileMenu.items;
    const auto at = std::find_if(items.begin(), items.end(), [](const plat::MenuItem& item) {
        return item.id == plat::kIdFilePrint || item.id == plat::kIdFilePrintSetup;
    });
    items.insert(at, {menuItem(kCmdNewPage, "New Page"), menuItem(kCmdDeletePage, "Delete Current Page"),
                      menuItem(kCmdPreviousPage, "Previous Page"), menuItem(kCmdNextPage, "Next Page"),
                      menuSeparator()});
}

void AddClearMenuItem(plat::MenuItem& editMenu)
{
    auto& items = editMenu.items;
    const auto undo = std::find_if(items.begin(), items.end(), [](const plat::MenuItem& item) { return item.id == kCmdEditUndo; });
    items.insert(undo == items.end() ? items.end() : undo + 1, menuItem(kCmdClear, "C&lear\tF8"));
}

void AddStatisticsMenuItem(plat::MenuItem& auxMenu) { auxMenu.items.push_back(menuItem(kCmdStatistics, "&Statistics...")); }

plat::MenuItem ToolBarsMenu()
{
    return menuPopup("&Toolbars", {menuItem(kCmdToolBarFirst, "&Main Toolbar"), menuItem(kCmdToolBarFirst + 1, "&Insert Toolbar"),
                                   menuItem(kCmdToolBarFirst + 2, "Mo&dify Toolbar"),
                                   menuItem(kCmdToolBarFirst + 3, "&Simulation Toolbar"),
                                   menuItem(kCmdToolBarFirst + 4, "Setu&p Toolbar"), menuItem(kCmdToolBarFirst + 5, "&View Toolbar"),
                                   menuItem(kCmdToolBarFirst + 6, "Page Toolbar"), menuSeparator(),
                                   menuItem(kCmdDefaultToolBars, "Set default toolbar positions")});
}

plat::MenuItem SetupMenu()
{
    return menuPopup("Setu&p", {menuItem(kCmdRubberBand, "&Rubberband Mode\tF6"), menuItem(kCmdLimitMode, "&Limit Mode"),
                                menuItem(kCmdVisibleGrid, "&Visible Snap Grid"), menuItem(kCmdPageBreaks, "Page &Breaks Display"),
                                menuItem(kCmdHiddenPins, "Show &Hidden Pins"), menuItem(kCmdTerminalEnds, "Show T&erminal Ends"),
                                menuItem(kCmdUnits, "&Metric Units"), menuSeparator(),
                                menuItem(kCmdGeneralSetup, "&General..."), menuItem(kCmdSetColors, "&Colors..."),
                                menuItem(kCmdSelectiveEditing, "&Selective Editing..."), menuItem(kCmdTextFont, "Fon&t..."),
                                menuItem(kCmdPageSetup, "P&age...")});
}

plat::DialogTemplate SetColorsTemplate()
{
    static constexpr const char* kSlotLabels[] = {
        "Screen", "Top", "1", "2", "3", "Rulers", "Screen", "Trace 1", "Trace 2", "Trace 3", "Trace 4", "Trace 5", "Trace 6", "Trace 7",
        "Trace 8", "Zeros", "Part", "Terminal", "Dot", "", "Grid", "Text", "Edit", "Scales", "Parts Bin", "Text", "Shading"};
    return BuildSetColorsTemplate(SetColorsDialogIds(), {.title = "Set Colors",
                                                         .slotLabels = kSlotLabels,
                                                         .schemeLabel = "Color Scheme:",
                                                         .modeLabels = {"Object takes THIS color:", "Object takes PLANES color"},
                                                         .rgbId = kIdcColorRgb,
                                                         .slotGroups = {{"Layers", 1, 4}, {"Scope/Analyzer", 6, 15}},
                                                         .modeGroup = "Color Mode"});
}

SetColorsIds SetColorsDialogIds()
{
    return {kIddSetColors, kIdcColorSlotFirst, kIdcPaletteFirst, kIdcColorScheme, kIdcColorModeThis, kIdcColorModePlanes};
}

plat::MenuItem FrameHelpMenu(unsigned contentsId)
{
    return menuPopup("&Help", {menuItem(contentsId, "&Contents\tF1"), menuItem(kCmdTipOfTheDay, "&Tip of the day..."),
                               menuItem(kCmdWebsite, "&Quillmere Website..."), menuSeparator(),
                               menuItem(plat::kIdAppAbout, "&About Schemora...")});
}

std::vector<plat::Accelerator> FrameAccelerators()
{
    using plat::kFShift;
    using plat::kFVirtKey;
    // Upper-case characters choose what the edit commands act on; the plain letters are tools.
    constexpr uint8_t kChar = 0;
    std::vector<plat::Accelerator> keys = {
        {kFVirtKey, plat::kVkF8, kCmdClear},
        {kFVirtKey, plat::kVkF1, kCmdHelpContents},
        {kFVirtKey | kFShift, plat::kVkF5, kCmdSelEditAll + 9},
        {kChar, 'b', kCmdToolBus},
        {kChar, 'p', kCmdPartsBin},
    };
    quill::AddSelectiveEditKeys(keys, kCmdSelEditAll, "ATCLKERQY BW", kChar);
    return keys;
}

void AddFrameStrings(std::map<unsigned, std::string>& strings)
{
    plat::AssignStrings(strings, {
        {kStrClearSchematic, "Clear schematic?"},
        {plat::kIdFilePrint, "Print the active drawing (Ctrl+P)\nPrint (Ctrl+P)"},
        {kCmdClear, "Erase every object of the drawing (F8)\nClear"},
        {kCmdStatistics, "Get statistics of drawing elements\nGet statistics of drawing elements"},
        {kCmdNewPage, "Add a sheet to the drawing\nNew page"},
        {kCmdDeletePage, "Delete the current sheet\nDelete page"},
        {kCmdPreviousPage, "Show the previous sheet\nPrevious page"},
        {kCmdNextPage, "Show the next sheet\nNext page"},
        {kIdcPageCombo, "Select the sheet shown\nPage select"},
        {kIdcLayerCombo, "Select the drawing layer\nDrawing layer"},
        {kIdcScaleCombo, "Select the drawing scale\nDrawing scale"},
        {kIdcGridCombo, "Select the snap grid\nSnap grid"},
        {kIdcSelEditCombo, "Choose what the edit commands act on\nSelective edit"},
        {kCmdLimitMode, "Limit mode\nLimit mode"},
        {kCmdVisibleGrid, "Visible snap grid\nVisible snap grid"},
        {kCmdPageBreaks, "Page breaks display\nPage breaks display"},
        {kCmdHiddenPins, "Show hidden pins\nShow hidden pins"},
        {kCmdTerminalEnds, "Show terminal ends\nShow terminal ends"},
        {kCmdUnits, "English or Metric Units\nEnglish or Metric Units"},
        {kCmdSetColors, "Choose the drawing colours\nSet colors"},
        {kCmdPartsBin, "Show parts bin (P)\nShow parts bin (P)"},
        {kStrSelectPartToDelete, "Select part to delete"},
        {kStrPartsBinFull, "Parts Bin FULL\nDelete existing part to add"},
        {kCmdFind, "Find text or part\nFind"},
        {kCmdNewLibraryPart, "Make a new library part\nNew library part"},
        {kCmdContextHelp, "Help on the program\nHelp"},
        {kCmdTipOfTheDay, "Show a tip\nTip of the day"},
        {kCmdWebsite, "Open the maker's web page\nWebsite"},
        {kCmdDefaultToolBars, "Put the toolbars back where they started\nDefault toolbar positions"},
    });
    for (unsigned i = 0; i < 7; ++i)
        strings[kCmdToolBarFirst + i] = "Show or hide the toolbar\nToggle toolbar";
}

std::vector<plat::ToolbarResource> FrameToolBarResources()
{
    return {
        {kIdrMainToolBar,
         {plat::kIdFileOpen, plat::kIdFileSave, plat::kIdFilePrint, kCmdPartsBin, kCmdFind, kCmdContextHelp, kCmdNewLibraryPart}},
        {kIdrSimulationToolBar,
         {kCmdScope, kCmdSpectrum, kCmdAnalogSimulation, plat::kIdSeparator, kCmdAnalyzer, kCmdStep, kCmdDigitalSimulation}},
        {kIdrSetupToolBar, {kCmdRubberBand, kCmdLimitMode, kCmdVisibleGrid, kCmdHiddenPins, kCmdTerminalEnds}},
    };
}

}  // namespace scm
