#include "platform/gdi/dc.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace plat {

namespace {

int sign(int v) { return v < 0 ? -1 : 1; }

// A shape drawn within a device box: rectangles, ellipses, arcs and their kin.
DeviceShape boxShape(ShapeKind kind, const Rect& box)
{
    DeviceShape shape;
    shape.kind = kind;
    shape.box = box;
    return shape;
}

}  // namespace

Dc::Dc()
{
    s_.pen = stockPen(kBlackPen);
    s_.brush = stockBrush(kWhiteBrush);
    s_.font = stockFont(kSystemFont);
    s_.palette = defaultPalette();
}

Dc::~Dc() = default;

void Dc::record(std::string_view name, std::initializer_list<int> args, unsigned uses, bool drawing,
                std::string_view text)
{
    onCall(CallNote{name, std::vector<int>(args), std::string(text), uses, drawing});
}

void Dc::recordPoints(std::string_view name, std::initializer_list<int> head, std::span<const Point> points,
                      unsigned uses, std::string_view text)
{
    std::vector<int> args(head);
    for (const Point& p : points)
        args.insert(args.end(), {p.x, p.y});
    onCall(CallNote{name, std::move(args), std::string(text), uses, true});
}

// --- mapping ---------------------------------------------------------------------------------

int Dc::SetMapMode(int mode)
{
    const int old = s_.mapMode;
    if (mode != kMmText && mode != kMmIsotropic && mode != kMmAnisotropic)
        return 0;
    note("SetMapMode", {mode}, kUsesNone, false);
    s_.mapMode = mode;
    if (mode == kMmText) {
        s_.windowExt = {1, 1};
        s_.viewportExt = {1, 1};
    } else if (mode == kMmIsotropic) {
        fixIsotropic();
    }
    extentsChanged();
    return old;
}

Point Dc::SetWindowOrg(int x, int y)
{
    return noteAndSet("SetWindowOrg", {x, y}, s_.windowOrg, Point{x, y});
}

Point Dc::SetViewportOrg(int x, int y)
{
    return noteAndSet("SetViewportOrg", {x, y}, s_.viewportOrg, Point{x, y});
}

Point Dc::OffsetViewportOrg(int dx, int dy)
{
    note("OffsetViewportOrg", {dx, dy}, kUsesNone, false);
    const Point old = s_.viewportOrg;
    s_.viewportOrg = {old.x + dx, old.y + dy};
    return old;
}

Size Dc::SetWindowExt(int cx, int cy) { return setExtent("SetWindowExt", s_.windowExt, cx, cy); }

Size Dc::SetViewportExt(int cx, int cy) { return setExtent("SetViewportExt", s_.viewportExt, cx, cy); }

// Extents mean nothing in text mode, and a zero extent would divide by zero: both are ignored.
Size Dc::setExtent(std::string_view name, Size& extent, int cx, int cy)
{
    const Size old = extent;
    if (s_.mapMode == kMmText || cx == 0 || cy == 0)
        return old;
    note(name, {cx, cy}, kUsesNone, false);
    extent = {cx, cy};
    if (s_.mapMode == kMmIsotropic)
        fixIsotropic();
    extentsChanged();
    return old;
}

// Both axes get the smaller of the two scales; the signs (mirroring) are kept.
void Dc::fixIsotropic()
{
    Size& v = s_.viewportExt;
    const Size w = s_.windowExt;
    const int64_t xs = int64_t(std::abs(v.cx)) * std::abs(w.cy);
    const int64_t ys = int64_t(std::abs(v.cy)) * std::abs(w.cx);
    if (xs < ys)
        v.cy = sign(v.cy) * std::max(1, mulDiv(std::abs(v.cx), std::abs(w.cy), std::abs(w.cx)));
    else if (ys < xs)
        v.cx = sign(v.cx) * std::max(1, mulDiv(std::abs(v.cy), std::abs(w.cx), std::abs(w.cy)));
}

void Dc::extentsChanged()
{
    s_.toDeviceX = FixedMulDiv(s_.viewportExt.cx, s_.windowExt.cx);
    s_.toDeviceY = FixedMulDiv(s_.viewportExt.cy, s_.windowExt.cy);
}

Point Dc::LPtoDP(Point p) const
{
    return Point{s_.toDeviceX(p.x - s_.windowOrg.x) + s_.viewportOrg.x, s_.toDeviceY(p.y - s_.windowOrg.y) + s_.viewportOrg.y};
}

Point Dc::DPtoLP(Point p) const
{
    return Point{mulDiv(p.x - s_.viewportOrg.x, s_.windowExt.cx, s_.viewportExt.cx) + s_.windowOrg.x,
                 mulDiv(p.y - s_.viewportOrg.y, s_.windowExt.cy, s_.viewportExt.cy) + s_.windowOrg.y};
}

void Dc::LPtoDP(std::span<Point> points) const
{
    for (Point& p : points)
        p = LPtoDP(p);
}

void Dc::DPtoLP(std::span<Point> points) const
{
    for (Point& p : points)
        p = DPtoLP(p);
}

Rect Dc::LPtoDP(const Rect& r) const
{
    const Point a = LPtoDP(Point{r.left, r.top});
    const Point b = LPtoDP(Point{r.right, r.bottom});
    return Rect{a.x, a.y, b.x, b.y};
}

Rect Dc::DPtoLP(const Rect& r) const
{
    const Point a = DPtoLP(Point{r.left, r.top});
    const Point b = DPtoLP(Point{r.right, r.bottom});
    return Rect{a.x, a.y, b.x, b.y};
}

int Dc::deviceLength(int logical, bool xAxis) const
{
    return std::abs((xAxis ? s_.toDeviceX : s_.toDeviceY)(logical));
}

Rect Dc::deviceBox(int left, int top, int right, int bottom) const
{
    return LPtoDP(Rect{left, top, right, bottom}).normalized();
}

// --- objects ---------------------------------------------------------------------------------

Pen Dc::SelectObject(const Pen& pen)
{
    Pen old = std::exchange(s_.pen, pen);
    note("SelectPen", {}, kUsesPen, false);
    return old;
}

Brush Dc::SelectObject(const Brush& brush)
{
    Brush old = std::exchange(s_.brush, brush);
    note("SelectBrush", {}, kUsesBrush, false);
    return old;
}

Font Dc::SelectObject(const Font& font)
{
    Font old = std::exchange(s_.font, font);
    note("SelectFont", {}, kUsesFont, false);
    return old;
}

Palette Dc::SelectPalette(const Palette& palette, bool forceBackground)
{
    Palette old = std::exchange(s_.palette, palette);
    note("SelectPalette", {palette.size(), forceBackground ? 1 : 0}, kUsesNone, false);
    return old;
}

int Dc::RealizePalette()
{
    note("RealizePalette", {}, kUsesNone, false);
    return s_.palette.size();
}

ColorRef Dc::resolveColor(ColorRef c) const
{
    if (isPaletteIndex(c))
        return s_.palette.rgbAt(int(c & 0xFFFF));
    return c & 0x00FFFFFF;
}

int Dc::SetROP2(int mode)
{
    if (mode < kR2Black || mode > kR2White)
        return 0;
    return noteAndSet("SetROP2", {mode}, s_.rop2, mode);
}

int Dc::SetBkMode(int mode)
{
    if (mode != kTransparent && mode != kOpaque)
        return 0;
    return noteAndSet("SetBkMode", {mode}, s_.bkMode, mode);
}

ColorRef Dc::SetBkColor(ColorRef c)
{
    return noteAndSet("SetBkColor", {int(c)}, s_.bkColor, c);
}

ColorRef Dc::SetTextColor(ColorRef c)
{
    return noteAndSet("SetTextColor", {int(c)}, s_.textColor, c);
}

unsigned Dc::SetTextAlign(unsigned align)
{
    return noteAndSet("SetTextAlign", {int(align)}, s_.textAlign, align);
}

int Dc::SetPolyFillMode(int mode)
{
    if (mode != kAlternate && mode != kWinding)
        return 0;
    return noteAndSet("SetPolyFillMode", {mode}, s_.polyFillMode, mode);
}

Point Dc::SetBrushOrg(int x, int y)
{
    return noteAndSet("SetBrushOrg", {x, y}, s_.brushOrg, Point{x, y});
}

DevicePen Dc::devicePen() const
{
    DevicePen p;
    p.visible = s_.pen.style != kPsNull;
    p.width = s_.pen.width == 0 ? 1 : std::max(1, deviceLength(s_.pen.width, true));
    // Dashes exist only for one-pixel pens; anything wider, or an unknown style, draws solid.
    p.style = (p.width == 1 && s_.pen.style >= kPsDash && s_.pen.style <= kPsDashDotDot)
                  ? s_.pen.style : kPsSolid;
    p.rgb = resolveColor(s_.pen.color);
    return p;
}

DeviceBrush Dc::deviceBrush(const Brush& brush) const
{
    DeviceBrush b;
    b.visible = brush.style != kBsNull;
    // Hatch numbers past the last pattern fill solid.
    b.hatched = brush.style == kBsHatched && brush.hatch >= kHsHorizontal && brush.hatch <= kHsDiagCross;
    b.hatch = brush.hatch;
    b.rgb = resolveColor(brush.color);
    return b;
}

DeviceState Dc::deviceState() const
{
    DeviceState st;
    st.pen = devicePen();
    st.brush = deviceBrush();
    st.rop2 = s_.rop2;
    st.bkMode = s_.bkMode;
    st.bkRgb = resolveColor(s_.bkColor);
    st.textRgb = resolveColor(s_.textColor);
    st.textAlign = s_.textAlign;
    st.brushOrg = s_.brushOrg;
    st.clip = effectiveClip();
    return st;
}

DeviceFont Dc::deviceFont() const
{
    DeviceFont f;
    f.font = s_.font;
    if (s_.font.height < 0)
        f.emHeight = std::max(1, deviceLength(s_.font.height, false));
    else if (s_.font.height > 0)
        f.cellHeight = std::max(1, deviceLength(s_.font.height, false));
    if (s_.font.width != 0)
        f.averageWidth = std::max(1, deviceLength(s_.font.width, true));
    return f;
}

// --- text ------------------------------------------------------------------------------------

void Dc::TextOut(int x, int y, std::string_view text)
{
    note("TextOut", {x, y}, kUsesFont, true, text);
    drawText(LPtoDP(Point{x, y}), text, 0, nullptr);
}

void Dc::ExtTextOut(int x, int y, unsigned options, const Rect* rect, std::string_view text)
{
    if (rect)
        note("ExtTextOut", {x, y, int(options), rect->left, rect->top, rect->right, rect->bottom}, kUsesFont, true, text);
    else
        note("ExtTextOut", {x, y, int(options)}, kUsesFont, true, text);
    if (rect) {
        const Rect dev = LPtoDP(*rect).normalized();
        drawText(LPtoDP(Point{x, y}), text, options, &dev);
    } else {
        drawText(LPtoDP(Point{x, y}), text, options & ~(kEtoOpaque | kEtoClipped), nullptr);
    }
}

Size Dc::GetTextExtent(std::string_view text)
{
    const Size d = measureText(text).extent;
    return Size{std::abs(mulDiv(d.cx, s_.windowExt.cx, s_.viewportExt.cx)),
                std::abs(mulDiv(d.cy, s_.windowExt.cy, s_.viewportExt.cy))};
}

TextMetrics Dc::GetTextMetrics()
{
    TextMetrics m = measureText({}).metrics;
    auto ly = [this](int v) { return std::abs(mulDiv(v, s_.windowExt.cy, s_.viewportExt.cy)); };
    auto lx = [this](int v) { return std::abs(mulDiv(v, s_.windowExt.cx, s_.viewportExt.cx)); };
    m.tmHeight = ly(m.tmHeight);
    m.tmAscent = ly(m.tmAscent);
    m.tmDescent = ly(m.tmDescent);
    m.tmInternalLeading = ly(m.tmInternalLeading);
    m.tmExternalLeading = ly(m.tmExternalLeading);
    m.tmAveCharWidth = lx(m.tmAveCharWidth);
    m.tmMaxCharWidth = lx(m.tmMaxCharWidth);
    return m;
}

// --- shapes ----------------------------------------------------------------------------------

Point Dc::MoveTo(int x, int y)
{
    return noteAndSet("MoveTo", {x, y}, s_.position, Point{x, y});
}

void Dc::LineTo(int x, int y)
{
    note("LineTo", {x, y}, kUsesPen, true);
    const Point line[2] = {LPtoDP(s_.position), LPtoDP(Point{x, y})};
    s_.position = {x, y};
    if (s_.pen.style != kPsNull)
        drawPolyline(line, true);
}

void Dc::Polyline(std::span<const Point> points)
{
    notePoints("Polyline", {}, points, kUsesPen);
    if (points.size() < 2 || s_.pen.style == kPsNull)
        return;
    std::vector<Point> dev(points.begin(), points.end());
    LPtoDP(dev);
    drawPolyline(dev, false);
}

void Dc::Polygon(std::span<const Point> points)
{
    notePoints("Polygon", {}, points, kUsesPen | kUsesBrush);
    if (points.size() < 2)
        return;
    DeviceShape shape;
    shape.kind = ShapeKind::Polygon;
    shape.points.assign(points.begin(), points.end());
    shape.fillMode = s_.polyFillMode;
    LPtoDP(shape.points);
    drawShape(shape);
}

void Dc::Rectangle(int left, int top, int right, int bottom)
{
    note("Rectangle", {left, top, right, bottom}, kUsesPen | kUsesBrush, true);
    drawShape(boxShape(ShapeKind::Rectangle, deviceBox(left, top, right, bottom)));
}

void Dc::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    note("RoundRect", {left, top, right, bottom, cornerWidth, cornerHeight}, kUsesPen | kUsesBrush,
         true);
    DeviceShape shape = boxShape(ShapeKind::RoundRect, deviceBox(left, top, right, bottom));
    shape.corner = {deviceLength(cornerWidth, true), deviceLength(cornerHeight, false)};
    drawShape(shape);
}

void Dc::Ellipse(int left, int top, int right, int bottom)
{
    note("Ellipse", {left, top, right, bottom}, kUsesPen | kUsesBrush, true);
    drawShape(boxShape(ShapeKind::Ellipse, deviceBox(left, top, right, bottom)));
}

void Dc::drawArcShape(ShapeKind kind, std::string_view name, int left, int top, int right,
                      int bottom, int xs, int ys, int xe, int ye)
{
    note(name, {left, top, right, bottom, xs, ys, xe, ye},
         kind == ShapeKind::Arc ? kUsesPen : kUsesPen | kUsesBrush, true);
    DeviceShape shape = boxShape(kind, deviceBox(left, top, right, bottom));
    shape.start = LPtoDP(Point{xs, ys});
    shape.end = LPtoDP(Point{xe, ye});
    drawShape(shape);
}

void Dc::Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    drawArcShape(ShapeKind::Arc, "Arc", left, top, right, bottom, xs, ys, xe, ye);
}

void Dc::Chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    drawArcShape(ShapeKind::Chord, "Chord", left, top, right, bottom, xs, ys, xe, ye);
}

void Dc::Pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    drawArcShape(ShapeKind::Pie, "Pie", left, top, right, bottom, xs, ys, xe, ye);
}

void Dc::FillRect(const Rect& rect, const Brush& brush)
{
    noteWithBrush("FillRect", rect, brush);
    const Rect dev = LPtoDP(rect).normalized();
    if (!dev.isEmpty())
        fillDeviceRect(dev, deviceBrush(brush));
}

void Dc::FrameRect(const Rect& rect, const Brush& brush)
{
    noteWithBrush("FrameRect", rect, brush);
    const Rect d = LPtoDP(rect).normalized();
    if (d.isEmpty())
        return;
    // The frame is one logical unit wide, at least one pixel.
    const int w = std::min(std::max(1, deviceLength(1, true)), d.width());
    const int h = std::min(std::max(1, deviceLength(1, false)), d.height());
    const DeviceBrush b = deviceBrush(brush);
    fillDeviceRect(Rect{d.left, d.top, d.right, d.top + h}, b);
    if (d.height() > h)
        fillDeviceRect(Rect{d.left, d.bottom - h, d.right, d.bottom}, b);
    if (d.height() > 2 * h) {
        fillDeviceRect(Rect{d.left, d.top + h, d.left + w, d.bottom - h}, b);
        if (d.width() > w)
            fillDeviceRect(Rect{d.right - w, d.top + h, d.right, d.bottom - h}, b);
    }
}

ColorRef Dc::SetPixel(int x, int y, ColorRef color)
{
    note("SetPixel", {x, y, int(color)}, kUsesNone, true);
    const ColorRef c = resolveColor(color);
    return setDevicePixel(LPtoDP(Point{x, y}), c) ? c : kClrInvalid;
}

void Dc::SetPixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef color)
{
    if (recordCalls_) {
        for (const int y : ys)
            for (const int x : xs)
                SetPixel(x, y, color);
        return;
    }
    // A point's device x depends on its logical x alone (and y on y), so each column and row
    // maps once.
    std::vector<int> deviceX(xs.size()), deviceY(ys.size());
    std::transform(xs.begin(), xs.end(), deviceX.begin(), [this](int x) { return LPtoDP(Point{x, 0}).x; });
    std::transform(ys.begin(), ys.end(), deviceY.begin(), [this](int y) { return LPtoDP(Point{0, y}).y; });
    setDevicePixelGrid(deviceX, deviceY, resolveColor(color));
}

ColorRef Dc::GetPixel(int x, int y) const
{
    return getDevicePixel(LPtoDP(Point{x, y}));
}

// --- clipping --------------------------------------------------------------------------------

void Dc::clipChanged()
{
    effectiveValid_ = false;
    onClipChanged();
}

const Region* Dc::effectiveClip() const
{
    if (!effectiveValid_) {
        effectiveValid_ = true;
        effective_.reset();
        if (s_.clip)
            effective_ = *s_.clip;
        if (systemClip_) {
            if (effective_)
                effective_->intersect(*systemClip_);
            else
                effective_ = *systemClip_;
        }
    }
    return effective_ ? &*effective_ : nullptr;
}

int Dc::IntersectClipRect(int left, int top, int right, int bottom)
{
    note("IntersectClipRect", {left, top, right, bottom}, kUsesNone, false);
    const Region rect(deviceBox(left, top, right, bottom));
    if (s_.clip)
        s_.clip->intersect(rect);
    else
        s_.clip = rect;
    clipChanged();
    return effectiveClip()->kind();
}

int Dc::SelectClipRgn(const Region* region)
{
    if (region) {
        const Rect box = region->GetRgnBox();
        note("SelectClipRgn", {box.left, box.top, box.right, box.bottom}, kUsesNone, false);
        s_.clip = *region;
    } else {
        note("SelectClipRgn", {}, kUsesNone, false);
        s_.clip.reset();
    }
    clipChanged();
    const Region* clip = effectiveClip();
    return clip ? clip->kind() : kSimpleRegion;
}

int Dc::GetClipBox(Rect& box) const
{
    const Region* clip = effectiveClip();
    const Rect dev = clip ? clip->GetRgnBox()
                          : Rect{0, 0, deviceCaps(kHorzRes), deviceCaps(kVertRes)};
    box = DPtoLP(dev).normalized();
    return clip ? clip->kind() : kSimpleRegion;
}

void Dc::setSystemClip(std::optional<Region> region)
{
    systemClip_ = std::move(region);
    clipChanged();
}

// --- device ----------------------------------------------------------------------------------

int Dc::GetDeviceCaps(int index) const
{
    return deviceCaps(index);
}

int Dc::SaveDC()
{
    note("SaveDC", {}, kUsesNone, false);
    saved_.push_back(s_);
    return int(saved_.size());
}

bool Dc::RestoreDC(int level)
{
    const int target = level > 0 ? level : int(saved_.size()) + 1 + level;
    if (target < 1 || target > int(saved_.size()))
        return false;
    note("RestoreDC", {level}, kUsesNone, false);
    s_ = saved_[size_t(target - 1)];
    saved_.resize(size_t(target - 1));
    clipChanged();
    return true;
}

bool Dc::BitBlt(int x, int y, int width, int height, const Dc& source, int xSrc, int ySrc,
                uint32_t rop)
{
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

bool Dc::StretchBlt(int x, int y, int width, int height, const Dc& source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, uint32_t rop)
{
    note("StretchBlt", {x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, int(rop)}, kUsesNone,
         true);
    const Rect target = LPtoDP(Rect{x, y, x + width, y + height}).normalized();
    const Rect from = source.LPtoDP(Rect{xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight}).normalized();
    const bool needsSource = rop != kDstInvert && rop != kBlackness && rop != kWhiteness;
    std::optional<PixelView> pixels = source.devicePixels();
    if (needsSource && (!pixels || from.isEmpty()))
        return false;
    if (target.isEmpty())
        return true;
    blitPixels(target, pixels.value_or(PixelView{}), from, rop);
    return true;
}

// --- default hooks: a context that draws nowhere -----------------------------------------------

void Dc::drawPolyline(std::span<const Point>, bool) {}
void Dc::drawShape(const DeviceShape&) {}
void Dc::drawText(Point, std::string_view, unsigned, const Rect*) {}
void Dc::fillDeviceRect(const Rect&, const DeviceBrush&) {}
bool Dc::setDevicePixel(Point, ColorRef) { return false; }

void Dc::setDevicePixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor)
{
    for (const int y : ys)
        for (const int x : xs)
            setDevicePixel(Point{x, y}, rgbColor);
}

ColorRef Dc::getDevicePixel(Point) const { return kClrInvalid; }
DeviceTextSize Dc::measureText(std::string_view) { return {}; }
int Dc::deviceCaps(int) const { return 0; }
void Dc::blitPixels(const Rect&, const PixelView&, const Rect&, uint32_t) {}
void Dc::onCall(const CallNote&) {}

}  // namespace plat
