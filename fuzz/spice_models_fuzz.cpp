// The SPICE model files, read when Utilities > Analog Simulation writes the deck: ".MODEL" cards
// with their "+" lines from SEMICON.MOD, subcircuits from SPICE.MOD (parts named without a
// library) and from a library's own file (DEVICE.MOD), and the file a "#.INCLUDE" directive names.
// The simulation example is opened and its parts renamed so that the deck needs each of them.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "fuzz/schematic_state.h"
#include "platform/system/files.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/current_document.h"

#include <cstring>

namespace {

constexpr const char* kIncludeFile = "models.inc";

// The example's texts and what the deck should make of each instead; parts take distinct
// numbers, as the designators must differ.
struct Renaming {
    const char* from;
    const char* to;
    int number;
};
constexpr Renaming kRenamings[] = {
    {"V:DEVICE\\PULSE", "X:OPAMP", 1},             // subcircuit from SPICE.MOD
    {"R:DEVICE\\10K", "D:1N4148", 2},              // model card from SEMICON.MOD
    {"C:DEVICE\\100N", "X:DEVICE\\OPAMP", 3},      // subcircuit from DEVICE.MOD
    {"RC low-pass: step response", "#.INCLUDE models.inc", 0},
};

void renameExampleParts()
{
    for (int i = 1; i <= g_current.count; ++i) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if ((o.type() != kObjText && !o.isPart()) || !o.text)
            continue;
        for (const Renaming& r : kRenamings) {
            if (std::strcmp(o.text, r.from) != 0)
                continue;
            auto words = o.w;
            if (o.isPart())
                words[6] = r.number;
            ReleaseObjectData(o);
            o = MakeDrawObject(words, r.to);
            break;
        }
    }
}

}  // namespace

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::onSchematicExample("rc_step.pic", [&] {
        for (const char* name : {"SEMICON.MOD", "SPICE.MOD", "DEVICE.MOD"})
            fuzz::writeFile(plat::joinPath(fuzz::setUp(), name), data, size);
        fuzz::writeFile(plat::joinPath(plat::currentFolder(), kIncludeFile), data, size);
        renameExampleParts();
        fuzz::host().answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        fuzz::SchematicProgram::harness().command(scm::kCmdAnalogSimulation);
    });
}
