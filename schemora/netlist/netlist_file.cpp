// The netlist files: ".net" and ".ntp" with their header, net lines and power nets, the ".ref"
// list of reference designators, and the chunked pin lists that all outputs share.
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_writers.h"

#include "common/netlist_layout.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/clock.h"
#include "platform/system/files.h"
#include "schemora/core/design_name.h"
#include "schemora/netlist/netlist_text.h"

using netlist::Format;

void WritePinList(plat::AtomicFile& out, std::string_view list, int startColumn, int kind)
{
    out.put(LayOutPinList(list, startColumn, kind == kNetlistPlain));
}

namespace {

// One net line group: the name, "----" and the pin list without its last "," in lower case.
void writeNetGroup(plat::AtomicFile& out, const std::string& name, std::string pins)
{
    if (name.empty() || pins.empty())
        return;
    if (pins.back() == ',')
        pins.pop_back();
    if (pins.size() > static_cast<size_t>(kMaxWrittenPinListChars)) {
        plat::MessageBox(Format("Too many pins in net %s", name.c_str()));
        out.put(name + "----\n");
        return;
    }
    out.put(name + "----");
    WritePinList(out, netlist::Lower(pins), static_cast<int>(name.size()) + 4, kNetlistPlain);
}

std::string powerNetTitle(const std::string& name)
{
    const std::string trimmed = netlist::TrimmedRight(name);
    if (trimmed == "g")
        return "GROUND";
    if (trimmed == "v")
        return "Vcc";
    return trimmed;
}

}  // namespace

int SignalsFound(const CNetlistBuilder& builder)
{
    return g_netTables.signalCount + static_cast<int>(builder.m_powerNets.size());
}

void WritePlainNetlist(plat::AtomicFile& out, const CNetlistBuilder& builder)
{
    out.put(Format("Netlist for design: %s\n", g_designName.text.c_str()));
    out.put(NetlistHeaderTime(plat::localTimeOf(plat::currentTime())));
    out.put("Processing time:  0\n");
    out.put(Format("Number of signals found=%d\n", SignalsFound(builder)));
    for (const NetEntry& net : g_netTables.nets)
        writeNetGroup(out, net.name, net.pins);
    for (const PowerNet& net : builder.m_powerNets)
        writeNetGroup(out, powerNetTitle(net.name), net.pins);
}

int CNetlistBuilder::WriteNetlistFile()
{
    // The output, its device list and the reference list belong together: all are written
    // beside their targets first and replace the older ones only when every one is whole.
    std::vector<plat::AtomicFile> files;
    const auto create = [&files](const std::string& path, std::string_view cantCreate) {
        plat::AtomicFile& file = files.emplace_back(plat::resolvePath(path));
        if (!file.good())
            plat::MessageBox(file.error()->message(cantCreate));
        return file.good();
    };
    files.reserve(3);
    if (!create(m_outputPath, "Can't open file"))
        return 0;
    if (m_kind == kNetlistPlain) {
        WritePlainNetlist(files[0], *this);
    } else {
        if (!create(m_devPath, "Can't open file"))
            return 0;
        if (m_kind == kNetlistDigital)
            WriteDigitalCircuit(files[0], files[1], *this);
        else
            WriteSpiceDeck(files[0], files[1], *this);
    }
    if (!create(m_refPath, "Disk error"))
        return 0;
    plat::AtomicFile& ref = files.back();
    for (size_t i = 0; i < m_references.size(); ++i) {
        const ReferenceRecord& r = m_references[i];
        const std::string& package = m_packages[i + 1];
        ref.put(package.empty() ? Format("%s %s none\n", r.designator.c_str(), r.text.c_str())
                                : Format("%s %s %s\n", r.designator.c_str(), r.text.c_str(), package.c_str()));
    }
    if (const plat::WriteResult written = plat::commitAll(files); !written) {
        plat::MessageBox(written.message(), plat::kMbIconStop);
        return 0;
    }
    plat::MessageBox(Format("Number of signals found=%d", SignalsFound(*this)));
    return 1;
}
