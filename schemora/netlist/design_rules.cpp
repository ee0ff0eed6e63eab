// The electrical design-rule check: the nets of every sheet, traced as for a netlist, with the
// pins that connect to nothing and the named nets that reach a single pin.
#include "schemora/netlist/netlist_builder.h"

#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/core/design_name.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>

using netlist::Format;

int CNetlistBuilder::CheckDesignRules()
{
    m_kind = kNetlistPlain;
    m_basicFormat = 1;
    m_range = kRangeAllSheets;
    std::vector<std::string> findings;
    if (!traceNets())
        return 0;
    for (const NetEntry& net : g_netTables.nets) {
        if (std::count(net.pins.begin(), net.pins.end(), ',') != 1)
            continue;
        const std::string pin = net.pins.substr(0, net.pins.size() - 1);
        findings.push_back(m_defaultNames.count(net.name) ? Format("Unconnected pin %s", pin.c_str())
                                                          : Format("Net %s has only one pin: %s", net.name.c_str(),
                                                                   pin.c_str()));
    }
    if (findings.empty()) {
        plat::MessageBox("No electrical rule errors found");
        return 0;
    }
    const std::string path = plat::replaceExtension(g_designName.text, ".drc");
    std::string report = Format("Design rules check of %s\n", g_designName.text.c_str());
    for (const std::string& line : findings)
        report += line + "\n";
    report += Format("%d problems found\n", static_cast<int>(findings.size()));
    if (const plat::WriteResult written = plat::writeFileAtomically(plat::resolvePath(path), report); !written) {
        plat::MessageBox(written.message("Can't open file"), plat::kMbIconStop);
        return static_cast<int>(findings.size());
    }
    plat::uiHost().showTextFile(path);
    return static_cast<int>(findings.size());
}
