// Reference designators of the netlist: the ".ref" records and the package of each part.
#include "schemora/netlist/netlist_builder.h"

#include "platform/core/ui_host.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>

using netlist::Format;

int CNetlistBuilder::AddRefNumber(const std::string& designator, const std::string& text, bool surfaceMount, int gates,
                                  int* slot, bool* again)
{
    *again = false;
    if (gates > 1) {
        const auto found = std::find_if(m_references.begin(), m_references.end(),
                                        [&](const ReferenceRecord& r) { return r.designator == designator; });
        if (found != m_references.end()) {
            found->seen = true;
            *slot = static_cast<int>(found - m_references.begin()) + 1;
            *again = true;
            return 1;
        }
    }
    if (static_cast<int>(m_references.size()) >= kMaxReferences) {
        plat::MessageBox("Too many reference numbers.");
        return 0;
    }
    m_references.push_back({designator, static_cast<uint8_t>(surfaceMount ? 1 : 0), text, false});
    *slot = static_cast<int>(m_references.size());
    g_netTables.referenceCount = *slot;
    return 1;
}

int CNetlistBuilder::assignPackage(const std::string& designator, std::string_view text, const PartSymbol& symbol,
                                   bool surfaceMount, int slot)
{
    std::string& package = m_packages[static_cast<size_t>(slot)];
    const size_t bang = text.find('!');
    if (bang != std::string_view::npos) {
        package = std::string(text.substr(bang + 1));
        return 1;
    }
    const std::string& field = symbol.package;
    if (field.empty())
        return 1;
    const size_t comma = field.find(',');
    if (!surfaceMount) {
        package = field.substr(0, comma);
        return 1;
    }
    if (comma == std::string::npos) {
        plat::MessageBox(netlist::StartsWith(designator, "U")
                             ? Format("Error---Check part %s \nfor surface-mount package information", designator.c_str())
                             : Format("Error: part %s has package assignment error", designator.c_str()));
        return 0;
    }
    package = field.substr(comma + 1);
    return 1;
}
