// A package library (".CAT" in PACKAGES) rewritten as the footprint editor's Save to Library
// and Delete do: a package is added, then the first one deleted, and every other package the
// reader found before must be found again, in order, after each rewrite.

#include "fuzz/fuzz_support.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kAdded = "ZZADDED";

std::vector<std::string> listedPackages()
{
    std::vector<std::string> names;
    FillLibraryPartList("FUZZ", names);
    return names;
}

// Every package listed before is listed after, in the same order. A catalogue whose header
// counts fewer packages than it holds shows the rest only once a rewrite has counted them again.
void mustKeep(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    size_t at = 0;
    for (const std::string& name : before) {
        while (at < after.size() && after[at] != name)
            ++at;
        if (at++ >= after.size())
            std::abort();
    }
}

}  // namespace

void fuzz::startHarness()
{
    fuzz::setUp();
    LoadSettings();
}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::writeInput("PACKAGES/FUZZ.CAT", data, size);
    std::vector<std::string> names = listedPackages();
    if (std::find(names.begin(), names.end(), kAdded) == names.end() &&
        RewriteLibrary("FUZZ", kAdded, kRewriteReplace) == 1) {
        names.push_back(kAdded);
        const std::vector<std::string> after = listedPackages();
        mustKeep(names, after);
        names = after;
    }
    if (!names.empty() && RewriteLibrary("FUZZ", names.front(), kRewriteDelete) == 1) {
        names.erase(names.begin());
        mustKeep(names, listedPackages());
    }
    ClearPackageTables();
    fuzz::host().clearEvents();
}
