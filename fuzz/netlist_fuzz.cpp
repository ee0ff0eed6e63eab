// A netlist (".net") loaded into the example board as Process > Load Netlist loads one, with
// the rats nest built from it; the board is opened afresh for each input.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/route/board_netlist.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string netlist = fuzz::writeInput("examples/input.net", data, size);
    Program::onExample("rc_filter.tlz", [&] {
        g_netlist.netlistName = netlist;
        LoadNetlist(1);
        BuildRatsNest(1);
    });
}
