#include "tracelyn/core/router_memory.h"

#include "tracelyn/core/netlist_tables.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"

#include <new>
#include <span>

RouterWorkMemory g_routerMemory;

RouterWorkMemory::~RouterWorkMemory()
{
    if (!netBlock)
        return;
    for (NetRecord& net : std::span(reinterpret_cast<NetRecord*>(netBlock.get()), kMaxNets))
        FreeStr(net.name);
}

namespace {

std::unique_ptr<uint8_t[]> zeroedBlock(size_t bytes)
{
    try {
        return std::make_unique<uint8_t[]>(bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool allocateBlocks(RouterWorkMemory& m)
{
    if (!m.connectionBlock)
        m.connectionBlock = zeroedBlock(kRouterConnectionBytes);
    if (!m.netBlock)
        m.netBlock = zeroedBlock(kRouterNetBytes);
    if (!m.pinBlock)
        m.pinBlock = zeroedBlock(kRouterPinBytes);
    return m.connectionBlock && m.netBlock && m.pinBlock;
}

void unlock(RouterWorkMemory& m)
{
    m.connections = nullptr;
    m.nets = nullptr;
    m.pins = nullptr;
}

}  // namespace

int RouterMemory(int operation)
{
    RouterWorkMemory& m = g_routerMemory;
    switch (operation) {
    case kRouterMemoryAllocate:
        if (!allocateBlocks(m)) {
            plat::MessageBox("Unable to lock router memory", plat::kMbIconStop);
            return 0;
        }
        m.connections = m.connectionBlock.get();
        m.nets = m.netBlock.get();
        m.pins = m.pinBlock.get();
        return 1;
    case kRouterMemoryUnlock:
        unlock(m);
        return 1;
    case kRouterMemoryFree:
        // The net names are heap strings the net block points at: free them with the block.
        ForgetNets();
        unlock(m);
        m.connectionBlock.reset();
        m.netBlock.reset();
        m.pinBlock.reset();
        return 1;
    default:
        return 0;
    }
}
