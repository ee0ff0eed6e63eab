// Simulator output beside the simulation example: the analog listing (".out") with its
// Fourier table, the digital listing (".lst") and the device list (".dev"), each read as the
// instruments read them after a run.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "fuzz/schematic_state.h"
#include "schemora/netlist/sim_traces.h"

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::onSchematicExample("rc_step.pic", [&] {
        const std::string base = SimulationBasePath();
        for (const char* ext : {".out", ".lst", ".dev"})
            fuzz::writeFile(base + ext, data, size);
        g_simTraces.instrumentMode = kInstrumentAnalog;
        LoadTraces(0);
        ReadFourierResults();
        g_simTraces.instrumentMode = kInstrumentDigital;
        LoadTraces(0);
        ReadDeviceFile(0);
        g_simTraces = SimTraceStore{};
    });
}
