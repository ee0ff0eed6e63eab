// A DXF file imported into the example board, as File > Import > AutoCAD does.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"
#include "tracelyn/core/board_file_commands.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.dxf", data, size);
    Program::onExample("rc_filter.tlz", [&] { ImportDxfIntoBoard(path); });
}
