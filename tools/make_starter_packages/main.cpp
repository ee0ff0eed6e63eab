// Build-time writer of the starter package library:
//   make_starter_packages CATALOG_PATH
// Writes the catalogue, then loads every package back through the library lookup; any message
// or missing package fails the build.
#include "platform/core/archive.h"
#include "platform/system/paths.h"
#include "tools/generator_output.h"
#include "tools/make_starter_packages/starter_packages.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <cstdio>

namespace {

constexpr std::string_view kTool = "make_starter_packages";

bool readBack(const std::string& catalog, const std::vector<StarterPackage>& packages)
{
    g_boardFolders.libraryFolder = plat::withTrailingSeparator(plat::folderOf(catalog));
    ClearPackageTables();
    bool ok = true;
    for (const StarterPackage& package : packages) {
        if (LoadLibraryPart(kStarterLibrary, package.name) != 1 ||
            g_packages.defs[g_packages.current].comment.empty()) {
            std::fprintf(stderr, "%s: %s does not read back\n", kTool.data(), package.name.c_str());
            ok = false;
        }
    }
    ClearPackageTables();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    return runGenerator(argc, argv, 1, "make_starter_packages CATALOG_PATH", kTool, [](std::span<char* const> arguments) {
        const std::string catalog = arguments[0];
        const std::vector<StarterPackage> packages = StarterPackages();
        plat::Archive file(plat::Archive::Mode::Store);
        WriteCatalogHeader(file, static_cast<int>(packages.size()));
        for (const StarterPackage& package : packages)
            WriteCatalogEntry(file, package.name, package.objects.data(), 1,
                              static_cast<int>(package.objects.size()) - 1);
        return writeGeneratedFile(kTool, catalog, file.bytes()) && readBack(catalog, packages);
    });
}
