#include "common/append_lists.h"
#include "common/scale_labels.h"
#include "resources/tracelyn/image_resources.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "resources/tracelyn/manufacturing_dialogs.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "resources/tracelyn/route_dialogs.h"
#include "resources/tracelyn/edit_dialogs.h"
#include "resources/tracelyn/library_dialogs.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/package_editor_resources.h"
#include "resources/tracelyn/board_search_resources.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/copper_dialogs.h"
#include "resources/tracelyn/copper_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/set_colors_resources.h"
#include "resources/tracelyn/setup_dialogs.h"
#include "resources/tracelyn/setup_dialog_ids.h"

#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "common/about_dialog.h"
#include "common/editor_keys.h"
#include "common/parts_bin.h"
#include "common/standard_menus.h"
#include "common/tip_dialog.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <utility>

namespace {

using plat::menuItem;
using plat::menuPopup;
using plat::menuSeparator;
using namespace tly;

// The grid items start with the English texts; start-up rewrites them for the unit mode.
plat::MenuItem gridMenu()
{
    return menuPopup("G&rid", {menuItem(698, ".5 mils"), menuItem(699, "1 mils"), menuItem(700, "5 mils"),
                               menuItem(701, "10 mils"), menuItem(702, "25 mils"), menuItem(703, "50 mils"),
                               menuItem(704, "100 mils"), menuItem(705, "Variable..."), menuItem(706, "Polar...")});
}

// The layers of View > Current Layer in menu order, by number.
std::vector<std::pair<unsigned, std::string>> layerNames()
{
    std::vector<std::pair<unsigned, std::string>> names = {{0, "Top"}};
    for (unsigned n = 1; n <= 15; ++n)
        names.emplace_back(n, "L" + std::to_string(n));
    constexpr std::pair<unsigned, const char*> kNamed[] = {
        {16, "Top Silk Screen"}, {17, "Bottom Silk Screen"}, {18, "Top Solder"}, {19, "Bottom Solder"},
        {20, "Top Paste"},       {21, "Bottom Paste"},       {22, "VCC"},        {23, "Ground"},
        {24, "Outline"},         {26, "Power 1"},            {27, "Power 2"},    {28, "Power 3"},
        {29, "Power 4"},         {25, "All"},
    };
    for (auto [n, name] : kNamed)
        names.emplace_back(n, name);
    return names;
}

plat::MenuItem scaleMenu()
{
    std::vector<plat::MenuItem> items;
    for (unsigned i = 0; i < kScaleLabels.size(); ++i)
        items.push_back(menuItem(kCmdScaleFirst + i, kScaleLabels[i]));
    return menuPopup("S&cale", std::move(items));
}

// Status-bar prompts (and tooltips) of View > Scale, Setup > Work Area and View > Current Layer.
void addViewPrompts(std::map<unsigned, std::string>& strings)
{
    constexpr const char* kScales[] = {"20%", "25%", "50%", "", "125%", "250%", "500%", "1000%", "2000%", "5000%"};
    for (unsigned i = 0; i < std::size(kScales); ++i) {
        const std::string scale = kScales[i];
        strings[kCmdScaleFirst + i] = scale.empty() ? std::string("Draw artwork at full size\nFull size")
                                                    : "Draw artwork at " + scale + " of full size\n" + scale;
    }
    constexpr const char* kAreas[] = {"4x4", "8x4", "8x8", "16x8", "16x16", "32x16", "32x32"};
    for (unsigned i = 0; i < std::size(kAreas); ++i)
        strings[kCmdWorkAreaFirst + i] = std::string("Set ") + kAreas[i] + " work area\n" + kAreas[i];
    for (const auto& [n, name] : layerNames()) {
        // The solder masks are only viewed; every other layer is viewed and edited.
        const bool viewOnly = n == 18 || n == 19;
        std::string lower = name;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z' && name != "VCC")
                c = static_cast<char>(c - 'A' + 'a');
        const std::string what = n == 25 ? std::string("all layers") : lower + " layer";
        strings[kCmdLayerFirst + n] = "Select " + what + (viewOnly ? " for viewing" : " for viewing/editing") + "\n" + name;
    }
}

plat::MenuItem currentLayerMenu()
{
    std::vector<plat::MenuItem> items;
    for (const auto& [n, name] : layerNames())
        items.push_back(menuItem(kCmdLayerFirst + n, name));
    return menuPopup("Current &Layer", std::move(items));
}

// View > Toolbars: the five bars in the frame's table order and the start layout.
plat::MenuItem toolbarsMenu()
{
    return menuPopup("&Toolbars", {menuItem(kCmdToolbarFirst, "&Main Toolbar"),
                                   menuItem(kCmdToolbarFirst + 1, "&Insert Toolbar"),
                                   menuItem(kCmdToolbarFirst + 2, "M&odify Toolbar"),
                                   menuItem(kCmdToolbarFirst + 3, "&Setup Toolbar"),
                                   menuItem(kCmdToolbarFirst + 4, "&View Toolbar"), menuSeparator(),
                                   menuItem(kCmdDefaultToolbars, "Set default toolbar positions")});
}

plat::MenuItem viewMenu(bool withDocument)
{
    std::vector<plat::MenuItem> items = {toolbarsMenu(), menuItem(plat::kIdViewStatusBar, "&Status Bar")};
    if (withDocument) {
        items.push_back(menuSeparator());
        items.push_back(menuItem(kCmdZoomIn, "Zoom &In"));
        items.push_back(menuItem(kCmdZoomOut, "Zoom &Out"));
        items.push_back(menuItem(kCmdCenterView, "&Center\tF4"));
        items.push_back(menuItem(kCmdDrawToFit, "&Draw to Fit"));
        items.push_back(scaleMenu());
        items.push_back(currentLayerMenu());
        items.push_back(menuItem(kCmdLayerView, "Single/&2-Layer"));
        items.push_back(menuItem(kCmdViewDcodes, "View DCODES..."));
    }
    return menuPopup("&View", std::move(items));
}

plat::MenuItem setupMenu()
{
    constexpr const char* kAreas[] = {"4x4", "8x4", "8x8", "16x8", "16x16", "32x16", "32x32"};
    std::vector<plat::MenuItem> areas;
    for (unsigned i = 0; i < std::size(kAreas); ++i)
        areas.push_back(menuItem(kCmdWorkAreaFirst + i, kAreas[i]));
    return menuPopup("Se&tup", {menuItem(kCmdGeneralSetup, "&General..."), menuItem(kCmdPadSetup, "&Pad..."),
                                menuItem(kCmdLayerSetup, "&Layers..."),
                                menuItem(kCmdSelectiveSetup, "&Selective Editing..."),
                                menuItem(kCmdColors, "&Colors..."), menuItem(kCmdFont, "Fon&t..."),
                                menuPopup("&Work Area", std::move(areas)), gridMenu(), menuSeparator(),
                                menuItem(kCmdRubberBand, "&Rubberbanding\tF6"),
                                menuItem(kCmdLimit90, "&Limit to 90 Degrees"),
                                menuItem(kCmdSnapGridVisible, "&Visible Snap Grid"),
                                menuItem(kCmdPageBreaks, "Page &Breaks Display"),
                                menuItem(kCmdPinNumbers, "Pi&n Number Display"),
                                menuItem(kCmdTopSilk, "T&op Silk Screen Display"),
                                menuItem(kCmdBottomSilk, "Botto&m Silk Screen Display"),
                                menuItem(kCmdPadSnap, "Pad Sn&ap"),
                                menuItem(kCmdUnits, "Metric or &English Units\tU")});
}

// The standard File menu with the manufacturing output and the imports after Save As.
plat::MenuItem boardFileMenu()
{
    plat::MenuItem file = StandardFileMenu(true);
    auto at = std::find_if(file.items.begin(), file.items.end(),
                           [](const plat::MenuItem& m) { return m.id == plat::kIdFileSaveAs; });
    if (at != file.items.end())
        ++at;
    file.items.insert(at, {menuSeparator(), menuItem(kCmdPrintoutSettings, "P&rintout Settings..."),
                           menuItem(kCmdGenerateManufacturing, "Generate Manufacturing Files..."),
                           menuPopup("&Import", {menuItem(kCmdImportDxf, "AutoCAD (DXF)..."),
                                                 menuItem(kCmdImportGerber, "Gerber...")})});
    return file;
}

plat::MenuItem helpMenu()
{
    return menuPopup("&Help", {menuItem(kCmdHelpContents, "&Contents"), menuItem(kCmdTipOfTheDay, "&Tip of the day..."),
                               menuItem(kCmdWebsite, "&Quillmere Website..."), menuSeparator(),
                               menuItem(plat::kIdAppAbout, "&About Tracelyn...")});
}

plat::MenuItem advancedMenu()
{
    return menuPopup("Advanced", {menuItem(kCmdRegrid, "Re-grid Ob&jects\tG"),
                                  menuItem(kCmdMoveToLayer, "Move Between Layers\tCtrl+L"),
                                  menuItem(kCmdSnapTextToPad, "Snap Text To Pad..."),
                                  menuItem(kCmdCutTrace, "Cut Trace\tF7"), menuItem(kCmdGoto, "Goto...\tCtrl+G"),
                                  menuItem(kCmdClearRatsNest, "Clear Rats &Nest"),
                                  menuItem(kCmdClearDrcMarks, "Clear &DRC Marks"),
                                  menuItem(kCmdRemoveCopperIslands, "Remove copper islands"),
                                  menuItem(kCmdAlignWithEdge, "Align With Edge\tV"),
                                  menuItem(kCmdAlignToCenter, "Align To Center\tN"),
                                  menuItem(kCmdAlignOnLine, "Align On Line\tH"),
                                  menuItem(kCmdAlignThermalPads, "Align Thermal Pads")});
}

std::vector<plat::MenuResource> menus()
{
    return {
        {kIdrMainFrame, {StandardFileMenu(false), viewMenu(false), helpMenu()}},
        {kIdrBoardType,
         {boardFileMenu(),
          menuPopup("&Edit", {menuItem(kCmdUndo, "&Undo\tCtrl+Z"), menuItem(kCmdSelect, "&Select\tF9"),
                              menuItem(plat::kIdEditCopy, "&Copy\tCtrl+C"), menuItem(kCmdEditPaste, "&Paste\tCtrl+V"),
                              menuItem(kCmdEditClear, "C&lear\tF8"),
                              menuItem(kCmdSelectAll, "Select All\tCtrl+A"), menuItem(kCmdErase, "&Erase\tDel"),
                              menuItem(kCmdRotate, "&Rotate\tX"), menuItem(kCmdMirror, "&Mirror\tM"),
                              menuItem(kCmdFlip, "&Vertical Flip"), menuItem(kCmdOrigin, "&Origin"),
                              menuItem(kCmdToBack, "Send to Back\tCtrl+B"), menuItem(kCmdToFront, "Bring to Front\tCtrl+T"),
                              menuItem(kCmdRedraw, "Re&draw\tEsc"), advancedMenu()}),
          viewMenu(true), setupMenu(),
          menuPopup("&Process", {menuItem(kCmdBatchRoute, "&Batch Route..."),
                                 menuItem(kCmdPlacement, "&Placement..."),
                                 menuItem(kCmdOptimize, "&Optimize"),
                                 menuItem(kCmdSmooth, "&Smooth..."),
                                 menuItem(kCmdRatsNest, "&Rats Nest Display..."),
                                 menuItem(kCmdNeck, "&Neck..."),
                                 menuItem(kCmdLoadNetlist, "Load Netlist...")}),
          menuPopup("&Aux", {menuItem(kCmdAutoText, "&Auto..."), menuItem(kCmdRefNo, "Ref &No..."),
                             menuItem(kCmdFind, "&Find...\tCtrl+F"), menuItem(kCmdReplace, "Re&place...\tCtrl+H"),
                             menuItem(kCmdStatistics, "&Statistics..."), menuItem(kCmdDesignRules, "&Check..."),
                             menuItem(kCmdResources, "&Resources..."),
                             menuItem(kCmdBackAnnotate, "Back Annotate...\tF11"),
                             menuItem(kCmdClearBookmarks, "Clear &Bookmarks"),
                             menuItem(kCmdGoToBookmark, "&Go To Bookmark\tF2")}),
          menuPopup("&Utilities", {menuItem(kCmdArtworkNetlist, "&Netlist"), menuItem(kCmdCompareNets, "&Compare Nets"),
                                   menuItem(kCmdCopyLibraryParts, "Copy Library Parts..."),
                                   menuItem(kCmdNewPackagePart, "New Package Part..."),
                                   menuItem(kCmdPackageWizard, "Package &Wizard...")}),
          menuPopup("&Window", {menuItem(plat::kIdWindowCascade, "&Cascade"),
                                menuItem(plat::kIdWindowTileHorz, "&Tile"),
                                menuItem(plat::kIdWindowArrange, "&Arrange Icons"),
                                menuItem(kCmdCloseAllWindows, "Clo&se All Windows")}),
          helpMenu()}},
        {kIdrOutlineMenu,
         {menuPopup("Outline", {menuItem(kCmdOutlineInsertLine, "Insert Line"),
                                menuItem(kCmdOutlineInsertArc, "Insert Arc"),
                                menuItem(kCmdOutlineReverseArc, "Reverse Arc"),
                                menuItem(kCmdOutlineDeleteVertex, "Delete Vertex"),
                                menuItem(kCmdOutlineCircle, "Create Circle Outline"),
                                menuItem(kCmdOutlineRectangle, "Create Rectangle Outline")})}},
        quill::PartsBinMenu(kIdrPartsBinMenu, kCmdToolPart, kCmdErase),
    };
}

std::vector<plat::AcceleratorResource> accelerators()
{
    using plat::kFControl;
    using plat::kFShift;
    using plat::kFVirtKey;
    std::vector<plat::Accelerator> keys = StandardFileKeys();
    keys.insert(keys.end(), {
        {kFVirtKey, plat::kVkPrior, kCmdPageUp},
        {kFVirtKey, plat::kVkNext, kCmdPageDown},
        {kFVirtKey, plat::kVkAdd, kCmdNextLayer},
        {kFVirtKey, plat::kVkSubtract, kCmdPreviousLayer},
        {kFVirtKey, plat::kVkEscape, kCmdRedraw},
        // Editing: the tools by letter, selection, the crosshair and undo.
        {kFVirtKey, 'L', kCmdToolTrace},
        {kFVirtKey, 'R', kCmdToolRectangle},
        {kFVirtKey, 'E', kCmdToolEllipse},
        {kFVirtKey, 'C', kCmdToolPad},
        {kFVirtKey, 'K', kCmdToolArc},
        {kFVirtKey, 'Y', kCmdToolPolygon},
        {kFVirtKey, 'T', kCmdToolText},
        {kFVirtKey, plat::kVkF3, kCmdToolRoute},
        {kFVirtKey, plat::kVkF5, kCmdToolPart},
        {kFVirtKey, 'P', kCmdPartsBin},
        {kFVirtKey, plat::kVkF9, kCmdSelect},
        {kFVirtKey, plat::kVkF10, kCmdCrosshair},
        {kFVirtKey | kFControl, 'Z', kCmdUndo},
        // Copper, clipboard, bookmarks and the view.
        {kFVirtKey, 'F', kCmdToolFill},
        {kFVirtKey | kFControl, 'C', plat::kIdEditCopy},
        {kFVirtKey | kFControl, 'V', kCmdEditPaste},
        {kFVirtKey, plat::kVkF8, kCmdEditClear},
        {kFVirtKey, plat::kVkF4, kCmdCenterView},
        {kFVirtKey, plat::kVkF2, kCmdGoToBookmark},
        {kFVirtKey | kFControl, plat::kVkF2, kCmdSetBookmark},
        {kFVirtKey | kFControl, 'Q', kCmdDiagnosticDump},
        // The selection by keys.
        {kFVirtKey | kFControl, 'A', kCmdSelectAll},
        {kFVirtKey | kFControl, 'B', kCmdToBack},
        {kFVirtKey | kFControl, 'T', kCmdToFront},
        {kFVirtKey, 'X', kCmdRotate},
        {kFVirtKey, 'M', kCmdMirror},
        {kFVirtKey, plat::kVkDelete, kCmdErase},
        {kFVirtKey, plat::kVkF6, kCmdRubberBand},
        {0, '1', kCmdOneLayer},
        {0, '2', kCmdLayerPair},
        {0, 'w', kCmdApplyWidth},
        {kFVirtKey, plat::kVkF12, kCmdRouterStatistics},
        {kFVirtKey, 'U', kCmdUnits},
        // Shift and a tool's letter choose the tool without its style dialog.
        {kFVirtKey | kFShift, 'C', kCmdKeyToolFirst},
        {kFVirtKey | kFShift, 'L', kCmdKeyToolFirst + 1},
        {kFVirtKey | kFShift, 'K', kCmdKeyToolFirst + 2},
        {kFVirtKey | kFShift, 'E', kCmdKeyToolFirst + 3},
        {kFVirtKey | kFShift, 'R', kCmdKeyToolFirst + 4},
        {kFVirtKey | kFShift, 'T', kCmdKeyToolFirst + 5},
        {kFVirtKey | kFShift, plat::kVkF3, kCmdKeyToolFirst + 6},
        {kFVirtKey | kFControl, plat::kVkF3, kCmdToggleRouteMode},
    });
    quill::AddCursorKeys(keys, kCursorKeys);
    return {{kIdrMainFrame, std::move(keys)}};
}

std::vector<plat::DialogTemplate> dialogs()
{
    return {
        AboutDialogTemplate("Tracelyn", "Tracelyn printed circuit board layout", kIdrMainFrame),
        TipDialogTemplate(),
        BoardSetColorsTemplate(),
        quill::PartsBinTemplate(kIddPartsBin, kIdrPartsBinMenu),
    };
}

}  // namespace

void registerTracelynResources()
{
    plat::ResourceSet set;
    set.name = "Tracelyn";
    set.strings = {
        {kIdrMainFrame, "Tracelyn"},
        {kStrNetlistFilter, "Netlist (*.NET)|*.net|"},
        {kCmdRegrid, "Snap the selected objects to the grid\nRe-grid"},
        {kCmdClearRatsNest, "Remove the unrouted connections\nClear rats nest"},
        {kCmdRatsNest, "Show the unrouted connections of the netlist\nRats nest"},
        {kCmdLoadNetlist, "Read a netlist for the board\nLoad netlist"},
        {kCmdArtworkNetlist, "Write the copper's connectivity as a netlist beside the board\nNetlist"},
        {kCmdCompareNets, "List where the copper differs from the loaded netlist\nCompare Nets"},
        {kCmdStatistics, "Count the board's objects\nStatistics"},
        {kCmdDesignRules, "Design-rule settings\nCheck"},
        {kIdrBoardType,
         "\nuntitled\nTracelyn\nTracelyn Files (*.tlz)\n.tlz\nTracelyn.Document\nTracel Document"},
        {plat::kIdFilePrint, "Print the active board\nPrint"},
        {kCmdLayerView, "Show the current layer alone or with its pair\nSingle/2-Layer"},
        {kCmdLayerPair, "Show the current layer with its pair (2)\nLayer pair (2)"},
        {plat::kIdAppAbout, "Show the program's name, version and copyright\nAbout"},
        {kCmdZoomIn, "Zoom in one level\nZoom in"},
        {kCmdZoomOut, "Zoom out one level\nZoom out"},
        {kCmdPageUp, "Zoom in (magnify) (PgUp)\nZoom in (PgUp)"},
        {kCmdPageDown, "Zoom out (PgDn)\nZoom out (PgDn)"},
        {kCmdRedraw, "Re-draw screen\nRedraw"},
        {kStrOutOfStringSpace, "Out of string space"},
        {kCmdToolText, "Enter text (T)\nEnter text (T)"},
        {kCmdToolRectangle, "Draw rectangle (R)\nDraw rectangle (R)"},
        {kCmdToolTrace, "Draw trace (L)\nDraw trace (L)"},
        {kCmdToolRoute, "Route pad to pad (F3)\nRoute pad to pad (F3)"},
        {kCmdToolEllipse, "Draw ellipse (E)\nDraw ellipse (E)"},
        {kCmdToolPad, "Draw pad (C)\nDraw pad (C)"},
        {kCmdToolFill, "Fill interior region\nFill interior region"},
        {kCmdToolArc, "Draw arc (K)\nDraw arc (K)"},
        {kCmdToolPart, "Insert library part (F5)\nInsert library part (F5)"},
        {kCmdToolPolygon, "Draw polygon (Y)\nDraw polygon (Y)"},
        {kCmdAutoText, "Enter auto-incremented text\nEnter auto-incremented text"},
        {kCmdSelect, "Enter edit mode (F9)\nEnter edit mode (F9)"},
        {kCmdErase, "Erase the selected objects (Del)\nErase (Del)"},
        {kCmdRotate, "Rotate the selected objects (X)\nRotate (X)"},
        {kCmdMirror, "Mirror the selected objects (M)\nMirror (M)"},
        {kCmdFlip, "Flip the selected objects vertically\nVertical flip"},
        {kCmdOrigin, "Show the origins of the objects\nOrigin"},
        {kCmdUndo, "Undo the last edit (Ctrl+Z)\nUndo (Ctrl+Z)"},
        {kCmdMoveToLayer, "Move the selected objects to the current layer\nMove to current layer"},
        {kCmdPadSetup, "Pad style and sizes\nPad setup"},
        {kCmdRubberBand, "Rubberband mode (F6)\nRubberband mode (F6)"},
        {kCmdLimit90, "Limit mode\nLimit mode"},
        {kCmdSnapGridVisible, "Visible snap grid\nVisible snap grid"},
        {kCmdPageBreaks, "Page breaks display\nPage breaks display"},
        {kCmdPinNumbers, "Pin number display\nPin number display"},
        {kCmdTopSilk, "Top silk screen display\nTop silk screen display"},
        {kCmdBottomSilk, "Bottom silk screen display\nBottom silk screen display"},
        {kCmdPadSnap, "Pad snap\nPad snap"},
        {kCmdUnits, "Metric or English units\nMetric or English units"},
        {kCmdPartsBin, "Activate parts bin (P)\nActivate parts bin (P)"},
        {plat::kIdContextHelp, "Help on the item clicked next\nContext help"},
        {kCmdNewPackagePart, "Draw a new package part\nNew package part"},
        {kCmdDrawToFitTool, "Draw the whole work area in the window\nDraw to fit"},
        {kCmdCenterView, "Center the view on the cursor (F4)\nCenter (F4)"},
        {kCmdHelpContents, "Open the help's contents\nHelp contents"},
        {kCmdTipOfTheDay, "Show a tip\nTip of the day"},
        {kCmdWebsite, "Open the maker's web page\nWebsite"},
        {kCmdToolbarFirst, "Show or hide the Main toolbar\nMain toolbar"},
        {kCmdToolbarFirst + 1, "Show or hide the Insert toolbar\nInsert toolbar"},
        {kCmdToolbarFirst + 2, "Show or hide the Modify toolbar\nModify toolbar"},
        {kCmdToolbarFirst + 3, "Show or hide the Setup toolbar\nSetup toolbar"},
        {kCmdToolbarFirst + 4, "Show or hide the View toolbar\nView toolbar"},
        {kCmdDefaultToolbars, "Put the toolbars back where they start\nDefault toolbar positions"},
        {kCmdSelectAll, "Select every editable object\nSelect all"},
        {kStrWorkAreaBase + 'A', "4X4"},
        {kStrWorkAreaBase + 'B', "8X4"},
        {kStrWorkAreaBase + 'C', "8X8"},
        {kStrWorkAreaBase + 'D', "16X8"},
        {kStrWorkAreaBase + 'E', "16X16"},
        {kStrWorkAreaBase + 'F', "32X16"},
        {kStrWorkAreaBase + 'G', "32X32"},
        {4066, "Not enough memory for arrays----quitting\n"},
        {kStrPlaceFailed, "Can't execute place utility"},
        {kStrSelectPartToDelete, "Select part to delete"},
        {kStrPartsBinFull, "Parts Bin FULL\nDelete existing part to add"},
        {kCmdPlacement, "Place the parts of a schematic's netlist on a board\nPlacement"},
    };
    AddStandardFilePrompts(set.strings, "board");
    addViewPrompts(set.strings);
    set.menus = menus();
    set.accelerators = accelerators();
    set.dialogs = dialogs();
    quill::AppendLists(set.dialogs, RouteDialogTemplates(), EditDialogTemplates(), LibraryDialogTemplates());
    AddManufacturingResources(set);
    quill::AppendLists(set.dialogs, CopperDialogTemplates(), BoardSetupDialogTemplates());
    AddBoardSetupDialogStrings(set.strings);
    AddBoardSearchResources(set);
    AddBoardAdvancedResources(set);
    // The Main, Insert and Setup toolbars; the Modify and View bars, which carry combos, are
    // built by the main frame from button lists.
    set.toolbars = {
        {kIdrMainBar,
         {plat::kIdFileOpen, plat::kIdFileSave, plat::kIdFilePrint, kCmdPartsBin, kCmdFind, plat::kIdContextHelp,
          kCmdNewPackagePart}},
        {kIdrInsertBar,
         {kCmdToolText, kCmdToolTrace, kCmdToolRoute, kCmdToolArc, kCmdToolPad, plat::kIdSeparator,
          kCmdToolRectangle, kCmdToolEllipse, kCmdToolPolygon, kCmdToolFill, plat::kIdSeparator, kCmdToolPart}},
        {kIdrSetupBar,
         {kCmdRubberBand, kCmdLimit90, kCmdSnapGridVisible, kCmdPadSnap, kCmdPinNumbers, kCmdTopSilk, kCmdBottomSilk,
          kCmdUnits}},
    };
    AddImageResources(set);
    AddPackageEditorResources(set);
    plat::registerResources(std::move(set));
}
