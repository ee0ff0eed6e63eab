#include "resources/tracelyn/package_editor_resources.h"

#include "resources/tracelyn/drawn_images.h"
#include "common/editor_keys.h"
#include "common/library_editor_menus.h"
#include "platform/app/command_ids.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/keys.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

#include <string>

namespace {

using K = plat::ControlKind;
using namespace tly;

constexpr unsigned kNoId = plat::kIdStaticText;
constexpr int kTypedChars = 20;

// The wizard's description of each package type; every type's pads can be resized afterwards.
void addWizardDescriptions(plat::ResourceSet& set)
{
    const std::string padSizes =
        "After the part is built, you can change the default pad sizes by drawing an edit box around all of the pads "
        "and then clicking on PADS in the SETTINGS menu.";
    const std::string padKinds = "You can specify through-hole or surface mount pads. ";
    const std::string descriptions[] = {
        "Create dual in-line package part (DIP). " + padKinds + padSizes,
        "Create quad package part. " + padKinds + padSizes +
            "\n\nUse this selection to generate PLCC, LCC and other surface mount packages.",
        "Create an edge-card connector part. " + padSizes,
        "Create a part with pads spaced evenly in a circular array. " + padSizes,
        "Create a two terminal discrete part. " + padSizes,
        "Create grid-array package part. Use this selection to generate pin-grid array (PGA) or ball-grid array "
        "(BGA) parts.Specify through hole pads for PGAs and surface mount pads for BGAs.\n\n" + padSizes,
    };
    unsigned id = kStrPackageDescriptionFirst;
    for (const std::string& text : descriptions)
        set.strings[id++] = text;
}

void addStrings(plat::ResourceSet& set)
{
    set.strings[kStrPackageCreated] =
        "You have created a drawing that can now be saved as a library part.\nYou can customize this, or you can "
        "save it by clicking on\nSAVE in the FILE menu.";
    addWizardDescriptions(set);
    plat::AssignStrings(set.strings, {
        {kStrAdjustingX, "Warning: adjusting X spacing"},
        {kStrAdjustingY, "Warning: adjusting Y spacing"},
        {kStrSpacingTooSmall, "Error: spacing is too small"},
        {kStrTooManyPins, "Error: too many pins in x or y direction"},
        {kStrTooManyCircularPins, "Error: too many pins for circular part"},
        {kStrInsufficientPadSpacing, "Error: Insufficent pad spacing---decrease number of pads or increase diameter (X value)"},
        {kStrXSeparationTooLarge, "Error: X Separation too large\nSpacing should be less than 4000 mils or 10 cm"},
        {kStrYSeparationTooLarge, "Error: Y Separation too large\nSpacing should be less than 4000 mils or 10 cm"},
        {kStrGridRowsTooMany, "Error:Number of Pads (Y) is too large"},
        {kCmdPackageWizard, "Start new library part"},
        {kCmdSavePart, "Save the part into a package library\nSave part"},
    });
}

plat::DialogTemplate wizardTypePage()
{
    return plat::DialogBuilder(kIddWizardType, "Package Design Wizard", kTypedChars)
        .add(kNoId, K::Static,
             "Step 1\n \nSelect a basic package type. Choose a radio button to see a description of each type.", 0, 0, 4)
        .add(kIdcWizardTypeFirst, K::RadioButton, "Dual in line (DIP)", 1).group()
        .add(kIdcWizardTypeFirst + 1, K::RadioButton, "Quad in line", 2)
        .add(kIdcWizardTypeFirst + 3, K::RadioButton, "Edge Connector", 3)
        .add(kIdcWizardTypeFirst + 5, K::RadioButton, "Circular", 4)
        .add(kIdcWizardTypeFirst + 6, K::RadioButton, "Discrete", 5)
        .add(kIdcWizardTypeLast, K::RadioButton, "Grid array", 6)
        .add(kIdcWizardPicture, K::StaticFrame, "", 1, 1, 3).size(120, 100).rows(3)
        .add(kIdcWizardDescription, K::MultiLineEdit, "", 4, 1, 3).style(plat::kCsReadOnly).size(200, 50).rows(3)
        .add(kIdcWizardDimensions, K::GroupBox, "Part Dimensions(mils):", 7, 0, 4).rows(4)
        .field(kIdcWizardPadsX, "Number of Pads (X):", 8)
        .field(kIdcWizardPadsY, "Number of Pads (Y):", 8, 2)
        .field(kIdcWizardSpacing, "Pad Spacing:", 9)
        .add(kIdcWizardMetric, K::CheckBox, "Metric", 9, 2)
        .field(kIdcWizardXSeparation, "X Separation:", 10)
        .field(kIdcWizardYSeparation, "Y Separation:", 10, 2)
        .add(kIdcWizardThroughHole, K::RadioButton, "Through-hole", 11).group()
        .add(kIdcWizardSurfaceMount, K::RadioButton, "Surface Mount", 11, 1)
        .take();
}

plat::DialogTemplate wizardLabelsPage()
{
    return plat::DialogBuilder(kIddWizardLabels, "Package Design Wizard", kTypedChars)
        .add(kNoId, K::Static, "Step 2\n \nName the part, describe it and choose its reference designator.", 0, 0, 2)
        .add(kIdcWizardDoubleSided, K::CheckBox, "Double Sided (Edge Card Connector)", 1, 0, 2)
        .labelled(kIdcWizardDesignator, K::ComboDropDown, "Reference Designator:", 2)
        .field(kIdcWizardPartDescription, "Description:", 3).size(200, 0).limit(100)
        .field(kIdcWizardPartName, "Part Name:", 4)
        .take();
}

plat::DialogTemplate wizardOutputPage()
{
    return {kIddWizardOutput,
            "Package Design Wizard",
            {{kNoId, K::Static, "Step 3\n \nSave the part now, or edit it first.", 0, 0},
             {kNoId, K::GroupBox, "Output", 1, 0, 1, false, 0, 0, 0, 0, 0, 3},
             {kIdcWizardSaveDirectly, K::RadioButton, "Save directly to library", 2, 0, 1, true},
             {kIdcWizardEditFirst, K::RadioButton, "Edit first", 3, 0}}};
}

plat::DialogTemplate editorWindow()
{
    plat::DialogTemplate t{
        kIddPackageEditor,
        "Library Part Editor",
        {{kIdcEditorLayerTab, K::Tab, "", 0, 0, 6},
         {kIdcEditorDrawingArea, K::StaticFrame, "", 1, 0, 6, false, 0, 400, 220},
         {kIdcEditorVScroll, K::ScrollBarV, "", 1, 6},
         {kIdcEditorHScroll, K::ScrollBarH, "", 2, 0, 6},
         {kIdcEditorStatus0, K::Static, "Ready", 3, 0, 3},
         {kIdcEditorStatus1, K::Static, "", 3, 3, 3},
         {kNoId, K::Static, "Reference Designator:", 4, 0},
         {kIdcEditorDesignator, K::ComboDropDown, "", 4, 1},
         {kNoId, K::Static, "Comments:", 4, 2},
         {kIdcEditorComment, K::Edit, "", 4, 3, 2, false, 0, 160, 0, 0, 100},
         {kIdcEditorEdgeCard, K::CheckBox, "Edge card connector with two sides", 4, 5},
         {kIdcEditorScale, K::ComboDropList, "", 5, 0},
         {kIdcEditorGrid, K::ComboDropList, "", 5, 1},
         {kIdcEditorWizard, K::PushButton, "Package Design Wizard", 5, 2},
         {kIdcEditorHelp, K::PushButton, "Help", 5, 3},
         {kIdcEditorOriginNote, K::Static,
          "Rectangular marker at (-1\",-.5\") represents library origin point. This is the offset from cursor when "
          "part is placed.",
          5, 4, 2}},
    };
    t.menu = kIdrPackageEditor;
    t.toolbar = kIdrPackageEditor;
    t.maximized = true;
    return t;
}

// The commands the package editor shares with the schematic program's part editor: File, Edit
// and View, a menu a line.
constexpr quill::LibraryEditorMenuIds kSharedIds{
    .savePart = kCmdSavePart, .newPart = kCmdNewPart, .closeEditor = kCmdCloseEditor,
    .editing = kEditingCommands, .redraw = kCmdRedraw, .redrawEndsEditing = true, .copy = plat::kIdEditCopy, .paste = plat::kIdEditPaste,
    .drawToFit = kCmdDrawToFit, .center = kCmdCenterView, .zoomIn = kCmdZoomIn, .zoomOut = kCmdZoomOut, .scaleFirst = kCmdScaleFirst, .scaleCount = 10};

plat::MenuResource editorMenu()
{
    using plat::menuItem;
    using plat::menuPopup;
    std::vector<plat::MenuItem> grids;
    constexpr const char* kGrids[9] = {".5 mils", "1 mils", "5 mils", "10 mils", "25 mils", "50 mils", "100 mils",
                                       "Variable...", "Polar..."};
    for (unsigned i = 0; i < 9; ++i)
        grids.push_back(menuItem(kCmdGridFirst + i, kGrids[i]));
    std::vector<plat::MenuItem> menus = quill::LibraryEditorMenus(kSharedIds);
    menus.push_back(menuPopup("&Setup", {menuPopup("&Grid", std::move(grids)),
                                         menuItem(kCmdSelectiveSetup, "&Selective Editing..."),
                                         menuItem(kCmdPadSetup, "&Pad..."), menuItem(kCmdGeneralSetup, "&General...")}));
    menus.push_back(menuPopup("&Help", {menuItem(kCmdHelpContents, "&Contents")}));
    return {kIdrPackageEditor, std::move(menus)};
}

plat::AcceleratorResource editorKeys()
{
    using plat::kFVirtKey;
    constexpr uint8_t kChar = 0;
    static constexpr plat::Accelerator kOwnKeys[] = {
        {kFVirtKey, 'C', kCmdKeyToolFirst},
        {kFVirtKey, 'L', kCmdKeyToolFirst + 1},
        {kFVirtKey, 'E', kCmdKeyToolFirst + 3},
        {kFVirtKey, 'R', kCmdKeyToolFirst + 4},
        {kFVirtKey, 'T', kCmdKeyToolFirst + 5},
        {kFVirtKey, 'K', kCmdToolArc},
        {kFVirtKey, 'Y', kCmdToolPolygon},
        {kFVirtKey, plat::kVkF10, kCmdCrosshair},
        {kFVirtKey, plat::kVkPrior, kCmdPageUp},
        {kFVirtKey, plat::kVkNext, kCmdPageDown},
        {kChar, 'o', 62},
    };
    return {kIdrPackageEditor, quill::LibraryEditorKeys(kSharedIds, {.keys = kOwnKeys, .selectiveFirst = kCmdSelectiveFirst,
                                                                     .selectiveLetters = "ATCLKER", .selectiveFlags = kChar,
                                                                     .cursor = kCursorKeys})};
}

plat::DialogTemplate libSelectiveEdit()
{
    return {kIddLibSelectiveEdit,
            "Selective Editing (Library Editor)",
            {{kNoId, K::GroupBox, "Object Types", 0, 0, 2, false, 0, 0, 0, 0, 0, 5},
             {kCmdSelectiveFirst + 1, K::CheckBox, "Text", 1, 0},
             {kCmdSelectiveFirst + 2, K::CheckBox, "Pads and Vias", 1, 1},
             {kCmdSelectiveFirst + 3, K::CheckBox, "Traces", 2, 0},
             {kCmdSelectiveFirst + 4, K::CheckBox, "Arcs", 2, 1},
             {kCmdSelectiveFirst + 5, K::CheckBox, "Ellipses and Circles", 3, 0},
             {kCmdSelectiveFirst + 6, K::CheckBox, "Rectangles", 3, 1},
             {kCmdSelectiveFirst + 8, K::CheckBox, "Polygons", 4, 0},
             {kIdcSelectAllObjects, K::PushButton, "All Objects", 5, 0},
             {kIdcSelectNoObjects, K::PushButton, "NO Objects", 5, 1},
             {plat::kIdOk, K::DefPushButton, "OK", 6, 0},
             {plat::kIdCancel, K::PushButton, "Cancel", 6, 1}}};
}

plat::DialogTemplate libPadSetup()
{
    return plat::DialogBuilder(kIddLibPadSetup, "Pad Setup", kTypedChars)
        .add(kNoId, K::GroupBox, "Style", 0, 0, 3).rows(3)
        .add(kIdcPadShapeFirst, K::RadioButton, "Round", 1).group()
        .add(kIdcPadShapeFirst + 1, K::RadioButton, "Oval", 1, 1)
        .add(kIdcPadShapeFirst + 2, K::RadioButton, "Surface", 1, 2)
        .add(kIdcPadShapeFirst + 3, K::RadioButton, "Square", 2)
        .add(kIdcPadShapeFirst + 4, K::RadioButton, "Finger", 2, 1)
        .add(kIdcPadShapeFirst + 7, K::RadioButton, "Mount", 2, 2)
        .add(kIdcLibPadDimensions, K::GroupBox, "Dimensions (mils)", 3, 0, 3).rows(5)
        .field(kIdcPadX, "X", 4)
        .field(kIdcPadY, "Y", 5)
        .field(kIdcLibPadHole, "Hole", 6)
        .field(kIdcLibPadPin, "Pin Number:", 7).limit(10)
        .add(plat::kIdOk, K::DefPushButton, "OK", 8)
        .add(plat::kIdCancel, K::PushButton, "Cancel", 8, 1)
        .take();
}

}  // namespace

void AddPackageEditorResources(plat::ResourceSet& set)
{
    addStrings(set);
    set.dialogs.push_back(editorWindow());
    set.menus.push_back(editorMenu());
    set.accelerators.push_back(editorKeys());
    set.toolbars.push_back({kIdrPackageEditor,
                            {kCmdSavePart, plat::kIdSeparator, kCmdToolText, kCmdToolTrace, kCmdToolArc, kCmdToolPad,
                             plat::kIdSeparator, kCmdToolRectangle, kCmdToolEllipse, kCmdToolPolygon,
                             plat::kIdSeparator, kCmdSelect, kCmdErase, kCmdUndo, plat::kIdSeparator, kCmdUnits}});
    set.dialogs.push_back(libSelectiveEdit());
    set.dialogs.push_back(libPadSetup());
    set.commandImages.push_back({kCmdSavePart, drawn::save_package_part});
    set.dialogs.push_back(wizardTypePage());
    set.dialogs.push_back(wizardLabelsPage());
    set.dialogs.push_back(wizardOutputPage());
}
