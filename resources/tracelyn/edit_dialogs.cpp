#include "common/library_browser.h"
#include "common/numbering_templates.h"
#include "resources/tracelyn/edit_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

namespace {

using K = plat::ControlKind;
using namespace tly;

constexpr unsigned kNoId = 0xFFFF;

void addButtons(std::vector<plat::ControlTemplate>& c, int row, const char* ok = "OK", bool cancel = true)
{
    c.push_back({plat::kIdOk, K::DefPushButton, ok, row, 1});
    if (cancel)
        c.push_back({plat::kIdCancel, K::PushButton, "Cancel", row, 2});
}

// The outline radios, the width and (optionally) the fill patterns of the style dialogs.
std::vector<plat::ControlTemplate> styleControls(bool fill)
{
    std::vector<plat::ControlTemplate> c = {
        {kNoId, K::GroupBox, "Outline", 0, 0, 4},
        {kIdcStyleFirst, K::RadioButton, "Solid", 1, 0, 1, true},
        {kIdcStyleFirst + 1, K::RadioButton, "Dash", 1, 1},
        {kIdcStyleFirst + 2, K::RadioButton, "Dot", 1, 2},
        {kIdcStyleLast, K::RadioButton, "Dash-dot", 1, 3},
        {kIdcWidthLabel, K::Static, "Width (mils):", 2, 0, 1, true},
        {kIdcWidth, K::Edit, "", 2, 1, 1, false, 0, 0, 0, 0, 20},
    };
    if (fill) {
        constexpr const char* kFills[8] = {"Hollow", "Solid", "Horizontal", "Vertical", "Diagonal \\", "Diagonal /",
                                           "Cross", "Diagonal cross"};
        c.push_back({kNoId, K::GroupBox, "Fill", 3, 0, 4});
        for (unsigned i = 0; i < 8; ++i)
            c.push_back({kIdcFillFirst + i, K::RadioButton, kFills[i], 4 + static_cast<int>(i / 4),
                         static_cast<int>(i % 4), 1, i == 0});
    }
    return c;
}

plat::DialogTemplate styleDialog(unsigned id, const char* title, bool fill, bool edges)
{
    std::vector<plat::ControlTemplate> c = styleControls(fill);
    int row = fill ? 6 : 3;
    if (edges) {
        c.push_back({kNoId, K::Static, "Polygon Edges:", row, 0, 1, true});
        c.push_back({kIdcPolygonEdges, K::ComboDropList, "", row, 1});
        ++row;
    }
    addButtons(c, row);
    return {id, title, std::move(c)};
}

plat::DialogTemplate padSetup()
{
    constexpr const char* kShapes[9] = {"Round", "Oval", "Surface", "Square", "Finger", "Via", "Hidden", "Mount", "Thermal"};
    std::vector<plat::ControlTemplate> c = {{kNoId, K::GroupBox, "Style", 0, 0, 3}};
    for (unsigned i = 0; i < 9; ++i)
        c.push_back({kIdcPadShapeFirst + i, K::RadioButton, kShapes[i], 1 + static_cast<int>(i / 3),
                     static_cast<int>(i % 3), 1, i == 0});
    c.push_back({kIdcPadXLabel, K::Static, "X (mils):", 4, 0, 1, true});
    c.push_back({kIdcPadX, K::Edit, "", 4, 1, 1, false, 0, 0, 0, 0, 20});
    c.push_back({kNoId, K::Static, "Y:", 5, 0});
    c.push_back({kIdcPadY, K::Edit, "", 5, 1, 1, false, 0, 0, 0, 0, 20});
    c.push_back({kNoId, K::Static, "Hole:", 6, 0});
    c.push_back({kIdcPadHole, K::Edit, "", 6, 1, 1, false, 0, 0, 0, 0, 20});
    addButtons(c, 7, "OK", false);
    return {kIddPadSetup, "Pad Setup", std::move(c)};
}

}  // namespace

std::vector<plat::DialogTemplate> EditDialogTemplates()
{
    return {
        {kIddVariableGrid,
         "Variable Grid",
         {{kIdcGridXLabel, K::Static, "X Size (mils):", 0, 0},
          {kIdcGridX, K::Edit, "", 0, 1, 1, false, 0, 0, 0, 0, 20},
          {kIdcGridYLabel, K::Static, "Y Size (mils):", 1, 0},
          {kIdcGridY, K::Edit, "", 1, 1, 1, false, 0, 0, 0, 0, 20},
          {plat::kIdOk, K::DefPushButton, "OK", 2, 1},
          {plat::kIdCancel, K::PushButton, "Cancel", 2, 2}}},
        {kIddPolarGrid,
         "Polar Grid Setup",
         {{kNoId, K::Static, "Angle Increment (degrees):", 0, 0},
          {kIdcPolarAngle, K::Edit, "", 0, 1, 1, false, 0, 0, 0, 0, 20},
          {kNoId, K::Static, "Radial Increment (mils-cm):", 1, 0},
          {kIdcPolarRadius, K::Edit, "", 1, 1, 1, false, 0, 0, 0, 0, 20},
          {kNoId, K::GroupBox, "Coordinate Center", 2, 0, 3},
          {kNoId, K::Static, "X", 3, 0},
          {kIdcPolarCentreX, K::Edit, "", 3, 1, 1, false, 0, 0, 0, 0, 20},
          {kNoId, K::Static, "Y", 4, 0},
          {kIdcPolarCentreY, K::Edit, "", 4, 1, 1, false, 0, 0, 0, 0, 20},
          {kIdcPolarAtLibraryOrigin, K::CheckBox, "Center at library origin", 5, 0, 3},
          {plat::kIdOk, K::DefPushButton, "OK", 6, 1},
          {plat::kIdCancel, K::PushButton, "Cancel", 6, 2}}},
        AutoIncrementTemplate(kIddAutoIncrement, kIdcAutoText, kIdcAutoIndex, 1),
        styleDialog(kIddStyle, "Style", false, false),
        styleDialog(kIddFillStyle, "Drawing/Fill Style", true, false),
        styleDialog(kIddPolygonSetup, "Polygon Setup", true, true),
        padSetup(),
        {kIddEditSetup,
         "Edit Setup",
         {{kIdcShowGrid, K::CheckBox, "Show Grid", 0, 0, 2},
          {kIdcShowHiddenPins, K::CheckBox, "Show Hidden Pins", 1, 0, 2},
          {kIdcShowPageBreaks, K::CheckBox, "Show Page Breaks", 2, 0, 2},
          {kIdcRubberBanding, K::CheckBox, "Rubberbanding", 3, 0, 2},
          {kIdcLimit90, K::CheckBox, "Limit to 90 Degrees", 4, 0, 2},
          {plat::kIdOk, K::DefPushButton, "OK", 5, 1}}},
        {kIddFont,
         "Font",
         {{kNoId, K::Static, "Height (mils):", 0, 0},
          {kIdcFontHeight, K::ComboDropList, "", 0, 1},
          {plat::kIdOk, K::DefPushButton, "OK", 1, 1},
          {plat::kIdCancel, K::PushButton, "Cancel", 1, 2}}},
        quill::LibraryBrowserTemplate(kIddLibraryParts),
    };
}
