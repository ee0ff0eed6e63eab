#include "tracelyn/core/outline_editing.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

#include <algorithm>
#include <array>
#include <vector>

BoardSize g_boardSize;

namespace {

struct Segment {
    int32_t x1, y1, x2, y2, type;
};

std::vector<Segment> readSegments(const BoardObject& outline)
{
    std::vector<Segment> segments(static_cast<size_t>(outline.w[2]));
    const int32_t* p = outline.points();
    for (size_t i = 0; i < segments.size(); ++i, p += kSegmentWords)
        segments[i] = {p[0], p[1], p[2], p[3], p[4]};
    return segments;
}

void writeSegments(BoardObject& outline, const std::vector<Segment>& segments)
{
    int32_t* p = outline.points();
    std::fill(p, p + kOutlineBlockWords, 0);
    for (const Segment& s : segments) {
        const std::array<int32_t, kSegmentWords> words = {s.x1, s.y1, s.x2, s.y2, s.type};
        p = std::copy(words.begin(), words.end(), p);
    }
    outline.w[2] = static_cast<int32_t>(segments.size());
    if (g_active.data != nullptr)
        g_active.data->modified = true;
}

bool validVertex(const BoardObject& outline, int vertex)
{
    return vertex >= 0 && vertex < outline.w[2];
}

int replaceEdge(int32_t type, const std::array<Segment, 4>& corners)
{
    BoardObject* outline = EditableOutline();
    if (outline == nullptr)
        return 0;
    std::vector<Segment> segments(corners.begin(), corners.end());
    for (Segment& s : segments)
        s.type = type;
    writeSegments(*outline, segments);
    return 1;
}

int32_t halfWidth()
{
    return g_boardSize.width * 10 / 2 - kOutlineInset;
}

int32_t halfHeight()
{
    return g_boardSize.height * 10 / 2 - kOutlineInset;
}

}  // namespace

BoardObject* EditableOutline()
{
    if (g_board.objects == nullptr || g_board.count < 1)
        return nullptr;
    BoardObject& o = g_board.objects[1];
    if (o.kind() != kKindOutline || o.points() == nullptr || o.w[2] < 0 || o.w[2] > kMaxOutlineSegments)
        return nullptr;
    return &o;
}

int DeleteOutlineVertex(int vertex)
{
    BoardObject* outline = EditableOutline();
    if (outline == nullptr || outline->w[2] < 4 || !validVertex(*outline, vertex))
        return 0;
    std::vector<Segment> segments = readSegments(*outline);
    const Segment removed = segments[static_cast<size_t>(vertex)];
    segments.erase(segments.begin() + vertex);
    const size_t n = segments.size();
    if (vertex > 0) {
        const Segment& next = segments[static_cast<size_t>(vertex) % n];
        segments[static_cast<size_t>(vertex - 1)].x2 = next.x1;
        segments[static_cast<size_t>(vertex - 1)].y2 = next.y1;
    } else {
        segments[n - 1].x2 = removed.x2;
        segments[n - 1].y2 = removed.y2;
    }
    writeSegments(*outline, segments);
    return 1;
}

int InsertOutlineSegment(int type, int vertex)
{
    BoardObject* outline = EditableOutline();
    // The block holds 50 segments; a 51st would run past it.
    if (outline == nullptr || outline->w[2] >= kMaxOutlineSegments || !validVertex(*outline, vertex))
        return 0;
    std::vector<Segment> segments = readSegments(*outline);
    const size_t n = segments.size();
    Segment& previous = segments[vertex < 1 ? n - 1 : static_cast<size_t>(vertex - 1)];
    Segment& current = segments[vertex < 1 ? 0 : static_cast<size_t>(vertex)];
    const int32_t ax = (previous.x1 + previous.x2) / 2, ay = (previous.y1 + previous.y2) / 2;
    const int32_t bx = (current.x1 + current.x2) / 2, by = (current.y1 + current.y2) / 2;
    previous.x2 = ax;
    previous.y2 = ay;
    current.x1 = bx;
    current.y1 = by;
    segments.insert(segments.begin() + std::max(vertex, 0), Segment{ax, ay, bx, by, type});
    writeSegments(*outline, segments);
    return 1;
}

int ReverseOutlineArc(int vertex)
{
    BoardObject* outline = EditableOutline();
    if (outline == nullptr || !validVertex(*outline, vertex))
        return 0;
    int32_t& type = outline->points()[vertex * kSegmentWords + 4];
    if (type != kSegmentArc && type != kSegmentArcReversed)
        return 0;
    type = type == kSegmentArc ? kSegmentArcReversed : kSegmentArc;
    if (g_active.data != nullptr)
        g_active.data->modified = true;
    return 1;
}

int CreateCircleOutline()
{
    const int32_t a = halfWidth(), b = halfHeight();
    return replaceEdge(kSegmentArc, {Segment{-a, 0, 0, -b, 0}, Segment{a, 0, 0, -b, 0},
                                     Segment{-a, 0, 0, b, 0}, Segment{a, 0, 0, b, 0}});
}

int CreateRectangleOutline()
{
    const int32_t a = halfWidth(), b = halfHeight();
    return replaceEdge(kSegmentLine, {Segment{-a, -b, a, -b, 0}, Segment{a, -b, a, b, 0},
                                      Segment{a, b, -a, b, 0}, Segment{-a, b, -a, -b, 0}});
}
