#include "schemora/core/part_pins.h"

#include "schemora/core/current_document.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/symbol_elements.h"

#include <algorithm>

int PartSection(const DrawObject& part) { return (part.w[5] == -1 ? 0 : part.w[5]) & 7; }

int PartVariant(const DrawObject& part) { return ((part.w[5] == -1 ? 0 : part.w[5]) >> 3) & 3; }

namespace {

// The lines of the instance's gate section that pass isPin, turned, mirrored and moved.
template <typename IsPin>
std::vector<PinLead> leadsWhere(const DrawObject& part, IsPin isPin)
{
    std::vector<PinLead> leads;
    int gates = 1, count = 0, first = 0;
    const int symbol = part.symbolIndex();
    if (symbol < 1 || symbol >= kPartSymbolSlots || !FindPartPin(symbol, &gates, &count, &first, PartVariant(part), nullptr) ||
        count <= 0)
        return leads;
    gates = std::max(gates, 1);
    const int stride = count / gates;
    const int section = std::min(PartSection(part), gates - 1);
    const int start = first + section * stride;
    const int end = std::min(start + std::max(0, stride - kGateSectionPadding), g_symbolElements.count + 1);
    const int orientation = PartOrientation(part.w[7]);
    const int mirror = PartMirror(part.w[7]);
    g_partOrigin = {part.x(), part.y()};
    for (int i = std::max(start, 1); i < end; ++i) {
        const DrawObject& e = g_symbolElements[i];
        if (e.type() != kObjLine || !isPin(e))
            continue;
        PinLead lead;
        lead.element = i;
        TransformPartPoint(e.w[0], e.w[1], &lead.x1, &lead.y1, orientation, mirror);
        TransformPartPoint(e.w[2], e.w[3], &lead.x2, &lead.y2, orientation, mirror);
        leads.push_back(lead);
    }
    return leads;
}

}  // namespace

std::vector<PinLead> PartPinLeads(const DrawObject& part)
{
    return leadsWhere(part, [](const DrawObject& e) { return e.w[7] != 0 && e.text; });
}

std::vector<PinLead> JunctionPinLeads(const DrawObject& part)
{
    const int symbol = part.symbolIndex();
    if (symbol >= 1 && symbol < kPartSymbolSlots &&
        g_partSymbols.entries[static_cast<std::size_t>(symbol)].name.find("GND") != std::string::npos)
        return leadsWhere(part, [](const DrawObject&) { return true; });
    return PartPinLeads(part);
}
