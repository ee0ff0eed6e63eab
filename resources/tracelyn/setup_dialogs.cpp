#include "resources/tracelyn/setup_dialogs.h"

#include "platform/app/dialog_builder.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/setup_dialog_ids.h"

#include <iterator>
#include <utility>

namespace {

using K = plat::ControlKind;
using namespace tly;

constexpr unsigned kNoId = plat::kIdStaticText;

using plat::ControlAt;

plat::ControlTemplate edit(unsigned id, int row, int column = 1)
{
    return {.id = id, .kind = K::Edit, .row = row, .column = column, .limit = 20};
}

void addChecks(std::vector<plat::ControlTemplate>& c, std::initializer_list<std::pair<unsigned, const char*>> boxes, int& row)
{
    for (const auto& [id, text] : boxes)
        c.push_back(ControlAt(id, K::CheckBox, text, row++));
}

plat::DialogTemplate drawingPage()
{
    plat::DialogTemplate t{.id = kIddGenDraw, .title = "Drawing"};
    auto& c = t.controls;
    int row = 0;
    addChecks(c, {{kIdcGenSnapToGrid, "Snap to Grid"}, {kIdcGenFullCursor, "Full Snap Cursor"},
                  {kIdcGenLimit90, "Limit to 90 degrees"}, {kIdcGenRubberband, "Rubberband"},
                  {kIdcGenPadSnap, "Pad Snap"}},
              row);
    c.push_back(ControlAt(kNoId, K::Static, "Outline style", row++));
    static constexpr const char* kStyles[] = {"Solid", "Dash", "Dot", "Dash-dot"};
    for (unsigned i = 0; i < 4; ++i)
        c.push_back(ControlAt(kIdcGenStyleFirst + i, K::RadioButton, kStyles[i], row, static_cast<int>(i), i == 0));
    ++row;
    c.push_back(ControlAt(kNoId, K::Static, "Current fill pattern:", row, 0, true));
    c.push_back({.id = kIdcGenFillCurrent, .kind = K::StaticFrame, .row = row++, .column = 1, .width = 16, .height = 10});
    for (unsigned i = 0; i < 8; ++i)
        c.push_back({.id = kIdcGenFillFirst + i, .kind = K::OwnerDrawButton, .row = row, .column = static_cast<int>(i),
                     .width = 16, .height = 10});
    ++row;
    c.push_back(ControlAt(kIdcGenWidthLabel, K::Static, "Width (mils):", row, 0, true));
    c.push_back(edit(kIdcGenWidth, row++));
    c.push_back(ControlAt(kNoId, K::Static, "Polygon Edges:", row));
    c.push_back(ControlAt(kIdcGenPolygonEdges, K::ComboDropList, "", row, 1));
    return t;
}

plat::DialogTemplate displayPage()
{
    plat::DialogTemplate t{.id = kIddGenDisp, .title = "Display"};
    auto& c = t.controls;
    int row = 0;
    addChecks(c, {{kIdcGenBorder, "Work Area Border"}, {kIdcGenRulers, "Rulers"}, {kIdcGenVisibleGrid, "Visible Grid"},
                  {kIdcGenPinNumbers, "Pin Numbers"}, {kIdcGenPageBreaks, "Page Breaks"},
                  {kIdcGenPadDisplay, "Pad Snap Display"}, {kIdcGenNetNames, "Net Names"},
                  {kIdcGenPartsBinHelp, "Parts Bin Help"}, {kIdcGenRoundVias, "Round Vias"}},
              row);
    const std::pair<unsigned, const char*> sizes[] = {{kIdcGenLibFont, "Library Font Size:"},
                                                      {kIdcGenNetFont, "Netlist Font Size:"},
                                                      {kIdcGenPinFont, "Pin No. Text Size:"}};
    for (const auto& [id, text] : sizes) {
        c.push_back(ControlAt(kNoId, K::Static, text, row, 0, true));
        c.push_back(edit(id, row));
        c.push_back(ControlAt(id + 1, K::Spin, "", row++, 2));
    }
    c.push_back(ControlAt(kNoId, K::Static, "Solder/Fill Mask:", row, 0, true));
    c.push_back(edit(kIdcGenMask, row++));
    c.push_back(ControlAt(kNoId, K::Static, "SilkScreen Width:", row));
    c.push_back(edit(kIdcGenSilkWidth, row));
    return t;
}

plat::DialogTemplate miscellaneousPage()
{
    plat::DialogTemplate t{.id = kIddGenMisc, .title = "Miscellaneous"};
    auto& c = t.controls;
    int row = 0;
    addChecks(c, {{kIdcGenStartupFile, "Startup File"}, {kIdcGenSound, "Sound"},
                  {kIdcGenAutoRefs, "Automatic References"}, {kIdcGenAutoTextExit, "Automatic Text Exit"}},
              row);
    const struct {
        const char* group;
        unsigned first;
        const char* a;
        const char* b;
    } radios[] = {{"Units", kIdcGenEnglish, "English", "Metric"},
                  {"Fill Mode", kIdcGenFillNormal, "Normal", "Isolated"},
                  {"Solder Mask", kIdcGenHideVias, "Hide Vias", "Show vias"}};
    for (const auto& r : radios) {
        c.push_back(ControlAt(kNoId, K::Static, r.group, row++));
        c.push_back(ControlAt(r.first, K::RadioButton, r.a, row, 0, true));
        c.push_back(ControlAt(r.first + 1, K::RadioButton, r.b, row++, 1));
    }
    c.push_back(ControlAt(kNoId, K::Static, "Default Rotation Angle:", row, 0, true));
    c.push_back(edit(kIdcGenRotation, row++));
    c.push_back(ControlAt(kNoId, K::Static, "Ellipse Aspect Ratio:", row));
    c.push_back(edit(kIdcGenAspect, row++));
    c.push_back(ControlAt(kNoId, K::Static, "Backup Interval:", row));
    c.push_back(ControlAt(kIdcGenBackup, K::ComboDropDown, "", row, 1));
    return t;
}

// The router's controls of the sheet's page and of the Incremental Router dialog: the same
// settings, the dialog's in its own shorter words and with the trace width.
std::vector<plat::ControlTemplate> routerControls(bool dialog)
{
    std::vector<plat::ControlTemplate> c;
    int row = 0;
    c.push_back(ControlAt(kNoId, K::Static, "Layers", row++));
    c.push_back(ControlAt(kIdcRouteOneLayer, K::RadioButton, dialog ? "1" : "One Layer", row, 0, true));
    c.push_back(ControlAt(kIdcRouteTwoLayers, K::RadioButton, dialog ? "2" : "Two Layer", row++, 1));
    c.push_back(ControlAt(kIdcRouteBuried, K::CheckBox, dialog ? "Buried" : "Use Buried Vias", row, 0, true));
    c.push_back(ControlAt(kIdcRouteBevels, K::CheckBox, "Bevels", row++, 1));
    std::vector<std::pair<unsigned, const char*>> edits = {{kIdcRouteViaSize, "Via Size:"},
                                                           {kIdcRouteViaHole, "Via Hole:"},
                                                           {kIdcRouteClearance, "Clearance:"},
                                                           {kIdcRouteMaxLength, dialog ? "Length:" : "Max Length:"},
                                                           {kIdcRouteMaxVias, "Max Vias:"}};
    if (dialog)
        edits.emplace_back(kIdcRouteTraceWidth, "Trace Width:");
    for (const auto& [id, text] : edits) {
        c.push_back(ControlAt(kNoId, K::Static, text, row));
        c.push_back(edit(id, row++));
    }
    c.push_back(ControlAt(kIdcRouteUnits, K::Static, "Units: mils", row));
    return c;
}

plat::DialogTemplate layerSetup()
{
    plat::DialogTemplate t{.id = kIddLayerSetup, .title = "Layer Setup"};
    auto& c = t.controls;
    for (unsigned i = 0; i < 16; ++i) {
        const std::string name = i == 0 ? "Top" : "L" + std::to_string(i);
        c.push_back({.id = kIdcLayerFirst + i, .kind = K::CheckBox, .text = name, .row = static_cast<int>(i / 4),
                     .column = static_cast<int>(i % 4)});
    }
    c.push_back(ControlAt(kNoId, K::Static, "Additional Layers", 4));
    c.push_back(ControlAt(kIdcTopSilk, K::CheckBox, "Show Top Silk Screen", 5, 0, true));
    c.push_back(ControlAt(kIdcBottomSilk, K::CheckBox, "Show Bottom Silk Screen", 5, 2));
    c.push_back(ControlAt(kNoId, K::Static, "View/Edit", 6));
    c.push_back(ControlAt(kIdcViewOneLayer, K::RadioButton, "One Layer", 7, 0, true));
    c.push_back(ControlAt(kIdcViewLayerPair, K::RadioButton, "Layer Pair", 7, 2));
    c.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 8, .column = 2, .group = true});
    c.push_back({.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 8, .column = 3});
    return t;
}

plat::DialogTemplate printoutSettings()
{
    plat::DialogTemplate t{.id = kIddPrintoutSettings, .title = "Printout Settings"};
    auto& c = t.controls;
    c.push_back(ControlAt(kNoId, K::Static, "Scaling (Percent)", 0));
    c.push_back(ControlAt(kNoId, K::Static, "X", 1, 0, true));
    c.push_back(edit(kIdcPrintScaleX, 1));
    c.push_back(ControlAt(kNoId, K::Static, "Y", 2));
    c.push_back(edit(kIdcPrintScaleY, 2));
    c.push_back(ControlAt(kIdcPrintMirror, K::CheckBox, "Mirror", 3, 0, true));
    c.push_back(ControlAt(kIdcPrintInvert, K::CheckBox, "Invert", 3, 1));
    c.push_back(ControlAt(kIdcPrintPaginate, K::CheckBox, "Paginate", 4));
    c.push_back(ControlAt(kIdcPrintColor, K::CheckBox, "Color", 4, 1));
    c.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = 5, .column = 1, .group = true});
    c.push_back({.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 5, .column = 2});
    return t;
}

plat::DialogTemplate selectiveEditing()
{
    static constexpr const char* kKinds[] = {"Text",       "Pads and Vias", "Traces",    "Arcs",      "Ellipses and Circles",
                                             "Rectangles", "Library Parts", "Polygons",  "No Routes", "Edit Nets Only"};
    return BuildSelectiveEditTemplate(BoardSelectiveEditIds(),
                                      {.title = "Selective Editing",
                                       .kindLabels = kKinds,
                                       .buttons = {{kIdcSelEditAll, "All Objects"},
                                                   {kIdcSelEditNone, "NO Objects"},
                                                   {kIdcSelEditArtwork, "Artwork"}},
                                       .netsOnlyLabel = {}});
}

}  // namespace

SelectiveEditIds BoardSelectiveEditIds()
{
    return {.templateId = kIddSelectiveEdit,
            .firstKindId = kIdcSelEditFirstKind,
            .allId = kIdcSelEditAll,
            .noneId = kIdcSelEditNone,
            .netsOnlyId = kIdcSelEditNetsOnly};
}

ResourceUsageIds BoardResourceUsageIds()
{
    return {.templateId = kIddResourceUsage, .libraryBarId = kIdcUsageLibrary, .designBarId = kIdcUsageDesign,
            .systemBarId = kIdcUsageSystem};
}

std::vector<plat::DialogTemplate> BoardSetupDialogTemplates()
{
    plat::DialogTemplate routerPage{.id = kIddGenRouter, .title = "Incremental Router", .controls = routerControls(false)};
    plat::DialogTemplate routerDialog{.id = kIddIncrementalRouter, .title = "Incremental Router",
                                      .controls = routerControls(true)};
    const int last = routerDialog.controls.back().row + 1;
    routerDialog.controls.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = last, .column = 1});
    return {drawingPage(),      displayPage(),      miscellaneousPage(),
            std::move(routerPage), std::move(routerDialog), layerSetup(),
            printoutSettings(), selectiveEditing(), BuildResourceUsageTemplate(BoardResourceUsageIds())};
}

void AddBoardSetupDialogStrings(std::map<unsigned, std::string>& strings)
{
    strings[kStrInsufficientClearance] = "Warning!---Insufficient clearance.\nChange trace width and/or via size.";
}
