// Library parts that the simulators see as something else: meters and batteries become
// sources, bridges and transformers subcircuits, switches plain wires (closed) or nothing (open).
#include "schemora/netlist/netlist_builder.h"

#include "common/string_helpers.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_transform.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>

using netlist::Format;

namespace {

// Symbol-local points: the instance origin, and the switch contacts along its axes.
constexpr int kOriginX = -kSymbolOffsetX;
constexpr int kOriginY = -kSymbolOffsetY;
constexpr int kSwitchLength = 400;
constexpr int kDpstOffsetY = 100;
constexpr int kDpstEndY = 50;

// Turns the part into a wire between two symbol-local points, placed as the part is.
void makeWire(DrawObject& o, int lx1, int ly1, int lx2, int ly2)
{
    g_partOrigin = {o.w[0], o.w[1]};
    const int orientation = PartOrientation(o.w[7]);
    const int mirror = PartMirror(o.w[7]);
    int x1, y1, x2, y2;
    TransformPartPoint(lx1, ly1, &x1, &y1, orientation, mirror);
    TransformPartPoint(lx2, ly2, &x2, &y2, orientation, mirror);
    o.w[0] = x1;
    o.w[1] = y1;
    o.w[2] = x2;
    o.w[3] = y2;
    o.setType(kObjLine);
}

}  // namespace

void CNetlistBuilder::MapSpecialDevice(int index, bool switches)
{
    DrawObject& o = g_current.objects[index];
    const int symbol = o.symbolIndex();
    if (symbol < 1 || symbol > g_partSymbols.count)
        return;
    const std::string& name = g_partSymbols.entries[symbol].name;
    const bool other = netlist::Contains(name, "AMMETER") || netlist::Contains(name, "BATTERY")
                       || netlist::Contains(name, "DEVICE\\BRIDGE") || netlist::Contains(name, "DEVICE\\TRANS");
    const bool isSwitch = !other && (netlist::Contains(name, "SPST") || netlist::Contains(name, "DPST"));
    if (isSwitch != switches)
        return;
    const std::string text(PartText(o));
    auto recordSubcircuit = [this](const std::string& part) {
        if (std::find(m_subcircuits.begin(), m_subcircuits.end(), part) == m_subcircuits.end()
            && static_cast<int>(m_subcircuits.size()) < kMaxSubcircuits)
            m_subcircuits.push_back(part);
    };
    if (netlist::Contains(name, "AMMETER")) {
        const std::string meter = Format("V%d", o.w[6]);
        const bool listed = std::any_of(g_netTables.probes.begin(), g_netTables.probes.end(),
                                        [&](const ProbeEntry& p) { return p.name == meter; });
        if (!listed && static_cast<int>(g_netTables.probes.size()) < kProbeSlots)
            g_netTables.probes.push_back({meter, kAmmeterMark});
        // A meter is a zero-volt source whose current is reported, whatever its text says.
        if (m_kind == kNetlistSpice)
            ReplaceObjectText(o, DesignatorPrefix(text) + ":DC 0");
    } else if (netlist::Contains(name, "BATTERY")) {
        const size_t colon = text.find(':');
        ReplaceObjectText(o, "VB:" + (colon == std::string::npos ? std::string() : text.substr(colon + 1)));
    } else if (netlist::Contains(name, "DEVICE\\BRIDGE")) {
        ReplaceObjectText(o, "xd?:BRIDGE");
        recordSubcircuit("DEVICE\\BRIDGE");
    } else if (netlist::Contains(name, "DEVICE\\TRANS")) {
        ReplaceObjectText(o, "xt?:TRANS");
        recordSubcircuit("DEVICE\\TRANS");
    } else if (netlist::Contains(name, "SPST")) {
        if (PartVariant(o) == 0)
            makeWire(o, kOriginX, kOriginY, kOriginX + kSwitchLength, kOriginY);
        else
            o.setType(kObjDeleted);
    } else if (netlist::Contains(name, "DPST")) {
        const int startY = PartVariant(o) == 0 ? kOriginY : kOriginY + kDpstOffsetY;
        makeWire(o, kOriginX, startY, kOriginX + kSwitchLength, kOriginY + kDpstEndY);
    }
}
