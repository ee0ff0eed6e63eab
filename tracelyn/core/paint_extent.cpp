#include "tracelyn/core/paint_extent.h"

#include "platform/gdi/dc.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/stroke_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

namespace {

// Texts longer than this are not measured on every refresh: they reach anywhere.
constexpr size_t kMaxMeasuredText = 4096;
constexpr int32_t kMaxMeasuredVertices = 1 << 16;
// A part's label adds its number and section letter to the name.
constexpr size_t kLabelBeyondName = 13;
constexpr int64_t kStrokePen = 80;          // the widest stroke-font pen
constexpr int64_t kMarkerReach = 400;       // 35 logical units at ten board units each
constexpr int64_t kViaMinimum = 128;        // a via without a size is drawn 10 logical units wide
constexpr int kSectionHeaders = 5;          // the headers DrawFootprint's sections come from
// Pixel-sized marks beyond the clip: pens of a pixel or two, rectangles grown by a pixel, the
// ink of shapes whose coordinates were rounded to pixels.
constexpr int kSlackPixels = 8;
// A font asked for less than a pixel is drawn a pixel high all the same: two pixels (for its
// ink's overhang) at the coarsest zoom, in board units.
constexpr int64_t kSmallestFontHeight = 2 * 25 * 10;
constexpr int64_t kRoundingSlack = 64;      // logical units

struct Reach {
    int64_t left, top, right, bottom;
};

Reach around(int64_t x, int64_t y, int64_t rx, int64_t ry)
{
    return {x - rx, y - ry, x + rx, y + ry};
}

Reach spanning(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t grow)
{
    return {std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow, std::max(y1, y2) + grow};
}

int64_t magnitude(int64_t v)
{
    return v < 0 ? -v : v;
}

int32_t saturated(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

SlotExtent extentOf(const Reach& r)
{
    return SlotExtent::inside({saturated(r.left), saturated(r.top), saturated(r.right), saturated(r.bottom)});
}

std::string_view boundedText(const void* data)
{
    const auto* text = static_cast<const char*>(data);
    return text == nullptr ? std::string_view{} : std::string_view(text, strnlen(text, kMaxMeasuredText));
}

// A polygon's vertex list as bytes, or nothing when it has no list or too many vertices.
std::string_view vertexBytes(const BoardObject& o)
{
    if (o.points() == nullptr || o.w[2] <= 0 || o.w[2] > kMaxMeasuredVertices)
        return {};
    return {reinterpret_cast<const char*>(o.points()), static_cast<size_t>(o.w[2]) * kVertexWords * sizeof(int32_t)};
}

// How far from its anchor a stroke text can draw at any angle or mirror: its run of advances
// and gaps plus a glyph cell each way, since arcs bulge up to a cell beyond their ends. Sizes
// 0 to 2 draw at size 2, and sizes outside the table at the largest.
int64_t strokeTextReach(size_t length, int size)
{
    const int index = size < 0 || size > 8 ? 8 : std::max(size, 2);
    const int64_t gap = index == 2 ? 80 : 180;
    const auto cell = static_cast<int64_t>(std::ceil(kStrokeSizeFactors[static_cast<size_t>(index)] * 1000.0)) + 1;
    return static_cast<int64_t>(length) * (cell + gap) + 3 * cell + kStrokePen;
}

// How far from its anchor a pin label or plane label in the pin font can draw, any way round.
int64_t fontTextReach(size_t length)
{
    int size = g_boardSettings.pin_font & 0x7F;
    if (size > 8)
        size = 6;
    const int64_t height = std::max<int64_t>(int64_t{kPinTextSizes[static_cast<size_t>(size)]} * 80, kSmallestFontHeight);
    return (2 * static_cast<int64_t>(length) + 2) * height;
}

int64_t padReach(const BoardObject& o)
{
    const int64_t hole = magnitude(o.w[6]);
    int64_t reach = 2 * (magnitude(o.w[2]) + magnitude(o.w[3]) + hole) + kViaMinimum;
    if ((o.w[5] & 15) == kPadThermal)
        reach += fontTextReach(2) + hole;
    return reach;
}

// The outline's segment block as bytes, or nothing when it has none.
std::string_view segmentBytes(const BoardObject& o)
{
    if (o.points() == nullptr)
        return {};
    const auto segments = static_cast<size_t>(std::clamp(o.w[2], 0, kMaxOutlineSegments));
    return {reinterpret_cast<const char*>(o.points()), segments * kSegmentWords * sizeof(int32_t)};
}

// What one object's own painter reaches, for objects of the board and of packages alike;
// `pen` is added to every stroke (packages draw with a pen of their own). Nothing for kinds
// without a painter, no value where the reach is not known.
struct Found {
    SlotExtent::Reach reach = SlotExtent::Reach::kNothing;
    Reach box{};
};

Found inBox(const Reach& r)
{
    return {SlotExtent::Reach::kBox, r};
}

// The outline's segments, each arc reaching as an arc object does.
Found outlineReach(const BoardObject& o, int64_t stroke)
{
    const std::string_view bytes = segmentBytes(o);
    if (bytes.empty())
        return {};
    const int32_t* seg = o.points();
    Reach r{seg[0], seg[1], seg[0], seg[1]};
    for (size_t s = 0; s < bytes.size() / (kSegmentWords * sizeof(int32_t)); ++s, seg += kSegmentWords) {
        const int64_t bulge = seg[4] == kSegmentLine
                                  ? 0
                                  : std::max(magnitude(int64_t{seg[2]} - seg[0]), magnitude(int64_t{seg[3]} - seg[1]));
        const Reach piece = spanning(seg[0], seg[1], seg[2], seg[3], bulge + stroke);
        r = {std::min(r.left, piece.left), std::min(r.top, piece.top), std::max(r.right, piece.right),
             std::max(r.bottom, piece.bottom)};
    }
    return inBox(r);
}

Found reachOf(const BoardObject& o, int64_t pen)
{
    const int64_t x = o.w[0], y = o.w[1], a = o.w[2], b = o.w[3];
    const int64_t stroke = magnitude(o.w[7]) + pen;
    switch (o.kind()) {
    case kKindLine:
    case kKindNoRoute:
        return inBox(spanning(x, y, a, b, stroke));
    case kKindRectangle: {
        // Mirrored or turned, a rectangle reaches from its corner by its width plus its height.
        const int64_t r = magnitude(a) + magnitude(b) + stroke;
        return inBox(around(x, y, r, r));
    }
    case kKindText: {
        const std::string_view text = boundedText(o.data);
        if (text.size() >= kMaxMeasuredText)
            return {SlotExtent::Reach::kAnywhere, {}};
        const int64_t r = strokeTextReach(text.size(), o.w[2] >> 8);
        return inBox(around(x, y, r, r));
    }
    case kKindEllipse:
        return inBox(around(x, y, magnitude(a) + stroke, magnitude(b) + stroke));
    case kKindArc: {
        // The arc is a quarter of an ellipse about a corner of its two ends.
        const int64_t bulge = std::max(magnitude(a - x), magnitude(b - y));
        return inBox(spanning(x, y, a, b, bulge + stroke));
    }
    case kKindPad: {
        const int64_t r = padReach(o);
        return inBox(around(x, y, r, r));
    }
    case kKindFixedRectangle:
        // A mark spans its two corners.
        return inBox(spanning(x, y, a, b, pen));
    case kKindPolygon: {
        const std::string_view bytes = vertexBytes(o);
        if (bytes.empty())
            return o.w[2] > kMaxMeasuredVertices ? Found{SlotExtent::Reach::kAnywhere, {}} : Found{};
        const int32_t* v = o.points();
        Reach r{v[0], v[1], v[0], v[1]};
        for (int32_t i = 1; i < o.w[2]; ++i) {
            r.left = std::min<int64_t>(r.left, v[2 * i]);
            r.right = std::max<int64_t>(r.right, v[2 * i]);
            r.top = std::min<int64_t>(r.top, v[2 * i + 1]);
            r.bottom = std::max<int64_t>(r.bottom, v[2 * i + 1]);
        }
        return inBox({r.left - stroke, r.top - stroke, r.right + stroke, r.bottom + stroke});
    }
    case kKindMarker:
        return inBox(around(x, y, kMarkerReach, kMarkerReach));
    case kKindOutline:
        return outlineReach(o, stroke);
    default:
        return {};
    }
}

// The objects DrawFootprint can take from the package store for package n: those after each
// header of the chain it looks its sections up in, by the header's count (the section headers
// of a many-section package lie among them; they are taken as objects, which only widens).
struct ObjectRange {
    int first = 1;
    int last = 0;
};

ObjectRange packageRange(int n)
{
    int64_t first = kPackageStoreSize, last = 0;
    int64_t header = g_packages.defs[static_cast<size_t>(n)].firstObject();
    for (int tries = 0; tries < kSectionHeaders && header >= 1 && header < kPackageStoreSize; ++tries) {
        const BoardObject& h = g_packages.objects[static_cast<size_t>(header)];
        const int64_t count = std::clamp<int64_t>(h.w[0], 0, kMaxSectionObjects);
        if (count > 0) {
            first = std::min(first, header + 1);
            last = std::max(last, header + count);
        }
        header = int64_t{h.w[1]} + 1;
    }
    return {static_cast<int>(std::clamp<int64_t>(first, 1, kPackageStoreSize)),
            static_cast<int>(std::clamp<int64_t>(last, 0, kPackageStoreSize - 1))};
}

// The packages' fingerprints and reaches, each worked out once per refresh of the index and
// only for the packages that parts use.
class PackageReaches {
public:
    uint64_t print(int n)
    {
        Entry& e = entry(n);
        if (!e.printed) {
            const PackageDef& def = g_packages.defs[static_cast<size_t>(n)];
            uint64_t print = FingerprintWords(def.w);
            // From the first header on, so that a changed count or chain is seen as well.
            const ObjectRange range = packageRange(n);
            const int from = std::clamp(std::min(def.firstObject(), range.first), 1, kPackageStoreSize - 1);
            for (int i = from; i <= range.last; ++i) {
                const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
                print = FingerprintWords(o.w, print);
                if (o.kind() == kKindText)
                    print = FingerprintBytes(boundedText(o.data), print);
                else if (o.kind() == kKindPolygon)
                    print = FingerprintBytes(vertexBytes(o), print);
            }
            e.print = print;
            e.printed = true;
        }
        return e.print;
    }

    // How far from the part's anchor the package's objects reach at any rotation and mirror;
    // no value when one of them reaches anywhere.
    std::optional<int64_t> radius(int n)
    {
        Entry& e = entry(n);
        if (!e.measured) {
            e.radius = measure(n);
            e.measured = true;
        }
        return e.radius;
    }

private:
    struct Entry {
        bool printed = false;
        bool measured = false;
        uint64_t print = 0;
        std::optional<int64_t> radius;
    };

    Entry& entry(int n)
    {
        if (entries_.empty())
            entries_.resize(kPackageTableSize);
        return entries_[static_cast<size_t>(n)];
    }

    static std::optional<int64_t> measure(int n)
    {
        int64_t radius = 0;
        const ObjectRange range = packageRange(n);
        for (int i = range.first; i <= range.last; ++i) {
            const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
            Found found = reachOf(o, kPackageLineWidth);
            if (o.kind() == kKindText && found.reach == SlotExtent::Reach::kBox) {
                // Package texts are pin labels in the pin font or silk in the stroke font, whose
                // sizes 3 and 6 draw as size 0.
                const size_t length = boundedText(o.data).size();
                const int size = (o.w[2] >> 8) & 0x7F;
                const int drawn = size == 3 || size == 6 ? 0 : o.w[2] >> 8;
                const int64_t r = std::max(strokeTextReach(length, drawn), fontTextReach(length));
                found.box = around(o.w[0], o.w[1], r, r);
            }
            if (found.reach == SlotExtent::Reach::kAnywhere)
                return std::nullopt;
            if (found.reach == SlotExtent::Reach::kBox) {
                const Reach& b = found.box;
                // Package points are placed about the package origin; turning keeps every point
                // within its x and y distances from it added.
                const int64_t dx = std::max(magnitude(b.left - kPackageOriginX), magnitude(b.right - kPackageOriginX));
                const int64_t dy = std::max(magnitude(b.top - kPackageOriginY), magnitude(b.bottom - kPackageOriginY));
                radius = std::max(radius, dx + dy);
            }
        }
        return radius;
    }

    std::vector<Entry> entries_;
};

bool resolvedPart(const BoardObject& o)
{
    return o.isPart() && o.kind() != kKindPart && o.package() <= std::min(g_packages.count, kMaxPackages);
}

SlotExtent partExtent(const BoardObject& part, PackageReaches& packages)
{
    if (!resolvedPart(part))
        return SlotExtent::anywhere();
    const std::optional<int64_t> body = packages.radius(part.package());
    const std::string_view name = boundedText(part.data);
    if (!body || name.size() >= kMaxMeasuredText)
        return SlotExtent::anywhere();
    const int64_t label = magnitude(int64_t{part.w[2]} - kPackageOriginX) + magnitude(int64_t{part.w[3]} - kPackageOriginY)
                          + strokeTextReach(name.size() + kLabelBeyondName, g_boardSettings.lib_font);
    const int64_t r = *body + label;
    return extentOf(around(part.w[0], part.w[1], r, r));
}

SlotExtent extentOf(const BoardObject& o, PackageReaches& packages)
{
    if (o.isPart())
        return partExtent(o, packages);
    const Found found = reachOf(o, 0);
    switch (found.reach) {
    case SlotExtent::Reach::kBox: return extentOf(found.box);
    case SlotExtent::Reach::kAnywhere: return SlotExtent::anywhere();
    default: return SlotExtent::nothing();
    }
}

// Words 0 to 7 hold everything an extent is taken from (positions, sizes, kind and layer,
// style, rotation, pen); the words after them (a label's measured width, net and link numbers)
// never move what is painted, and leaving them out halves the refresh of a large store.
constexpr size_t kExtentWords = 8;

// What a text's, polygon's or part's fingerprint adds to that of its words: its string, its
// vertices, its label and package. Kept out of line, so that the walk over a store's traces
// and pads stays a tight loop.
[[gnu::noinline]] uint64_t withHeapData(const BoardObject& o, uint64_t print, PackageReaches& packages)
{
    if (o.kind() == kKindText)
        return FingerprintBytes(boundedText(o.data), print);
    if (o.kind() == kKindPolygon)
        return FingerprintBytes(vertexBytes(o), print);
    if (o.kind() == kKindOutline)
        return FingerprintBytes(segmentBytes(o), print);
    const uint64_t named = FingerprintBytes(boundedText(o.data), print);
    if (!resolvedPart(o))
        return named;
    const uint64_t package = packages.print(o.package());
    const std::array<int32_t, 2> halves = {static_cast<int32_t>(package), static_cast<int32_t>(package >> 32)};
    return FingerprintWords(halves, named);
}

[[gnu::always_inline]] inline uint64_t fingerprintOf(const BoardObject& o, uint64_t seed, PackageReaches& packages)
{
    const uint64_t print = FingerprintWords(std::span<const int32_t, kExtentWords>(o.w.data(), kExtentWords), seed);
    const int kind = o.kind();
    if (kind != kKindText && kind != kKindPolygon && kind != kKindOutline && kind < kKindPart)
        return print;
    return withHeapData(o, print, packages);
}

}  // namespace

ExtentBox PaintArea(const plat::Dc& dc)
{
    plat::Rect clip;
    dc.GetClipBox(clip);
    const plat::Point origin = dc.DPtoLP(plat::Point{0, 0});
    const plat::Point far = dc.DPtoLP(plat::Point{kSlackPixels, kSlackPixels});
    const int64_t pixels = std::max(magnitude(int64_t{far.x} - origin.x), magnitude(int64_t{far.y} - origin.y));
    const int64_t slack = pixels + 4 * std::max<int64_t>(1, g_view.zoomDivisor)
                          + magnitude(ScreenLength(g_boardSettings.mask)) + kRoundingSlack + 1;
    const int64_t u = BoardUnitsPerLogical();
    const int64_t left = std::min(clip.left, clip.right), right = std::max(clip.left, clip.right);
    const int64_t top = std::min(clip.top, clip.bottom), bottom = std::max(clip.top, clip.bottom);
    return {saturated((left - slack) * u), saturated((top - slack) * u), saturated((right + slack) * u),
            saturated((bottom + slack) * u)};
}

bool MayPaintIn(const SlotExtent& extent, const ExtentBox& area)
{
    return extent.reach == SlotExtent::Reach::kAnywhere
           || (extent.reach == SlotExtent::Reach::kBox && extent.box.meets(area));
}

SlotExtent PaintExtentOf(const BoardObject& o)
{
    PackageReaches packages;
    return extentOf(o, packages);
}

void PaintCandidates(ExtentIndex& index, const BoardObject* store, int count, const ExtentBox& area,
                     std::vector<int>& slots)
{
    // The label and pin fonts size what parts and thermal pads draw: a change files all again.
    const std::array<int32_t, 2> fonts = {g_boardSettings.lib_font, g_boardSettings.pin_font};
    const uint64_t seed = FingerprintWords(fonts);
    PackageReaches packages;
    index.refresh(
        store == nullptr ? 0 : count,
        [&](int slot) { return fingerprintOf(store[slot], seed, packages); },
        [&](int slot) { return extentOf(store[slot], packages); });
    index.query(area, slots);

}
