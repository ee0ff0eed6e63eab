#include "tracelyn/route/artwork_netlist.h"

#include "common/netlist_layout.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/net_tracing.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text.size(), ' ');
    std::transform(text.begin(), text.end(), lower.begin(), plat::toLowerAscii);
    return lower;
}

std::string joined(const std::vector<std::string>& names, std::string_view separator)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : std::string(separator)) + name;
    return text;
}

// Joins pin sets that share a pin, so each pin ends in one net whatever copper reached it.
std::vector<std::set<std::string>> mergedPinSets(std::vector<std::set<std::string>> sets)
{
    std::vector<std::set<std::string>> merged;
    for (std::set<std::string>& pins : sets) {
        for (auto it = merged.begin(); it != merged.end();) {
            const bool shares = std::any_of(pins.begin(), pins.end(), [&](const std::string& p) { return it->contains(p); });
            if (shares) {
                pins.merge(*it);
                it = merged.erase(it);
            } else {
                ++it;
            }
        }
        merged.push_back(std::move(pins));
    }
    return merged;
}

bool isCopperTrace(const BoardObject& o) { return o.kind() == kKindLine || o.kind() == kKindArc; }

// The net each pin belongs to; a pin in more than one keeps the first.
std::map<std::string, const ArtworkNet*> netOfPin(const std::vector<ArtworkNet>& nets)
{
    std::map<std::string, const ArtworkNet*> owner;
    for (const ArtworkNet& net : nets)
        for (const std::string& pin : net.pins)
            owner.emplace(pin, &net);
    return owner;
}

// The pins of `net` grouped by the net that `owner` gives each ("" for none).
std::map<std::string, std::vector<std::string>> groupedPins(const ArtworkNet& net,
                                                            const std::map<std::string, const ArtworkNet*>& owner)
{
    std::map<std::string, std::vector<std::string>> groups;
    for (const std::string& pin : net.pins) {
        const auto it = owner.find(pin);
        groups[it == owner.end() ? std::string() : it->second->name].push_back(pin);
    }
    return groups;
}

// The groups of a net whose pins `owner` splits or leaves partly without an owner (owner ""
// first), each as its owner and its pins joined; nothing when one owner holds them all.
std::vector<std::pair<std::string, std::string>> splitGroups(const ArtworkNet& net,
                                                             const std::map<std::string, const ArtworkNet*>& owner)
{
    const auto groups = groupedPins(net, owner);
    std::vector<std::pair<std::string, std::string>> parts;
    if (groups.size() < 2 && !groups.contains(""))
        return parts;
    for (const auto& [name, pins] : groups)
        parts.emplace_back(name, joined(pins, ","));
    return parts;
}

}  // namespace

std::optional<std::vector<ArtworkNet>> ExtractArtworkNets()
{
    std::vector<std::set<std::string>> found;
    std::vector<uint8_t> covered(static_cast<size_t>(std::max(g_board.count, 0)) + 1, 0);
    for (int i = 1; g_board.objects != nullptr && i <= g_board.count; ++i) {
        if (covered[static_cast<size_t>(i)] || !isCopperTrace(g_board.objects[i]))
            continue;
        const NetTrace trace = TraceNetFrom(i);
        if (trace.stopped)
            return std::nullopt;
        for (const int reached : trace.objects)
            if (reached >= 1 && reached <= g_board.count)
                covered[static_cast<size_t>(reached)] = 1;
        std::set<std::string> pins;
        for (const std::string& name : g_netPinNames.names)
            pins.insert(lowerCase(name));
        if (!pins.empty())
            found.push_back(std::move(pins));
    }
    g_netPinNames.names.clear();
    std::vector<ArtworkNet> nets;
    for (std::set<std::string>& pins : mergedPinSets(std::move(found)))
        if (pins.size() >= 2)
            nets.push_back({{}, std::vector<std::string>(pins.begin(), pins.end())});
    std::sort(nets.begin(), nets.end(), [](const ArtworkNet& a, const ArtworkNet& b) { return a.pins < b.pins; });
    for (size_t n = 0; n < nets.size(); ++n)
        nets[n].name = "N" + std::to_string(n + 1);
    return nets;
}

std::string FormatArtworkNetlist(const std::vector<ArtworkNet>& nets, std::string_view design, const std::tm& time)
{
    std::string text = "Netlist for design: " + std::string(design) + "\n";
    text += NetlistHeaderTime(time);
    text += "Processing time:  0\n";
    text += "Number of signals found=" + std::to_string(nets.size()) + "\n";
    for (const ArtworkNet& net : nets)
        text += net.name + "----" + LayOutPinList(joined(net.pins, ","), static_cast<int>(net.name.size()) + 4, true);
    return text;
}

std::vector<ArtworkNet> LoadedNetlistNets()
{
    const std::span<const NetConnection> connections = ConnectionTable();
    const std::span<const NetRecord> records = NetTable();
    const int count = std::min<int>(g_router.ratsNestCount, static_cast<int>(connections.size()));
    std::map<int, std::set<std::string>> pinsOfNet;
    for (int c = 0; c < count; ++c) {
        const NetConnection& link = connections[static_cast<size_t>(c)];
        if (link.net < 0 || link.net >= g_netlist.netCount || link.net >= static_cast<int>(records.size()))
            continue;
        std::set<std::string>& pins = pinsOfNet[link.net];
        for (const char* name : {link.name1, link.name2}) {
            const std::string pin = lowerCase(std::string_view(name, strnlen(name, kPinNameSize)));
            if (!pin.empty())
                pins.insert(pin);
        }
    }
    std::vector<ArtworkNet> nets;
    for (const auto& [net, pins] : pinsOfNet) {
        const char* name = records[static_cast<size_t>(net)].name;
        // A net without a name is still told apart from pins that belong to no net.
        const std::string title = name != nullptr && *name != '\0' ? name : "(net " + std::to_string(net + 1) + ")";
        nets.push_back({title, std::vector<std::string>(pins.begin(), pins.end())});
    }
    return nets;
}

std::vector<std::string> CompareNetlists(const std::vector<ArtworkNet>& artwork, const std::vector<ArtworkNet>& netlist)
{
    std::vector<std::string> lines;
    const auto copperOf = netOfPin(artwork);
    for (const ArtworkNet& net : netlist) {
        std::vector<std::string> apart;
        for (const auto& [copper, pins] : splitGroups(net, copperOf))
            apart.push_back(pins);
        if (!apart.empty())
            lines.push_back("Missing connection in net " + net.name + ": " + joined(apart, " / "));
    }
    const auto netOf = netOfPin(netlist);
    for (const ArtworkNet& copper : artwork) {
        std::vector<std::string> joinedNets;
        for (const auto& [name, pins] : splitGroups(copper, netOf))
            joinedNets.push_back((name.empty() ? std::string("no net") : name) + " (" + pins + ")");
        if (!joinedNets.empty())
            lines.push_back("Extra connection joins " + joined(joinedNets, " and "));
    }
    return lines;
}
