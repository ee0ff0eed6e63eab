// A part library (".CON") and its catalogue (".CAT") as the part chooser lists them and the
// drawing code loads their parts: the input serves as both files of library "FUZZ".

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_state.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"
#include "schemora/core/library_folder.h"
#include "schemora/core/part_library.h"
#include "schemora/core/settings.h"

#include <string>
#include <vector>

void fuzz::startHarness()
{
    fuzz::setUp();
    LoadSettings();
}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const fuzz::LoadedSymbolsScope restore;
    fuzz::writeInput("LIB/FUZZ.CON", data, size);
    fuzz::writeInput("LIB/FUZZ.CAT", data, size);
    std::vector<std::string> names;
    FillLibraryPartList(names, "FUZZ", false);
    std::vector<std::string> catalogue;
    ReadCatalog(catalogue, "FUZZ");
    // Loading every listed part would let one input take minutes; a few show the reader.
    for (size_t i = 0; i < names.size() && i < 4; ++i)
        LoadLibraryPart("FUZZ", names[i]);
    fuzz::host().clearEvents();
}
