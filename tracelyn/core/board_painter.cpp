#include "tracelyn/core/board_painter.h"

#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/system/clock.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_grid.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "common/pcb/board_object_painter.h"
#include "tracelyn/core/board_paint_frame.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/paint_extent.h"
#include "tracelyn/core/stroke_text_services.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <array>
#include <span>
#include <vector>

namespace {

// Bottom and top silk of a placed package, after its copper.
void paintPackageSilk(plat::Dc& dc, BoardObject& o, const pcb::LayerRules& r)
{
    const int c = r.current;
    if (!r.copy || !(c == kLayerSilkTop || c == kLayerSilkBottom || r.showTop || r.showBottom))
        return;
    const int layer = o.layer();
    if (c == kLayerSilkBottom || ((layer > 0 || layer == kLayerAll) && r.showBottom))
        DrawFootprint(dc, o, RoleColor(kRoleBottomSilk), 1);
    if (c == kLayerSilkTop || ((layer == 0 || layer == kLayerAll) && r.showTop))
        DrawFootprint(dc, o, RoleColor(kRoleTopSilk), 1);
}

// The board edge: a hairline in the outline colour over everything else, whatever the current
// layer, so that the edge shows while parts are placed and traces routed on any layer.
void paintOutline(plat::Dc& dc, const BoardObject& o)
{
    const int32_t* block = o.points();
    if (block == nullptr)
        return;
    const int color = RoleColor(g_paint.highlight ? kRoleHighlight : kRoleOutline);
    const int segments = std::clamp(o.w[2], 0, kMaxOutlineSegments);
    for (int s = 0; s < segments; ++s) {
        const int32_t* seg = block + s * kSegmentWords;
        int32_t x1 = seg[0], y1 = seg[1], x2 = seg[2], y2 = seg[3];
        WorldToScreen(x1, y1);
        WorldToScreen(x2, y2);
        if (seg[4] == kSegmentArc)
            DrawArcTrace(dc, x1, y1, x2, y2, color, kStyleSolid, 0);
        else if (seg[4] == kSegmentArcReversed)
            DrawArcTrace(dc, x2, y2, x1, y1, color, kStyleSolid, 0);
        else
            DrawTrace(dc, x1, y1, x2, y2, color, kStyleSolid, 0);
    }
}

// The client area in logical units, from the view's own mapping values.
struct LogicalWindow {
    int64_t left, top, right, bottom;
};
LogicalWindow logicalWindow()
{
    const int64_t d = g_view.zoomDivisor;
    const plat::Rect& r = g_view.clientRect;
    const int64_t ox = int64_t{g_board.viewOriginX} - g_view.clientCentreX;
    const int64_t oy = int64_t{g_board.viewOriginY} - g_view.clientCentreY;
    return {ox + r.left * d, oy + r.top * d, ox + r.right * d, oy + r.bottom * d};
}

// The document PaintBoardView is painting, whose store and index DrawObjects walks.
BoardDocumentData* s_paintedDocument = nullptr;

// The paint index of the store being painted: the painted document's, else the active one's;
// none for a store no document owns.
ExtentIndex* storeIndex()
{
    for (BoardDocumentData* doc : {s_paintedDocument, g_active.data})
        if (doc != nullptr && doc->objects && doc->objects->data() == g_board.objects)
            return &doc->paintIndex;
    return nullptr;
}

int64_t magnitude(int64_t v)
{
    return v < 0 ? -v : v;
}

}  // namespace

bool IsObjectVisible(int index, int kind)
{
    if (g_print.printing || g_view.drawToFit || MetricUnits() || g_board.zoomIndex <= 1)
        return true;
    if (kind == kKindDeleted || g_board.objects == nullptr)
        return false;
    const BoardObject& o = g_board.objects[index];
    // Board units to logical units as WorldToScreen rounds them, without overflow for the
    // sums of hostile coordinates.
    const int64_t u = BoardUnitsPerLogical();
    auto logical = [u](int64_t v) { return v / u; };
    int64_t x1 = logical(o.w[0]), y1 = logical(o.w[1]), x2 = 0, y2 = 0;
    // The box reaching rx and ry either way of the object's point.
    const auto around = [&](int64_t rx, int64_t ry) {
        x2 = x1 + rx;
        y2 = y1 + ry;
        x1 -= rx;
        y1 -= ry;
    };
    switch (kind) {
    case kKindText:
    case kKindPolygon:
    case kKindOutline:
        return true;
    case kKindRectangle: {
        const bool turned = ((o.w[5] >> 2) & 0xFFF) >= 7 || ((o.w[5] >> 15) & 1) != 0;
        if (!turned) {
            x2 = logical(int64_t{o.w[0]} + o.w[2]);
            y2 = logical(int64_t{o.w[1]} + o.w[3]);
            break;
        }
        // A mirrored or rotated rectangle reaches out from its corner in any direction, by at
        // most its width plus its height.
        const int64_t reach = magnitude(logical(o.w[2])) + magnitude(logical(o.w[3]));
        around(reach, reach);
        break;
    }
    case kKindEllipse:
        around(logical(o.w[2]), logical(o.w[3]));
        break;
    case kKindPad:
        around(4 * int64_t{g_view.zoomDivisor}, 4 * int64_t{g_view.zoomDivisor});
        break;
    default:
        if (kind > kKindPart) {
            if ((o.w[6] & 0xFFF) != 0 || o.package() > std::min(g_packages.count, kMaxPackages))
                return true;
            const CurrentPart saved = g_partPosition;
            g_partPosition = {static_cast<int32_t>(x1), static_cast<int32_t>(y1)};
            int32_t px1 = 0, py1 = 0, px2 = 0, py2 = 0;
            GetPackageExtent(o.package(), px1, py1, px2, py2, 0, (o.w[6] >> 12) & 1);
            g_partPosition = saved;
            x1 = px1;
            y1 = py1;
            x2 = px2;
            y2 = py2;
        } else if (kind == kKindPart) {
            return true;
        } else {
            x2 = logical(o.w[2]);
            y2 = logical(o.w[3]);
        }
        break;
    }
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const LogicalWindow w = logicalWindow();
    return x2 >= w.left && x1 <= w.right && y2 >= w.top && y1 <= w.bottom;
}

void DrawObjects(int first, int last, plat::Dc& dc)
{
    g_paint.pixelSize = CurrentPixelSize();
    g_paint.drawingDc = &dc;
    if (g_board.objects == nullptr)
        return;
    first = std::max(first, 1);
    last = std::min(last, g_board.capacity - 1);
    const pcb::LayerRules rules = CurrentLayerRules();
    // Whether an object can show, and in which passes it is painted, do not change between
    // passes: both are decided once, and each pass walks only the objects it paints. A whole
    // store's walk asks the store's index which objects can reach the clip; a range is tested
    // object by object, parts (whose reach is worked out from their package) left to
    // IsObjectVisible.
    const ExtentBox area = PaintArea(dc);
    auto canShow = [](int i) {
        const int kind = g_board.objects[i].kind();
        return kind != kKindDeleted && IsObjectVisible(i, kind);
    };
    std::vector<int> shown;
    ExtentIndex* const index = first == 1 && last == g_board.count ? storeIndex() : nullptr;
    if (index != nullptr) {
        PaintCandidates(*index, g_board.objects, last, area, shown);
        std::erase_if(shown, [&](int i) { return !canShow(i); });
    } else {
        for (int i = first; i <= last; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (canShow(i) && (o.isPart() || MayPaintIn(PaintExtentOf(o), area)))
                shown.push_back(i);
        }
    }
    // The outline takes no layer pass: it is drawn once, after them.
    std::vector<int> outlines;
    std::erase_if(shown, [&outlines](int i) {
        const bool outline = g_board.objects[i].kind() == kKindOutline;
        if (outline)
            outlines.push_back(i);
        return outline;
    });
    std::vector<pcb::ObjectPasses> passes;
    passes.reserve(shown.size());
    for (const int i : shown)
        passes.push_back(pcb::PassesOf(g_board.objects[i], i, rules, g_boardColors));
    // Parts are painted by their packages, which the board program holds; the mask and paste
    // flags of each go to the package painters through g_paint.
    pcb::PassHooks hooks;
    hooks.paintPart = [&dc](const pcb::PaintFrame& f, BoardObject& o, int color) {
        g_paint.mask = f.mask;
        g_paint.paste = f.paste;
        DrawFootprint(dc, o, color, 1);
    };
    hooks.paintSilk = [&dc, &rules](const pcb::PaintFrame& f, BoardObject& o) {
        g_paint.mask = f.mask;
        g_paint.paste = f.paste;
        paintPackageSilk(dc, o, rules);
    };
    hooks.afterPass = [&dc, &rules] {
        if (g_boardSettings.breaks != 0 && rules.copy)
            DrawPageBreaks(dc);
        if (g_boardSettings.view_net != 0)
            DrawNetNames(dc);
    };
    pcb::PaintInPasses(CurrentPaintFrame(), dc, g_board.objects, passes, hooks);
    g_paint.mask = g_paint.paste = false;
    for (const int i : outlines)
        paintOutline(dc, g_board.objects[i]);
}

int WorkAreaFillColor()
{
    const int c = g_edit.currentLayer;
    if (c == kLayerVcc)
        return RoleColor(kRoleVccPlane);
    if (pcb::IsPlaneLayer(c))
        return RoleColor(kRolePlane);
    return RoleColor(kRoleBackground);
}

void ClipToWorkArea(plat::Dc& dc, bool rulers)
{
    const plat::Rect& r = g_view.clientRect;
    const int inset = rulers && !g_view.drawToFit && !g_print.printing ? 17 : 1;
    const plat::Region clip(plat::Rect{r.left + inset, r.top + inset, r.right - 1, r.bottom - 1});
    dc.SelectClipRgn(&clip);
}

void DrawBoard(plat::Dc& dc)
{
    const int32_t keptDivisor = g_view.zoomDivisor;
    const int32_t keptZoom = g_board.zoomIndex;
    if (g_view.drawToFit) {
        g_view.zoomDivisor = 1;
        g_board.zoomIndex = 6;
    }
    if (g_board.objects == nullptr) {
        plat::MessageBox("Error in getting memory");
        plat::uiHost().exitProcess(1);
    }
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    if (dc.RealizePalette() <= 0)
        return;
    dc.SetROP2(kModeCopy);
    g_paint.rasterMode = kModeCopy;
    dc.SetBkMode(plat::kTransparent);

    const bool printing = g_print.printing;
    const bool rulers = g_boardSettings.rulers != 0;
    uint32_t started = 0;
    if (!printing) {
        started = plat::tickCount();
        UpdateScrollBars();
        ClipToWorkArea(dc, rulers);
    }
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int hw = area.width / 2, hh = area.height / 2;
    if (printing && g_boardSettings.PrColor == 0 && g_boardSettings.PrInvert != 0) {
        DrawRect(dc, 2 - hw - g_board.viewOriginX, 2 - hh - g_board.viewOriginY,
                 hw - g_board.viewOriginX - 2, hh - g_board.viewOriginY - 2,
                 RoleColor(kRoleBackground), kStyleSolid, kFillSolid, 1);
    }
    DrawObjects(1, g_board.count, dc);
    if (g_boardSettings.border != 0 && !printing)
        DrawWorkAreaBorder(dc);
    if (!printing) {
        DrawGrid(dc);
        DrawRulers(dc);
        char message[32];
        std::snprintf(message, sizeof message, "t=%d", static_cast<int>(plat::tickCount() - started));
        g_paint.message = message;
        RefreshStatusPanes();
        DrawSelectionMarks(dc);
        if (g_load.justLoaded) {
            PlaySoundFile("filedone.wav");
            g_load.justLoaded = false;
        }
    }
    if (g_view.drawToFit) {
        g_view.zoomDivisor = keptDivisor;
        g_board.zoomIndex = keptZoom;
    }
    if (g_crosshair.on && g_crosshair.shown)
        DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 1);
    if (g_view.drawToFit)
        DrawFitFrame(dc);
}

void PaintBoardView(plat::Dc& dc, BoardDocumentData& doc)
{
    BoardObject* const savedObjects = g_board.objects;
    const int32_t savedCount = g_board.count;
    BoardDocumentData* const savedDocument = s_paintedDocument;
    g_board.objects = doc.objects ? doc.objects->data() : nullptr;
    g_board.count = doc.objectCount;
    s_paintedDocument = &doc;
    // The fill's palette index must resolve through the board palette, not the DC's default.
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    if (!g_print.printing)
        FillWorkAreaBackground(dc, WorkAreaFillColor());
    DrawBoard(dc);
    s_paintedDocument = savedDocument;
    g_board.objects = savedObjects;
    g_board.count = savedCount;
}

void PaintObject(plat::Dc& dc, int index, int mode)
{
    const bool crosshair = g_crosshair.on && g_crosshair.shown;
    if (crosshair)
        DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 0);
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    ClipToWorkArea(dc, g_boardSettings.rulers != 0);
    if (mode == kModeHighlight) {
        mode = kModeCopy;
        g_paint.highlight = true;
    }
    dc.SetROP2(mode);
    g_paint.rasterMode = mode;
    dc.SetBkMode(plat::kTransparent);
    if (index > 0)
        DrawObjects(index, index, dc);
    if (crosshair)
        DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 0);
    g_paint.highlight = false;
    g_paint.rasterMode = kModeCopy;
}

void RedrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2)
{
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    dc.SetROP2(kModeCopy);
    g_paint.rasterMode = kModeCopy;
    const int32_t d = g_view.zoomDivisor;
    // View units: pixels x divisor from the window's top-left.
    auto toView = [](int& x, int& y) {
        x = x - g_board.viewOriginX + g_view.clientCentreX;
        y = y - g_board.viewOriginY + g_view.clientCentreY;
    };
    toView(x1, y1);
    toView(x2, y2);
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (MetricUnits()) {
        x1 = static_cast<int>(x1 * 2.54);
        y1 = static_cast<int>(y1 * 2.54);
        x2 = static_cast<int>(x2 * 2.54);
        y2 = static_cast<int>(y2 * 2.54);
    }
    const int grow = 30 * d;
    const int margin = (g_boardSettings.rulers != 0 ? 17 : 1) * d;
    const plat::Rect& client = g_view.clientRect;
    x1 = std::max(x1 - grow, client.left * d + margin);
    y1 = std::max(y1 - grow, client.top * d + margin);
    x2 += grow;
    y2 += grow;
    const plat::Rect pixels{x1 / d, y1 / d, x2 / d, y2 / d};
    if (pixels.isEmpty())
        return;
    const plat::Region clip(pixels);
    dc.SelectClipRgn(&clip);
    // At the finest zooms the whole window is filled and repainted: the clip goes before the
    // fill and stays off for the objects, so nothing outside the rectangle is left blank.
    if (g_board.zoomIndex >= kFineZoomIndex)
        dc.SelectClipRgn(nullptr);
    FillWorkAreaBackground(dc, g_footprintEditor.open ? RoleColor(kRoleEditorBackground) : WorkAreaFillColor());
    DrawObjects(1, g_board.count, dc);
    if (g_boardSettings.border != 0)
        DrawWorkAreaBorder(dc);
    DrawGrid(dc);
    dc.SelectClipRgn(nullptr);
}
