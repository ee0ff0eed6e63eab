#include "schemora/workspace/wizard_pins.h"

#include <algorithm>

std::string FirstChars(std::string_view text, size_t n) { return std::string(text.substr(0, std::min(n, text.size()))); }

void FillDefaultWizardPins(std::span<WizardPin> table, int pins)
{
    pins = std::clamp(pins, 0, static_cast<int>(table.size()));
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        WizardPin& pin = table[static_cast<size_t>(i)];
        pin.label = "SIG" + std::to_string(i + 1);
        pin.number = std::to_string(i + 1);
        const bool right = i >= pins / 2 && i < pins;
        pin.side = right ? kSideRight : kSideLeft;
        pin.type = right ? kPinOutput : kPinInput;
    }
}
