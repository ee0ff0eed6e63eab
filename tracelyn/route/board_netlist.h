#pragma once
// Reading the netlist that the schematic program writes (".net": header lines, then one line
// per net, "NAME----pin,pin,...", long pin lists continued on further lines after a "&") into
// the router's tables (tracelyn/core/netlist_tables.h), and the rats nest drawn from them.
//
// Every pin entry ("r1-2": reference, '-', pin) is found on the board through the placed parts'
// packages; each net becomes a chain of connections, nearest pin first, starting from its
// leftmost pin.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// Message texts of the netlist reader.
inline constexpr std::string_view kNetTooLargeMessage = "Error----net too large\n";   // string 4046
inline constexpr int kMaxPinsPerNet = 798;
// Joined lines from this many characters on are refused.
inline constexpr size_t kMaxNetLineChars = 1900;
// Pieces of a line are read at most this many characters at a time.
inline constexpr size_t kNetlistPieceChars = 99;
// The net table's nets at the longest line each, many times over: a larger netlist is refused
// unread.
inline constexpr size_t kMaxNetlistFileBytes = 16u << 20;

// Reads "<name>.net" into the net and connection tables. 1 when the file was read to its end,
// 0 when it could not be opened or reading stopped (Cancel on a missing pin, a table full, a
// line too long).
int ReadBoardNetlist(std::string_view name);

// Turns one complete net line into pins and connections of net `net`.
void AddNetFromLine(std::string_view line, int net);

// Every pin of the netlist file at path ("REF-PIN" in capitals, cut as the pin table cuts it)
// with its net's index in file order, for a look at the nets without loading them; nothing is
// shown and the router's tables are left as they are. nullopt when the file cannot be read,
// holds a line too long or more nets than the net table.
using PinNets = std::unordered_map<std::string, int>;
std::optional<PinNets> ReadNetlistPinNets(std::string_view path);

// Where a pin ("u5-3", any case) lies: netlist units, its part's section key and the pad's
// orientation (0 or 900). A pin not on the board asks the "Router" question and gives zeros;
// Cancel sets the stop flag.
struct PinLocation {
    int32_t x = 0;
    int32_t y = 0;
    int32_t key = 0;
    int32_t orientation = 0;
};
PinLocation FindPinCoordinates(std::string_view pinName);

// Rebuilds the placed-part table from the current store (the caller sets the part count to 0).
void CollectPlacedParts();

// Orders the connection table by the trace-sort setting (1026 none, 1027 by y, 1028 by x) and
// relinks each net's chain.
inline constexpr int32_t kTraceSortNone = 1026;
inline constexpr int32_t kTraceSortByY = 1027;
inline constexpr int32_t kTraceSortByX = 1028;
void SortConnections();

// Clears the board's rats nest and netlist, collects its placed parts and reads the netlist
// named by g_netlist.netlistName (without its extension); ReadBoardNetlist's result.
int ReadNetlistForBoard();
// Appends the rats-nest line of connection c (kind 16 on layer 31, c in word 13); its index,
// 0 when the store is full.
int AppendRatsNestLine(int c);

// Reads the netlist named by g_netlist.netlistName and draws one unrouted-connection line
// (kind 16) per connection; quiet 0 reports the result. Returns 1.
int BuildRatsNest(int quiet);
// The same without drawing. Returns 1.
int LoadNetlist(int quiet);
