#pragma once
// The loaded netlist: the router's connection, net and pin tables (records laid out in the
// router work memory of router_memory.h), the placed-part table the netlist reader matches pin
// names against, and the process-wide values that go with them. The routing subsystem fills
// and reads the tables; the board core reads them to label the rats nest and to look up the net
// under a pin, and resets the connection count (g_router.ratsNestCount) for a new board.
//
// Coordinates in these tables are netlist units: one mil, ten board units.

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/router_memory.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

inline constexpr int kMaxConnections = 4000;
inline constexpr int kMaxNets = 2000;
inline constexpr int kMaxNetPins = 800;
inline constexpr int kMaxPlacedParts = 502;
// Pin names hold at most 14 characters and a terminator; references 19 and a terminator.
inline constexpr size_t kPinNameSize = 15;
inline constexpr size_t kReferenceSize = 20;
// Board units per netlist unit.
inline constexpr int32_t kNetlistUnit = 10;

// One pin-to-pin connection of a net (104 bytes).
struct NetConnection {
    int32_t x1, y1, x2, y2;         // first and second pin
    uint8_t key1, key2;             // section keys of the two pins' parts
    uint8_t spare[2];
    int32_t orientation1, orientation2;   // pad orientation (0 or 900) of the two pins
    int32_t routeState;             // -1 not tried, 0 routed, above 1 the marker line's index
    int32_t routeLength;            // 1 before routing, 0 once routed, else measured length
    int32_t firstObject;            // first board object of the route
    int32_t objectSpan;             // last object of the route - firstObject
    int32_t viaCount;
    int32_t lockFlag;               // 1: another route starts from one of its vias
    int32_t net;
    int32_t next;                   // next connection of the net's chain, -1 at the end
    int32_t previous;               // previous connection, -1 at the start
    int32_t sortKey;
    char name1[kPinNameSize];
    char name2[kPinNameSize];
    uint8_t tail[6];
};
static_assert(sizeof(NetConnection) == 104);

// One net. The name is a heap copy (StrDupChecked) that lives until the next read.
struct NetRecord {
    int32_t firstConnection;        // head of the net's chain
    int32_t connectionCount;
    int32_t unused;
    int32_t routedCount;            // connections routed so far
    char* name;
};

// One pin of the net being read (36 bytes).
struct NetPin {
    int32_t x, y;
    int32_t used;                   // 1 once chained
    char name[kPinNameSize];
    int32_t orientation;
    uint8_t key;
};
static_assert(sizeof(NetPin) == 36);

// One placed part of the board, as the netlist reader finds its pins.
struct PlacedPart {
    int32_t x, y;                   // board units
    int32_t package;                // kind - 64
    char reference[kReferenceSize]; // label prefix and reference number, in capitals
    int32_t rotation;               // rotation word: tenths of a degree, mirror in bit 12
    int32_t sectionKey;             // bits 3 and 4 of the style word
};

static_assert(kRouterConnectionBytes >= kMaxConnections * sizeof(NetConnection));
static_assert(kRouterNetBytes >= kMaxNets * sizeof(NetRecord));
static_assert(kRouterPinBytes >= kMaxNetPins * sizeof(NetPin));

// Nets whose line names a supply: the batch router ties them to the plane layers.
enum PowerNetSlot : int {
    kPowerNetVcc = 0,               // a line containing "Vcc"
    kPowerNetGround = 1,            // a line containing "GROUND"
    kPowerNet1 = 2,                 // "pow1----" to "pow4----"
    kPowerNetSlots = 6,
};

// Values of the loaded netlist. The netlist reader and the rats-nest commands set them; the
// routers, the net-name painter and the pin snapping read them. The connection count is
// g_router.ratsNestCount (route_services.h), which a new or freshly read board clears.
struct NetlistState {
    int32_t netCount = 0;
    int32_t routedCount = 0;        // connections routed in the current run
    int32_t partCount = 0;          // records of the placed-part table
    int32_t stop = 0;               // the user cancelled a missing-pin question
    int32_t ratsNestShown = 0;      // the rats nest is drawn on the board
    int32_t routeLayer = 0;         // the layer the router starts on
    bool reloading = false;         // nets read again after parts moved: their warnings were shown
    const BoardObject* loadedBoard = nullptr;   // store whose nets were loaded last
    std::array<int32_t, kPowerNetSlots> powerNets{-1, -1, -1, -1, -1, -1};
    std::string netlistName;        // the rats-nest / Load Netlist name (at most 100 characters)
    std::string netNameBuffer = "Unspecified";  // what FindNetAtPoint found
    std::array<PlacedPart, kMaxPlacedParts> parts{};
};
extern NetlistState g_netlist;

inline constexpr size_t kNetlistNameChars = 100;

// The tables while the router memory is locked; empty spans while it is not.
std::span<NetConnection> ConnectionTable();
std::span<NetRecord> NetTable();
std::span<NetPin> PinTable();

// Sets a connection back to unrouted: not tried, no route objects, no vias, not locked.
void ClearRouteResult(NetConnection& c);

// Frees the net names and forgets the nets (count 0); the tables stay allocated.
void ForgetNets();

// Defined by the routing subsystem. For the active document: rebuilds the rats nest when it is
// shown, else reloads the netlist, keeping the view origin.
void LoadNetsForDocument();
// (x, y) in view units; leaves the name of the net with a pin within 5 mils there, or
// "Unspecified", in g_netlist.netNameBuffer. 1 when a net was found.
int FindNetAtPoint(int32_t x, int32_t y);
