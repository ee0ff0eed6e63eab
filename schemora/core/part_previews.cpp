#include "schemora/core/part_previews.h"

#include "common/parts_bin_layout.h"
#include "common/string_helpers.h"
#include "schemora/core/current_document.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/scratch_drawing.h"
#include "schemora/core/settings.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_painter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

bool previewRecordShown(const DrawObject& o)
{
    const uint32_t high = static_cast<uint32_t>(o.w[4]) >> 10;
    return high == 0 || high == 31;
}

void drawPreviewRecord(plat::Dc& dc, const DrawObject& o, bool withPackage)
{
    const int x = o.w[0], y = o.w[1];
    const int style = o.w[5] & 3;
    const int role = kRolePart;
    switch (o.type()) {
    case kObjLine: DrawLine(dc, x, y, o.w[2], o.w[3], role, style, o.w[6]); break;
    case kObjRectangle:
    case kObjRoundRect: DrawRect(dc, x, y, x + o.w[2], y + o.w[3], role, style, o.w[7], o.w[6]); break;
    case 3: DrawEllipse(dc, x, y, 12, 12, role, plat::kPsSolid, kFillHollow, 6); break;
    case kObjText: {
        const std::string_view text = o.text ? o.text : "";
        if ((!text.empty() && text[0] == ';' && !withPackage) || IsAttributeText(text))
            break;
        DrawTextString(dc, x, y, text, o.w[2], o.w[3], kRoleText);
        break;
    }
    case kObjArrow: DrawArrowLine(dc, x, y, o.w[2], o.w[3], role, style, o.w[7], o.w[6], 0); break;
    case kObjDot: DrawEllipse(dc, x, y, 16, 16, kRoleDot, plat::kPsSolid, kFillSolid, 1); break;
    case kObjEllipse: DrawEllipse(dc, x, y, o.w[2], o.w[3], role, style, o.w[7], o.w[6]); break;
    case kObjBus: DrawLine(dc, x, y, o.w[2], o.w[3], role, plat::kPsSolid, 18); break;
    case kObjArc: DrawArc(dc, x, y, o.w[2], o.w[3], role, o.w[5], o.w[7], o.w[6]); break;
    case kObjTriangle:
        if (withPackage)
            DrawPadShape(dc, x, y, role, o.w[5] & 0xF, o.w[2], o.w[3], o.w[7], (o.w[5] >> 4) & 0xFFF, false);
        else
            DrawTriangle(dc, x, y, x, y, x + o.w[2], y + o.w[3], role, style, o.w[7], o.w[6],
                         o.rotation(), o.mirrored());
        break;
    case kObjPolygon: DrawPolygonRecord(dc, o, role); break;
    default: break;
    }
}

// Draws a dotted frame or a text in client pixels, whatever mapping dc has.
class PixelMapping {
public:
    explicit PixelMapping(plat::Dc& dc) : dc_(dc), saved_(dc.SaveDC()), zoom_(g_current.zoomFactor)
    {
        dc.SetMapMode(plat::kMmText);
        dc.SetWindowOrg(0, 0);
        dc.SetViewportOrg(0, 0);
        g_current.zoomFactor = 1;
    }
    ~PixelMapping()
    {
        g_current.zoomFactor = zoom_;
        dc_.RestoreDC(saved_);
    }
    PixelMapping(const PixelMapping&) = delete;
    PixelMapping& operator=(const PixelMapping&) = delete;

private:
    plat::Dc& dc_;
    int saved_;
    int zoom_;
};

void drawItemText(plat::Dc& dc, const plat::Rect& item, int x, std::string_view text)
{
    const plat::Font old = dc.SelectObject(plat::stockFont(plat::kAnsiVarFont));
    const plat::ColorRef oldColor = dc.SetTextColor(plat::rgb(0, 0, 0));
    const int oldMode = dc.SetBkMode(plat::kTransparent);
    dc.TextOut(item.left + x, item.top + 1, text);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColor);
    dc.SelectObject(old);
}

constexpr std::array<const char*, 4> kGridItems{"1/10 grid", "1/5 grid", "1/2 grid", "Unit grid"};
// The scale names, followed in the same table by the object-class names.
constexpr std::array<const char*, 19> kScaleItems{
    "20%", "25%", "50%", "100%", "125%", "250%", "500%", "ALL OBJECTS", "TEXT", "LINES", "ARCS",
    "ELLIPSES", "RECTANGLES", "ROUNDED RECTANGLES", "POLYGONS", "PARTS", "BUSSES", "ARROWS", "NETS"};
constexpr std::array<const char*, 12> kFilterItems{
    "Select ALL objects", "Text only", "Lines only", "Arcs only", "Ellipses only", "Rectangles only",
    "Rounded rectangles only", "Polygons only", "Library parts only", "Busses only", "Arrows only", "Nets only"};
constexpr std::array<const char*, 5> kLayerItems{"ALL layers", "Top layer", "Layer 1", "Layer 2", "Layer 3"};

}  // namespace

quill::PartsBinCells g_partsBinCells;

bool IsAttributeText(std::string_view text)
{
    if (!text.empty() && (text[0] == ';' || text[0] == '%'))
        return true;
    return text.find_first_of("?=") != std::string_view::npos;
}

void DrawPartPreview(plat::Dc& dc, const plat::Rect& client, std::string_view library,
                     std::string_view part, bool withPackage)
{
    const ScratchDrawing scratch(ScratchDrawing::Start::AsItIs);
    std::optional<plat::Archive> archive = OpenPartLibrary(library, part, false);
    if (!archive)
        return;
    int count = 0;
    ReadPartPreview(kPreviewFirstSlot - 1, &count, *archive, 0);
    count = std::clamp(count, 0, kObjectStoreSlots - kPreviewFirstSlot);

    SelectProgramPalette(dc);
    dc.SetROP2(plat::kR2CopyPen);
    g_drawModes.rasterMode = kModeCopy;
    dc.SetBkMode(plat::kTransparent);
    const plat::Region clip(client);
    dc.SelectClipRgn(&clip);
    dc.FillRect({client.left + 1, client.top + 2, client.right - 2, client.bottom},
                plat::Brush::solid(PaletteRgb(RolePaletteIndex(kRoleScreen))));

    const PreviewExtent& e = g_previewExtent;
    const int width = std::max(client.width(), (e.maxX - e.minX) * 10 / 7);
    const int height = std::max(client.height(), (e.maxY - e.minY) * 10 / 7);
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(std::max(1, width), std::max(1, height));
    dc.SetViewportExt(std::max(1, client.width()), std::max(1, client.height()));
    dc.SetWindowOrg((e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2);
    dc.SetViewportOrg((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    g_current.zoomFactor = std::max(1, width / std::max(1, client.width()));

    for (int i = kPreviewFirstSlot; i < kPreviewFirstSlot + count; ++i)
        if (previewRecordShown(g_current.objects[static_cast<size_t>(i)]))
            drawPreviewRecord(dc, g_current.objects[static_cast<size_t>(i)], withPackage);
    for (int i = kPreviewFirstSlot; i < kPreviewFirstSlot + count; ++i)
        ReleaseObjectData(g_current.objects[static_cast<size_t>(i)]);
}

int PaintPartsBinCells(plat::Dc& dc, const plat::Rect& client, int scrollY)
{
    const CurrentDrawing saved = g_current;
    const int savedFilter = g_sheetView.layerFilter;
    g_sheetView.layerFilter = 4;
    SelectProgramPalette(dc);
    dc.SetROP2(plat::kR2CopyPen);
    g_drawModes.rasterMode = kModeCopy;
    dc.SetBkMode(plat::kTransparent);
    dc.FillRect(client, plat::Brush::solid(PaletteRgb(RolePaletteIndex(kRolePartsBin))));

    const auto& entries = g_settings.binParts;
    g_partsBinCells.layOut(client, entries.size(), scrollY);
    const int cellWidth = std::max(1, client.width() / 2);
    for (size_t k = 0; k < entries.size(); ++k) {
        const plat::Rect cell = g_partsBinCells.cells[k];
        // Only a loaded symbol is drawn: painting never reads a library.
        const int symbol = FindLoadedSymbol(entries[k]);
        if (symbol < 1 || symbol > g_partSymbols.count || symbol > kMaxPlaceableSymbol)
            continue;
        const PartSymbol& sym = g_partSymbols.entries[static_cast<size_t>(symbol)];
        // The part, fitted to the upper part of its cell.
        g_partOrigin = {0, 0};
        int x1, y1, x2, y2;
        TransformPartExtent(sym, &x1, &y1, &x2, &y2, 0, false);
        const int boxW = std::max(1, std::abs(x2 - x1));
        const int boxH = std::max(1, std::abs(y2 - y1));
        const int areaW = std::max(1, cellWidth - 30);
        const int areaH = quill::kPartsBinRowHeight - 36;
        const int zoom = std::max({1, (boxW + areaW - 1) / areaW, (boxH + areaH - 1) / areaH});
        {
            const int level = dc.SaveDC();
            dc.SetMapMode(plat::kMmAnisotropic);
            dc.SetWindowExt(zoom, zoom);
            dc.SetViewportExt(1, 1);
            dc.SetWindowOrg((x1 + x2) / 2, (y1 + y2) / 2);
            dc.SetViewportOrg((cell.left + cell.right - 6) / 2, cell.top + 8 + areaH / 2);
            g_current.zoomFactor = zoom;
            DrawObject instance;
            instance.setType(kObjPart + symbol);
            instance.w[5] = kReferenceHiddenBit;
            instance.w[23] = 1;
            DrawPartInstance(dc, instance, kRolePart);
            dc.RestoreDC(level);
        }
        PixelMapping pixels(dc);
        DrawRect(dc, cell.left + 5, cell.top + 5, cell.right - 11, cell.bottom - 1, kRoleGrid, plat::kPsDot,
                 kFillHollow, 1);
        const size_t slash = sym.name.rfind('\\');
        const std::string name = slash == std::string::npos ? sym.name : sym.name.substr(slash + 1);
        const plat::Font old = dc.SelectObject(plat::Font{"Arial", -11});
        const plat::ColorRef oldColor = dc.SetTextColor(RoleColor(kRoleText));
        dc.TextOut(cell.left + 10, cell.bottom - 18, name);
        dc.SetTextColor(oldColor);
        dc.SelectObject(old);
    }
    g_current = saved;
    g_sheetView.layerFilter = savedFilter;
    return g_partsBinCells.scrollRange;
}

int HitTestPartsBin(int x, int y)
{
    return g_partsBinCells.hitTest(x, y, 5);
}

void DrawPartsBinOutline(plat::Dc& dc, const plat::Rect& r)
{
    const int zoom = g_current.zoom();
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(1000 / zoom, 1000 / zoom);
    dc.SetViewportExt(1000 / zoom, 1000 / zoom);
    const int oldRop = dc.SetROP2(plat::kR2Not);
    const int savedMode = g_drawModes.rasterMode;
    g_drawModes.rasterMode = kModeInvert;
    const int savedZoom = g_current.zoomFactor;
    g_current.zoomFactor = 1;
    DrawRect(dc, r.left, r.top, r.right - 1, r.bottom - 1, kRoleGrid, plat::kPsDot, kFillHollow, 1);
    g_current.zoomFactor = savedZoom;
    g_drawModes.rasterMode = savedMode;
    dc.SetROP2(oldRop);
}

void DrawLayerComboItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool drawEntire)
{
    if (!drawEntire || itemId < 0 || itemId >= static_cast<int>(kLayerItems.size()))
        return;
    const int role = std::max(itemId, 1);
    // The swatch is a palette index of the scheme: without the program's palette in the combo's
    // DC it would come out in the system's default colours.
    SelectProgramPalette(dc);
    {
        ScopedPen pen(dc, plat::Pen(plat::kPsSolid, 1, plat::rgb(0, 0, 0)));
        ScopedBrush brush(dc, plat::Brush::solid(RoleColor(role)));
        dc.Rectangle(item.left + 3, item.top + 1, item.left + 15, item.top + 13);
    }
    drawItemText(dc, item, 16, kLayerItems[static_cast<size_t>(itemId)]);
}

void DrawSheetItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool drawEntire, SheetItemList list)
{
    if (!drawEntire || itemId < 0)
        return;
    const auto index = static_cast<size_t>(itemId);
    switch (list) {
    case SheetItemList::Grid:
        if (index < kGridItems.size())
            drawItemText(dc, item, 3, kGridItems[index]);
        return;
    case SheetItemList::Scale:
        if (index < kScaleItems.size())
            drawItemText(dc, item, 3, kScaleItems[index]);
        return;
    case SheetItemList::Sheet: {
        char text[32];
        std::snprintf(text, sizeof text, "Sheet %d", itemId + 1);
        drawItemText(dc, item, 3, text);
        return;
    }
    case SheetItemList::SelectionFilter:
        drawItemText(dc, item, 3, kFilterItems[index < kFilterItems.size() ? index : 0]);
        return;
    }
}
