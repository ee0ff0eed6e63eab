#include "tracelyn/route/layer_artwork.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/stroke_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kOutlineWidth = 10;
constexpr int kCurveSteps = 72;
constexpr int kMaxPolygonVertices = 100000;

bool isCopper(int layer)
{
    return layer >= 0 && layer <= 15;
}

// Whether an object on `objectLayer` belongs to the film of `layer`.
bool onFilm(int objectLayer, int layer)
{
    return objectLayer == layer || (objectLayer == kLayerAll && isCopper(layer));
}

// The side a pad's mask and paste belong to: 18 and 20 take the top and all layers, 19 and 21
// the inner and bottom layers and all layers.
bool onPadSide(int padLayer, int layer)
{
    const bool top = layer == kLayerMaskTop || layer == kLayerPasteTop;
    if (padLayer == kLayerAll)
        return true;
    return top ? padLayer == kLayerTop : padLayer >= 1 && padLayer <= 15;
}

// A pad as it sits on the board: centre, sizes, hole, turn and the layer it is on.
struct PlacedPad {
    int32_t x = 0, y = 0;
    int shape = 0;
    int32_t xs = 0, ys = 0, hole = 0;
    int rotation = 0;       // tenths of a degree from 8 up; below 8 not turned
    int mirror = 0;
    int layer = 0;
};

class PadFilm {
public:
    PadFilm(ArtworkSink& sink, const PlacedPad& pad) : sink_(sink), pad_(pad) {}

    // The copper of the pad: flashed where an aperture has its shape, else drawn.
    void copper()
    {
        int shape = pad_.shape;
        if ((shape == kPadVia || shape == kPadLayerPair) && g_boardSettings.RoundVias != 0)
            shape = kPadRound;
        switch (shape) {
        case kPadRound:
            flashRound(pad_.xs);
            break;
        case kPadOblong:
            solid(kApertureOval, pad_.xs, pad_.ys, 0);
            break;
        case kPadRect:
        case kPadRectHole:
            solid(kApertureRectangle, pad_.xs, pad_.ys, 0);
            break;
        case kPadFinger:
            finger(0);
            break;
        case kPadVia:
        case kPadLayerPair: {
            const int half = viaHalf();
            solid(kApertureRectangle, 2 * half, 2 * half, 0);
            break;
        }
        case kPadCross:
            ring(pad_.xs / 2);
            line(-pad_.xs / 2, 0, pad_.xs / 2, 0);
            line(0, -pad_.ys / 2, 0, pad_.ys / 2);
            break;
        case kPadThermal:
            line(pad_.hole / 2, 0, pad_.xs / 2, 0);
            line(-pad_.hole / 2, 0, -pad_.xs / 2, 0);
            line(0, pad_.hole / 2, 0, pad_.ys / 2);
            line(0, -pad_.hole / 2, 0, -pad_.ys / 2);
            break;
        default:
            break;
        }
    }

    // The solder-mask opening: the pad's outline grown by the mask clearance on every side.
    void mask(int32_t grow)
    {
        switch (pad_.shape) {
        case kPadVia:
        case kPadLayerPair:
            if (g_boardSettings.viamode == kViaModeMaskSquare) {
                const int half = viaHalf() + grow;
                solid(kApertureRectangle, 2 * half, 2 * half, 0);
            }
            break;
        case kPadThermal:
            break;
        case kPadOblong:
            solid(kApertureOval, pad_.xs, pad_.ys, grow);
            break;
        case kPadRect:
        case kPadRectHole:
            solid(kApertureRectangle, pad_.xs, pad_.ys, grow);
            break;
        case kPadFinger:
            finger(grow);
            break;
        default:
            flashRound(pad_.xs + 2 * grow);
            break;
        }
    }

    // Paste goes on the flat (rectangular) pads only.
    void paste()
    {
        if (pad_.shape == kPadRect || pad_.shape == kPadRectHole)
            solid(kApertureRectangle, pad_.xs, pad_.ys, 0);
    }

private:
    bool turned() const { return pad_.rotation >= 8; }
    int quarterTurns() const { return turned() && pad_.rotation % 900 == 0 ? (pad_.rotation / 900) % 4 : 0; }
    bool orthogonal() const { return !turned() || pad_.rotation % 900 == 0; }

    int viaHalf() const { return pad_.xs == 0 ? 5 : (pad_.xs + pad_.ys) / 4; }

    std::array<int32_t, 2> at(int dx, int dy) const
    {
        int32_t x = pad_.x + dx, y = pad_.y + dy;
        if (turned())
            RotatePoint(pad_.x, pad_.y, x, y, pad_.rotation * kTenthDegree, pad_.mirror);
        return {x, y};
    }

    void flashRound(int32_t diameter)
    {
        sink_.flash(pad_.x, pad_.y, {kApertureRound, std::max(diameter, 1), std::max(diameter, 1)});
    }

    // A rectangle or oval of xs x ys grown on every side; turned by quarters it stays a flash.
    void solid(int32_t shape, int32_t xs, int32_t ys, int32_t grow)
    {
        xs = std::max(xs + 2 * grow, 1);
        ys = std::max(ys + 2 * grow, 1);
        if (orthogonal()) {
            if (quarterTurns() % 2 == 1)
                std::swap(xs, ys);
            sink_.flash(pad_.x, pad_.y, {shape, xs, ys});
            return;
        }
        if (shape == kApertureRectangle) {
            rect(-xs / 2, -ys / 2, xs / 2, ys / 2);
            return;
        }
        // A turned oval: its straight middle as a turned rectangle, its round ends flashed.
        const int32_t d = std::min(xs, ys);
        const int32_t runX = (xs - d) / 2, runY = (ys - d) / 2;
        if (xs >= ys)
            rect(-runX, -d / 2, runX, d / 2);
        else
            rect(-d / 2, -runY, d / 2, runY);
        for (const int s : {-1, 1}) {
            const auto [x, y] = at(s * runX, s * runY);
            sink_.flash(x, y, {kApertureRound, d, d});
        }
    }

    void rect(int left, int top, int right, int bottom)
    {
        const auto a = at(left, top), b = at(right, top), c = at(right, bottom), d = at(left, bottom);
        const std::array<int32_t, 8> points = {a[0], a[1], b[0], b[1], c[0], c[1], d[0], d[1]};
        sink_.region(points);
    }

    void finger(int32_t grow)
    {
        const int hw = pad_.xs / 2 + grow;
        rect(-hw, -grow, hw, pad_.ys + grow);
        flashRound(2 * hw);
    }

    void line(int x1, int y1, int x2, int y2)
    {
        const auto a = at(x1, y1), b = at(x2, y2);
        sink_.line(a[0], a[1], b[0], b[1], 1);
    }

    // A thin circle of four quarter arcs.
    void ring(int r)
    {
        const int x = pad_.x, y = pad_.y;
        sink_.arc(x - r, y, x, y - r, 1);
        sink_.arc(x + r, y, x, y - r, 1);
        sink_.arc(x + r, y, x, y + r, 1);
        sink_.arc(x - r, y, x, y + r, 1);
    }

    ArtworkSink& sink_;
    const PlacedPad& pad_;
};

void padOnLayer(ArtworkSink& sink, const PlacedPad& pad, int layer)
{
    PadFilm film(sink, pad);
    if (isCopper(layer)) {
        const bool pairVia = pad.shape == kPadLayerPair && pad.layer + 1 == layer;
        if (onFilm(pad.layer, layer) || pairVia)
            film.copper();
    } else if (layer == kLayerMaskTop || layer == kLayerMaskBottom) {
        if (onPadSide(pad.layer, layer))
            film.mask(g_boardSettings.mask);
    } else if (layer == kLayerPasteTop || layer == kLayerPasteBottom) {
        if (onPadSide(pad.layer, layer))
            film.paste();
    } else if (pad.layer == layer) {
        film.copper();
    }
}

// Points of an ellipse, counter-clockwise from its right end.
std::vector<int32_t> ellipsePoints(int x, int y, int rx, int ry)
{
    std::vector<int32_t> points;
    points.reserve(2 * kCurveSteps);
    for (int i = 0; i < kCurveSteps; ++i) {
        const double t = 2 * std::numbers::pi * i / kCurveSteps;
        points.push_back(x + static_cast<int32_t>(std::lround(rx * std::cos(t))));
        points.push_back(y + static_cast<int32_t>(std::lround(ry * std::sin(t))));
    }
    return points;
}

void closedOutline(ArtworkSink& sink, std::span<const int32_t> points, int width)
{
    const size_t n = points.size() / 2;
    for (size_t i = 0; n >= 2 && i < n; ++i) {
        const size_t k = (i + 1) % n;
        sink.line(points[2 * i], points[2 * i + 1], points[2 * k], points[2 * k + 1], width);
    }
}

void shape(ArtworkSink& sink, std::span<const int32_t> points, int fill, int width)
{
    if (fill == 1)
        sink.region(points);
    else
        closedOutline(sink, points, width);
}

void ellipse(ArtworkSink& sink, int x, int y, int rx, int ry, int fill, int width)
{
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (rx == ry && fill == 1) {
        sink.flash(x, y, {kApertureRound, std::max(2 * rx, 1), std::max(2 * rx, 1)});
    } else if (rx == ry) {
        sink.arc(x - rx, y, x, y - rx, width);
        sink.arc(x + rx, y, x, y - rx, width);
        sink.arc(x + rx, y, x, y + rx, width);
        sink.arc(x - rx, y, x, y + rx, width);
    } else {
        shape(sink, ellipsePoints(x, y, rx, ry), fill, width);
    }
}

// A rectangle with its corner at (x, y), w x h, turned about the corner and mirrored in x.
std::array<int32_t, 8> rectCorners(int x, int y, int w, int h, int rotation, int mirror)
{
    std::array<int32_t, 8> c = {x, y, x + w, y, x + w, y + h, x, y + h};
    for (size_t i = 0; i < 8; i += 2) {
        if (rotation >= 7 || mirror)
            RotatePoint(x, y, c[i], c[i + 1], rotation * kTenthDegree, mirror);
    }
    return c;
}

void strokeText(ArtworkSink& sink, int x, int y, std::string_view text, int style, int angleWord)
{
    WalkStrokeText(x, y, text, style, angleWord & 0xFFF, (angleWord >> 12) & 1, false,
                   [&](const StrokeSegment& s) {
                       // Turned glyphs are plotted as straight strokes.
                       if (s.type == kStrokeArc && s.angle < 2)
                           sink.cornerArc(s.x1, s.y1, s.x2, s.y2, s.width);
                       else
                           sink.line(s.x1, s.y1, s.x2, s.y2, s.width);
                   });
}

void polygon(ArtworkSink& sink, const BoardObject& o, int fill, int width,
             const std::function<std::array<int32_t, 2>(int32_t, int32_t)>& place)
{
    if (o.points() == nullptr)
        return;
    const int n = std::clamp(o.w[2], 0, kMaxPolygonVertices);
    std::vector<int32_t> points;
    points.reserve(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto p = place(o.points()[2 * i], o.points()[2 * i + 1]);
        points.push_back(p[0]);
        points.push_back(p[1]);
    }
    shape(sink, points, fill, width);
}

void boardObject(ArtworkSink& sink, const BoardObject& o, int layer)
{
    const int width = std::max(o.w[7], 1);
    switch (o.kind()) {
    case kKindLine:
        sink.line(o.w[0], o.w[1], o.w[2], o.w[3], width);
        break;
    case kKindArc:
        sink.cornerArc(o.w[0], o.w[1], o.w[2], o.w[3], width);
        break;
    case kKindRectangle: {
        const int rotation = (o.w[5] >> 2) & 0xFFF;
        const int mirror = (o.w[5] >> 15) & 1;
        const int w = mirror && rotation < 7 ? -o.w[2] : o.w[2];
        shape(sink, rectCorners(o.w[0], o.w[1], w, o.w[3], rotation, rotation < 7 ? 0 : mirror), o.w[6], width);
        break;
    }
    case kKindEllipse:
        ellipse(sink, o.w[0], o.w[1], o.w[2], o.w[3], o.w[6], width);
        break;
    case kKindPolygon:
        polygon(sink, o, o.w[6], width, [](int32_t x, int32_t y) { return std::array<int32_t, 2>{x, y}; });
        break;
    case kKindText:
        if (o.text() != nullptr)
            strokeText(sink, o.w[0], o.w[1], o.text(), o.w[2], o.w[3]);
        break;
    case kKindPad: {
        PlacedPad pad{o.w[0], o.w[1], o.w[5] & 15, o.w[2], o.w[3], o.w[6], o.w[5] >> 3, 0, o.layer()};
        padOnLayer(sink, pad, layer);
        break;
    }
    default:
        break;
    }
}

// The sides of the silk screen a part's drawing goes on.
bool partSilkOn(const BoardObject& part, int layer)
{
    const int partLayer = part.layer();
    if (partLayer < 0)
        return false;
    if (layer == kLayerSilkTop)
        return partLayer == kLayerTop || partLayer == kLayerAll;
    if (partLayer == kLayerAll)
        return part.w[5] != -1 && (part.w[5] & 0x20) != 0;
    return partLayer != kLayerTop;
}

class PartFilm {
public:
    PartFilm(ArtworkSink& sink, int index, int layer)
        : sink_(sink), index_(index), part_(g_board.objects[index]), layer_(layer), rotation_(part_.w[6] & 0xFFF),
          mirror_((part_.w[6] >> 12) & 1)
    {
    }

    void walk()
    {
        PartSection range;
        if (!PartSectionRange(part_, range))
            return;
        const CurrentPart saved = g_partPosition;
        g_partPosition = {part_.w[0], part_.w[1]};
        const bool silk = (layer_ == kLayerSilkTop || layer_ == kLayerSilkBottom) && partSilkOn(part_, layer_);
        for (int i = std::max(range.first, 0); i <= range.last; ++i) {
            const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
            sink_.from({index_, i});
            if (o.kind() == kKindPad)
                pad(o);
            else if (silk)
                drawing(o);
        }
        if (silk) {
            sink_.from({index_, kArtworkPartLabel});
            label(range);
        }
        g_partPosition = saved;
    }

private:
    std::array<int32_t, 2> place(int32_t x, int32_t y) const
    {
        int32_t ox = 0, oy = 0;
        TransformPoint(x, y, ox, oy, rotation_, mirror_, true);
        return {ox, oy};
    }

    void pad(const BoardObject& o)
    {
        const auto [x, y] = place(o.w[0], o.w[1]);
        // Pads drilled through every layer keep their own layer; the others go where the part is.
        const int padLayer = o.layer() == kLayerAll ? kLayerAll : part_.layer();
        PlacedPad p{x, y, o.w[5] & 15, o.w[2], o.w[3], o.w[6], rotation_, mirror_, padLayer};
        padOnLayer(sink_, p, layer_);
    }

    void drawing(const BoardObject& o)
    {
        const int width = o.w[7] > 0 ? o.w[7] : kPackageLineWidth;
        const auto a = place(o.w[0], o.w[1]);
        switch (o.kind()) {
        case kKindLine: {
            const auto b = place(o.w[2], o.w[3]);
            sink_.line(a[0], a[1], b[0], b[1], width);
            break;
        }
        case kKindArc: {
            const auto b = place(o.w[2], o.w[3]);
            const bool swap = (rotation_ >= 450 && rotation_ < 1350) || (rotation_ >= 2250 && rotation_ < 3150);
            if (swap)
                sink_.cornerArc(b[0], b[1], a[0], a[1], width);
            else
                sink_.cornerArc(a[0], a[1], b[0], b[1], width);
            break;
        }
        case kKindRectangle: {
            const std::array<int32_t, 4> local = {o.w[0], o.w[1], o.w[0] + o.w[2], o.w[1] + o.w[3]};
            const auto p1 = place(local[0], local[1]), p2 = place(local[2], local[1]);
            const auto p3 = place(local[2], local[3]), p4 = place(local[0], local[3]);
            const std::array<int32_t, 8> corners = {p1[0], p1[1], p2[0], p2[1], p3[0], p3[1], p4[0], p4[1]};
            shape(sink_, corners, o.w[6], width);
            break;
        }
        case kKindEllipse: {
            int32_t rx = o.w[2], ry = o.w[3];
            if (std::abs(rotation_ - 900) < 300 || std::abs(rotation_ - 2700) < 300)
                std::swap(rx, ry);
            ellipse(sink_, a[0], a[1], rx, ry, 0, width);
            break;
        }
        case kKindPolygon:
            polygon(sink_, o, o.w[6], width, [this](int32_t x, int32_t y) { return place(x, y); });
            break;
        case kKindText:
            if (o.text() != nullptr && o.w[6] != 3 && g_boardSettings.pin_font != kPinFontHidesTexts
                && !IsNamePlaceholder(o)) {
                const int sizeIndex = (o.w[2] >> 8) & 0x7F;
                const int style = sizeIndex == 3 || sizeIndex == 6 ? 0 : o.w[2];
                strokeText(sink_, a[0], a[1], o.text(), style, textAngle());
            }
            break;
        default:
            break;
        }
    }

    int textAngle() const
    {
        int angle = rotation_ == 0 ? 0 : 3600 - rotation_;
        if (mirror_)
            angle |= 0x1000;
        return angle;
    }

    void label(const PartSection& range)
    {
        if (part_.text() == nullptr || part_.text()[0] == '\0' || range.count < 1)
            return;
        bool valueOnlyEmpty = false;
        std::string text = PartReferenceLabel(part_, range.sections, range.section, valueOnlyEmpty);
        if (text.empty() || valueOnlyEmpty)
            return;
        for (char& c : text)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        const auto at = place(part_.w[2], part_.w[3]);
        strokeText(sink_, at[0], at[1], text, g_boardSettings.lib_font * 256 + 1, PartLabelAngle(part_));
    }

    ArtworkSink& sink_;
    int index_;
    const BoardObject& part_;
    int layer_;
    int rotation_;
    int mirror_;
};

void outline(ArtworkSink& sink, const BoardObject& o)
{
    const int32_t* block = o.points();
    if (block == nullptr)
        return;
    const int segments = std::clamp(o.w[2], 0, kMaxOutlineSegments);
    for (int s = 0; s < segments; ++s) {
        const int32_t* seg = block + s * kSegmentWords;
        // Arcs bend as the view draws them; one drawn the other way is the same corner arc
        // taken from its other end.
        if (seg[4] == kSegmentArc)
            sink.cornerArc(seg[0], seg[1], seg[2], seg[3], kOutlineWidth);
        else if (seg[4] == kSegmentArcReversed)
            sink.cornerArc(seg[2], seg[3], seg[0], seg[1], kOutlineWidth);
        else
            sink.line(seg[0], seg[1], seg[2], seg[3], kOutlineWidth);
    }
}

}  // namespace

bool IsPlotLayer(int layer)
{
    return (layer >= 0 && layer <= 23) || (layer >= kLayerOutline && layer <= kLayerPower4);
}

void WalkLayerArtwork(int layer, ArtworkSink& sink)
{
    if (g_board.objects == nullptr)
        return;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        const int kind = o.kind();
        sink.from({i, 0});
        if (kind == kKindOutline) {
            if (layer == kLayerOutline)
                outline(sink, o);
        } else if (kind > kKindPart) {
            PartFilm(sink, i, layer).walk();
        } else if (kind == kKindPad) {
            boardObject(sink, o, layer);
        } else if (kind != kKindDeleted && kind != kKindNoRoute && kind != kKindMarker
                   && kind != kKindFixedRectangle && onFilm(o.layer(), layer)) {
            boardObject(sink, o, layer);
        }
    }
}

void WalkDrillHits(const std::function<void(const DrillHit&)>& sink)
{
    if (g_board.objects == nullptr)
        return;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindPad) {
            if (o.w[6] > 0 && (o.w[5] & 15) != kPadRect)
                sink({o.w[0], o.w[1], o.w[6]});
            continue;
        }
        PartSection range;
        if (o.kind() <= kKindPart || !PartSectionRange(o, range))
            continue;
        const CurrentPart saved = g_partPosition;
        g_partPosition = {o.w[0], o.w[1]};
        for (int k = std::max(range.first, 0); k <= range.last; ++k) {
            const BoardObject& p = g_packages.objects[static_cast<size_t>(k)];
            if (p.kind() != kKindPad || p.w[6] <= 0 || (p.w[5] & 15) == kPadRect)
                continue;
            int32_t x = 0, y = 0;
            TransformPoint(p.w[0], p.w[1], x, y, o.w[6] & 0xFFF, (o.w[6] >> 12) & 1, true);
            sink({x, y, p.w[6]});
        }
        g_partPosition = saved;
    }
}
