// The library part editor window: template 101 with its menu 264, toolbar 266 and
// accelerators 264, and the tool tips of its own commands.
#include "resources/schemora/part_editor_resources.h"

#include "common/editor_keys.h"
#include "common/library_editor_menus.h"
#include "platform/app/command_ids.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/drawn_images.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/view_command_ids.h"

#include <iterator>

namespace scm {

namespace {

using K = plat::ControlKind;
using plat::menuItem;
using plat::menuPopup;
constexpr unsigned kNoId = plat::kIdStaticText;
constexpr int kPinNumberChars = 10;
// The origin note is written in blue, as 0x00BBGGRR.
constexpr int64_t kOriginNoteBlue = 0x00FF0000;

constexpr plat::StringEntry kStrings[] = {
    {kCmdEditorSavePart, "Save the part into a library\nSave part"},
    {kCmdEditorNewPart, "Start a new part\nNew part"},
    {kCmdEditorClose, "Close the part editor\nClose"},
    {kCmdEditorTextTool, "Enter text (T)\nEnter text (T)"},
    {kCmdEditorTerminalTool, "Draw terminal (J)\nDraw terminal (J)"},
    {kCmdEditorZoomIn, "Zoom in (PgUp)\nZoom in (PgUp)"},
    {kCmdEditorZoomOut, "Zoom out (PgDn)\nZoom out (PgDn)"},
};

}  // namespace

plat::DialogTemplate PartEditorTemplate()
{
    plat::DialogTemplate t;
    t.id = kIddPartEditor;
    t.title = "Library Part Editor";
    t.menu = kIdrPartEditorMenu;
    t.toolbar = kIdrPartEditorToolBar;
    t.maximized = true;
    t.controls = {
        {.id = kNoId, .kind = K::Static, .text = "Reference Designator:", .row = 0, .column = 0},
        {.id = kIdcEditorReference, .kind = K::ComboDropDown, .row = 0, .column = 1},
        {.id = kNoId, .kind = K::Static, .text = "Package Information:", .row = 0, .column = 2},
        {.id = kIdcEditorPackage, .kind = K::Edit, .row = 0, .column = 3, .width = 80, .limit = kEditorPackageChars},
        {.id = kIdcEditorFindPackage, .kind = K::PushButton, .text = "Find Package", .row = 0, .column = 4},
        {.id = kNoId, .kind = K::Static, .text = "Comments:", .row = 0, .column = 5},
        {.id = kIdcEditorComments, .kind = K::Edit, .row = 0, .column = 6, .width = 120, .limit = kEditorCommentChars},
        {.id = kIdcEditorZoom, .kind = K::ComboDropList, .row = 0, .column = 7},
        {.id = kIdcEditorGrid, .kind = K::ComboDropList, .row = 0, .column = 8},
        {.id = kIdcEditorTabs, .kind = K::Tab, .row = 1, .column = 0, .span = 9},
        {.id = kIdcEditorArea, .kind = K::StaticFrame, .row = 2, .column = 0, .span = 8, .width = 400, .height = 220},
        {.id = kIdcEditorVScroll, .kind = K::ScrollBarV, .row = 2, .column = 8},
        {.id = kIdcEditorHScroll, .kind = K::ScrollBarH, .row = 3, .column = 0, .span = 8},
        // The rows below the drawing stay within the columns of the top row, so that the window
        // is no wider than that row and fits a 1280-pixel screen.
        {.id = kIdcEditorStatus0, .kind = K::Static, .row = 4, .column = 0, .span = 3, .width = 150},
        {.id = kIdcEditorStatus1, .kind = K::Static, .row = 4, .column = 3, .span = 4},
        {.id = kIdcEditorPartWizard, .kind = K::PushButton, .text = "Part Design Wizard", .row = 4, .column = 7, .span = 2},
        {.id = kIdcEditorAdvanced, .kind = K::CheckBox, .text = "Advanced", .row = 5, .column = 0},
        {.id = kIdcEditorPartsLabel, .kind = K::Static, .text = "Number \nof Parts:", .row = 5, .column = 1,
         .style = plat::kCsHidden},
        {.id = kIdcEditorPartsPerPackage, .kind = K::ComboDropList, .row = 5, .column = 2, .style = plat::kCsHidden},
        {.id = kIdcEditorPartLabel, .kind = K::Static, .text = "Part:", .row = 5, .column = 3, .style = plat::kCsHidden},
        {.id = kIdcEditorPartLetter, .kind = K::ComboDropList, .row = 5, .column = 4, .style = plat::kCsHidden},
        {.id = kIdcEditorSymbolsLabel, .kind = K::Static, .text = "Number of symbols:", .row = 5, .column = 5,
         .style = plat::kCsHidden},
        {.id = kIdcEditorSymbolCount, .kind = K::ComboDropList, .row = 5, .column = 6, .style = plat::kCsHidden},
        {.id = kIdcEditorHiddenPins, .kind = K::PushButton, .text = "Edit Hidden Power Pins", .row = 5, .column = 7,
         .style = plat::kCsHidden},
        {.id = kIdcEditorHelp, .kind = K::PushButton, .text = "Help", .row = 5, .column = 8},
        {.id = kIdcEditorOriginNote, .kind = K::Static,
         .text = "Rectangular marker at (-2,-1) represents library origin point. This is the offset from cursor when "
                 "part is placed.",
         .row = 6, .column = 0, .span = 9, .textColor = kOriginNoteBlue},
    };
    return t;
}

plat::DialogTemplate HiddenPinsTemplate()
{
    return plat::DialogBuilder(kIddHiddenPins, "Edit Hidden Power Pins", kPinNumberChars)
        .labelled(kIdcPinList, K::ComboDropList, "Pin List:", 0)
        .labelled(kIdcPinType, K::ComboDropList, "Type:", 1)
        .field(kIdcNewPinNumber, "New Pin Number:", 2)
        .add(kIdcInsertPin, K::PushButton, "Insert", 3)
        .add(kIdcDeletePin, K::PushButton, "Delete", 3, 1)
        .add(kNoId, K::Static,
             "To delete: select pin, then click on DELETE.\n\nTo insert a new pin, type in number then click INSERT.", 4,
             0, 2)
        .add(plat::kIdOk, K::DefPushButton, "OK", 5, 0, 2)
        .take();
}

plat::DialogTemplate TerminalInfoTemplate()
{
    return plat::DialogBuilder(kIddTerminalInfo, "Terminal Information", kPinNumberChars)
        .field(kIdcTerminalPinNumber, "Pin number:", 0)
        .labelled(kIdcTerminalPinType, K::ComboDropList, "Pin type:", 1)
        .field(kIdcTerminalLabel, "Label:", 2).limit(20)
        .add(plat::kIdOk, K::DefPushButton, "OK", 3)
        .add(plat::kIdCancel, K::PushButton, "Cancel", 3, 1)
        .take();
}

plat::DialogTemplate LibSelectiveEditTemplate()
{
    static constexpr const char* kKinds[] = {"Text",    "Dots",     "Lines",  "Arcs",   "Ellipses", "Rectangles",
                                             "Rounded rectangles", "Polygons", "Parts", "Busses", "Arrows"};
    plat::DialogTemplate t;
    t.id = kIddLibSelectiveEdit;
    t.title = "Selective Editing (Library Parts)";
    int row = 0;
    for (const char* kind : kKinds) {
        t.controls.push_back({.id = kCmdSelEditText + static_cast<unsigned>(row), .kind = K::CheckBox, .text = kind,
                              .row = row});
        ++row;
    }
    t.controls.push_back({.id = kCmdSelEditAll, .kind = K::PushButton, .text = "All Objects", .row = row});
    t.controls.push_back({.id = kIdcSelEditNone, .kind = K::PushButton, .text = "NO Objects", .row = row, .column = 1});
    t.controls.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = row + 1});
    t.controls.push_back({.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = row + 1, .column = 1});
    return t;
}

// The commands the part editor shares with the board program's package editor: File, Edit and
// View, a menu a line.
constexpr quill::LibraryEditorMenuIds kSharedIds{
    .savePart = kCmdEditorSavePart, .newPart = kCmdEditorNewPart, .closeEditor = kCmdEditorClose,
    .editing = kEditingCommands, .reGrid = kCmdEditorReGrid, .redraw = kCmdEditRedraw, .copy = kCmdEditCopy, .paste = kCmdEditPaste,
    .drawToFit = kCmdEditorDrawToFit, .center = kCmdCenter, .zoomIn = kCmdEditorZoomIn, .zoomOut = kCmdEditorZoomOut, .scaleFirst = kCmdScaleFirst, .scaleCount = 7};

// The selective-editing choices 710 to 723 with their keys (upper-case letters: the plain ones
// choose tools); 722 names no kind of its own.
plat::MenuItem selectiveEditingMenu()
{
    static constexpr const char* kChoices[] = {
        "&All Objects\tShift+A",  "&Text\tShift+T",   "&Dots\tShift+C",     "&Lines\tShift+L",
        "Ar&cs\tShift+K",         "&Ellipses\tShift+E", "&Rectangles\tShift+R", "R&ounded Rectangles\tShift+Q",
        "&Polygons\tShift+Y",     "Part&s\tShift+F5", "&Busses\tShift+B",   "Arro&ws\tShift+W",
        nullptr,                   "&Nets\tShift+N"};
    std::vector<plat::MenuItem> items;
    for (unsigned i = 0; i < std::size(kChoices); ++i)
        if (kChoices[i])
            items.push_back(menuItem(kCmdSelEditAll + i, kChoices[i]));
    return menuPopup("&Selective Editing", std::move(items));
}

plat::MenuResource PartEditorMenu()
{
    std::vector<plat::MenuItem> menus = quill::LibraryEditorMenus(kSharedIds);
    menus.push_back(menuPopup("&Setup", {menuPopup("&Grid", {menuItem(kCmdGridFirst, "1/10 grid"),
                                                             menuItem(kCmdGridFirst + 1, "1/5 grid"),
                                                             menuItem(kCmdGridFirst + 2, "1/2 grid"),
                                                             menuItem(kCmdGridFirst + 3, "Unit grid")}),
                                         selectiveEditingMenu(),
                                         menuItem(kCmdEditorSelectiveEditing, "Selective &Editing..."),
                                         menuItem(kCmdEditorGeneralSetup, "&General...")}));
    menus.push_back(menuPopup("&Help", {menuItem(kCmdHelpContents, "&Contents\tF1")}));
    return {kIdrPartEditorMenu, std::move(menus)};
}

plat::AcceleratorResource PartEditorAccelerators()
{
    using plat::kFShift;
    using plat::kFVirtKey;
    static constexpr plat::Accelerator kOwnKeys[] = {
        {kFVirtKey, plat::kVkPrior, kCmdEditorZoomIn},
        {kFVirtKey, plat::kVkNext, kCmdEditorZoomOut},
        {kFVirtKey, 'K', kCmdEditorToolKeyFirst},
        {kFVirtKey, 'L', kCmdEditorToolKeyFirst + 1},
        {kFVirtKey, 'E', kCmdEditorToolKeyFirst + 2},
        {kFVirtKey, 'R', kCmdEditorToolKeyFirst + 5},
        {kFVirtKey, 'T', kCmdEditorToolKeyFirst + 6},
        {kFVirtKey, 'Y', kCmdEditorToolKeyLast},
        {kFVirtKey, 'C', kCmdToolDot},
        {kFVirtKey, 'J', kCmdEditorTerminalTool},
        {kFVirtKey, plat::kVkF10, kCmdCrossHair},
        {kFVirtKey, plat::kVkF1, kCmdHelpContents},
        {kFVirtKey | kFShift, plat::kVkF5, kCmdSelEditAll + 9},
    };
    return {kIdrPartEditorMenu,
            quill::LibraryEditorKeys(kSharedIds, {.keys = kOwnKeys, .selectiveFirst = kCmdSelEditAll, .selectiveLetters = "ATCLKERQY BW N",
                                                  .selectiveFlags = kFVirtKey | kFShift, .cursor = kCursorKeys})};
}

plat::ToolbarResource PartEditorToolBar()
{
    return {kIdrPartEditorToolBar,
            {kCmdEditorSavePart, 0, kCmdEditorTextTool, kCmdToolLine, kCmdToolArc, kCmdToolDot, kCmdToolRectangle,
             kCmdToolPolygon, kCmdToolEllipse, 0, kCmdEditorTerminalTool, 0, kCmdEditSelect, kCmdEditErase,
             kCmdEditUndo},
            0, 16, 16};
}

std::span<const plat::StringEntry> PartEditorStrings() { return kStrings; }


void AddPartEditorResources(plat::ResourceSet& set)
{
    set.commandImages.push_back({kCmdEditorSavePart, drawn::save_part});
    set.commandImages.push_back({kCmdEditorTextTool, drawn::part_text});
    set.commandImages.push_back({kCmdEditorTerminalTool, drawn::draw_terminal});
    set.dialogs.push_back(PartEditorTemplate());
    set.dialogs.push_back(HiddenPinsTemplate());
    set.dialogs.push_back(TerminalInfoTemplate());
    set.dialogs.push_back(LibSelectiveEditTemplate());
    set.menus.push_back(PartEditorMenu());
    set.accelerators.push_back(PartEditorAccelerators());
    set.toolbars.push_back(PartEditorToolBar());
    plat::AssignStrings(set.strings, PartEditorStrings());
}

}  // namespace scm
