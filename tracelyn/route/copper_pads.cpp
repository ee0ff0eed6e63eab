#include "tracelyn/route/copper_pads.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>

void PadHalfSizes(int32_t sizeX, int32_t sizeY, int32_t rotation, int32_t& hx, int32_t& hy)
{
    const int32_t turn = rotation & 0xFFF;
    const bool quarter = turn == 900 || turn == 2700;
    hx = (quarter ? sizeY : sizeX) / 2;
    hy = (quarter ? sizeX : sizeY) / 2;
}

void AppendPartPads(int index, std::vector<CopperPad>& out)
{
    const BoardObject& part = g_board.objects[index];
    if (!part.isPart() || part.package() < 1 || part.package() > g_packages.count)
        return;
    int sections = 0, count = 0, first = 0, value = 0;
    const int key = part.w[5] == -1 ? 0 : (part.w[5] >> 3) & 3;
    FindPartPin(part.package(), sections, count, first, key, value);
    const int end = std::min(first + std::max(count, 0), kPackageStoreSize);
    const CurrentPart saved = g_partPosition;
    g_partPosition = {part.w[0], part.w[1]};
    const int32_t rotation = part.w[6] & 0xFFF;
    const int mirror = (part.w[6] >> 12) & 1;
    for (int k = std::max(first, 1); k < end; ++k) {
        const BoardObject& pad = g_packages.objects[static_cast<size_t>(k)];
        if (pad.kind() != kKindPad)
            continue;
        CopperPad p;
        TransformPoint(pad.w[0], pad.w[1], p.x, p.y, rotation, mirror, true);
        int32_t hx = 0, hy = 0;
        PadHalfSizes(pad.w[2], pad.w[3], rotation, hx, hy);
        p.sizeX = 2 * hx;
        p.sizeY = 2 * hy;
        p.style = pad.w[5] & 15;
        p.layer = pad.layer() == kLayerAll ? kLayerAll : part.layer();
        p.hole = pad.w[6];
        p.rotation = rotation;
        p.object = index;
        p.packageRecord = k;
        p.pin = pad.text();
        out.push_back(p);
    }
    g_partPosition = saved;
}

CopperPad FreePad(int index)
{
    const BoardObject& o = g_board.objects[index];
    CopperPad p;
    p.x = o.w[0];
    p.y = o.w[1];
    p.sizeX = o.w[2];
    p.sizeY = o.w[3];
    p.style = o.w[5] & 15;
    p.layer = o.layer();
    p.hole = o.w[6];
    p.object = index;
    return p;
}

std::vector<CopperPad> CollectCopperPads(int first, int last, bool freePads)
{
    std::vector<CopperPad> pads;
    if (g_board.objects == nullptr)
        return pads;
    last = std::min(last, g_board.capacity - 1);
    for (int i = std::max(first, 1); i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.isPart())
            AppendPartPads(i, pads);
        else if (freePads && o.kind() == kKindPad)
            pads.push_back(FreePad(i));
    }
    return pads;
}
