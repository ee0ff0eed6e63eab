// Power nets: the hidden supply pins of integrated circuits, and the signal nets named after a
// supply that join them.
#include "schemora/netlist/netlist_builder.h"

#include "platform/core/ui_host.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>

using netlist::Format;

namespace {

constexpr size_t kMaxSignalNameChars = 10;

}  // namespace

bool PinListHasEntry(std::string_view list, std::string_view entry)
{
    size_t from = 0;
    while (from <= list.size()) {
        const size_t at = list.find(entry, from);
        if (at == std::string_view::npos)
            return false;
        const size_t end = at + entry.size();
        const bool starts = at == 0 || list[at - 1] == ',' || list[at - 1] == '\n';
        const bool ends = end == list.size() || list[end] == ',' || list[end] == '\n';
        if (starts && ends)
            return true;
        from = at + 1;
    }
    return false;
}

void AppendPowerNetName(std::string& list, std::string_view text)
{
    const bool comma = !list.empty() && list.back() != ',';
    if (list.size() + text.size() + (comma ? 1 : 0) > static_cast<size_t>(kMaxPowerNetChars)) {
        plat::MessageBox("Power net too large");
        return;
    }
    if (comma)
        list += ',';
    list += text;
}

int CNetlistBuilder::CollectPowerNets(const std::string& designator, int symbol, bool surfaceMount)
{
    if (IsConnectorPart(g_partSymbols.entries[symbol].name))
        return 1;
    for (const HiddenPin& hidden : HiddenPowerPins(symbol)) {
        const std::string name = hidden.name.substr(0, kMaxSupplyNameChars);
        const std::string& pin = surfaceMount ? hidden.surfaceMountPin : hidden.throughHolePin;
        if (m_kind != kNetlistPlain) {
            const int number = std::atoi(pin.c_str());
            if (number >= 1 && number < kPinNameSlots)
                m_pinNames[static_cast<size_t>(number)] = name == "v" ? "VCC" : name == "g" ? "GND" : name;
        }
        if (netlist::Upper(pin) == "NC")
            continue;
        auto net = std::find_if(m_powerNets.begin(), m_powerNets.end(), [&](const PowerNet& p) { return p.name == name; });
        if (net == m_powerNets.end()) {
            if (static_cast<int>(m_powerNets.size()) >= kMaxPowerNets)
                continue;
            m_powerNets.push_back({name, {}});
            net = m_powerNets.end() - 1;
        }
        const std::string entry = netlist::Upper(designator + "-" + pin);
        if (PinListHasEntry(net->pins, entry))
            continue;
        if (net->pins.empty()) {
            net->pins.reserve(static_cast<size_t>(kPowerNetStartChars));
            net->pins = entry + ",";
        } else {
            AppendPowerNetName(net->pins, entry + ",");
        }
    }
    return 1;
}

void CNetlistBuilder::CheckSignalNames(std::string_view signal, std::string_view power)
{
    for (NetEntry& net : g_netTables.nets) {
        if (net.pins.empty())
            continue;
        // A long name is reported once a run and passed over; stopping the whole call there
        // would leave the supply nets after it unjoined and repeat the message for every call.
        if (net.name.size() > kMaxSignalNameChars) {
            if (!m_longNameShown)
                plat::MessageBox(Format("Too many characters in signal name \"%s\"\n\nOnly 8 characters are allowed",
                                        net.name.c_str()));
            m_longNameShown = true;
            continue;
        }
        if (netlist::Upper(net.name) != signal)
            continue;
        std::vector<PowerNet*> joined;
        for (PowerNet& p : m_powerNets)
            if (netlist::Upper(p.name) == power)
                joined.push_back(&p);
        // Without a power net of that supply the signal net stays as it is.
        if (joined.empty())
            continue;
        std::string pins = net.pins;
        if (!pins.empty() && pins.back() == ',')
            pins.pop_back();
        for (PowerNet* p : joined) {
            if (p->pins.empty())
                p->pins = pins;
            else
                AppendPowerNetName(p->pins, pins);
        }
        --g_netTables.signalCount;
        net.pins.clear();
    }
}
