// A clipboard block pasted into the example drawing, as Edit > Paste does; the block may come
// from any program.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "common/clipboard_block.h"
#include "fuzz/schematic_state.h"
#include "schemora/core/clipboard_exchange.h"

using Program = fuzz::SchematicProgram;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startSchematicProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program::harness();
    const fuzz::LoadedSymbolsScope restore;
    if (Program::openExample("rc_filter.pic")) {
        fuzz::host().setClipboard(kClipboardFormatName, std::vector<uint8_t>(data, data + size));
        PasteFromClipboard(1);
    }
    Program::closeAll();
    return 0;
}
