// Kept coverages: a shape found in the cache at another place has exactly the pixels it has when
// rasterised there, the cache stays within its budget, and what it drops is made again alike.
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/shape_coverage.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

namespace plat::gdi {
namespace {

// The covered pixels as text, one line per row, in device coordinates from `origin`.
std::string picture(const ShapeCoverage& c, QPoint origin)
{
    std::string s = std::to_string(c.box.left() + origin.x()) + "," + std::to_string(c.box.top() + origin.y()) + "\n";
    if (c.box.isEmpty())
        return "empty\n";
    for (int y = 0; y < c.box.height(); ++y) {
        std::string line(size_t(c.box.width()), '.');
        for (uint32_t i = c.rowStart[size_t(y)]; i < c.rowStart[size_t(y) + 1]; ++i)
            for (int x = c.runs[i].x0; x <= c.runs[i].x1; ++x)
                line[size_t(x)] = "#g+"[int(c.runs[i].kind)];
        s += line + "\n";
    }
    return s;
}

DeviceShape moved(DeviceShape s, int dx, int dy)
{
    s.box = Rect{s.box.left + dx, s.box.top + dy, s.box.right + dx, s.box.bottom + dy};
    s.start = Point{s.start.x + dx, s.start.y + dy};
    s.end = Point{s.end.x + dx, s.end.y + dy};
    for (Point& p : s.points)
        p = Point{p.x + dx, p.y + dy};
    return s;
}

DeviceShape arc(Rect box, Point start, Point end, ShapeKind kind = ShapeKind::Arc)
{
    DeviceShape s;
    s.kind = kind;
    s.box = box;
    s.start = start;
    s.end = end;
    return s;
}

DeviceShape ellipse(Rect box)
{
    DeviceShape s;
    s.kind = ShapeKind::Ellipse;
    s.box = box;
    return s;
}

// What the shape covers when rasterised where it stands, as the canvas does without a cache.
ShapeCoverage fresh(const DeviceShape& s, const DevicePen& pen, bool filled)
{
    const int m = penMargin(pen);
    return shapeCoverage(s, pen, boundsOf(s).adjusted(-m, -m, m + 1, m + 1), filled);
}

struct Case {
    const char* name;
    DeviceShape shape;
    int penWidth;
    bool filled;
};

std::vector<Case> cases()
{
    DeviceShape polygon;
    polygon.points = {{600, 700}, {640, 705}, {615, 744}, {603, 730}};
    DeviceShape round;
    round.kind = ShapeKind::RoundRect;
    round.box = {590, 610, 650, 660};
    round.corner = {14, 10};
    return {
        // A two-pixel arc of a stroke-font glyph whose pen edges fall on pixel centres: drawn at
        // a place with coordinates a few pixels from zero, Qt rounds one of its pixels the other
        // way, so it must never be shared with such a place.
        {"two-pixel arc", arc({541, 541, 546, 546}, {546, 544}, {543, 541}), 2, false},
        {"wide arc", arc({520, 530, 583, 571}, {583, 530}, {520, 560}), 5, false},
        // A tiny glyph's arcs at a coarse zoom: their boxes shrink to no width or no height, yet
        // they still light pixels and are drawn on every repaint.
        {"arc of no width", arc({541, 541, 541, 547}, {541, 547}, {541, 541}), 1, false},
        {"arc of no height", arc({541, 541, 548, 541}, {548, 541}, {541, 541}), 2, false},
        {"pie", arc({530, 560, 600, 620}, {600, 560}, {530, 600}, ShapeKind::Pie), 1, true},
        {"chord", arc({700, 580, 760, 650}, {760, 600}, {700, 610}, ShapeKind::Chord), 3, true},
        {"ring", ellipse({530, 540, 567, 577}), 1, false},
        {"wide ellipse", ellipse({610, 620, 681, 691}), 6, false},
        {"filled ellipse", ellipse({800, 820, 833, 853}), 1, true},
        {"polygon", polygon, 4, true},
        {"round rectangle", round, 2, true},
    };
}

TEST(ShapeCoverage, AShapeMovedWithinItsBinadeHasItsPixelsShifted)
{
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const DevicePen pen{true, kPsSolid, c.penWidth, 0};
        const CachedCoverage first = cachedShapeCoverage(c.shape, pen, c.filled);
        ASSERT_NE(first.coverage, nullptr);
        const std::string kept = picture(*first.coverage, first.origin);
        const size_t runs = first.coverage->runs.size();   // the coverage is valid until the next lookup
        EXPECT_EQ(kept, picture(fresh(c.shape, pen, c.filled), QPoint(0, 0)));
        for (const QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-17, 23), QPoint(330, 200)}) {
            const DeviceShape there = moved(c.shape, step.x(), step.y());
            const CachedCoverage found = cachedShapeCoverage(there, pen, c.filled);
            ASSERT_NE(found.coverage, nullptr);
            EXPECT_EQ(found.coverage->runs.size(), runs);
            EXPECT_EQ(picture(*found.coverage, found.origin), picture(fresh(there, pen, c.filled), QPoint(0, 0)));
        }
    }
}

TEST(ShapeCoverage, AShapeAcrossAPowerOfTwoOrZeroIsKeptWhereItStands)
{
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    const DevicePen pen{true, kPsSolid, 2, 0};
    const DeviceShape shape = arc({541, 541, 546, 546}, {546, 544}, {543, 541});
    ASSERT_NE(cachedShapeCoverage(shape, pen, false).coverage, nullptr);
    // Across 512, 256, 0 (the window's left edge) and far from the window's corner.
    for (const int dx : {-32, -290, -543, -538}) {
        SCOPED_TRACE(dx);
        const DeviceShape there = moved(shape, dx, dx);
        const CachedCoverage found = cachedShapeCoverage(there, pen, false);
        ASSERT_NE(found.coverage, nullptr);
        EXPECT_EQ(picture(*found.coverage, found.origin), picture(fresh(there, pen, false), QPoint(0, 0)));
    }
}

// A one-pixel shape across a power of two on one axis is still shared along the other: a ruler's
// labels as the view pans along the ruler. A widened one is not.
TEST(ShapeCoverage, AOnePixelShapeAcrossAPowerOfTwoIsSharedAlongTheOtherAxis)
{
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    const DeviceShape ring = ellipse({600, 500, 617, 519});                 // across y = 512
    const DeviceShape label = arc({700, 6, 705, 11}, {705, 9}, {702, 6});  // across y = 8
    for (const DeviceShape& shape : {ring, label}) {
        for (const int width : {1, 2}) {
            SCOPED_TRACE(std::to_string(shape.box.top) + " w" + std::to_string(width));
            const DevicePen pen{true, kPsSolid, width, 0};
            const ShapeCoverage* first = cachedShapeCoverage(shape, pen, false).coverage;
            for (const int dx : {1, 50, 200}) {
                const DeviceShape there = moved(shape, dx, 0);
                const CachedCoverage found = cachedShapeCoverage(there, pen, false);
                ASSERT_NE(found.coverage, nullptr);
                EXPECT_EQ(found.coverage == first, width == 1);
                EXPECT_EQ(picture(*found.coverage, found.origin), picture(fresh(there, pen, false), QPoint(0, 0)));
            }
        }
    }
}

TEST(ShapeCoverage, WideLinesKeepTheirPixelsWhenMoved)
{
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    const std::vector<Point> line = {{600, 600}, {640, 612}, {655, 650}, {655, 650}};
    for (const int width : {2, 3, 6}) {
        SCOPED_TRACE(width);
        for (const QPoint step : {QPoint(0, 0), QPoint(3, 1), QPoint(200, 100), QPoint(-590, -590)}) {
            std::vector<Point> there = line;
            for (Point& p : there)
                p = Point{p.x + step.x(), p.y + step.y()};
            const CachedCoverage found = cachedWidePolylineCoverage(there, width);
            ASSERT_NE(found.coverage, nullptr);
            EXPECT_EQ(picture(*found.coverage, found.origin),
                      picture(widePolylineCoverage(there, width, pointsReach(there, width / 2 + 4)), QPoint(0, 0)));
        }
    }
}

// Through a raster context: shapes and a text drawn at two places light the same pixels, shifted.
TEST(ShapeCoverage, TheSameShapeDrawnTwiceLightsTheSamePixelsShifted)
{
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    auto draw = [](int dx, int dy) {
        RasterDc dc(1200, 900);
        dc.SelectObject(Pen(kPsSolid, 3, rgb(0, 0, 0)));
        dc.SelectObject(Brush::solid(rgb(200, 0, 0)));
        dc.Ellipse(600 + dx, 600 + dy, 660 + dx, 645 + dy);
        dc.Arc(700 + dx, 600 + dy, 760 + dx, 660 + dy, 760 + dx, 600 + dy, 700 + dx, 630 + dy);
        dc.SetTextColor(rgb(0, 0, 200));
        dc.TextOut(610 + dx, 662 + dy, "R12 10K");
        std::string s;
        for (int y = 590; y < 680; ++y)
            for (int x = 590; x < 770; ++x)
                s += static_cast<char>('0' + (dc.GetPixel(x + dx, y + dy) == rgb(255, 255, 255) ? 0
                                              : dc.GetPixel(x + dx, y + dy) == rgb(0, 0, 0)   ? 1
                                                                                               : 2));
        return s;
    };
    const std::string here = draw(0, 0);
    EXPECT_NE(here.find('1'), std::string::npos);
    EXPECT_NE(here.find('2', here.size() * 7 / 8), std::string::npos);   // the text's ink
    EXPECT_EQ(draw(7, 3), here);
    EXPECT_EQ(draw(-40, 150), here);
}

TEST(ShapeCoverage, TheCacheStaysWithinItsBudgetAndRemakesWhatItDropped)
{
    constexpr size_t kBudget = 64 * 1024;
    setCoverageCacheBudget(kBudget);
    const DevicePen pen{true, kPsSolid, 3, 0};
    const DeviceShape first = ellipse({600, 600, 640, 630});
    const std::string before = picture(fresh(first, pen, true), QPoint(0, 0));
    const CachedCoverage kept = cachedShapeCoverage(first, pen, true);
    ASSERT_NE(kept.coverage, nullptr);
    for (int i = 0; i < 2000; ++i) {
        cachedShapeCoverage(ellipse({520, 520, 540 + i % 300, 530 + i / 300}), pen, true);
        EXPECT_LE(coverageCacheBytes(), kBudget);
    }
    const CachedCoverage again = cachedShapeCoverage(moved(first, 5, 5), pen, true);
    ASSERT_NE(again.coverage, nullptr);
    EXPECT_EQ(picture(*again.coverage, again.origin - QPoint(5, 5)), before);
    setCoverageCacheBudget(kDefaultCoverageCacheBytes);
    EXPECT_EQ(coverageCacheBytes(), 0u);
}

}  // namespace
}  // namespace plat::gdi

namespace plat::gdi {
namespace {

// A frame far larger than the window, with a wide pen: the window shows exactly the pixels the
// whole frame's coverage has there, whichever of its sides and corners are in view.
TEST(ShapeCoverage, AHugeFrameWithAWidePenShowsItsCoveragesPixels)
{
    constexpr int kW = 160, kH = 120;
    struct Frame {
        Rect box;
        int width;
        bool filled;
    };
    const Frame frames[] = {
        {{-3000, -2000, 5000, 4000}, 6, false},     // no side in view
        {{20, -2000, 5000, 4000}, 6, false},        // the left side
        {{20, 15, 5000, 4000}, 5, true},            // the top left corner
        {{-5000, -4000, 140, 100}, 2, true},        // the bottom right corner
        {{-5000, 30, 5000, 4000}, 3, false},        // the top side
        {{-5000, -4000, 5000, 90}, 7, true},        // the bottom side
        {{-4000, -4000, 157, 4000}, 4, true},       // the right side at the window's edge
    };
    for (const Frame& f : frames) {
        SCOPED_TRACE(std::to_string(f.box.left) + "," + std::to_string(f.box.top) + " w" + std::to_string(f.width));
        RasterDc dc(kW, kH);
        dc.SelectObject(Pen(kPsSolid, f.width, rgb(0, 0, 0)));
        dc.SelectObject(f.filled ? Brush::solid(rgb(200, 0, 0)) : Brush::hollow());
        dc.Rectangle(f.box.left, f.box.top, f.box.right, f.box.bottom);
        DeviceShape shape;
        shape.kind = ShapeKind::Rectangle;
        shape.box = f.box;
        const ShapeCoverage c = shapeCoverage(shape, DevicePen{true, kPsSolid, f.width, 0}, QRect(0, 0, kW, kH), f.filled);
        std::string expected(size_t(kW * kH), '.'), drawn(size_t(kW * kH), '.');
        for (int y = 0; y < c.box.height(); ++y)
            for (uint32_t i = c.rowStart[size_t(y)]; i < c.rowStart[size_t(y) + 1]; ++i)
                for (int x = c.runs[i].x0; x <= c.runs[i].x1; ++x)
                    expected[size_t((y + c.box.top()) * kW + x + c.box.left())] = c.runs[i].kind == RunKind::Pen ? '#' : '+';
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const ColorRef p = dc.GetPixel(x, y);
                drawn[size_t(y * kW + x)] = p == rgb(0, 0, 0) ? '#' : p == rgb(200, 0, 0) ? '+' : '.';
            }
        EXPECT_EQ(drawn, expected);
    }
}

}  // namespace
}  // namespace plat::gdi

namespace plat::gdi {
namespace {

// The line walk steps without a division per pixel; every step lands where the rounded quotient
// puts it, for short, steep, long and window-cut lines alike.
TEST(ShapeCoverage, LineWalksStepWhereTheRoundedQuotientPutsThem)
{
    struct Line {
        Point a, b;
        QRect window;
    };
    const Line lines[] = {
        {{0, 0}, {7, 3}, QRect(-10, -10, 40, 40)},
        {{5, 9}, {-3, -4}, QRect(-10, -10, 40, 40)},
        {{0, 0}, {5, 5}, QRect(-10, -10, 40, 40)},
        {{3, 3}, {3, 3}, QRect(-10, -10, 40, 40)},
        {{-2000000000, 17}, {2000000000, -900000000}, QRect(0, 0, 1600, 1000)},
        {{400, -2100000000}, {-1300, 2100000000}, QRect(0, 0, 1600, 1000)},
        // Reaching the window after more than 2^31 steps, with a minor span beyond 2^31 too.
        {{INT32_MIN, -2000000000}, {INT32_MAX, 2000000000}, QRect(0, 0, 1600, 1000)},
        {{100, 200}, {1700, 999}, QRect(300, 0, 40, 1000)},
    };
    for (const Line& l : lines) {
        SCOPED_TRACE(std::to_string(l.a.x) + "," + std::to_string(l.a.y) + " to " + std::to_string(l.b.x) + "," +
                     std::to_string(l.b.y));
        const int64_t dx = int64_t(l.b.x) - l.a.x, dy = int64_t(l.b.y) - l.a.y;
        const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
        const bool alongX = adx >= ady;
        int steps = 0;
        walkLine(l.a, l.b, l.window, [&](int64_t i, int x, int y) {
            ++steps;
            const int64_t minor = alongX ? minorStep(i, adx, ady) : minorStep(i, ady, adx);
            const int64_t wantX = alongX ? l.a.x + (dx < 0 ? -i : i) : l.a.x + (dx < 0 ? -minor : minor);
            const int64_t wantY = alongX ? l.a.y + (dy < 0 ? -minor : minor) : l.a.y + (dy < 0 ? -i : i);
            EXPECT_EQ(x, wantX);
            EXPECT_EQ(y, wantY);
        });
        EXPECT_LE(steps, std::max(l.window.width(), l.window.height()));
    }
}

}  // namespace
}  // namespace plat::gdi

namespace plat::gdi {
namespace {

// Tall masks are filled in bands of rows; every pixel is the one a single fill of the whole
// mask gives, for areas, outlines (which are not banded: a one-pixel stroke cut at a band's edge
// steps differently) and text.
TEST(ShapeCoverage, ATallMaskHasThePixelsOfOneWholeFill)
{
    const QRect box(517, 203, 61, 301);
    QPainterPath ring;
    ring.addEllipse(QRectF(520.5, 205.5, 54, 296));
    QPainterPath star;
    star.moveTo(530, 210);
    star.lineTo(575, 500);
    star.lineTo(518, 320);
    star.lineTo(577, 260);
    star.lineTo(522, 480);
    star.closeSubpath();
    const QtFont& font = resolveFont(DeviceFont{Font{"Arial", -40}, 40, 0, 0});
    const QTransform turned = QTransform::fromTranslate(540, 210).rotate(-90);
    using Draw = std::function<void(QPainter&)>;
    struct Case {
        const char* name;
        std::function<void(Mask&)> banded;
        Draw whole;
    };
    const Case cases[] = {
        {"area", [&](Mask& m) { m.fill(star); }, [&](QPainter& p) { p.fillPath(star, Qt::black); }},
        {"outline", [&](Mask& m) { m.stroke(ring, QPen(Qt::black, 0)); },
         [&](QPainter& p) { p.strokePath(ring, QPen(Qt::black, 0)); }},
        {"text", [&](Mask& m) { m.text(font, "R12 10K", turned); },
         [&](QPainter& p) {
             p.setRenderHint(QPainter::TextAntialiasing, false);
             p.setTransform(QTransform::fromScale(font.xScale, 1.0) * turned * p.transform());
             p.setFont(font.font);
             p.setPen(Qt::black);
             p.drawText(QPointF(0, 0), "R12 10K");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Mask banded(box);
        c.banded(banded);
        QImage image(box.size(), QImage::Format_Alpha8);
        image.fill(0);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.translate(-box.left(), -box.top());
            c.whole(p);
        }
        int covered = 0, differ = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const bool want = image.constScanLine(y - box.top())[x - box.left()] >= 128;
                covered += want;
                differ += banded.at(x, y) != want;
            }
        EXPECT_GT(covered, 50);
        EXPECT_EQ(differ, 0);
    }
}

}  // namespace
}  // namespace plat::gdi
