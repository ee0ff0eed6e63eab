#include "tracelyn/core/package_reload.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

bool readAgain(int slot, const std::string& name)
{
    const size_t slash = name.rfind('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == name.size())
        return false;
    std::optional<plat::Archive> file = OpenPartLibrary(std::string_view(name).substr(0, slash),
                                                        std::string_view(name).substr(slash + 1));
    if (!file || LoadPackageBody(*file, slot, kPackageBodyCatalog) == 0)
        return false;
    ComputePartExtent(slot);
    AttachPinLabels(slot);
    return true;
}

// Moves the old package's records behind what the store holds and points the slot at them.
// Section headers and the closing record name records by index, so they move with the run.
bool keepOldPackage(int slot, const PackageDef& def, PackageTables& old)
{
    const int first = def.firstObject();
    const int count = def.objectCount();
    const int newFirst = g_packages.objectCount + 1;
    if (first < 1 || count < 0 || first + count > kPackageStoreSize || newFirst + count > kPackageStoreSize)
        return false;
    const bool sectioned = count > 0 && old.objects[static_cast<size_t>(first)].kind() == kKindDeleted;
    const int delta = newFirst - first;
    for (int k = 0; k < count; ++k) {
        BoardObject& o = old.objects[static_cast<size_t>(first + k)];
        BoardObject& moved = g_packages.objects[static_cast<size_t>(newFirst + k)];
        moved = o;
        o = BoardObject{};
        if (sectioned && moved.kind() == kKindDeleted)
            moved.w[1] += delta;
    }
    g_packages.objectCount = newFirst + count - 1;
    g_packages.defs[static_cast<size_t>(slot)] = def;
    g_packages.defs[static_cast<size_t>(slot)].setObjects(newFirst, count);
    AttachPinLabels(slot);
    return true;
}

}  // namespace

int ReloadBoardPackages()
{
    auto old = std::make_unique<PackageTables>();
    std::swap(*old, g_packages);
    const int packages = std::clamp(old->count, 0, kMaxPackages);
    int reloaded = 0;
    for (int i = 1; i <= packages; ++i) {
        const PackageDef& def = old->defs[static_cast<size_t>(i)];
        g_packages.count = i;
        g_packages.defs[static_cast<size_t>(i)] = PackageDef{};
        g_packages.defs[static_cast<size_t>(i)].name = def.name;
        if (readAgain(i, def.name)) {
            ++reloaded;
            continue;
        }
        plat::MessageBox("Part re-load error!");
        if (!keepOldPackage(i, def, *old)) {
            g_packages.defs[static_cast<size_t>(i)] = PackageDef{};
            g_packages.defs[static_cast<size_t>(i)].name = def.name;
        }
    }
    g_packages.current = std::min(old->current, g_packages.count);
    g_packages.layerMarker = old->layerMarker;
    for (BoardObject& o : old->objects)
        FreeObjectData(o);
    return reloaded;
}

int LoadedPackageOf(std::string_view library, std::string_view part)
{
    const std::string wanted = PackageName(library, part);
    for (int i = 1; i <= std::min(g_packages.count, kMaxPackages); ++i)
        if (plat::equalsNoCase(g_packages.defs[static_cast<size_t>(i)].name, wanted))
            return i;
    return 0;
}
