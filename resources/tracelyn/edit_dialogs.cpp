#include "common/library_browser.h"
#include "common/numbering_templates.h"
#include "resources/tracelyn/edit_dialogs.h"

#include "platform/app/dialog_builder.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"

namespace {

using K = plat::ControlKind;
using namespace tly;

constexpr int kTypedChars = 20;

// OK (and Cancel) in the second and third columns.
plat::DialogTemplate withButtons(plat::DialogBuilder& b, int row, bool cancel = true)
{
    b.add(plat::kIdOk, K::DefPushButton, "OK", row, 1);
    if (cancel)
        b.add(plat::kIdCancel, K::PushButton, "Cancel", row, 2);
    return b.take();
}

// The outline radios, the width and (optionally) the fill patterns and polygon edges of the
// style dialogs.
plat::DialogTemplate styleDialog(unsigned id, const char* title, bool fill, bool edges)
{
    plat::DialogBuilder b(id, title, kTypedChars);
    b.add(plat::kIdStaticText, K::GroupBox, "Outline", 0, 0, 4).rows(3)
        .add(kIdcStyleFirst, K::RadioButton, "Solid", 1).group()
        .add(kIdcStyleFirst + 1, K::RadioButton, "Dash", 1, 1)
        .add(kIdcStyleFirst + 2, K::RadioButton, "Dot", 1, 2)
        .add(kIdcStyleLast, K::RadioButton, "Dash-dot", 1, 3)
        .add(kIdcWidthLabel, K::Static, "Width (mils):", 2).group()
        .add(kIdcWidth, K::Edit, "", 2, 1).limit(kTypedChars);
    int row = 3;
    if (fill) {
        constexpr const char* kFills[8] = {"Hollow", "Solid", "Horizontal", "Vertical", "Diagonal \\", "Diagonal /",
                                           "Cross", "Diagonal cross"};
        b.add(plat::kIdStaticText, K::GroupBox, "Fill", 3, 0, 4).rows(3);
        for (unsigned i = 0; i < 8; ++i) {
            b.add(kIdcFillFirst + i, K::RadioButton, kFills[i], 4 + static_cast<int>(i / 4), static_cast<int>(i % 4));
            if (i == 0)
                b.group();
        }
        row = 6;
    }
    if (edges) {
        b.label("Polygon Edges:", row).group().add(kIdcPolygonEdges, K::ComboDropList, "", row, 1);
        ++row;
    }
    return withButtons(b, row);
}

plat::DialogTemplate padSetup()
{
    constexpr const char* kShapes[9] = {"Round", "Oval", "Surface", "Square", "Finger", "Via", "Hidden", "Mount", "Thermal"};
    plat::DialogBuilder b(kIddPadSetup, "Pad Setup", kTypedChars);
    b.add(plat::kIdStaticText, K::GroupBox, "Style", 0, 0, 3).rows(4);
    for (unsigned i = 0; i < 9; ++i) {
        b.add(kIdcPadShapeFirst + i, K::RadioButton, kShapes[i], 1 + static_cast<int>(i / 3), static_cast<int>(i % 3));
        if (i == 0)
            b.group();
    }
    b.add(kIdcPadXLabel, K::Static, "X (mils):", 4).group()
        .add(kIdcPadX, K::Edit, "", 4, 1).limit(kTypedChars)
        .field(kIdcPadY, "Y:", 5)
        .field(kIdcPadHole, "Hole:", 6);
    return withButtons(b, 7, false);
}

plat::DialogTemplate variableGrid()
{
    plat::DialogBuilder b(kIddVariableGrid, "Variable Grid", kTypedChars);
    b.field(kIdcGridX, "X Size (mils):", 0, 0, kIdcGridXLabel).field(kIdcGridY, "Y Size (mils):", 1, 0, kIdcGridYLabel);
    return withButtons(b, 2);
}

plat::DialogTemplate polarGrid()
{
    plat::DialogBuilder b(kIddPolarGrid, "Polar Grid Setup", kTypedChars);
    b.field(kIdcPolarAngle, "Angle Increment (degrees):", 0)
        .field(kIdcPolarRadius, "Radial Increment (mils-cm):", 1)
        .add(plat::kIdStaticText, K::GroupBox, "Coordinate Center", 2, 0, 3).rows(3)
        .field(kIdcPolarCentreX, "X", 3)
        .field(kIdcPolarCentreY, "Y", 4)
        .add(kIdcPolarAtLibraryOrigin, K::CheckBox, "Center at library origin", 5, 0, 3);
    return withButtons(b, 6);
}

plat::DialogTemplate editSetup()
{
    plat::DialogBuilder b(kIddEditSetup, "Edit Setup");
    b.add(kIdcShowGrid, K::CheckBox, "Show Grid", 0, 0, 2)
        .add(kIdcShowHiddenPins, K::CheckBox, "Show Hidden Pins", 1, 0, 2)
        .add(kIdcShowPageBreaks, K::CheckBox, "Show Page Breaks", 2, 0, 2)
        .add(kIdcRubberBanding, K::CheckBox, "Rubberbanding", 3, 0, 2)
        .add(kIdcLimit90, K::CheckBox, "Limit to 90 Degrees", 4, 0, 2);
    return withButtons(b, 5, false);
}

plat::DialogTemplate font()
{
    plat::DialogBuilder b(kIddFont, "Font");
    b.labelled(kIdcFontHeight, K::ComboDropList, "Height (mils):", 0);
    return withButtons(b, 1);
}

}  // namespace

std::vector<plat::DialogTemplate> EditDialogTemplates()
{
    return {
        variableGrid(),
        polarGrid(),
        AutoIncrementTemplate(kIddAutoIncrement, kIdcAutoText, kIdcAutoIndex, 1),
        styleDialog(kIddStyle, "Style", false, false),
        styleDialog(kIddFillStyle, "Drawing/Fill Style", true, false),
        styleDialog(kIddPolygonSetup, "Polygon Setup", true, true),
        padSetup(),
        editSetup(),
        font(),
        quill::LibraryBrowserTemplate(kIddLibraryParts),
    };
}
