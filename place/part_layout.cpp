#include "place/part_layout.h"

#include "place/free_room.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include "common/string_helpers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

struct Box {
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    bool empty() const { return left > right; }
    void add(int32_t l, int32_t t, int32_t r, int32_t b)
    {
        left = std::min(left, l);
        top = std::min(top, t);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    }
};

// The package's extent about the part's position.
Box packageBox(int package)
{
    const int32_t* e = g_packages.defs[static_cast<size_t>(package)].extent();
    Box box;
    box.add(e[0] - kPackageOriginX, e[1] - kPackageOriginY - kLabelRoom, e[2] - kPackageOriginX, e[3] - kPackageOriginY);
    return box;
}

int32_t snapUp(int32_t v) { return static_cast<int32_t>(std::ceil(static_cast<double>(v) / kPlacementGrid)) * kPlacementGrid; }
int32_t snapDown(int32_t v) { return static_cast<int32_t>(std::floor(static_cast<double>(v) / kPlacementGrid)) * kPlacementGrid; }

// What the board already holds, the outline and the rats nest left out.
Box contentBox()
{
    Box box;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindOutline || o.kind() == kKindNoRoute || o.kind() == 0)
            continue;
        if (o.isPart() && o.package() >= 1 && o.package() <= g_packages.count) {
            const Box p = packageBox(o.package());
            box.add(o.w[0] + p.left, o.w[1] + p.top, o.w[0] + p.right, o.w[1] + p.bottom);
        } else {
            box.add(o.w[0], o.w[1], o.w[0], o.w[1]);
        }
    }
    return box;
}

// The smallest work area, from `from` on, whose board of half sizes (hx, hy) keeps 1000
// units from its edges; 0 when none does.
int32_t workAreaFor(int32_t hx, int32_t hy, int32_t from)
{
    for (int32_t letter = std::max<int32_t>(from, 'A'); letter <= 'G'; ++letter) {
        const WorkAreaSize area = WorkAreaOf(letter);
        if (int64_t{hx} <= int64_t{area.width} * 5 - kPartGap && int64_t{hy} <= int64_t{area.height} * 5 - kPartGap)
            return letter;
    }
    return 0;
}

bool appendPart(const PartToPlace& p, const PlacedBox& at)
{
    BoardObject* part = AppendedObject(AppendObject());
    if (part == nullptr)
        return false;
    part->w[0] = at.x;
    part->w[1] = at.y;
    part->w[4] = kLayerAll * 1024 + kKindPart + p.package;
    part->w[7] = p.part->number;
    part->data = StrDupChecked(p.part->prefix);
    // The label stands over the package's top left corner.
    const int32_t* e = g_packages.defs[static_cast<size_t>(p.package)].extent();
    part->w[2] = e[0];
    part->w[3] = e[1] - kLabelRoom / 4;
    return true;
}

}  // namespace

std::vector<PlacedBox> ArrangeInRows(const std::vector<PartToPlace>& parts, int32_t left, int32_t top, int32_t rowWidth)
{
    std::vector<Box> boxes;
    double area = 0;
    int32_t widest = 0;
    for (const PartToPlace& p : parts) {
        boxes.push_back(packageBox(p.package));
        const Box& b = boxes.back();
        widest = std::max(widest, b.right - b.left);
        area += (double(b.right - b.left) + kPartGap) * (double(b.bottom - b.top) + kPartGap);
    }
    if (rowWidth <= 0)
        rowWidth = std::max(widest, static_cast<int32_t>(std::sqrt(area) * 1.6));
    std::vector<PlacedBox> placed;
    int32_t x = left, y = top, rowBottom = top;
    for (const Box& b : boxes) {
        if (x > left && x + (b.right - b.left) > left + rowWidth) {
            x = left;
            y = rowBottom + kPartGap;
        }
        PlacedBox at;
        at.x = snapUp(x - b.left);
        at.y = snapUp(y - b.top);
        at.left = at.x + b.left;
        at.top = at.y + b.top;
        at.right = at.x + b.right;
        at.bottom = at.y + b.bottom;
        placed.push_back(at);
        x = at.right + kPartGap;
        rowBottom = std::max(rowBottom, at.bottom);
    }
    return placed;
}

namespace {

PlacedBox placedAt(const ExtentBox& box, int32_t x, int32_t y)
{
    return {x, y, x + box.left, y + box.top, x + box.right, y + box.bottom};
}

Box boxOf(const std::vector<PlacedBox>& boxes)
{
    Box all;
    for (const PlacedBox& b : boxes)
        all.add(b.left, b.top, b.right, b.bottom);
    return all;
}

// The outline box round `all` with the part gap, on the grid.
Box outlineRound(Box all)
{
    all.left = snapDown(all.left - kPartGap);
    all.top = snapDown(all.top - kPartGap);
    all.right = snapUp(all.right + kPartGap);
    all.bottom = snapUp(all.bottom + kPartGap);
    return all;
}

// The work area from the board's own on that holds `box`, or a refusal.
bool fitWorkArea(const Box& box, int32_t from, LayoutResult& result)
{
    const int32_t hx = std::max(std::abs(box.left), std::abs(box.right));
    const int32_t hy = std::max(std::abs(box.top), std::abs(box.bottom));
    const int32_t letter = workAreaFor(hx, hy, from);
    if (letter == 0) {
        result.refusal = "The parts do not fit on the largest work area.";
        return false;
    }
    g_board.sizeLetter = letter;
    return true;
}

bool appendAll(const std::vector<PartToPlace>& parts, const std::vector<PlacedBox>& boxes, LayoutResult& result)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!appendPart(parts[i], boxes[i])) {
            result.refusal = "The board is full.";
            return false;
        }
        ++result.placed;
    }
    return true;
}

bool storeHolds(size_t parts, LayoutResult& result)
{
    if (StoreHasRoomFor(static_cast<int>(parts)))
        return true;
    result.refusal = "The board has no room for " + std::to_string(parts) + " more parts.";
    return false;
}

// A new board: the parts about its centre, the outline round them.
LayoutResult layOutNewBoard(const std::vector<PartToPlace>& parts)
{
    LayoutResult result;
    std::vector<PlacedBox> boxes = ArrangeInRows(parts, 0, 0);
    const Box all = boxOf(boxes);
    if (all.empty())
        return result;
    const int32_t dx = -snapDown((all.left + all.right) / 2), dy = -snapDown((all.top + all.bottom) / 2);
    for (PlacedBox& b : boxes)
        b.x += dx, b.y += dy, b.left += dx, b.right += dx, b.top += dy, b.bottom += dy;
    const Box outline = outlineRound(boxOf(boxes));
    if (!fitWorkArea(outline, 'A', result) || !storeHolds(parts.size(), result))
        return result;
    SetOutlineRectangle(outline.left, outline.top, outline.right, outline.bottom);
    appendAll(parts, boxes, result);
    return result;
}

// A board without an outline to place inside: the parts go below what it holds.
LayoutResult layOutBelowContent(const std::vector<PartToPlace>& parts)
{
    LayoutResult result;
    const Box existing = contentBox();
    const std::vector<PlacedBox> boxes =
        ArrangeInRows(parts, existing.empty() ? 0 : snapDown(existing.left), existing.empty() ? 0 : existing.bottom + kPartGap);
    Box all = boxOf(boxes);
    if (!existing.empty())
        all.add(existing.left, existing.top, existing.right, existing.bottom);
    if (!all.empty() && (!fitWorkArea(outlineRound(all), g_board.sizeLetter, result) || !storeHolds(parts.size(), result)))
        return result;
    appendAll(parts, boxes, result);
    return result;
}

// A board that has an outline: each part into the first free room inside it; what finds no
// room goes in rows below the outline, which grows round them when it is a rectangle.
LayoutResult layOutInsideOutline(const std::vector<PartToPlace>& parts, FreeRoom& room)
{
    LayoutResult result;
    std::vector<PlacedBox> boxes(parts.size());
    std::vector<size_t> leftOver;
    for (size_t i = 0; i < parts.size(); ++i) {
        const Box b = packageBox(parts[i].package);
        const ExtentBox box{b.left, b.top, b.right, b.bottom};
        if (const auto at = room.take(box))
            boxes[i] = placedAt(box, at->first, at->second);
        else
            leftOver.push_back(i);
    }
    const ExtentBox& edge = room.outlineBox();
    Box outline;
    outline.add(edge.left, edge.top, edge.right, edge.bottom);
    if (!leftOver.empty()) {
        std::vector<PartToPlace> rest;
        for (size_t i : leftOver)
            rest.push_back(parts[i]);
        const std::vector<PlacedBox> below = ArrangeInRows(rest, snapUp(edge.left + kPartGap),
                                                           snapUp(edge.bottom + kPartGap), edge.right - edge.left - 2 * kPartGap);
        for (size_t k = 0; k < leftOver.size(); ++k)
            boxes[leftOver[k]] = below[k];
        const Box grown = outlineRound(boxOf(below));
        if (room.outlineIsRectangle()) {
            outline.right = std::max(outline.right, grown.right);
            outline.bottom = grown.bottom;
        } else {
            for (size_t i : leftOver)
                result.belowOutline.push_back(i);
            outline.add(grown.left, grown.top, grown.right, grown.bottom);
        }
    }
    if (!fitWorkArea(outline, g_board.sizeLetter, result) || !storeHolds(parts.size(), result))
        return result;
    if (!leftOver.empty() && room.outlineIsRectangle())
        SetOutlineRectangle(outline.left, outline.top, outline.right, outline.bottom);
    appendAll(parts, boxes, result);
    return result;
}

}  // namespace

LayoutResult LayOutParts(const std::vector<PartToPlace>& parts, bool keepOutline)
{
    if (!keepOutline)
        return layOutNewBoard(parts);
    if (parts.empty())
        return {};
    std::optional<FreeRoom> room = FreeRoom::OfCurrentBoard(kPlacementGrid, kPartGap);
    return room ? layOutInsideOutline(parts, *room) : layOutBelowContent(parts);
}
