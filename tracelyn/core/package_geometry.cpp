#include "tracelyn/core/package_geometry.h"

#include "common/rounding.h"
#include "common/scoped_replace.h"
#include "common/string_helpers.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

CurrentPart g_partPosition;

namespace {

std::string upperTrimmed(std::string_view text)
{
    return plat::upperCaseAscii(Trimmed(text, " "));
}

bool isLoadedPackage(int n)
{
    return n >= 1 && n <= std::min(g_packages.count, kMaxPackages);
}

bool inPackageStore(int i)
{
    return i >= 1 && i < kPackageStoreSize;
}

// One of a loaded package's extents (chosen by `which`) through the current part position,
// rotation and mirror; a package that is not loaded leaves the outputs as they were.
void mappedExtent(int package, int32_t* (PackageDef::*which)(), int32_t& x1, int32_t& y1, int32_t& x2,
                  int32_t& y2, int32_t rotation, int mirror)
{
    if (!isLoadedPackage(package))
        return;
    const int32_t* e = (g_packages.defs[static_cast<size_t>(package)].*which)();
    int32_t ax = e[0], ay = e[1], bx = e[2], by = e[3];
    WorldToScreen(ax, ay);
    WorldToScreen(bx, by);
    TransformPoint(ax, ay, x1, y1, rotation, mirror);
    TransformPoint(bx, by, x2, y2, rotation, mirror);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
}

}  // namespace

int IsOrthogonalRotation(int32_t rotation)
{
    const int32_t r = rotation & 0xFFF;
    return r == 0 || r == 900 || r == 1800 || r == 2700 ? 1 : 0;
}

void TransformPoint(int32_t x, int32_t y, int32_t& outX, int32_t& outY, int32_t rotation,
                    int mirror, bool raw)
{
    pcb::TransformPackagePoint(g_board.zoomIndex, g_partPosition.x, g_partPosition.y, x, y, outX, outY, rotation,
                               mirror, raw);
}

void TransformPartPoint(const BoardObject& part, int32_t x, int32_t y, int32_t& outX, int32_t& outY)
{
    const ScopedReplace<CurrentPart> at(g_partPosition, {part.w[0], part.w[1]});
    TransformPoint(x, y, outX, outY, part.w[6] & 0xFFF, (part.w[6] >> 12) & 1, true);
}

int FindPackageByName(int start, std::string_view name, int& index)
{
    std::string wanted = upperTrimmed(name);
    if (wanted.empty())
        return 0;
    size_t cut = wanted.find('!');
    if (cut == std::string::npos)
        cut = wanted.find(':');
    if (cut != std::string::npos)
        wanted.erase(0, cut + 1);
    for (int n = std::max(start, 1); n <= std::min(g_packages.count, kMaxPackages); ++n) {
        if (g_packages.defs[static_cast<size_t>(n)].name == wanted) {
            index = n;
            return 1;
        }
    }
    return 0;
}

void FindPartPin(int package, int& sections, int& count, int& first, int key, int& value)
{
    if (!isLoadedPackage(package))
        return;
    const PackageDef& def = g_packages.defs[static_cast<size_t>(package)];
    value = def.w[2];
    int i = def.w[1];
    for (int tries = 0; tries < 5 && inPackageStore(i); ++tries) {
        const BoardObject& header = g_packages.objects[static_cast<size_t>(i)];
        if (header.w[3] == key) {
            sections = header.w[4] == 0 ? 1 : header.w[4];
            count = header.w[0];
            first = i + 1;
            return;
        }
        i = header.w[1] + 1;
    }
}

void GetPackageExtent(int package, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2,
                      int32_t rotation, int mirror)
{
    mappedExtent(package, &PackageDef::extent, x1, y1, x2, y2, rotation, mirror);
}

void GetPackageExtent2(int package, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2,
                       int32_t rotation, int mirror)
{
    mappedExtent(package, &PackageDef::extent2, x1, y1, x2, y2, rotation, mirror);
}

void SetPartLabelAnchor(BoardObject& part, int* placeholder)
{
    if (placeholder != nullptr)
        *placeholder = 0;
    const int n = part.package();
    if (!isLoadedPackage(n))
        return;
    const PackageDef& def = g_packages.defs[static_cast<size_t>(n)];
    const int first = std::clamp(def.firstObject(), 1, kPackageStoreSize);
    const int end = std::clamp(first + std::max(def.objectCount(), 0), first, kPackageStoreSize);
    for (int i = first; i < end; ++i) {
        const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        const char* text = o.kind() == kKindText ? o.text() : nullptr;
        const size_t length = text ? std::strlen(text) : 0;
        if (length == 0 || text[length - 1] != '?')
            continue;
        if (length >= 2 && text[0] == 'p' && text[1] == '?') {
            if (placeholder != nullptr)
                *placeholder = 1;
            continue;
        }
        const std::string prefix = upperTrimmed(std::string_view(text, length - 1));
        if (part.w[2] == 0 && part.w[3] == 0) {
            part.w[2] = o.w[0];
            part.w[3] = o.w[1];
        }
        const std::string old = part.text() ? part.text() : "";
        const bool hasValue = old.find_first_of(":!") != std::string::npos;
        const std::string name = hasValue ? prefix + ":" + old : prefix;
        char* copy = StrDupChecked(name);
        if (copy != nullptr) {
            char* owned = part.text();
            FreeStr(owned);
            part.data = copy;
        }
        return;
    }
}

int32_t PartLabelAngle(const BoardObject& part)
{
    if ((part.w[4] & 0x100) != 0)
        return 0;
    const int32_t rotation = part.w[6] & 0xFFF;
    int32_t angle = rotation == 0 ? 0 : 3600 - rotation;
    if (((part.w[6] >> 12) & 1) != 0)
        angle |= 0x1000;
    return angle;
}
