// A DXF file imported into the example board, as File > Import > AutoCAD does.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"
#include "tracelyn/core/board_file_commands.h"

using Program = fuzz::BoardProgram;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startBoardProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.dxf", data, size);
    if (Program::openExample("rc_filter.tlz"))
        ImportDxfIntoBoard(path);
    Program::closeAll();
    return 0;
}
