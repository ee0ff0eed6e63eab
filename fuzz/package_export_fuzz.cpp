// A package export (".xpc") opened as the board program opens one from File > Open, painted
// once, then closed.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"

using Program = fuzz::BoardProgram;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startBoardProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program::open(fuzz::writeInput("input.xpc", data, size));
    Program::closeAll();
    return 0;
}
