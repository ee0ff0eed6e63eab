// A package library (".CAT" in PACKAGES) as the part chooser lists it and placing a part
// loads its packages: the input is library "FUZZ".

#include "fuzz/fuzz_support.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <string>
#include <vector>

void fuzz::startHarness()
{
    fuzz::setUp();
    LoadSettings();
}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::writeInput("PACKAGES/FUZZ.CAT", data, size);
    std::vector<std::string> names;
    FillLibraryPartList("FUZZ", names);
    for (size_t i = 0; i < names.size() && i < 4; ++i)
        LoadLibraryPart("FUZZ", names[i]);
    ClearPackageTables();
    fuzz::host().clearEvents();
}
