#include "resources/schemora/general_setup_resources.h"

#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"

#include "resources/schemora/general_setup_ids.h"

namespace scm {

namespace {

using K = plat::ControlKind;

using plat::ControlAt;

plat::DialogTemplate drawingPage()
{
    plat::DialogTemplate t{.id = kIddGenDraw, .title = "Drawing"};
    auto& c = t.controls;
    c.push_back(ControlAt(kIdcSnapToGrid, K::CheckBox, "Snap to Grid", 0));
    c.push_back(ControlAt(kIdcLimit90, K::CheckBox, "Limit to 90 degrees", 0, 1));
    c.push_back(ControlAt(kIdcRubberband, K::CheckBox, "Rubberband", 1));
    c.push_back(ControlAt(kIdcSnapToPin, K::CheckBox, "Snap to Pin", 1, 1));
    static constexpr const char* kStyles[] = {"Solid", "Dash", "Dot", "Dash-dot"};
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Style", 2));
    for (unsigned i = 0; i < 4; ++i)
        c.push_back(ControlAt(kIdcStyleFirst + i, K::RadioButton, kStyles[i], 3, static_cast<int>(i), i == 0));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Current fill pattern:", 4));
    c.push_back({.id = kIdcFillCurrent, .kind = K::StaticFrame, .row = 4, .column = 1, .style = plat::kCsFixedSize,
                 .width = 16, .height = 10});
    for (unsigned i = 0; i < 8; ++i)
        c.push_back({.id = kIdcFillFirst + i, .kind = K::OwnerDrawButton, .row = 5, .column = static_cast<int>(i), .width = 16, .height = 10});
    static constexpr const char* kHeads[] = {"Open", "Closed", "Filled"};
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Arrow Heads", 6));
    for (unsigned i = 0; i < 3; ++i)
        c.push_back(ControlAt(kIdcHeadStyleFirst + i, K::RadioButton, kHeads[i], 7, static_cast<int>(i), i == 0));
    static constexpr const char* kHeadCounts[] = {"None", "1", "2"};
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "#Heads", 8));
    for (unsigned i = 0; i < 3; ++i)
        c.push_back(ControlAt(kIdcHeadsNone + i, K::RadioButton, kHeadCounts[i], 9, static_cast<int>(i), i == 0));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Width:", 10, 0, true));
    c.push_back(ControlAt(kIdcWidth, K::Edit, "", 10, 1));
    c.push_back(ControlAt(kIdcRoundedRectangles, K::CheckBox, "Rounded Rectangles", 11));
    return t;
}

plat::DialogTemplate displayPage()
{
    plat::DialogTemplate t{.id = kIddGenDisp, .title = "Display"};
    const std::pair<unsigned, const char*> boxes[] = {
        {kIdcBorder, "Border/Title Block"}, {kIdcPinDisplay, "Pin Snap Display"}, {kIdcVisibleGrid, "Visible Grid"},
        {kIdcRulers, "Rulers"}, {kIdcPartShading, "Part Shading"}, {kIdcPageBreaks, "Page Breaks"},
        {kIdcPartsBinHelp, "Parts Bin Help"}, {kIdcTerminalEnds, "Terminal Ends"}};
    int row = 0;
    for (const auto& [id, text] : boxes)
        t.controls.push_back(ControlAt(id, K::CheckBox, text, row++));
    return t;
}

plat::DialogTemplate miscellaneousPage()
{
    plat::DialogTemplate t{.id = kIddGenMisc, .title = "Miscellaneous"};
    auto& c = t.controls;
    c.push_back(ControlAt(kIdcStartupFile, K::CheckBox, "Startup File", 0));
    c.push_back(ControlAt(kIdcSound, K::CheckBox, "Sound", 0, 1));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Default Rotation Angle:", 1));
    c.push_back(ControlAt(kIdcRotationAngle, K::Edit, "", 1, 1));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Ellipse Aspect Ratio:", 2));
    c.push_back(ControlAt(kIdcEllipseAspect, K::Edit, "", 2, 1));
    c.push_back(plat::GroupBoxAt("Units", 3, 2, 1));
    c.push_back(ControlAt(kIdcEnglish, K::RadioButton, "English", 4, 0, true));
    c.push_back(ControlAt(kIdcMetric, K::RadioButton, "Metric", 4, 1));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Backup Interval:", 5, 0, true));
    c.push_back(ControlAt(kIdcBackup, K::ComboDropDown, "", 5, 1));
    c.push_back(ControlAt(kIdcOldLibraries, K::CheckBox, "Compatible With Old Libraries", 6));
    c.push_back(ControlAt(kIdcAutoRefs, K::CheckBox, "Automatic References", 7));
    c.push_back(ControlAt(kIdcAutoTextExit, K::CheckBox, "Automatic Text Exit", 8));
    c.push_back(ControlAt(kIdcAutoDots, K::CheckBox, "Automatic Connector Dot Placement", 9));
    return t;
}

plat::DialogTemplate libraryPartsPage()
{
    plat::DialogTemplate t{.id = kIddGenLib, .title = "Library Parts"};
    auto& c = t.controls;
    c.push_back(plat::GroupBoxAt("Hidden Pins", 0, 2, 1));
    c.push_back(ControlAt(kIdcHidePins, K::RadioButton, "Hide", 1, 0, true));
    c.push_back(ControlAt(kIdcShowPins, K::RadioButton, "Show", 1, 1));
    c.push_back(ControlAt(kIdcPowerPins, K::CheckBox, "Show Power Pins", 2, 0, true));
    c.push_back(plat::GroupBoxAt("Default Package", 3, 2, 1));
    c.push_back(ControlAt(kIdcThroughHole, K::RadioButton, "Through Hole", 4, 0, true));
    c.push_back(ControlAt(kIdcSurfaceMount, K::RadioButton, "Surface Mount", 4, 1));
    return t;
}

constexpr plat::StringEntry kStrings[] = {
    {kStrAutoDotsOff,
     "You are disabling automatic dot mode. \n\nThis may result in schematics that cannot be "
     "netlisted correctly.\n\nProceed?"},
    {kCmdGeneralSetup, "Change the program's settings\nGeneral setup"},
};

}  // namespace

std::vector<plat::DialogTemplate> GeneralSetupTemplates()
{
    return {drawingPage(), displayPage(), miscellaneousPage(), libraryPartsPage()};
}

std::span<const plat::StringEntry> GeneralSetupStrings() { return kStrings; }

}  // namespace scm
