#include "schemora/netlist/net_pin_display.h"

#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <array>
#include <cstdlib>

NetPinDisplay g_netPins;

namespace {

constexpr int kOrthogonal = 12;
constexpr int kPinReach = 18;
constexpr int kLayerMask = 0x3C00;

struct Lead {
    int x1, y1, x2, y2;
};

struct Trace {
    std::vector<bool> visited;
    std::vector<Lead> leads;            // pin leads met on the wire being examined
    int depth = 0;
};

int layerBits(const DrawObject& o) { return o.w[4] & kLayerMask; }

bool orthogonal(const DrawObject& w) { return std::abs(w.w[2] - w.w[0]) < kOrthogonal || std::abs(w.w[3] - w.w[1]) < kOrthogonal; }

// The point lies on the wire's box widened by reach.
bool nearWire(const DrawObject& w, int x, int y, int reach)
{
    return x >= std::min(w.w[0], w.w[2]) - reach && x <= std::max(w.w[0], w.w[2]) + reach &&
           y >= std::min(w.w[1], w.w[3]) - reach && y <= std::max(w.w[1], w.w[3]) + reach;
}

bool pointOnLine(const DrawObject& w, int x, int y) { return nearWire(w, x, y, kPinReach) && orthogonal(w); }

bool pinTouchesLine(const DrawObject& w, const Lead& lead)
{
    if (orthogonal(w))
        return nearWire(w, lead.x1, lead.y1, kPinReach) || nearWire(w, lead.x2, lead.y2, kPinReach);
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& dot = g_current.at(i);
        if (dot.type() == kObjDot && pointOnLine(w, dot.x(), dot.y()) &&
            (std::abs(dot.x() - lead.x1) <= kPinReach && std::abs(dot.y() - lead.y1) <= kPinReach))
            return true;
    }
    return false;
}

bool endsTouch(const DrawObject& a, const DrawObject& b)
{
    return nearWire(b, a.w[0], a.w[1], kPinReach / 2) || nearWire(b, a.w[2], a.w[3], kPinReach / 2) ||
           nearWire(a, b.w[0], b.w[1], kPinReach / 2) || nearWire(a, b.w[2], b.w[3], kPinReach / 2);
}

// Whether the two lines join; *dot receives a junction dot between them (0 when none).
bool linesConnected(const Trace& t, const DrawObject& a, const DrawObject& b, int* dot)
{
    *dot = 0;
    for (const Lead& lead : t.leads)
        if (pinTouchesLine(a, lead) && pinTouchesLine(b, lead))
            return true;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& d = g_current.at(i);
        if (d.type() == kObjDot && layerBits(d) == layerBits(a) && layerBits(d) == layerBits(b) &&
            pointOnLine(a, d.x(), d.y()) && pointOnLine(b, d.x(), d.y())) {
            *dot = i;
            return true;
        }
    }
    if (layerBits(a) != layerBits(b))
        return false;
    return endsTouch(a, b);
}

void collectPins(Trace& t, int wire)
{
    const DrawObject& w = g_current.at(wire);
    t.leads.clear();
    for (int i = 1; i <= g_current.count && !g_netPins.stop; ++i) {
        const DrawObject& part = g_current.at(i);
        if (!part.isPart() || layerBits(part) != layerBits(w))
            continue;
        int found = 0;
        for (const NetlistPin& pin : PlacedPartPins(part)) {
            const Lead lead{pin.x1, pin.y1, pin.x2, pin.y2};
            if (!pinTouchesLine(w, lead))
                continue;
            const std::string label = netlist::Format("%s%d-%s", DesignatorPrefix(PartText(part)).c_str(), part.w[6],
                                                      pin.designation.c_str());
            if (std::find(g_netPins.labels.begin(), g_netPins.labels.end(), label) == g_netPins.labels.end()) {
                if (static_cast<int>(g_netPins.labels.size()) >= kMaxNetPinLabels) {
                    plat::MessageBox("Too many pins in net", plat::kMbOk | plat::kMbIconStop);
                    g_netPins.stop = true;
                    return;
                }
                g_netPins.labels.push_back(label);
            }
            if (static_cast<int>(t.leads.size()) < kMaxWireLeads)
                t.leads.push_back(lead);
            if (++found > kMaxWireLeads)
                return;
        }
    }
}

void collectNetPins(Trace& t, int wire)
{
    collectPins(t, wire);
    if (g_netPins.stop)
        return;
    const std::vector<Lead> leads = t.leads;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& other = g_current.at(i);
        if (i == wire || other.type() != kObjLine || t.visited[static_cast<size_t>(i)])
            continue;
        t.leads = leads;
        int dot = 0;
        if (!linesConnected(t, g_current.at(wire), other, &dot))
            continue;
        t.depth += 2;
        if (t.depth > kMaxNetDepth) {
            plat::MessageBox("Net too complicated", plat::kMbOk | plat::kMbIconStop);
            g_netPins.stop = true;
            return;
        }
        t.visited[static_cast<size_t>(i)] = true;
        g_netPins.highlight.push_back(i);
        if (dot)
            g_netPins.highlight.push_back(dot);
        collectNetPins(t, i);
        if (g_netPins.stop)
            return;
        t.depth -= 2;
    }
}

}  // namespace

std::string NetPinText(const std::vector<std::string>& labels)
{
    std::string text;
    for (const std::string& label : labels) {
        text += label + ",";
        if (text.size() > kNetPinTextChars) {
            text.pop_back();
            return text + " (partial list)";
        }
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

void ShowNetPins(int index)
{
    g_netPins = NetPinDisplay{};
    if (index < 1 || index > g_current.count || index >= static_cast<int>(g_current.objects.size()) ||
        g_current.at(index).type() != kObjLine)
        return;
    Trace t;
    t.visited.assign(static_cast<size_t>(g_current.count) + 1, false);
    t.visited[static_cast<size_t>(index)] = true;
    g_netPins.highlight.push_back(index);
    collectNetPins(t, index);
    if (g_netPins.stop) {
        g_netPins.labels.clear();   // the labels found so far are not shown
        return;
    }
    if (!g_netPins.labels.empty())
        SetStatusText(NetPinText(g_netPins.labels), 0);
}
