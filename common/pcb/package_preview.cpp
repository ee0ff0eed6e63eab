#include "common/pcb/package_preview.h"

#include "common/pcb/board_object_painter.h"
#include "common/pcb/package_catalog.h"

#include <algorithm>
#include <vector>

namespace pcb {
namespace {

// The objects a preview read, freed with it.
class PreviewObjects {
public:
    PreviewObjects() : objects_(static_cast<size_t>(kMaxPreviewObjects)) {}
    ~PreviewObjects()
    {
        for (BoardObject& o : objects_)
            FreeObjectData(o);
    }
    PreviewObjects(const PreviewObjects&) = delete;
    PreviewObjects& operator=(const PreviewObjects&) = delete;

    std::span<BoardObject> all() { return objects_; }

private:
    std::vector<BoardObject> objects_;
};

// Takes the description out of the records read, with the other texts that are attributes
// of the package rather than drawing (";" comments, "%" directives, the "p?" name
// placeholder): they are not drawn.
std::string takeAttributeTexts(std::span<BoardObject> objects)
{
    std::string description;
    bool found = false;
    for (BoardObject& o : objects) {
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

// One logical unit is one board unit, and the DC's own mapping fits the package into the
// window: the view's fit, in copy mode, with nothing highlighted.
PaintFrame previewFrame(const PreviewLook& look)
{
    PaintFrame f = look.frame;
    f.zoomIndex = kUnitZoomIndex;
    f.drawToFit = true;
    f.viewOriginX = f.viewOriginY = 0;
    f.rasterMode = kModeCopy;
    f.highlight = f.mask = f.paste = false;
    f.pixelSize = PixelSize(f.zoomDivisor, f.metric);
    return f;
}

}  // namespace

std::optional<std::string> DrawPartPreview(plat::Dc& dc, const plat::Rect& client, const PreviewLook& look,
                                           std::string_view library, std::string_view part)
{
    dc.SelectPalette(look.palette);
    dc.RealizePalette();
    dc.FillRect(client, plat::Brush::solid(plat::paletteIndex(RoleColor(*look.frame.colors, kRoleBackground))));

    std::optional<plat::Archive> file = OpenPartLibrary(look.folder, library, part);
    if (!file)
        return std::nullopt;
    PreviewObjects read;
    const PartPreview preview = ReadPartPreview(*file, read.all());
    if (preview.count <= 0)
        return std::string();
    const std::span<BoardObject> objects = read.all().first(static_cast<size_t>(preview.count));
    std::string description = takeAttributeTexts(objects);

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

    const PaintFrame frame = previewFrame(look);
    LayerRules rules = look.rules;
    rules.copy = true;
    std::vector<ObjectPasses> passes;
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i].kind() != kKindDeleted)
            passes.push_back(PassesOf(objects[i], static_cast<int>(i), rules, *frame.colors));
    PaintInPasses(frame, dc, objects.data(), passes, {});
    dc.RestoreDC(saved);
    return description;
}

}  // namespace pcb
