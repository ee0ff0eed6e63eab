#include "resources/tracelyn/package_editor_resources.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/package_editor_ids.h"

namespace {

using K = plat::ControlKind;
using namespace tly;

constexpr unsigned kNoId = 0xFFFF;

void addStrings(plat::ResourceSet& set)
{
    set.strings[kStrPackageCreated] =
        "You have created a drawing that can now be saved as a library part.\nYou can customize this, or you can "
        "save it by clicking on\nSAVE in the FILE menu.";
    set.strings[kStrPackageDescriptionFirst] =
        "Create dual in-line package part (DIP). You can specify through-hole or surface mount pads. After the part "
        "is built, you can change the default pad sizes by drawing an edit box around all of the pads and then "
        "clicking on PADS in the SETTINGS menu.";
    set.strings[kStrPackageDescriptionFirst + 1] =
        "Create quad package part. You can specify through-hole or surface mount pads. After the part is built, you "
        "can change the default pad sizes by drawing an edit box around all of the pads and then clicking on PADS in "
        "the SETTINGS menu.\n\nUse this selection to generate PLCC, LCC and other surface mount packages.";
    set.strings[kStrPackageDescriptionFirst + 2] =
        "Create an edge-card connector part. After the part is built, you can change the default pad sizes by "
        "drawing an edit box around all of the pads and then clicking on PADS in the SETTINGS menu.";
    set.strings[kStrPackageDescriptionFirst + 3] =
        "Create a part with pads spaced evenly in a circular array. After the part is built, you can change the "
        "default pad sizes by drawing an edit box around all of the pads and then clicking on PADS in the SETTINGS "
        "menu.";
    set.strings[kStrPackageDescriptionFirst + 4] =
        "Create a two terminal discrete part. After the part is built, you can change the default pad sizes by "
        "drawing an edit box around all of the pads and then clicking on PADS in the SETTINGS menu.";
    set.strings[kStrPackageDescriptionFirst + 5] =
        "Create grid-array package part. Use this selection to generate pin-grid array (PGA) or ball-grid array "
        "(BGA) parts.Specify through hole pads for PGAs and surface mount pads for BGAs.\n\nAfter the part is built, "
        "you can change the default pad sizes by drawing an edit box around all of the pads and then clicking on "
        "PADS in the SETTINGS menu.";
    set.strings[kStrAdjustingX] = "Warning: adjusting X spacing";
    set.strings[kStrAdjustingY] = "Warning: adjusting Y spacing";
    set.strings[kStrSpacingTooSmall] = "Error: spacing is too small";
    set.strings[kStrTooManyPins] = "Error: too many pins in x or y direction";
    set.strings[kStrTooManyCircularPins] = "Error: too many pins for circular part";
    set.strings[kStrInsufficientPadSpacing] =
        "Error: Insufficent pad spacing---decrease number of pads or increase diameter (X value)";
    set.strings[kStrXSeparationTooLarge] = "Error: X Separation too large\nSpacing should be less than 4000 mils or 10 cm";
    set.strings[kStrYSeparationTooLarge] = "Error: Y Separation too large\nSpacing should be less than 4000 mils or 10 cm";
    set.strings[kStrGridRowsTooMany] = "Error:Number of Pads (Y) is too large";
    set.strings[kCmdPackageWizard] = "Start new library part";
}

plat::DialogTemplate wizardTypePage()
{
    return {kIddWizardType,
            "Package Design Wizard",
            {{kNoId, K::Static,
              "Step 1\n \nSelect a basic package type. Choose a radio button to see a description of each type.", 0, 0,
              4},
             {kIdcWizardTypeFirst, K::RadioButton, "Dual in line (DIP)", 1, 0, 1, true},
             {kIdcWizardTypeFirst + 1, K::RadioButton, "Quad in line", 2, 0},
             {kIdcWizardTypeFirst + 3, K::RadioButton, "Edge Connector", 3, 0},
             {kIdcWizardTypeFirst + 5, K::RadioButton, "Circular", 4, 0},
             {kIdcWizardTypeFirst + 6, K::RadioButton, "Discrete", 5, 0},
             {kIdcWizardTypeLast, K::RadioButton, "Grid array", 6, 0},
             {kIdcWizardPicture, K::StaticFrame, "", 1, 1, 1, false, 0, 80, 60, 0, 0, 3},
             {kIdcWizardDescription, K::Static, "", 4, 1, 3, false, 0, 200, 0, 0, 0, 3},
             {kIdcWizardDimensions, K::GroupBox, "Part Dimensions(mils):", 7, 0, 4},
             {kNoId, K::Static, "Number of Pads (X):", 8, 0},
             {kIdcWizardPadsX, K::Edit, "", 8, 1, 1, false, 0, 0, 0, 0, 20},
             {kNoId, K::Static, "Number of Pads (Y):", 8, 2},
             {kIdcWizardPadsY, K::Edit, "", 8, 3, 1, false, 0, 0, 0, 0, 20},
             {kNoId, K::Static, "Pad Spacing:", 9, 0},
             {kIdcWizardSpacing, K::Edit, "", 9, 1, 1, false, 0, 0, 0, 0, 20},
             {kIdcWizardMetric, K::CheckBox, "Metric", 9, 2},
             {kNoId, K::Static, "X Separation:", 10, 0},
             {kIdcWizardXSeparation, K::Edit, "", 10, 1, 1, false, 0, 0, 0, 0, 20},
             {kNoId, K::Static, "Y Separation:", 10, 2},
             {kIdcWizardYSeparation, K::Edit, "", 10, 3, 1, false, 0, 0, 0, 0, 20},
             {kIdcWizardThroughHole, K::RadioButton, "Through-hole", 11, 0, 1, true},
             {kIdcWizardSurfaceMount, K::RadioButton, "Surface Mount", 11, 1}}};
}

plat::DialogTemplate wizardLabelsPage()
{
    return {kIddWizardLabels,
            "Package Design Wizard",
            {{kNoId, K::Static, "Step 2\n \nName the part, describe it and choose its reference designator.", 0, 0, 2},
             {kIdcWizardDoubleSided, K::CheckBox, "Double Sided (Edge Card Connector)", 1, 0, 2},
             {kNoId, K::Static, "Reference Designator:", 2, 0},
             {kIdcWizardDesignator, K::ComboDropDown, "", 2, 1},
             {kNoId, K::Static, "Description:", 3, 0},
             {kIdcWizardPartDescription, K::Edit, "", 3, 1, 1, false, 0, 200, 0, 0, 100},
             {kNoId, K::Static, "Part Name:", 4, 0},
             {kIdcWizardPartName, K::Edit, "", 4, 1, 1, false, 0, 0, 0, 0, 20}}};
}

plat::DialogTemplate wizardOutputPage()
{
    return {kIddWizardOutput,
            "Package Design Wizard",
            {{kNoId, K::Static, "Step 3\n \nSave the part now, or edit it first.", 0, 0},
             {kNoId, K::GroupBox, "Output", 1, 0},
             {kIdcWizardSaveDirectly, K::RadioButton, "Save directly to library", 2, 0, 1, true},
             {kIdcWizardEditFirst, K::RadioButton, "Edit first", 3, 0}}};
}

}  // namespace

void AddPackageEditorResources(plat::ResourceSet& set)
{
    addStrings(set);
    set.dialogs.push_back(wizardTypePage());
    set.dialogs.push_back(wizardLabelsPage());
    set.dialogs.push_back(wizardOutputPage());
}
