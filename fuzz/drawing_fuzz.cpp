// A drawing file (".pic") opened as the schematic program opens one from File > Open, painted
// once, then closed.

#include "fuzz/schematic_program.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startSchematicProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::openAsDrawing("input.pic", data, size);
    return 0;
}
