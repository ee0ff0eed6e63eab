#include "tracelyn/core/board_alignment.h"

#include "common/alignment_commands.h"
#include "common/growing_extent.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/selection_move.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace {

constexpr int kExtentStart = 3000000;

int clampToInt(double value) { return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX))); }

int32_t scaledAbout(int32_t value, int reference, float factor)
{
    const double offset = (static_cast<double>(value) - reference) * static_cast<double>(factor);
    return clampToInt(reference + static_cast<double>(clampToInt(offset)));
}

int32_t scaledSize(int32_t value, float factor) { return clampToInt(static_cast<double>(value) * static_cast<double>(factor)); }

std::vector<int> selectedIndexes()
{
    std::vector<int> list;
    const int n = std::min<int>(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<std::size_t>(i)];
        if (index >= 1 && index <= g_board.count)
            list.push_back(index);
    }
    return list;
}

bool onCurrentLayer(const BoardObject& o) { return g_edit.currentLayer == kLayerAll || o.layer() == g_edit.currentLayer; }

bool twoPointKind(int kind)
{
    return kind == kKindLine || kind == 5 || kind == 9 || kind == kKindArc || kind == kKindFixedRectangle || kind == kKindNoRoute;
}

// A vertex list of `pairs` (x, y) pairs, `stride` words apart.
void forEachVertex(BoardObject& o, int pairs, int stride, int perEntry, auto&& change)
{
    int32_t* v = o.points();
    if (!v || pairs <= 0)
        return;
    for (int i = 0; i < pairs; ++i)
        for (int p = 0; p < perEntry; ++p)
            change(v[i * stride + p * 2], v[i * stride + p * 2 + 1]);
}

void scaleObject(BoardObject& o, float xf, float yf, int rx, int ry)
{
    o.w[0] = scaledAbout(o.w[0], rx, xf);
    o.w[1] = scaledAbout(o.w[1], ry, yf);
    const int kind = o.kind();
    if (twoPointKind(kind)) {
        o.w[2] = scaledAbout(o.w[2], rx, xf);
        o.w[3] = scaledAbout(o.w[3], ry, yf);
    } else if (kind == kKindRectangle || kind == kKindEllipse || kind == 12) {
        // Sizes take the x factor in both directions.
        o.w[2] = scaledSize(o.w[2], xf);
        o.w[3] = scaledSize(o.w[3], xf);
    } else if (kind == kKindPolygon) {
        forEachVertex(o, o.w[2], kVertexWords, 1, [&](int32_t& x, int32_t& y) {
            x = scaledAbout(x, rx, xf);
            y = scaledAbout(y, ry, yf);
        });
    } else if (o.isPart()) {
        plat::MessageBeep();
    }
}

void addToExtent(GrowingExtent& e, const BoardObject& o)
{
    const int kind = o.kind();
    if (kind == kKindLine || kind == kKindRectangle || kind == 5 || kind == kKindArc) {
        e.add(o.w[0], o.w[1]);
        e.add(o.w[2], o.w[3]);
    } else if (kind == kKindEllipse) {
        e.addCentred(o.w[0], o.w[1], o.w[2], o.w[3]);
    } else if (kind == kKindPad || o.isPart()) {
        e.add(o.w[0], o.w[1]);
    }
}

// Every object moves by the same offset, or copper would leave the parts it belongs to.
void shiftObject(BoardObject& o, int32_t dx, int32_t dy)
{
    if (o.kind() == kKindOutline) {
        const int segments = std::clamp(o.w[2], 0, kMaxOutlineSegments);
        forEachVertex(o, segments, kSegmentWords, 2, [&](int32_t& x, int32_t& y) {
            x = clampToInt(static_cast<double>(x) + dx);
            y = clampToInt(static_cast<double>(y) + dy);
        });
        return;
    }
    OffsetBoardObject(o, dx, dy);
}

void recentreBoard()
{
    if (g_board.count < 1 || !g_board.objects)
        return;
    GrowingExtent e(kExtentStart);
    for (int i = 1; i <= g_board.count; ++i)
        addToExtent(e, g_board.objects[i]);
    if (e.empty())
        return;
    const auto cx = static_cast<int32_t>((e.minX + e.maxX) / 2);
    const auto cy = static_cast<int32_t>((e.minY + e.maxY) / 2);
    for (int i = 1; i <= g_board.count; ++i)
        shiftObject(g_board.objects[i], -cx, -cy);
}

AlignReference referenceOf(int index)
{
    if (index < 1 || index > g_board.count)
        return {};
    const BoardObject& o = g_board.objects[index];
    AlignShape shape = AlignShape::Other;
    if (o.kind() == kKindLine)
        shape = AlignShape::Line;
    else if (o.kind() == kKindRectangle)
        shape = AlignShape::Box;
    else if (o.kind() == kKindEllipse)
        shape = AlignShape::Ellipse;
    return {shape, o.w[0], o.w[1], o.w[2], o.w[3]};
}

AnchorItem anchorItemOf(int index)
{
    const BoardObject& o = g_board.objects[index];
    if (o.kind() == kKindText) {
        const BoardBox b = GetObjectExtent(index, kExtentPlain);
        return TextAnchorItem({b.left, b.top, b.right, b.bottom}, o.w[0], o.w[1]);
    }
    if (o.kind() == kKindEllipse || o.kind() == kKindPad)
        return PointAnchorItem(o.w[0], o.w[1]);
    return {};
}

// Align On Line moves the first point of boxes, texts, ellipses, pads and markers.
std::optional<plat::Point> lineAlignedPoint(int index)
{
    const BoardObject& o = g_board.objects[index];
    const int kind = o.kind();
    if (kind != kKindRectangle && kind != kKindText && kind != kKindEllipse && kind != kKindPad && kind != kKindMarker)
        return std::nullopt;
    return plat::Point{o.w[0], o.w[1]};
}

AlignmentStore alignmentStore()
{
    std::vector<int> selection = selectedIndexes();
    return {selection,
            referenceOf,
            anchorItemOf,
            [selection](plat::Point offset) {
                for (const int index : selection)
                    OffsetBoardObject(g_board.objects[index], offset.x, offset.y);
            },
            lineAlignedPoint,
            [](int index, plat::Point p) {
                g_board.objects[index].w[0] = p.x;
                g_board.objects[index].w[1] = p.y;
            }};
}

AlignmentEditor alignmentEditor()
{
    return {alignmentStore, PushUndoSnapshot, RedrawActiveFrame, g_gesture.rectangleEdge, true};
}

}  // namespace

void ScaleSelectedObjects(float xFactor, float yFactor, int refX, int refY)
{
    for (const int index : selectedIndexes()) {
        BoardObject& o = g_board.objects[index];
        if (onCurrentLayer(o))
            scaleObject(o, xFactor, yFactor, refX, refY);
    }
    recentreBoard();
    RedrawActiveFrame();
}

plat::Point BoardSelectionAnchor() { return AnchorOfSelection(alignmentStore()); }

void AlignSelected(AlignCommand command, int reference) { RunAlignCommand(alignmentEditor(), command, reference); }
