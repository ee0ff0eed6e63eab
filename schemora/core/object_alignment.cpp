#include "schemora/core/object_alignment.h"

#include "common/alignment_commands.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/object_points.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace {

constexpr int kObjSymbolPin = 25;

// The selected indexes that name a live slot of the store.
std::vector<int> selectedIndexes()
{
    std::vector<int> list;
    const int n = std::clamp(g_editState.selectionCount, 0, kSelectionSlots - 1);
    for (int i = 1; i <= n; ++i) {
        const int index = g_editState.SelectionList[static_cast<std::size_t>(i)];
        if (index >= 1 && index <= g_current.liveCount())
            list.push_back(index);
    }
    return list;
}

int plus(int value, int by) { return static_cast<int>(std::clamp<long long>(static_cast<long long>(value) + by, INT_MIN, INT_MAX)); }

bool movesFirstPointOnly(int type)
{
    return type == kObjRectangle || type == kObjText || type == kObjDot || type == kObjEllipse ||
           type == kObjRoundRect || type == kObjSymbolPin || type >= kObjPart;
}

AlignReference referenceOf(int index)
{
    if (index < 1 || index > g_current.liveCount())
        return {};
    const DrawObject& o = g_current.at(index);
    AlignShape shape = AlignShape::Other;
    switch (o.type()) {
    case kObjLine: shape = AlignShape::Line; break;
    case kObjRectangle:
    case kObjRoundRect: shape = AlignShape::Box; break;
    case kObjEllipse: shape = AlignShape::Ellipse; break;
    default: break;
    }
    return {shape, o.w[0], o.w[1], o.w[2], o.w[3]};
}

AnchorItem anchorItemOf(int index)
{
    const DrawObject& o = g_current.at(index);
    switch (o.type()) {
    case kObjText: return TextAnchorItem(GetObjectExtent(index), o.w[0], o.w[1]);
    case kObjDot:
    case kObjEllipse: return PointAnchorItem(o.w[0], o.w[1]);
    default: return {};
    }
}

// Align On Line moves the first point of the kinds that move by it alone, parts excepted.
std::optional<plat::Point> lineAlignedPoint(int index)
{
    const DrawObject& o = g_current.at(index);
    if (o.type() >= kObjPart || !movesFirstPointOnly(o.type()))
        return std::nullopt;
    return plat::Point{o.w[0], o.w[1]};
}

AlignmentStore alignmentStore()
{
    return {selectedIndexes(),
            referenceOf,
            anchorItemOf,
            [](plat::Point offset) { OffsetSelection(offset.x, offset.y); },
            lineAlignedPoint,
            [](int index, plat::Point p) {
                g_current.at(index).w[0] = p.x;
                g_current.at(index).w[1] = p.y;
            }};
}

AlignmentEditor alignmentEditor() { return {alignmentStore, PushUndoSnapshot, RedrawActiveFrame, g_selection.edgeCode, false}; }

}  // namespace

void OffsetSelection(int dx, int dy)
{
    for (const int index : selectedIndexes()) {
        DrawObject& o = g_current.at(index);
        const int type = o.type();
        if (!o.hasSecondPoint() && type != kObjPolygon && !movesFirstPointOnly(type))
            continue;
        const auto byX = [dx](int x) { return plus(x, dx); };
        const auto byY = [dy](int y) { return plus(y, dy); };
        MapEndPoints(o, o.hasSecondPoint(), byX, byY);
        if (type == kObjPolygon)
            MapPolygonPoints(o, byX, byY);
    }
}

plat::Point SelectionAnchor() { return AnchorOfSelection(alignmentStore()); }

void AlignSelected(AlignCommand command, int reference) { RunAlignCommand(alignmentEditor(), command, reference); }
