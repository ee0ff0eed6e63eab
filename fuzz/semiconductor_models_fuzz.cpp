// A model file as Edit Part's Semiconductor Models picker reads it: the ".MODEL" lines that fit
// a diode, an NPN and a PNP transistor and an N- and a P-channel junction FET are listed, and
// the first listed model is assigned.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "platform/app/dialog.h"
#include "resources/schemora/part_dialog_ids.h"
#include "schemora/workspace/model_package_pickers.h"

namespace {

struct Device {
    char letter;
    const char* modelType;
};
constexpr Device kDevices[] = {{'D', "D"}, {'Q', "NPN"}, {'Q', "PNP"}, {'J', "NJFET"}, {'J', "PJFET"}};

}  // namespace

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::SchematicProgram::harness();
    const std::string path = fuzz::writeInput("SEMICON.MOD", data, size);
    for (const Device& device : kDevices) {
        fuzz::host().answerDialog([](plat::Dialog& d) {
            if (plat::Control* list = d.GetDlgItem(scm::kIdcPickerList); list && list->GetCount() > 0)
                list->SetCurSel(0);
            return d.PressButton(plat::kIdOk);
        });
        ChooseSemiconductorModel(path, device.letter, device.modelType, nullptr);
    }
    fuzz::host().clearEvents();
}
