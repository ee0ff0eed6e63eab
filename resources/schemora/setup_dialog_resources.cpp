#include "resources/schemora/setup_dialog_resources.h"

#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/setup_dialog_ids.h"

namespace scm {

namespace {

using K = plat::ControlKind;

using plat::ControlAt;

void addOkCancel(plat::DialogTemplate& t, int row, bool cancel = true)
{
    t.controls.push_back(ControlAt(plat::kIdOk, K::DefPushButton, "OK", row, 0, true));
    if (cancel)
        t.controls.push_back(ControlAt(plat::kIdCancel, K::PushButton, "Cancel", row, 1));
}

// The four line-style radios under a caption; the next row.
int addLineStyles(plat::DialogTemplate& t, const char* caption, int row)
{
    static constexpr const char* kStyles[] = {"Solid", "Dash", "Dot", "Dash-dot"};
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, caption, row++));
    for (unsigned i = 0; i < 4; ++i)
        t.controls.push_back(ControlAt(kIdcStyleFirst + i, K::RadioButton, kStyles[i], row, static_cast<int>(i), i == 0));
    return row + 1;
}

int addWidth(plat::DialogTemplate& t, int row)
{
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, "Width:", row, 0, true));
    t.controls.push_back({.id = kIdcWidth, .kind = K::Edit, .row = row, .column = 1, .limit = 20});
    return row + 1;
}

// The eight fill buttons painted with their patterns and the current one beside "Selection:".
int addFills(plat::DialogTemplate& t, int row)
{
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, "Fill", row++));
    for (unsigned i = 0; i < 8; ++i)
        t.controls.push_back({.id = kIdcFillFirst + i, .kind = K::OwnerDrawButton, .row = row, .column = static_cast<int>(i),
                              .group = i == 0, .width = 16, .height = 10});
    ++row;
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, "Selection:", row));
    t.controls.push_back({.id = kIdcFillCurrent, .kind = K::StaticFrame, .row = row, .column = 1, .width = 16, .height = 10});
    return row + 1;
}

plat::DialogTemplate fillStyle(unsigned id, const char* title)
{
    plat::DialogTemplate t{.id = id, .title = title};
    int row = addLineStyles(t, "Outline", 0);
    row = addFills(t, row);
    row = addWidth(t, row);
    addOkCancel(t, row);
    return t;
}

plat::DialogTemplate lineStyle()
{
    plat::DialogTemplate t{.id = kIddLineStyle, .title = "Line/Arrow Style"};
    int row = addLineStyles(t, "Stem", 0);
    row = addWidth(t, row);
    static constexpr const char* kHeads[] = {"Open", "Closed", "Filled"};
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, "Head", row++));
    for (unsigned i = 0; i < 3; ++i)
        t.controls.push_back(ControlAt(kIdcHeadStyleFirst + i, K::RadioButton, kHeads[i], row, static_cast<int>(i), i == 0));
    ++row;
    static constexpr const char* kCounts[] = {"None", "1", "2"};
    t.controls.push_back(ControlAt(plat::kIdStaticText, K::Static, "Heads", row++));
    for (unsigned i = 0; i < 3; ++i)
        t.controls.push_back(ControlAt(kIdcHeadsNone + i, K::RadioButton, kCounts[i], row, static_cast<int>(i), i == 0));
    addOkCancel(t, row + 1);
    return t;
}

plat::DialogTemplate outlineStyle()
{
    plat::DialogTemplate t{.id = kIddStyle, .title = "Style"};
    int row = addLineStyles(t, "Outline", 0);
    row = addWidth(t, row);
    addOkCancel(t, row);
    return t;
}

plat::DialogTemplate polygonSetup()
{
    plat::DialogTemplate t = fillStyle(kIddPolygonSetup, "Polygon Setup");
    const int row = t.controls.back().row;
    t.controls.insert(t.controls.end() - 2, ControlAt(plat::kIdStaticText, K::Static, "Polygon Edges:", row, 0, true));
    t.controls.insert(t.controls.end() - 2, ControlAt(kIdcPolygonEdges, K::ComboDropList, "", row, 1));
    for (auto it = t.controls.end() - 2; it != t.controls.end(); ++it)
        it->row = row + 1;
    return t;
}

plat::DialogTemplate rectangleStyle()
{
    plat::DialogTemplate t = fillStyle(kIddRectangleStyle, "Rectangle Style");
    const int row = t.controls.back().row;
    t.controls.insert(t.controls.end() - 2, ControlAt(kIdcRoundedRectangles, K::CheckBox, "Rounded Rectangles", row, 0, true));
    for (auto it = t.controls.end() - 2; it != t.controls.end(); ++it)
        it->row = row + 1;
    return t;
}

plat::DialogTemplate editSetup()
{
    plat::DialogTemplate t{.id = kIddEditSetup, .title = "Edit Setup"};
    const std::pair<unsigned, const char*> boxes[] = {{kIdcEditShowGrid, "Show Grid"},
                                                      {kIdcEditHiddenPins, "Show Hidden Pins"},
                                                      {kIdcEditPageBreaks, "Show Page Breaks"},
                                                      {kIdcEditRubberband, "Rubberbanding"},
                                                      {kIdcEditLimit90, "Limit to 90 Degrees"}};
    int row = 0;
    for (const auto& [id, text] : boxes)
        t.controls.push_back(ControlAt(id, K::CheckBox, text, row++));
    addOkCancel(t, row, false);
    return t;
}

plat::DialogTemplate pageSetup()
{
    plat::DialogTemplate t{.id = kIddPageSetup, .title = "Schematic Page Setup"};
    auto& c = t.controls;
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Sheet Size:", 0));
    c.push_back(ControlAt(kIdcPageSheetSize, K::ComboDropList, "", 0, 1));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Revision Letter:", 1, 0, true));
    c.push_back({.id = kIdcPageRevision, .kind = K::Edit, .row = 1, .column = 1, .limit = 1});
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Document Number:", 2, 0, true));
    c.push_back({.id = kIdcPageDocNumber, .kind = K::Edit, .row = 2, .column = 1, .limit = 15});
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Revision Date:", 3, 0, true));
    c.push_back(ControlAt(kIdcPageRevisionDate, K::Static, "", 3, 1));
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Starting Reference Designator Number:", 4, 0, true));
    c.push_back({.id = kIdcPageStartReference, .kind = K::Edit, .row = 4, .column = 1, .limit = 10});
    addOkCancel(t, 5);
    return t;
}

plat::DialogTemplate busSetup()
{
    plat::DialogTemplate t{.id = kIddBusSetup, .title = "Signal Bus Setup"};
    auto& c = t.controls;
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Bus Root Name:", 0));
    c.push_back({.id = kIdcBusRootName, .kind = K::Edit, .row = 0, .column = 1, .limit = 20});
    c.push_back(ControlAt(plat::kIdStaticText, K::Static, "Starting Index:", 1, 0, true));
    c.push_back({.id = kIdcBusIndex, .kind = K::Edit, .row = 1, .column = 1, .limit = 20});
    c.push_back({.id = plat::kIdStaticText, .kind = K::Static, .text = "Leave the root name empty to draw a bus without signal names.",
                 .row = 2, .span = 2});
    addOkCancel(t, 3);
    return t;
}

plat::DialogTemplate selectiveEditing()
{
    static constexpr const char* kKinds[] = {"Text", "Dots (not used!-needed for manual dot mode)", "Lines", "Arcs",
                                             "Ellipses and Circles", "Rectangles", "Rounded Rectangles",
                                             "Triangles/Polygons", "Library Parts", "Busses", "Arrows"};
    return BuildSelectiveEditTemplate(SelectiveEditDialogIds(),
                                      {.title = "Selective Editing",
                                       .kindLabels = kKinds,
                                       .buttons = {{kIdcSelEditAllObjects, "All Objects"}, {kIdcSelEditNoObjects, "NO Objects"}},
                                       .netsOnlyLabel = "Edit Nets Only"});
}

constexpr plat::StringEntry kStrings[] = {
    {kCmdSelectiveEditing, "Choose the kinds of object the edit commands act on\nSelective editing"},
    {kCmdResourceUsage, "View resource usage\nResource usage"},
    {kCmdTextFont, "Choose the font of new texts or of the selected texts\nFont"},
    {kCmdPageSetup, "Sheet size, revision and document number of the drawing\nPage setup"},
    {kStrDoingChange, "Doing change operation....."},
    {kStrNoObjectsChanged, "No objects changed"},
    {kStrSecondEndpoint, "Click at 2nd endpoint"},
};

}  // namespace

SelectiveEditIds SelectiveEditDialogIds()
{
    return {.templateId = kIddSelectiveEditing,
            .firstKindId = kIdcSelEditFirstKind,
            .allId = kIdcSelEditAllObjects,
            .noneId = kIdcSelEditNoObjects,
            .netsOnlyId = kIdcSelEditNetsOnly};
}

ResourceUsageIds ResourceUsageDialogIds()
{
    return {.templateId = kIddResourceUsage, .libraryBarId = kIdcUsageLibrary, .designBarId = kIdcUsageDesign, .systemBarId = kIdcUsageSystem};
}

std::vector<plat::DialogTemplate> SetupDialogTemplates()
{
    return {selectiveEditing(),
            BuildResourceUsageTemplate(ResourceUsageDialogIds()),
            fillStyle(kIddFillStyle, "Drawing/Fill Style"),
            lineStyle(),
            outlineStyle(),
            polygonSetup(),
            rectangleStyle(),
            editSetup(),
            pageSetup(),
            busSetup()};
}

std::span<const plat::StringEntry> SetupDialogStrings() { return kStrings; }

}  // namespace scm
