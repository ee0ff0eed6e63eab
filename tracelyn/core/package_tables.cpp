#include "tracelyn/core/package_tables.h"

#include "common/string_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

PackageTables g_packages;

namespace {

struct Box {
    int32_t minX = 60000, minY = 60000, maxX = -60000, maxY = -60000;
    void add(int64_t x, int64_t y)
    {
        minX = static_cast<int32_t>(std::min<int64_t>(minX, x));
        minY = static_cast<int32_t>(std::min<int64_t>(minY, y));
        maxX = static_cast<int32_t>(std::max<int64_t>(maxX, x));
        maxY = static_cast<int32_t>(std::max<int64_t>(maxY, y));
    }
};

void addObject(Box& box, const BoardObject& o)
{
    const int64_t x = o.w[0], y = o.w[1], a = o.w[2], b = o.w[3];
    switch (o.kind()) {
    case kKindLine: case kKindArc: case 5:
        box.add(x, y);
        box.add(a, b);
        break;
    case kKindRectangle:
        box.add(x, y);
        box.add(x + a, y + b);
        break;
    case kKindText: {
        const char* text = o.text() ? o.text() : "";
        const int64_t width = std::strchr(text, '?') ? 64 : 8 * static_cast<int64_t>(std::strlen(text));
        box.add(x, y);
        box.add(x + width, y + 8);
        break;
    }
    case kKindEllipse:
        box.add(x - a, y - b);
        box.add(x + a, y + b);
        break;
    case kKindPad: {
        const int shape = o.w[5] & 15;
        box.add(x - (a / 2 + 5), y);
        box.add(x + (a / 2 + 5), y);
        if (shape == 4) {
            box.add(x, y - 5);
            box.add(x, y + (b & ~int64_t{1}) + 5);
        } else {
            box.add(x, y - (b / 2 + 5));
            box.add(x, y + (b / 2 + 5));
        }
        if (o.w[6] >= 1 && (shape == 0 || shape == 1 || shape == 3))
            g_packages.layerMarker = kLayerAll;
        break;
    }
    default:
        break;
    }
}

}  // namespace

PackageRecords PackageRecordsOf(int n)
{
    if (n < 1 || n > std::min(g_packages.count, kMaxPackages))
        return {};
    const PackageDef& def = g_packages.defs[static_cast<size_t>(n)];
    const int first = std::clamp(def.firstObject(), 1, kPackageStoreSize);
    const int end = std::clamp(first + std::max(def.objectCount(), 0), first, kPackageStoreSize);
    return {first, end};
}

void ClearPackageObjects()
{
    for (BoardObject& o : g_packages.objects) {
        FreeObjectData(o);
        o = BoardObject{};
    }
    g_packages.objectCount = 0;
}

void ClearPackageTables()
{
    ClearPackageObjects();
    for (PackageDef& def : g_packages.defs)
        def = PackageDef{};
    g_packages.count = 0;
    g_packages.current = 0;
    g_packages.objectCount = 0;
}

int DropUnusedPackages(std::span<const BoardParts> boards)
{
    const int loaded = std::min(g_packages.count, kMaxPackages);
    std::array<bool, kPackageTableSize> used{};
    for (const BoardParts& board : boards)
        for (int i = 1; board.objects != nullptr && i <= board.count; ++i)
            if (const int n = board.objects[i].package(); n >= 1 && n <= loaded)
                used[static_cast<size_t>(n)] = true;
    std::array<int, kPackageTableSize> renumbered{};
    int kept = 0;
    for (int n = 1; n <= loaded; ++n) {
        if (!used[static_cast<size_t>(n)])
            continue;
        renumbered[static_cast<size_t>(n)] = ++kept;
        if (kept != n)
            g_packages.defs[static_cast<size_t>(kept)] = std::move(g_packages.defs[static_cast<size_t>(n)]);
    }
    for (int n = kept + 1; n <= loaded; ++n)
        g_packages.defs[static_cast<size_t>(n)] = PackageDef{};
    for (const BoardParts& board : boards)
        for (int i = 1; board.objects != nullptr && i <= board.count; ++i)
            if (const int n = board.objects[i].package(); n >= 1 && n <= loaded)
                board.objects[i].setKind(kKindPart + renumbered[static_cast<size_t>(n)]);
    const int current = g_packages.current;
    g_packages.current = current >= 1 && current <= loaded ? renumbered[static_cast<size_t>(current)] : 0;
    g_packages.count = kept;
    return loaded - kept;
}

int FindLoadedPackage(std::string_view name)
{
    for (int i = 1; i <= std::min(g_packages.count, kMaxPackages); ++i)
        if (g_packages.defs[i].name == name)
            return i;
    return 0;
}

std::string_view PackageNameOf(int n)
{
    if (n < 1 || n > std::min(g_packages.count, kMaxPackages))
        return {};
    return g_packages.defs[n].name;
}

bool PointsNear(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    return std::llabs(int64_t{x0} - x1) < 50 && std::llabs(int64_t{y0} - y1) < 50;
}

void ComputePartExtent(int n)
{
    g_packages.layerMarker = -1;
    if (n < 1 || n > std::min(g_packages.count, kMaxPackages))
        return;
    const PackageRecords range = PackageRecordsOf(n);
    Box box;
    for (int i = range.first; i < range.end; ++i)
        addObject(box, g_packages.objects[i]);
    const int32_t grown[4] = {box.minX - 20, box.minY - 20, box.maxX + 20, box.maxY + 20};
    PackageDef& def = g_packages.defs[n];
    std::copy(std::begin(grown), std::end(grown), def.extent());
    std::copy(std::begin(grown), std::end(grown), def.extent2());
}

void AttachPinLabels(int n)
{
    const PackageRecords range = PackageRecordsOf(n);
    for (int p = range.first; p < range.end; ++p) {
        BoardObject& pad = g_packages.objects[p];
        if (pad.kind() != kKindPad)
            continue;
        pad.data = StrDupChecked("");   // the shared empty string
        for (int t = range.first; t < range.end; ++t) {
            BoardObject& text = g_packages.objects[t];
            if (text.kind() != kKindText || !PointsNear(text.w[0], text.w[1], pad.w[0], pad.w[1]))
                continue;
            text.w[6] = 3;
            text.w[7] = p;
            pad.data = text.data;
            break;
        }
    }
}
