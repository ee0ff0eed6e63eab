#include "place/part_layout.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include "common/string_helpers.h"

#include <algorithm>
#include <climits>
#include <cmath>

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

LayoutResult LayOutParts(const std::vector<PartToPlace>& parts, bool keepOutline)
{
    LayoutResult result;
    const Box existing = contentBox();
    const bool below = keepOutline && !existing.empty();
    std::vector<PlacedBox> boxes = ArrangeInRows(parts, below ? snapDown(existing.left) : 0,
                                                 below ? existing.bottom + kPartGap : 0);
    Box all;
    for (const PlacedBox& b : boxes)
        all.add(b.left, b.top, b.right, b.bottom);
    if (!below && !all.empty()) {
        // About the board's centre.
        const int32_t dx = -snapDown((all.left + all.right) / 2), dy = -snapDown((all.top + all.bottom) / 2);
        for (PlacedBox& b : boxes) {
            b.x += dx, b.y += dy, b.left += dx, b.right += dx, b.top += dy, b.bottom += dy;
        }
        all = Box{};
        for (const PlacedBox& b : boxes)
            all.add(b.left, b.top, b.right, b.bottom);
    }
    if (!existing.empty() && keepOutline)
        all.add(existing.left, existing.top, existing.right, existing.bottom);
    Box outline = all;
    if (!outline.empty()) {
        outline.left = snapDown(outline.left - kPartGap);
        outline.top = snapDown(outline.top - kPartGap);
        outline.right = snapUp(outline.right + kPartGap);
        outline.bottom = snapUp(outline.bottom + kPartGap);
        const int32_t hx = std::max(std::abs(outline.left), std::abs(outline.right));
        const int32_t hy = std::max(std::abs(outline.top), std::abs(outline.bottom));
        const int32_t letter = workAreaFor(hx, hy, keepOutline ? g_board.sizeLetter : 'A');
        if (letter == 0) {
            result.refusal = "The parts do not fit on the largest work area.";
            return result;
        }
        if (!StoreHasRoomFor(static_cast<int>(parts.size()))) {
            result.refusal = "The board has no room for " + std::to_string(parts.size()) + " more parts.";
            return result;
        }
        g_board.sizeLetter = letter;
        if (!keepOutline)
            SetOutlineRectangle(outline.left, outline.top, outline.right, outline.bottom);
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!appendPart(parts[i], boxes[i])) {
            result.refusal = "The board is full.";
            return result;
        }
        ++result.placed;
    }
    return result;
}
