// A package library (".CAT" in PACKAGES) rewritten as the footprint editor's Save to Library
// and Delete do: a package is added, then the first one deleted, and every package the reader
// found before must be found again, in order, after each rewrite.

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

void mustList(const std::vector<std::string>& expected)
{
    if (listedPackages() != expected)
        std::abort();
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
        mustList(names);
    }
    if (!names.empty() && RewriteLibrary("FUZZ", names.front(), kRewriteDelete) == 1) {
        names.erase(names.begin());
        mustList(names);
    }
    ClearPackageTables();
    fuzz::host().clearEvents();
}
