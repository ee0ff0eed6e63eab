#pragma once
// Board objects and packages built by hand, for the board program's tests and benchmarks: an
// object from its kind, layer and eight words, and a package of given objects added to the
// package tables.

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace board_test {

inline BoardObject makeObject(int kind, int layer, std::array<int32_t, 8> words)
{
    BoardObject o;
    std::copy(words.begin(), words.end(), o.w.begin());
    o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer) << 10) | kind;
    return o;
}

// A package of the given objects (package-local coordinates) as `sections` sections, after the
// packages already loaded; returns its index.
inline int addPackage(const std::string& name, const std::vector<BoardObject>& objects, int sections = 1)
{
    const int n = ++g_packages.count;
    PackageDef& def = g_packages.defs[static_cast<size_t>(n)];
    def.name = name;
    const int header = g_packages.objectCount + 1;
    const int count = static_cast<int>(objects.size());
    BoardObject& h = g_packages.objects[static_cast<size_t>(header)];
    h = BoardObject{};
    h.w[0] = count;
    h.w[1] = header + count;
    h.w[3] = 0;
    h.w[4] = sections;
    for (int i = 0; i < count; ++i)
        g_packages.objects[static_cast<size_t>(header + 1 + i)] = objects[static_cast<size_t>(i)];
    def.setObjects(header, count + 1);
    g_packages.objectCount = header + count;
    ComputePartExtent(n);
    return n;
}

}  // namespace board_test
