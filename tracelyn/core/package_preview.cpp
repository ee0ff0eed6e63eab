#include "tracelyn/core/package_preview.h"

#include "common/scoped_replace.h"
#include "platform/core/archive.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/scratch_board.h"

#include <algorithm>

namespace {

// The finest zoom: one logical unit is one board unit, so the DC's own mapping does the scaling.
constexpr int kUnitZoom = 9;

// Takes the description out of the records read, with the other texts that are attributes
// of the package rather than drawing (";" comments, "%" directives, the "p?" name
// placeholder): they are not drawn.
std::string takeAttributeTexts(int count)
{
    std::string description;
    bool found = false;
    for (int i = 1; i <= count; ++i) {
        BoardObject& o = g_board.objects[i];
        const char* text = o.kind() == kKindText ? o.text() : nullptr;
        if (text == nullptr || (text[0] != ';' && text[0] != '%' && !IsNamePlaceholder(o)))
            continue;
        if (text[0] == ';' && !found) {
            description = text + 1;
            found = true;
        }
        FreeObjectData(o);
        o = BoardObject{};
    }
    return description;
}

}  // namespace

std::optional<std::string> DrawPartPreview(plat::Dc& dc, const plat::Rect& client, std::string_view library,
                                           std::string_view part)
{
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    dc.FillRect(client, plat::Brush::solid(plat::paletteIndex(RoleColor(kRoleBackground))));

    // The preview's store lives as long as this call; the globals come back when it returns.
    const ScratchBoard store(kMaxPreviewObjects + 2);
    g_board.zoomIndex = kUnitZoom;
    std::optional<plat::Archive> file = OpenPartLibrary(library, part);
    if (!file)
        return std::nullopt;
    const PartPreview preview = ReadPartPreview(*file, 1);
    g_board.count = preview.count;
    if (preview.count <= 0)
        return std::string();
    std::string description = takeAttributeTexts(preview.count);

    const int saved = dc.SaveDC();
    const plat::Region clip(client);
    dc.SelectClipRgn(&clip);
    const int64_t spanX = std::max<int64_t>(1, (int64_t{preview.maxX} - preview.minX) * 10 / 7);
    const int64_t spanY = std::max<int64_t>(1, (int64_t{preview.maxY} - preview.minY) * 10 / 7);
    // One scale for both directions, so the package keeps its proportions.
    const double scale = std::max({static_cast<double>(spanX) / std::max(1, client.width()),
                                   static_cast<double>(spanY) / std::max(1, client.height()), 1e-3});
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(static_cast<int>(std::min<double>(client.width() * scale, 2e9)),
                    static_cast<int>(std::min<double>(client.height() * scale, 2e9)));
    dc.SetViewportExt(std::max(1, client.width()), std::max(1, client.height()));
    dc.SetWindowOrg(static_cast<int>((int64_t{preview.minX} + preview.maxX) / 2),
                    static_cast<int>((int64_t{preview.minY} + preview.maxY) / 2));
    dc.SetViewportOrg((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    dc.SetROP2(kModeCopy);
    dc.SetBkMode(plat::kTransparent);
    {
        ScopedReplace<bool> fit(g_view.drawToFit, true);
        ScopedReplace<int> mode(g_paint.rasterMode, kModeCopy);
        DrawObjects(1, preview.count, dc);
    }
    dc.RestoreDC(saved);
    return description;
}
