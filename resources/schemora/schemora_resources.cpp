#include "resources/schemora/schemora_ids.h"
#include "platform/app/dialog_builder.h"
#include "resources/schemora/edit_resources.h"
#include "resources/schemora/part_dialog_resources.h"
#include "resources/schemora/advanced_edit_resources.h"
#include "resources/schemora/simulation_ids.h"

#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "common/about_dialog.h"
#include "common/append_lists.h"
#include "common/library_browser.h"
#include "resources/schemora/edit_ids.h"
#include "common/parts_bin.h"
#include "common/standard_menus.h"
#include "common/tip_dialog.h"
#include "resources/schemora/file_resources.h"
#include "resources/schemora/frame_resources.h"
#include "resources/schemora/general_setup_resources.h"
#include "resources/schemora/setup_dialog_resources.h"
#include "resources/schemora/part_wizard_resources.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/image_resources.h"
#include "resources/schemora/part_editor_resources.h"
#include "resources/schemora/view_resources.h"
#include "resources/schemora/board_resources.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"

#include <iterator>
#include <span>
#include <string>

namespace {

using plat::menuItem;
using plat::menuPopup;
using plat::menuSeparator;
using namespace scm;

plat::MenuItem viewMenu()
{
    std::vector<plat::MenuItem> sizes, scales, grids, layers;
    for (unsigned i = 0; i < 5; ++i)
        sizes.push_back(menuItem(kCmdSizeA + i, std::string("Size ") + char('A' + i)));
    constexpr const char* kScales[] = {"20%", "25%", "50%", "100%", "125%", "250%", "500%"};
    for (unsigned i = 0; i < std::size(kScales); ++i)
        scales.push_back(menuItem(kCmdScaleFirst + i, kScales[i]));
    constexpr const char* kGrids[] = {"1/10", "1/5", "1/2", "1"};
    for (unsigned i = 0; i < std::size(kGrids); ++i)
        grids.push_back(menuItem(kCmdGridFirst + i, kGrids[i]));
    constexpr const char* kLayers[] = {"Top Layer", "Layer 1", "Layer 2", "Layer 3", "All Layers"};
    for (unsigned i = 0; i < std::size(kLayers); ++i)
        layers.push_back(menuItem(kCmdLayerFirst + i, kLayers[i]));
    return menuPopup("&View", {menuItem(kCmdZoomIn, "Zoom &In\tPgUp"), menuItem(kCmdZoomOut, "Zoom &Out\tPgDn"),
                               menuItem(kCmdCenter, "&Center\tF4"), menuItem(kCmdDrawToFit, "Draw to &Fit"),
                               menuSeparator(), menuPopup("&Scale", std::move(scales)),
                               menuPopup("Sheet Si&ze", std::move(sizes)), menuPopup("&Grid", std::move(grids)),
                               menuPopup("&Layers", std::move(layers)), menuSeparator(), ToolBarsMenu()});
}


// A menu and the items the topics add to it, in order.
plat::MenuItem withItems(plat::MenuItem menu, std::initializer_list<void (*)(plat::MenuItem&)> additions)
{
    for (void (*add)(plat::MenuItem&) : additions)
        add(menu);
    return menu;
}

void addNewLibraryPartItem(plat::MenuItem& utilities)
{
    utilities.items.push_back(plat::menuItem(kCmdNewLibraryPart, "New &Library Part..."));
}

plat::MenuItem drawingEditMenu() { return withItems(EditMenu(), {AddClipboardMenuItems, AddAdvancedEditItems, AddClearMenuItem}); }

plat::MenuItem drawingAuxMenu() { return withItems(AuxMenu(), {AddSearchItems, AddStatisticsMenuItem}); }

plat::MenuItem utilitiesMenu()
{
    return withItems(menuPopup("&Utilities", {menuItem(kCmdNetlist, "&Netlist..."), menuItem(kCmdDesignRules, "&Design Rules")}),
                     {AddUtilitiesItems, AddBuildUtilityItem, AddCopyLibraryPartsItem, addNewLibraryPartItem, AddPartWizardItem});
}

plat::MenuItem drawingFileMenu()
{
    return withItems(StandardFileMenu(true), {AddPrintoutSettingsItem, AddSaveAsLibraryPartItem, AddPageMenuItems});
}

// The instruments lead the Display menu.
plat::MenuItem simulationDisplayMenu()
{
    plat::MenuItem display = DisplayMenu();
    display.items.insert(display.items.begin(),
                         {menuItem(kCmdScope, "&Scope..."), menuItem(kCmdAnalyzer, "&Analyzer..."),
                          menuItem(kCmdStep, "S&tep..."), menuItem(kCmdSpectrum, "S&pectrum..."),
                          menuItem(kCmdOutputFile, "&Output File")});
    return display;
}

// The simulators lead the Utilities menu.
plat::MenuItem simulationUtilitiesMenu()
{
    plat::MenuItem utilities = utilitiesMenu();
    utilities.items.insert(utilities.items.begin(), {menuItem(kCmdAnalogSimulation, "&Analog Simulation..."),
                                                     menuItem(kCmdDigitalSimulation, "&Digital Simulation...")});
    return utilities;
}

std::vector<plat::MenuResource> menus()
{
    return {
        {kIdrMainFrame, {StandardFileMenu(false), menuPopup("&View", {ToolBarsMenu()}), SetupMenu(), FrameHelpMenu(kCmdHelpContents)}},
        {kIdrDrawingType,
         {drawingFileMenu(), drawingEditMenu(), viewMenu(), InsertMenu(), simulationDisplayMenu(),
          SetupMenu(), simulationUtilitiesMenu(), drawingAuxMenu(),
          menuPopup("&Window", {menuItem(plat::kIdWindowCascade, "&Cascade"),
                                menuItem(plat::kIdWindowTileHorz, "&Tile"),
                                menuItem(plat::kIdWindowArrange, "&Arrange Icons"),
                                CloseAllWindowsMenuItem()}),
          FrameHelpMenu(kCmdHelpContentsItem)}},
        quill::PartsBinMenu(kIdrPartsBinMenu, kCmdToolPart, kCmdEditErase),
    };
}

std::vector<plat::AcceleratorResource> accelerators()
{
    using plat::kFControl;
    using plat::kFVirtKey;
    std::vector<plat::Accelerator> keys = StandardFileKeys();
    quill::AppendLists(keys, std::vector<plat::Accelerator>{{kFVirtKey, plat::kVkPrior, kCmdZoomIn},
                                                            {kFVirtKey, plat::kVkNext, kCmdZoomOut},
                                                            {kFVirtKey, plat::kVkF4, kCmdCenter}},
                       EditAccelerators(), ViewAccelerators(), AdvancedEditAccelerators(), FrameAccelerators());
    return {{kIdrMainFrame, std::move(keys)}};
}

plat::DialogTemplate netlistDialog()
{
    using K = plat::ControlKind;
    return plat::DialogBuilder(kIddNetlist, "Netlist Utility")
        .label("Schematic name:", 0)
        .add(kIdcNetlistDesignName, K::Edit, "", 1).limit(kNetlistNameChars)
        .add(kIdcNetlistPinDesignators, K::RadioButton, "Netlist with &pin designators", 2).group()
        .add(kIdcNetlistBasicFormat, K::RadioButton, "Basic &netlist format", 3)
        .add(kIdcNetlistDigital, K::RadioButton, "&Digital simulator", 4)
        .add(kIdcNetlistSpice, K::RadioButton, "Spice simul&ator", 5)
        .add(kIdcNetlistThisSheet, K::RadioButton, "This schematic sheet", 6).group()
        .add(kIdcNetlistAllSheets, K::RadioButton, "All sheets", 7)
        .okCancel(8)
        .take();
}

std::vector<plat::DialogTemplate> dialogs()
{
    std::vector<plat::DialogTemplate> list = {
        AboutDialogTemplate("Schemora", "Schemora schematic capture", kIdrMainFrame),
        TipDialogTemplate(),
        netlistDialog(),
        quill::LibraryBrowserTemplate(kIddLibraryParts),
        quill::PartsBinTemplate(kIddPartsBin, kIdrPartsBinMenu),
        SaveLibraryPartDialog(),
        CopyLibraryPartsDialog(),
    };
    quill::AppendLists(list, SimulationDialogTemplates(), PartDialogTemplates(), FileDialogTemplates(), ViewDialogTemplates(),
                       AdvancedEditDialogs(), std::vector{SetColorsTemplate()}, GeneralSetupTemplates(),
                       SetupDialogTemplates(), PartWizardTemplates());
    return list;
}

constexpr plat::StringEntry kProgramStrings[] = {
    {kIdrMainFrame, "Schemora"},
    {kIdrDrawingType,
     "\nuntitled\nSchemora\nSchemora Files (*.pic)\n.pic\nSchemora.Document\nSchemora Document"},
    {120, "Too many models"},
    {121, "Too many nets"},
    {122, "Out of netlist memory"},
    {123, "No SPICE library"},
    {124, "Can't open file"},
    {130, "Error: another type of analysis already selected"},
    {857, "Too many parts/package [push enter]"},
    {858, "Too many pins"},
    {859, "Schematic FULL--objects not loaded"},
    {922, "Error:Part contains another library part"},
    {945, "Replace part %1?"},
    {7030, "Can't open file %1"},
    {7037, "Error in PIC pointer!"},
    {915, "Unsupported file format"},
    {kStrOutOfStringSpace, "Out of string space---push any key"},
    {kCmdZoomIn, "Zoom in (magnify) (PgUp)\nZoom in (PgUp)"},
    {kCmdZoomOut, "Zoom out (PgDn)\nZoom out (PgDn)"},
    {kCmdCenter, "Centre the sheet in the window\nCenter"},
    {kCmdDrawToFit, "Fit the whole sheet into the window\nDraw to fit"},
    {kCmdNetlist, "Write the netlist or simulator input of the drawing\nNetlist"},
    {kCmdDesignRules, "Check the drawing's connections\nDesign Rules"},
};

}  // namespace

void registerSchemoraResources()
{
    plat::ResourceSet set;
    set.name = "Schemora";
    // The program's own strings, its topics' string tables, then the main frame's strings; a
    // later text for an id replaces an earlier one (the frame's prompt for Find is the one shown).
    for (std::span<const plat::StringEntry> table :
         {std::span<const plat::StringEntry>(kProgramStrings), EditStrings(), SimulationStrings(), FileStrings(), ViewStrings(),
          BoardStrings(), AdvancedEditStrings(), GeneralSetupStrings(), SetupDialogStrings(), PartWizardStrings()})
        plat::AssignStrings(set.strings, table);
    AddStandardFilePrompts(set.strings, "drawing");
    AddFrameStrings(set.strings);
    set.menus = menus();
    set.accelerators = accelerators();
    set.dialogs = dialogs();
    set.toolbars = FrameToolBarResources();
    set.toolbars.push_back({kIdrDrawToolBar, InsertToolBarButtons()});
    AddImageResources(set);
    AddPartEditorResources(set);
    plat::registerResources(std::move(set));
}
