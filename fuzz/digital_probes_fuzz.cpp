// The digital circuit file (".ckt") beside the simulation example, read as the logic analyzer
// reads it after a digital run: each probe of the drawing is looked up on the file's ".PROBE"
// line, whose position picks the probe's column of the digital listing.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/netlist/sim_traces.h"

namespace {

// A listing of the digital simulator with levels for three probes.
constexpr std::string_view kListing =
    "SCALE 1e-9\n"
    "         TIME  OUT IN CLK\n"
    "            0  0 1 0\n"
    "           10  1 0 1\n"
    "           20  X 1 0\n";

// The example has the probe OUT; two more give the ".PROBE" line positions to find.
void addProbes()
{
    for (const char* name : {"IN*", "CLK*"}) {
        const int index = AppendObjects(1);
        if (index == 0)
            return;
        g_current.at(index) = MakeDrawObject(ObjectWords(kObjText, 0, 100 * index, 0, 0, 1), name);
    }
}

}  // namespace

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::onSchematicExample("rc_step.pic", [&] {
        const std::string base = SimulationBasePath();
        fuzz::writeFile(base + ".ckt", data, size);
        fuzz::writeFile(base + ".lst", reinterpret_cast<const uint8_t*>(kListing.data()), kListing.size());
        addProbes();
        g_simTraces.instrumentMode = kInstrumentDigital;
        LoadTraces(0);
        g_simTraces = SimTraceStore{};
    });
}
