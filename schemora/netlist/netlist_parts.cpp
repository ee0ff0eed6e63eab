#include "schemora/netlist/netlist_parts.h"

#include "schemora/core/current_document.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int pinNumberOf(std::string_view designation) { return isDigits(designation) ? std::atoi(std::string(designation).c_str()) : 0; }

// Drops the type letters (lower-case letters after the first character) and blanks.
std::string cleanDesignation(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || (i > 0 && c >= 'a' && c <= 'z'))
            continue;
        out += c;
    }
    return out;
}

struct GateRange {
    int first = 0;
    int count = 0;
    int gates = 1;
    int stride = 0;
};

bool gateRange(int symbol, int variant, GateRange& range)
{
    int gates = 1, count = 0, first = 0;
    if (!FindPartPin(symbol, &gates, &count, &first, variant, nullptr) || count <= 0)
        return false;
    range.gates = gates;
    range.first = first;
    range.stride = count / gates;
    range.count = std::max(0, range.stride - kGateSectionPadding);
    return range.first + range.gates * range.stride - 1 <= g_symbolElements.count;
}

bool isPin(const DrawObject& e) { return e.type() == kObjLine && e.w[7] != 0 && e.text; }

}  // namespace

std::string PinDesignation(std::string_view pinText, bool surfaceMount)
{
    const size_t end = pinText.find_first_of(",;");
    if (surfaceMount && end != std::string_view::npos && pinText[end] == ',') {
        std::string_view rest = pinText.substr(end + 1);
        rest = rest.substr(0, rest.find(';'));
        return cleanDesignation(rest);
    }
    return cleanDesignation(pinText.substr(0, end));
}

std::vector<NetlistPin> PlacedPartPins(const DrawObject& part, int* gates)
{
    std::vector<NetlistPin> pins;
    GateRange range;
    if (!gateRange(part.symbolIndex(), PartVariant(part), range))
        return pins;
    if (gates)
        *gates = range.gates;
    const bool smd = IsSurfaceMount(part);
    for (const PinLead& lead : PartPinLeads(part)) {
        const DrawObject& e = g_symbolElements[lead.element];
        NetlistPin pin;
        pin.x1 = lead.x1;
        pin.y1 = lead.y1;
        pin.x2 = lead.x2;
        pin.y2 = lead.y2;
        pin.designation = PinDesignation(e.text, smd);
        pin.number = pinNumberOf(pin.designation);
        pin.typeLetter = static_cast<char>(e.w[8]);
        pins.push_back(std::move(pin));
    }
    return pins;
}

std::vector<HiddenPin> HiddenPowerPins(int symbol)
{
    std::vector<HiddenPin> hidden;
    GateRange range;
    if (!gateRange(symbol, 0, range))
        return hidden;
    for (int i = range.first; i < range.first + range.count; ++i) {
        const DrawObject& e = g_symbolElements[i];
        if (e.type() != kObjText || !e.text || (e.text[0] != 'v' && e.text[0] != 'g'))
            continue;
        const std::string_view t(e.text);
        const size_t equals = t.find('=');
        if (equals == std::string_view::npos)
            continue;
        HiddenPin pin;
        pin.name = std::string(t.substr(0, equals));
        const std::string_view pins = t.substr(equals + 1);
        const size_t split = pins.find_first_of(";,");
        pin.throughHolePin = netlist::TrimmedRight(pins.substr(0, split));
        pin.surfaceMountPin =
            split == std::string_view::npos ? pin.throughHolePin : netlist::TrimmedRight(pins.substr(split + 1));
        hidden.push_back(std::move(pin));
    }
    return hidden;
}

int PartPinCount(int symbol, bool surfaceMount)
{
    GateRange range;
    if (!gateRange(symbol, 0, range))
        return 0;
    int highest = 0;
    for (int g = 0; g < range.gates; ++g) {
        const int first = range.first + g * range.stride;
        for (int i = first; i < first + range.count; ++i) {
            const DrawObject& e = g_symbolElements[i];
            if (isPin(e))
                highest = std::max(highest, pinNumberOf(PinDesignation(e.text, surfaceMount)));
        }
    }
    for (const HiddenPin& pin : HiddenPowerPins(symbol))
        highest = std::max(highest, pinNumberOf(surfaceMount ? pin.surfaceMountPin : pin.throughHolePin));
    return highest;
}

std::string DesignatorPrefix(std::string_view partText)
{
    return std::string(partText.substr(0, partText.find_first_of(":!")));
}

std::string SupplySymbolNet(const PartSymbol& symbol)
{
    if (symbol.w[15] != 1)
        return {};
    return netlist::TrimmedRight(!symbol.supplyNet.empty() ? symbol.supplyNet : symbol.groundNet);
}
