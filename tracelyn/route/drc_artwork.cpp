#include "tracelyn/route/drc_artwork.h"

#include "tracelyn/core/arc_trace_bend.h"
#include "tracelyn/route/fill_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How far the chords of an arc may cut inside it, in board units; the pieces grow by what they
// cut, so the copper and silk measured always hold the drawn ones.
constexpr double kArcTolerance = 2;

double half(int width) { return std::max(width, 0) / 2.0; }

}  // namespace

void ArtworkShapes::line(int x1, int y1, int x2, int y2, int width)
{
    if (!leftOut())
        shapes_.addStroke(x1, y1, x2, y2, half(width), tag_);
}

void ArtworkShapes::quarter(double cx, double cy, int x1, int y1, int x2, int y2, int width)
{
    double slack = 0;
    const std::vector<double> flat = ArcPointsBetween(cx, cy, x1, y1, x2, y2, slack, kArcTolerance);
    std::vector<ShapePoint> points;
    points.reserve(flat.size() / 2);
    for (size_t k = 0; k + 1 < flat.size(); k += 2)
        points.push_back({flat[k], flat[k + 1]});
    // The chords cut inside the curve by at most the slack; the pieces keep the whole stroke.
    shapes_.addChain(points, half(width) + slack, false, tag_);
}

void ArtworkShapes::cornerArc(int x1, int y1, int x2, int y2, int width)
{
    if (leftOut())
        return;
    if (x1 == x2 || y1 == y2) {
        line(x1, y1, x2, y2, width);
        return;
    }
    const ArcTraceBend bend = ArcTraceBendOf(x1, y1, x2, y2);
    const int bx = static_cast<int>(bend.x), by = static_cast<int>(bend.y);
    if (bend.run != 0)
        line(x1, y1, bx, by, width);
    quarter(x2, by, bx, by, x2, y2, width);
}

void ArtworkShapes::arc(int x1, int y1, int x2, int y2, int width)
{
    if (leftOut())
        return;
    if (x1 == x2 || y1 == y2)
        line(x1, y1, x2, y2, width);
    else
        quarter(x2, y1, x1, y1, x2, y2, width);
}

void ArtworkShapes::flash(int x, int y, const Aperture& aperture)
{
    if (leftOut())
        return;
    const double w = std::max(aperture.x, 0), h = std::max(aperture.y, 0);
    switch (aperture.shape) {
    case kApertureRectangle: {
        const ShapePoint corners[4] = {{x - w / 2, y - h / 2}, {x + w / 2, y - h / 2}, {x + w / 2, y + h / 2},
                                       {x - w / 2, y + h / 2}};
        shapes_.addPolygon(corners, 0, tag_);
        break;
    }
    case kApertureOval: {
        // A stroke along the longer side with the shorter side as its width.
        const double run = std::fabs(w - h) / 2;
        if (w >= h)
            shapes_.addStroke(x - run, y, x + run, y, h / 2, tag_);
        else
            shapes_.addStroke(x, y - run, x, y + run, w / 2, tag_);
        break;
    }
    default:
        shapes_.addDisc(x, y, w / 2, tag_);
        break;
    }
}

void ArtworkShapes::region(std::span<const int32_t> points)
{
    if (leftOut() || points.size() < 2)
        return;
    std::vector<ShapePoint> corners;
    corners.reserve(points.size() / 2);
    for (size_t k = 0; k + 1 < points.size(); k += 2)
        corners.push_back({static_cast<double>(points[k]), static_cast<double>(points[k + 1])});
    shapes_.addPolygon(corners, 0, tag_);
}

int ArtworkSourceIds::idOf(const ArtworkSource& source)
{
    const uint64_t key = (uint64_t(uint32_t(source.object)) << 32) | uint32_t(source.record);
    const auto [at, added] = ids_.try_emplace(key, static_cast<int>(sources_.size()));
    if (added)
        sources_.push_back(source);
    return at->second;
}

void CollectLayerShapes(int layer, ShapeSet& shapes, const ArtworkTagger& tagger)
{
    ArtworkShapes sink(shapes, tagger);
    WalkLayerArtwork(layer, sink);
}
