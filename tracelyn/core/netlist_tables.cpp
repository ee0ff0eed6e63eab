#include "tracelyn/core/netlist_tables.h"

#include "common/string_helpers.h"

NetlistState g_netlist;

namespace {

// The router memory's blocks are plain bytes from an array allocation, which gives these
// record types (trivial, all-zero valid) their objects; the blocks are aligned for any type.
template <typename Record>
std::span<Record> tableIn(uint8_t* block, int records)
{
    if (block == nullptr)
        return {};
    return {reinterpret_cast<Record*>(block), static_cast<size_t>(records)};
}

}  // namespace

std::span<NetConnection> ConnectionTable()
{
    return tableIn<NetConnection>(g_routerMemory.connections, kMaxConnections);
}

std::span<NetRecord> NetTable()
{
    return tableIn<NetRecord>(g_routerMemory.nets, kMaxNets);
}

std::span<NetPin> PinTable()
{
    return tableIn<NetPin>(g_routerMemory.pins, kMaxNetPins);
}

void ClearRouteResult(NetConnection& c)
{
    c.routeState = -1;
    c.routeLength = 1;
    c.firstObject = 0;
    c.objectSpan = 0;
    c.viaCount = 0;
    c.lockFlag = 0;
}

void ForgetNets()
{
    for (NetRecord& net : NetTable()) {
        FreeStr(net.name);
        net.name = nullptr;
    }
    g_netlist.netCount = 0;
}
