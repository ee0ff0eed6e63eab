#include "example_pin_file.h"

#include "schemora/workspace/pin_description_file.h"

#include <algorithm>
#include <vector>

std::string ExamplePinDescription()
{
    PartWizardAnswers timer;
    timer.name = "NE555";
    timer.description = "Timer";
    timer.package = "DIP8";
    const std::vector<WizardPin> pins = {
        {"gnd", kSideNone, kPinGround, "1"}, {"TRIG", kSideLeft, kPinInput, "2"},
        {"OUT", kSideRight, kPinOutput, "3"}, {"RESET", kSideLeft, kPinInput, "4"},
        {"CTRL", kSideLeft, 4, "5"},        // analog in
        {"THRES", kSideLeft, kPinInput, "6"}, {"DISCH", kSideRight, 7, "7"},   // open collector
        {"vcc", kSideNone, kPinVcc, "8"},
    };
    timer.pins = static_cast<int>(pins.size());
    std::copy(pins.begin(), pins.end(), timer.table.begin());
    return PinDescriptionText(timer);
}
