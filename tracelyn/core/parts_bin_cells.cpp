#include "tracelyn/core/parts_bin_cells.h"

#include "common/parts_bin_layout.h"
#include "common/scoped_replace.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>

quill::PartsBinCells g_partsBinCells;

namespace {

// The logical colour of the bin's background (the "Parts Bin" slot of Set Colors).
constexpr int kPartsBinColor = 29;
// Packages are drawn at this zoom index (ten board units to a logical unit).
constexpr int kBinZoomIndex = 3;
constexpr int kUnitsPerLogical = 10;

plat::ColorRef colorOf(int logical) { return GetLayerColor(ColorMapEntry(logical)); }

// The package fitted into the upper part of its cell.
void drawPackage(plat::Dc& dc, int package, const plat::Rect& cell)
{
    PackageDef& def = g_packages.defs[static_cast<size_t>(package)];
    ComputePartExtent(package);
    const int32_t* e = def.extent();
    const int boxW = std::max(1, (e[2] - e[0]) / kUnitsPerLogical);
    const int boxH = std::max(1, (e[3] - e[1]) / kUnitsPerLogical);
    const int areaW = std::max(1, cell.width() - 20);
    const int areaH = quill::kPartsBinRowHeight - 36;
    const int scale = std::max({1, (boxW * 10 / 7 + areaW - 1) / areaW, (boxH * 10 / 7 + areaH - 1) / areaH});
    const int level = dc.SaveDC();
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(scale, scale);
    dc.SetViewportExt(1, 1);
    // Package records are kept about the package origin; a part at (0, 0) draws them about it.
    dc.SetWindowOrg(((e[0] + e[2]) / 2 - kPackageOriginX) / kUnitsPerLogical,
                    ((e[1] + e[3]) / 2 - kPackageOriginY) / kUnitsPerLogical);
    dc.SetViewportOrg((cell.left + cell.right) / 2, cell.top + 8 + areaH / 2);
    BoardObject part;
    part.setKind(kKindPart + package);
    part.setLayer(kLayerAll);
    char noName[] = "";
    part.data = noName;   // no reference label in a thumbnail
    // The pads in the colour of pads on all layers, then the outline in the top silk's.
    DrawFootprint(dc, part, RoleColor(kRoleAllLayers), 1);
    DrawFootprint(dc, part, RoleColor(kRoleTopSilk), 1);
    part.data = nullptr;
    dc.RestoreDC(level);
}

void drawName(plat::Dc& dc, const std::string& name, const plat::Rect& cell)
{
    // The package name is the text after the library's backslash.
    const size_t slash = name.find('\\');
    const std::string shown = slash == std::string::npos ? name : name.substr(slash + 1);
    const plat::Font old = dc.SelectObject(plat::Font{"Arial", -11});
    const plat::ColorRef oldColor = dc.SetTextColor(colorOf(RoleColor(kRoleText)));
    const unsigned oldAlign = dc.SetTextAlign(plat::kTaCenter | plat::kTaTop);
    dc.TextOut((cell.left + cell.right) / 2, cell.bottom - 18, shown);
    dc.SetTextAlign(oldAlign);
    dc.SetTextColor(oldColor);
    dc.SelectObject(old);
}

void dottedFrame(plat::Dc& dc, int left, int top, int right, int bottom)
{
    const plat::Pen pen(plat::kPsDot, 1, colorOf(RoleColor(kRoleText)));
    const plat::Pen oldPen = dc.SelectObject(pen);
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::hollow());
    dc.Rectangle(left, top, right, bottom);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

}  // namespace

int PaintPartsBinCells(plat::Dc& dc, const plat::Rect& client, int scrollY)
{
    const ScopedReplace<int32_t> zoom(g_board.zoomIndex, kBinZoomIndex);
    const ScopedReplace<int> mode(g_paint.rasterMode, kModeCopy);
    dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    dc.SetROP2(plat::kR2CopyPen);
    dc.SetBkMode(plat::kTransparent);
    dc.FillRect(client, plat::Brush::solid(colorOf(kPartsBinColor)));

    const auto& names = g_boardSettings.binParts;
    g_partsBinCells.layOut(client, names.size(), scrollY);
    for (size_t k = 0; k < names.size(); ++k) {
        const plat::Rect& cell = g_partsBinCells.cells[k];
        const int package = FindLoadedPackage(names[k]);
        if (package >= 1 && package <= std::min(g_packages.count, kMaxPartPackage))
            drawPackage(dc, package, cell);
        dottedFrame(dc, cell.left + 5, cell.top + 5, cell.right - 5, cell.bottom - 1);
        drawName(dc, names[k], cell);
    }
    return g_partsBinCells.scrollRange;
}

int HitTestPartsBin(int x, int y)
{
    return g_partsBinCells.hitTest(x, y, 0);
}

void DrawPartsBinOutline(plat::Dc& dc, const plat::Rect& r)
{
    const int oldRop = dc.SetROP2(plat::kR2Not);
    dottedFrame(dc, r.left, r.top, r.right, r.bottom);
    dc.SetROP2(oldRop);
}
