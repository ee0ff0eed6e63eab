#include "schemora/core/object_reach.h"

#include "schemora/core/current_document.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/text_painter.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <span>
#include <string>

namespace {

// A box in 64 bits, so that hostile coordinates grow without overflow.
struct WideBox {
    int64_t left, top, right, bottom;

    WideBox grown(int64_t by) const { return {left - by, top - by, right + by, bottom + by}; }
    WideBox joined(const WideBox& o) const
    {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
};

WideBox wideBox(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

WideBox around(int64_t x, int64_t y, int64_t radius) { return wideBox(x - radius, y - radius, x + radius, y + radius); }

int32_t clamped(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// A wire with a first label (its first byte is the low byte of the label's first word).
bool labelled(const DrawObject& o)
{
    return o.type() == kObjLine && (o.w[kFirstLabelWord] & 0xFF) != 0;
}

// Coordinates beyond this never come from a file (its words are 16 bits) or an edit (held to
// the file's range); below it the painters' arithmetic (an arc's bulge: thirty times a span, a
// line's end one unit further) stays inside 32 bits.
constexpr int64_t kDrawableLimit = int64_t{1} << 25;

bool inRange(int64_t v) { return v >= -kDrawableLimit && v <= kDrawableLimit; }

// The words of a record that are coordinates or sizes, by kind.
bool geometryInRange(const DrawObject& o)
{
    const int type = o.type();
    if (!inRange(o.w[0]) || !inRange(o.w[1]))
        return false;
    if (type == kObjText || type == kObjDot || type == kObjRing || type == 3)
        return true;
    if (!inRange(o.w[2]) || !inRange(o.w[3]))
        return false;
    if (type == kObjLine)
        return inRange(o.w[11]) && inRange(o.w[12]) && inRange(o.w[16]) && inRange(o.w[17]);
    if (type == kObjPolygon && o.text) {
        const int count = std::clamp(o.pointCount(), 0, kPolygonPoints);
        for (int i = 0; i < count; ++i)
            if (!inRange(o.pointX(i)) || !inRange(o.pointY(i)))
                return false;
    }
    return true;
}

// The longest arrow head of the widest pen: heads of style 2, (w / 2 + 7) * 6 units long.
int64_t arrowHeadReach(const DrawObject& o) { return ((o.w[6] & 0xFF) / 2 + 7) * 6 + 1; }

// The points the painter draws (their count clamped as it clamps it); nothing without a block.
std::optional<WideBox> polygonReach(const DrawObject& o)
{
    const int count = std::clamp(o.pointCount(), 0, kPolygonPoints);
    if (!o.text || count == 0)
        return WideBox{0, 0, 0, 0};
    WideBox box = wideBox(o.pointX(0), o.pointY(0), o.pointX(0), o.pointY(0));
    for (int i = 1; i < count; ++i)
        box = box.joined(wideBox(o.pointX(i), o.pointY(i), o.pointX(i), o.pointY(i)));
    return box;
}

// The box an object's painter can touch, in drawing units before its pen is added; nothing where
// the reach is not known without drawing.
std::optional<WideBox> shapeReach(const DrawObject& o)
{
    const int64_t x1 = o.w[0], y1 = o.w[1], w2 = o.w[2], w3 = o.w[3];
    switch (o.type()) {
    case kObjLine:
        if (labelled(o))
            return std::nullopt;
        return wideBox(x1, y1, w2, w3);
    case kObjBus: return wideBox(x1, y1, w2, w3).grown(kBusWidth);
    case kObjRectangle: return wideBox(x1, y1, (o.w[7] & kRectMirrorBit) ? x1 - w2 : x1 + w2, y1 + w3);
    case 3: return around(x1, y1, kSmallCircleRadius);
    case kObjEllipse: return wideBox(x1 - w2, y1 - w3, x1 + w2, y1 + w3);
    case kObjDot: return around(x1, y1, kDotRadius);
    case kObjRing: return around(x1, y1, kRingOuter);
    case kObjArrow: return wideBox(x1, y1, w2, w3).grown(arrowHeadReach(o));
    // The arc's ellipse reaches at most three times the span between its ends past them.
    case kObjArc: return wideBox(x1, y1, w2, w3).grown(3 * (std::abs(w2 - x1) + std::abs(w3 - y1)) + 1);
    // Turned (and mirrored) about the first point, every corner stays within the sum of the
    // sizes from it.
    case kObjRoundRect: case kObjTriangle: return around(x1, y1, std::abs(w2) + std::abs(w3) + 1);
    case kObjPolygon: return polygonReach(o);
    default: return std::nullopt;
    }
}

// The pen and a few pixels for rounding, at `zoom` units per pixel.
int64_t penGrowth(const DrawObject& o, int64_t zoom) { return ((o.w[6] & 0xFF) + kRingPen + 4) * zoom; }

// The coarsest zoom: index extents hold at every zoom.
int64_t coarsestZoom() { return *std::max_element(kZoomDivisors.begin(), kZoomDivisors.end()); }

ExtentBox narrowed(const WideBox& b) { return {clamped(b.left), clamped(b.top), clamped(b.right), clamped(b.bottom)}; }

// A labelled wire: its line, the terminal mark at one end and its labels.
WideBox labelledWireReach(plat::Dc& dc, const DrawObject& o)
{
    WideBox box = wideBox(o.w[0], o.w[1], o.w[2], o.w[3]);
    const int angle = o.w[0] == o.w[2] ? 900 : 0;
    const std::string first = InlineText(o, kFirstLabelWord, kFirstLabelBytes);
    box = box.joined(around(o.w[11], o.w[12], TextReach(dc, first, 0, angle, kRoleText)));
    const std::string second = InlineText(o, kSecondLabelWord, kSecondLabelBytes);
    if (!second.empty())
        box = box.joined(around(o.w[16], o.w[17], TextReach(dc, second, 0, angle, kRoleText)));
    return box;
}

}  // namespace

bool WithinDrawableRange(const DrawObject& o) { return geometryInRange(o); }

bool MayTouchClip(const DrawObject& o, const plat::Rect& clip)
{
    const std::optional<WideBox> reach = shapeReach(o);
    if (!reach)
        return true;
    const WideBox r = reach->grown(penGrowth(o, g_current.zoom()));
    return r.left <= clip.right && r.right >= clip.left && r.top <= clip.bottom && r.bottom >= clip.top;
}

uint64_t MeasureScaleOf(const plat::Dc& dc)
{
    constexpr int kSpan = 1 << 16;
    const plat::Point a = dc.LPtoDP(plat::Point{0, 0});
    const plat::Point b = dc.LPtoDP(plat::Point{kSpan, kSpan});
    const int32_t words[] = {b.x - a.x, b.y - a.y, g_current.zoomFactor};
    uint64_t print = FingerprintWords(words);
    // Fonts numbered past the built-in ones come from the settings.
    for (const FontEntry& font : g_settings.fontTable)
        print = FingerprintBytes(font.face, print ^ (uint64_t{font.charSet} << 8 | font.pitchAndFamily));
    return print;
}

uint64_t PaintFingerprint(const DrawObject& o, uint64_t scale)
{
    // Extents depend on words 0 to 7 (points, sizes, kind, pen, mirror bit), a wire's labels on
    // words 11 to 22, a text's on its string and a polygon's on its point block.
    constexpr size_t kShapeWords = 8;
    const std::span<const int32_t> words(o.w);
    const int type = o.type();
    if (type == kObjText) {
        // The painter stores the measured height in word 6; it does not move the text.
        std::array<int32_t, kShapeWords> shape{};
        std::copy_n(o.w.begin(), kShapeWords, shape.begin());
        shape[6] = 0;
        return FingerprintBytes(o.text ? std::string_view(o.text) : std::string_view(), FingerprintWords(shape, scale));
    }
    const uint64_t print = FingerprintWords(words.first(kShapeWords));
    if (type == kObjPolygon)
        return o.text ? FingerprintBytes(std::string_view(o.text, kPointBlockBytes), print) : print;
    if (type != kObjLine)
        return print;
    const uint64_t labels = FingerprintWords(words.subspan(11, 12), print);
    return labelled(o) ? labels ^ scale : labels;
}

SlotExtent PaintExtent(plat::Dc& dc, const DrawObject& o)
{
    const int type = o.type();
    if (type == kObjDeleted || !geometryInRange(o))
        return SlotExtent::nothing();
    const int64_t slack = 4 * coarsestZoom();
    if (type == kObjText) {
        const std::string_view text = o.text ? std::string_view(o.text) : std::string_view();
        const int64_t reach = TextReach(dc, text, o.w[2], o.w[3], kRoleText);
        return SlotExtent::inside(narrowed(around(o.w[0], o.w[1], reach + slack)));
    }
    if (labelled(o))
        return SlotExtent::inside(narrowed(labelledWireReach(dc, o).grown(penGrowth(o, coarsestZoom()) + slack)));
    if (const std::optional<WideBox> reach = shapeReach(o))
        return SlotExtent::inside(narrowed(reach->grown(penGrowth(o, coarsestZoom()))));
    // Parts resolve their symbols and labels while painting: they always reach their painter.
    return SlotExtent::anywhere();
}

ExtentBox ExtentBoxOf(const plat::Rect& r)
{
    const plat::Rect n = r.normalized();
    return {n.left, n.top, n.right, n.bottom};
}
