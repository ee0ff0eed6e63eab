#include "schemora/core/rubber_wires.h"

#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/part_pins.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPinEndBox = 6;

bool nearPoint(int x, int y, int px, int py) { return std::abs(x - px) <= kPinEndBox && std::abs(y - py) <= kPinEndBox; }

void setEnd(DrawObject& o, int end, int x, int y)
{
    o.w[static_cast<size_t>(end == 0 ? 0 : 2)] = ClampDrawingCoordinate(x);
    o.w[static_cast<size_t>(end == 0 ? 1 : 3)] = ClampDrawingCoordinate(y);
}

}  // namespace

void FindAttachedWires(int partIndex, AttachedWireList& list)
{
    list.entries.clear();
    if (!g_current.holds(partIndex))
        return;
    const DrawObject& part = g_current.at(partIndex);
    list.bounds = PartExtent(part);
    const std::vector<PinLead> leads = PartPinLeads(part);
    for (int pin = 0; pin < static_cast<int>(leads.size()); ++pin) {
        const PinLead& lead = leads[static_cast<size_t>(pin)];
        for (int i = 1; i <= g_current.count; ++i) {
            const DrawObject& o = g_current.at(i);
            if ((o.type() != kObjLine && o.type() != kObjArrow) || o.sheet() != part.sheet())
                continue;
            int end = -1;
            if (nearPoint(o.x(), o.y(), lead.x1, lead.y1))
                end = 0;
            else if (nearPoint(o.w[2], o.w[3], lead.x1, lead.y1))
                end = 3;
            if (end < 0 || static_cast<int>(list.entries.size()) >= kMaxAttachedWires)
                continue;
            list.entries.push_back({i, end, pin});
            list.bounds = UnionRect(list.bounds, plat::Rect{o.x(), o.y(), o.w[2], o.w[3]}.normalized());
        }
    }
}

void DragAttachedWires(const AttachedWireList& list, int dx, int dy)
{
    for (const AttachedWire& w : list.entries) {
        DrawObject& o = g_current.at(w.index);
        const int xi = w.end == 0 ? 0 : 2;
        setEnd(o, w.end, o.w[static_cast<size_t>(xi)] + dx, o.w[static_cast<size_t>(xi + 1)] + dy);
    }
}

void FollowPinsAfterTransform(int partIndex, const AttachedWireList& list)
{
    const std::vector<PinLead> leads = PartPinLeads(g_current.at(partIndex));
    for (const AttachedWire& w : list.entries)
        if (w.pin < static_cast<int>(leads.size()))
            setEnd(g_current.at(w.index), w.end, leads[static_cast<size_t>(w.pin)].x1, leads[static_cast<size_t>(w.pin)].y1);
    DropCollapsedWires(list);
}

void DropCollapsedWires(const AttachedWireList& list)
{
    for (const AttachedWire& w : list.entries) {
        const DrawObject& o = g_current.at(w.index);
        if (o.type() != 0 && o.x() == o.w[2] && o.y() == o.w[3])
            DeleteObject(w.index);
    }
}
