// An encapsulated drawing (".EPC": the part definitions follow the objects) opened as the
// schematic program opens one from File > Open, painted once, then closed.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "fuzz/schematic_state.h"

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
    Program::open(fuzz::writeInput("input.EPC", data, size));
    Program::closeAll();
    return 0;
}
