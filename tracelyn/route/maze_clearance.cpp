// The ends of a route are where the grid cannot speak for the copper: the wave enters its end
// cells whatever lies round them, and the links, fan-out stubs and vias there are drawn to the
// true end points, off the cells' centres. Those pieces are measured against the copper of
// other nets, pads by their boxes, before a route is accepted; the rest of the route keeps its
// clearance by the cells the grid left free.
#include "tracelyn/route/maze_router.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/route/copper_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// A piece of copper: a trace's centre line with its half width, or a pad's box.
struct Piece {
    bool segment = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // segment ends
    double half = 0;
    CopperPad pad;
    uint32_t layers = 0;                      // a bit per copper layer 0-15
    double left = 0, top = 0, right = 0, bottom = 0;
};

uint32_t padLayers(const CopperPad& p)
{
    if (p.style == kPadThermal)
        return 0;
    if (p.layer == kLayerAll)
        return 0xFFFF;
    if (!IsCopperLayer(p.layer))
        return 0;
    if (p.style == kPadPairVia)
        return 3u << (p.layer & ~1);
    return 1u << p.layer;
}

Piece padPiece(const CopperPad& p)
{
    Piece piece;
    piece.pad = p;
    piece.layers = padLayers(p);
    piece.left = p.x - p.sizeX / 2.0;
    piece.right = p.x + p.sizeX / 2.0;
    piece.top = p.y - p.sizeY / 2.0;
    piece.bottom = p.y + p.sizeY / 2.0;
    return piece;
}

Piece segmentPiece(double x1, double y1, double x2, double y2, double half, int layer)
{
    Piece piece;
    piece.segment = true;
    piece.x1 = x1, piece.y1 = y1, piece.x2 = x2, piece.y2 = y2;
    piece.half = half;
    piece.layers = layer == kLayerAll ? 0xFFFF : IsCopperLayer(layer) ? 1u << layer : 0;
    piece.left = std::min(x1, x2) - half;
    piece.right = std::max(x1, x2) + half;
    piece.top = std::min(y1, y2) - half;
    piece.bottom = std::max(y1, y2) + half;
    return piece;
}

// The copper pieces of a trace, an arc (by its chord) or a copper rectangle (its four edges).
void appendPieces(const BoardObject& o, std::vector<Piece>& out)
{
    const double half = std::max(o.w[7], 0) / 2.0;
    if (o.kind() == kKindLine || o.kind() == kKindArc) {
        out.push_back(segmentPiece(o.w[0], o.w[1], o.w[2], o.w[3], half, o.layer()));
    } else if (o.kind() == kKindRectangle) {
        out.push_back(segmentPiece(o.w[0], o.w[1], o.w[2], o.w[1], half, o.layer()));
        out.push_back(segmentPiece(o.w[0], o.w[3], o.w[2], o.w[3], half, o.layer()));
        out.push_back(segmentPiece(o.w[0], o.w[1], o.w[0], o.w[3], half, o.layer()));
        out.push_back(segmentPiece(o.w[2], o.w[1], o.w[2], o.w[3], half, o.layer()));
    }
}

// The copper gap between two pieces (negative or 0 when they overlap).
double gap(const Piece& a, const Piece& b)
{
    if (a.segment && b.segment)
        return SegmentsDistance(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2) - a.half - b.half;
    if (a.segment != b.segment) {
        const Piece& s = a.segment ? a : b;
        const Piece& p = a.segment ? b : a;
        return SegmentPadDistance(s.x1, s.y1, s.x2, s.y2, p.pad) - s.half;
    }
    const double dx = std::max({a.left - b.right, b.left - a.right, 0.0});
    const double dy = std::max({a.top - b.bottom, b.top - a.bottom, 0.0});
    return std::hypot(dx, dy);
}

bool near(const Piece& p, double left, double top, double right, double bottom)
{
    return p.right >= left && p.left <= right && p.bottom >= top && p.top <= bottom;
}

}  // namespace

bool NewCopperKeepsClearance(const std::vector<int>& pieces, const std::vector<CopperPad>& pads, int lastOld,
                             std::span<const std::pair<int32_t, int32_t>> ends, double clearance)
{
    std::vector<Piece> fresh;
    for (const int index : pieces) {
        const BoardObject& o = g_board.objects[index];
        if (o.kind() == kKindPad)
            fresh.push_back(padPiece(FreePad(index)));
        else
            appendPieces(o, fresh);
    }
    if (fresh.empty())
        return true;
    double left = fresh[0].left, top = fresh[0].top, right = fresh[0].right, bottom = fresh[0].bottom;
    for (const Piece& p : fresh) {
        left = std::min(left, p.left - clearance);
        top = std::min(top, p.top - clearance);
        right = std::max(right, p.right + clearance);
        bottom = std::max(bottom, p.bottom + clearance);
    }
    const auto holdsEnd = [&](const CopperPad& pad) {
        for (const auto& [x, y] : ends)
            if (PadBoxDistance(x, y, pad) == 0)
                return true;
        return false;
    };
    const auto throughEnd = [&](const Piece& t) {
        for (const auto& [x, y] : ends)
            if (SegmentDistance(x, y, t.x1, t.y1, t.x2, t.y2) <= t.half)
                return true;
        return false;
    };

    // The new copper's own: the pads and vias its ends stand on, and what touches them or the
    // end points (the net's copper already there).
    std::vector<Piece> own, others;
    for (const CopperPad& pad : pads) {
        Piece p = padPiece(pad);
        if (p.layers == 0 || !near(p, left, top, right, bottom))
            continue;
        (holdsEnd(pad) ? own : others).push_back(p);
    }
    std::vector<Piece> traces;
    for (int i = 1; i <= lastOld; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindLine && o.kind() != kKindArc && o.kind() != kKindRectangle)
            continue;
        // Most of the board lies far away: its box alone rules it out.
        const double half = std::max(o.w[7], 0) / 2.0;
        if (std::max(o.w[0], o.w[2]) + half < left || std::min(o.w[0], o.w[2]) - half > right ||
            std::max(o.w[1], o.w[3]) + half < top || std::min(o.w[1], o.w[3]) - half > bottom)
            continue;
        const size_t before = traces.size();
        appendPieces(o, traces);
        traces.erase(std::remove_if(traces.begin() + static_cast<std::ptrdiff_t>(before), traces.end(),
                                    [&](const Piece& p) { return p.layers == 0 || !near(p, left, top, right, bottom); }),
                     traces.end());
    }
    const size_t ownPads = own.size();
    for (const Piece& t : traces) {
        bool joined = throughEnd(t);
        for (size_t k = 0; k < ownPads && !joined; ++k)
            joined = (own[k].layers & t.layers) != 0 && gap(own[k], t) <= 0;
        (joined ? own : others).push_back(t);
    }

    for (const Piece& piece : fresh)
        for (const Piece& other : others)
            if ((piece.layers & other.layers) != 0 && gap(piece, other) < clearance - kClearanceSlack)
                return false;
    return true;
}

bool CMazeRouter::endPiecesKeepClearance(const std::vector<int>& pieces) const
{
    std::vector<std::pair<int32_t, int32_t>> ends = g_mazeRoute.netPins;
    ends.emplace_back(sx_, sy_);
    ends.emplace_back(tx_, ty_);
    return NewCopperKeepsClearance(pieces, pads_, firstNew_ - 1, ends, clearance_);
}
