#include "common/alignment_commands.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

void moveBy(const AlignmentStore& store, const std::optional<plat::Point>& offset)
{
    if (offset && store.moveSelection)
        store.moveSelection(*offset);
}

}  // namespace

AnchorItem TextAnchorItem(const plat::Rect& extent, int x, int y)
{
    const int middle = static_cast<int>((static_cast<long long>(extent.left) + extent.right) / 2);
    const long long lift = std::llabs(static_cast<long long>(extent.top) - extent.bottom) / 4;
    const int lifted = static_cast<int>(std::clamp<long long>(static_cast<long long>(y) - lift, INT_MIN, INT_MAX));
    return {true, {middle, lifted}, {x, y}};
}

AnchorItem PointAnchorItem(int x, int y) { return {true, {x, y}, {x, y}}; }

plat::Point AnchorOfSelection(const AlignmentStore& store)
{
    std::vector<AnchorItem> items;
    items.reserve(store.selection.size());
    for (const int index : store.selection)
        items.push_back(store.anchorItemOf(index));
    return SelectionAnchor(items);
}

void AlignSelectionWithEdge(const AlignmentStore& store, int reference, int edgeCode, bool lineBothAxes)
{
    moveBy(store, AlignWithEdgeOffset(store.referenceOf(reference), edgeCode, AnchorOfSelection(store), lineBothAxes));
}

void AlignSelectionToCenter(const AlignmentStore& store, int reference)
{
    moveBy(store, AlignToCenterOffset(store.referenceOf(reference), AnchorOfSelection(store)));
}

void AlignSelectionOnLine(const AlignmentStore& store, int reference)
{
    const AlignReference line = store.referenceOf(reference);
    if (line.shape != AlignShape::Line)
        return;
    for (const int index : store.selection) {
        const std::optional<plat::Point> first = store.lineAlignedPoint(index);
        if (!first)
            continue;
        store.setFirstPoint(index, ProjectPointOnLine(line.xa, line.ya, line.xb, line.yb, first->x, first->y));
    }
}

AlignCommand AlignCommandOf(unsigned id, AlignMenuIds ids)
{
    if (id == ids.withEdge)
        return AlignCommand::WithEdge;
    return id == ids.toCenter ? AlignCommand::ToCenter : AlignCommand::OnLine;
}

std::optional<int> TakeAlignReference(std::span<const int32_t> list, int32_t& count)
{
    if (count < 2 || static_cast<size_t>(count) >= list.size())
        return std::nullopt;
    return list[static_cast<size_t>(count--)];
}

void RunAlignMenuItem(unsigned id, AlignMenuIds ids, std::span<const int32_t> list, int32_t& count,
                      void (*alignSelected)(AlignCommand command, int reference))
{
    if (const std::optional<int> reference = TakeAlignReference(list, count))
        alignSelected(AlignCommandOf(id, ids), *reference);
}

void RunAlignCommand(const AlignmentEditor& editor, AlignCommand command, int reference)
{
    editor.pushUndo();
    const AlignmentStore store = editor.readStore();
    switch (command) {
    case AlignCommand::WithEdge: AlignSelectionWithEdge(store, reference, editor.edgeCode, editor.lineBothAxes); break;
    case AlignCommand::ToCenter: AlignSelectionToCenter(store, reference); break;
    case AlignCommand::OnLine: AlignSelectionOnLine(store, reference); break;
    }
    editor.redraw();
}
