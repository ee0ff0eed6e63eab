// A board file (".tlz") opened as the board program opens one from File > Open, painted once,
// then closed.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    Program::openInput("input.tlz", data, size);
}
