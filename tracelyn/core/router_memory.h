#pragma once
// The router's work memory: three blocks that start-up allocates and locks once, and the main
// frame unlocks and frees when it is destroyed. The routing code addresses them as its
// connection, net and pin tables.

#include <cstddef>
#include <cstdint>
#include <memory>

inline constexpr size_t kRouterConnectionBytes = 416000;
// 2,000 net records of 24 bytes: a net's name is a pointer, eight bytes wide here.
inline constexpr size_t kRouterNetBytes = 48000;
inline constexpr size_t kRouterPinBytes = 28800;

enum RouterMemoryOperation : int {
    kRouterMemoryAllocate = 1,   // allocate (once) and lock
    kRouterMemoryUnlock = 3,
    kRouterMemoryFree = 4,       // unlock and free
};

// The blocks (owned) and their locked addresses (null while unlocked).
struct RouterWorkMemory {
    RouterWorkMemory() = default;
    // Frees the net names the net block points at, locked or not, with the block.
    ~RouterWorkMemory();
    RouterWorkMemory(const RouterWorkMemory&) = delete;
    RouterWorkMemory& operator=(const RouterWorkMemory&) = delete;

    std::unique_ptr<uint8_t[]> connectionBlock;
    std::unique_ptr<uint8_t[]> netBlock;
    std::unique_ptr<uint8_t[]> pinBlock;
    uint8_t* connections = nullptr;
    uint8_t* nets = nullptr;
    uint8_t* pins = nullptr;
};
extern RouterWorkMemory g_routerMemory;

// Runs one operation on the work memory; 1 when it succeeded. A failed allocation shows
// "Unable to lock router memory" and leaves the tables unlocked.
int RouterMemory(int operation);
