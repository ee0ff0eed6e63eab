// A Gerber file imported into the example board, as File > Import > Gerber does: its
// apertures into the imported D-code table, its draws and flashes onto the top layer.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"
#include "tracelyn/route/gerber_import.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.gbr", data, size);
    Program::onExample("rc_filter.tlz", [&] { ImportGerberFile(path, 0); });
}
