// The digital-simulation circuit (".ckt") and its device list (".dev").
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_writers.h"

#include "platform/core/atomic_file.h"
#include "schemora/core/design_name.h"
#include "schemora/netlist/netlist_text.h"

using netlist::Format;

namespace {

std::string afterLastBackslash(const std::string& text)
{
    const size_t slash = text.rfind('\\');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

void writeDevice(plat::AtomicFile& out, plat::AtomicFile& dev, const NetEntry& device)
{
    const std::string nodes = netlist::Lower(device.pins);
    const std::string name = netlist::Upper(device.name);
    if (netlist::StartsWithNoCase(device.name, "led")) {
        const std::vector<std::string> words = netlist::SplitWords(nodes);
        dev.put(name + " " + netlist::Upper(words.empty() ? std::string() : words[0]) + "\n");
        return;
    }
    if (netlist::StartsWithNoCase(device.name, "dev")) {
        dev.put(name + " " + netlist::Upper(nodes) + "\n");
        if (!netlist::Contains(netlist::Upper(device.model), "RELAY"))
            return;
        WritePinList(out, nodes, 0, kNetlistDigital);
        out.put("\n");
        return;
    }
    int column = 0;
    if (!netlist::StartsWith(device.name, "G")) {
        const std::string head = device.recorded.empty()
                                     ? Format("* %s ", name.c_str())
                                     : Format("* %s %s ", name.c_str(), afterLastBackslash(device.recorded).c_str());
        out.put(head);
        column = static_cast<int>(head.size());
    }
    WritePinList(out, nodes, column, kNetlistDigital);
    out.put("\n");
}

}  // namespace

void WriteDigitalCircuit(plat::AtomicFile& out, plat::AtomicFile& dev, const CNetlistBuilder&)
{
    out.put(Format("$ Circuit file for \"%s\"\n", g_designName.text.c_str()));
    out.put("\n");
    for (const std::string& line : g_deckLists.libraryLines)
        out.put(line + "\n");
    out.put("\n$ .Macros\n\n");
    for (const NetEntry& device : g_netTables.nets)
        if (!device.name.empty())
            writeDevice(out, dev, device);
    out.put("\n");
    for (const std::string& line : g_deckLists.deviceLines)
        out.put(line + "\n");
    out.put("\n$ Probes go here\n.PROBE");
    for (size_t i = 0; i < g_netTables.probes.size(); ++i)
        out.put(Format(i == 0 ? " %s" : " . %s", g_netTables.probes[i].name.c_str()));
    out.put("\n");
    if (!g_deckLists.timeGiven)
        out.put("$ Set Simulation Time\n\n.TIME 1000\n.scale 1ns\n");
    out.put(".END\n");
}
