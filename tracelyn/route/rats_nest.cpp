// The rats nest: the netlist read for the current board and drawn as one unrouted-connection
// line per connection, and the lookup of the net under a point.
#include "tracelyn/route/board_netlist.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/board_checks.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

// Kind 16 on layer 31: 31 x 1024 + 16.
constexpr int32_t kRatsNestKindWord = kLayerAll * 1024 + kKindNoRoute;
constexpr int32_t kRatsNestWidth = 10;
// A pin within this many netlist units on both axes lies at the point.
constexpr int32_t kNetHitDistance = 5;

// The netlist name without its extension; a '.' in a folder name is not an extension.
std::string netlistBaseName()
{
    const std::string& name = g_netlist.netlistName;
    const size_t dot = name.rfind('.');
    const size_t slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name;
    return name.substr(0, dot);
}

}  // namespace

namespace {

int readNetlistTables(bool keepLines)
{
    if (!keepLines) {
        ClearNetNames(1);
    } else {
        // The lines stay in their slots to be rewritten: removing them would move later
        // objects down and cost the undo ring.
        g_netlist.ratsNestShown = 0;
        ForgetNets();
        g_router.ratsNestCount = 0;
    }
    g_netlist.partCount = 0;
    CollectPlacedParts();
    g_router.ratsNestCount = 0;
    g_netlist.routedCount = 0;
    g_netlist.stop = 0;
    g_netlist.powerNets.fill(-1);
    const int read = ReadBoardNetlist(netlistBaseName());
    if (read == 1) {
        g_netlist.routeLayer = 0;
        // The router and rats-nest dialogs offer it again for this board.
        BoardDocumentData* doc = g_active.data;
        if (doc != nullptr && doc->objects && doc->objects->data() == g_board.objects)
            doc->lastNetlist = g_netlist.netlistName;
    }
    return read;
}

void writeRatsNestLine(BoardObject& line, int c)
{
    const NetConnection& link = ConnectionTable()[static_cast<size_t>(c)];
    FreeObjectData(line);
    line = BoardObject{};
    line.w[0] = link.x1 * kNetlistUnit;
    line.w[1] = link.y1 * kNetlistUnit;
    line.w[2] = link.x2 * kNetlistUnit;
    line.w[3] = link.y2 * kNetlistUnit;
    line.w[4] = kRatsNestKindWord;
    line.w[7] = kRatsNestWidth;
    line.w[13] = c;
}

}  // namespace

int ReadNetlistForBoard()
{
    return readNetlistTables(false);
}

int AppendRatsNestLine(int c)
{
    const int index = AppendObject();
    BoardObject* appended = AppendedObject(index);
    if (appended == nullptr)
        return 0;   // the store is full: the last object stays as it is
    writeRatsNestLine(*appended, c);
    return index;
}

namespace {

// The rats-nest lines of the current store, in index order.
std::vector<int> ratsNestSlots()
{
    std::vector<int> slots;
    for (int i = 1; i <= std::min(g_board.count, g_board.capacity - 1); ++i)
        if (g_board.objects[i].kind() == kKindNoRoute)
            slots.push_back(i);
    return slots;
}

// Draws the connections, the first ones into `reuse` (rats-nest lines already in the store),
// the rest appended; lines of `reuse` left over are erased where they stand.
void drawRatsNest(std::span<const int> reuse = {})
{
    if (g_board.objects == nullptr)
        return;
    size_t used = 0;
    const std::span<NetRecord> nets = NetTable();
    const int connections = std::clamp(g_router.ratsNestCount, 0, kMaxConnections);
    for (int n = 0; n < std::min(g_netlist.netCount, kMaxNets); ++n) {
        const NetRecord& net = nets[static_cast<size_t>(n)];
        for (int k = 0; k < net.connectionCount; ++k) {
            if (g_progress.abort != 0)
                break;
            const int c = net.firstConnection + k;
            if (c < 0 || c >= connections)
                break;
            if (used < reuse.size())
                writeRatsNestLine(g_board.objects[reuse[used++]], c);
            else if (AppendRatsNestLine(c) == 0)
                n = kMaxNets;   // the store is full
        }
    }
    for (; used < reuse.size(); ++used)
        g_board.objects[reuse[used]].w[4] = kKindDeleted;
}

bool nearPoint(int32_t x, int32_t y, int32_t px, int32_t py)
{
    return std::llabs(int64_t{x} - px) < kNetHitDistance && std::llabs(int64_t{y} - py) < kNetHitDistance;
}

}  // namespace

int BuildRatsNest(int quiet)
{
    ReadNetlistForBoard();
    drawRatsNest();
    g_netlist.ratsNestShown = 1;
    g_boardSettings.rubber = 1;
    if (quiet == 0) {
        RedrawActiveFrame();
        plat::MessageBox("Rats Nest Complete\nNo. of nets=" + std::to_string(g_netlist.netCount),
                         plat::kMbIconInformation, "Batch Router");
    }
    return 1;
}

int LoadNetlist(int quiet)
{
    ReadNetlistForBoard();
    g_netlist.ratsNestShown = 0;
    if (quiet == 0) {
        RedrawActiveFrame();
        plat::MessageBox("Nestlist loaded\nNo. of nets=" + std::to_string(g_netlist.netCount));
    }
    return 1;
}

void LoadNetsForDocument()
{
    BoardDocumentData* doc = g_active.data;
    if (doc == nullptr || doc->objects == nullptr)
        return;
    g_board.objects = doc->objects->data();
    g_board.count = doc->objectCount;
    const int32_t originX = g_board.viewOriginX, originY = g_board.viewOriginY;
    g_netlist.reloading = true;
    // Lines in the store are drawn again into the slots they had, so that later objects keep
    // their indexes and the undo ring stays whole; a board saved with its rats nest keeps it.
    const std::vector<int> slots = ratsNestSlots();
    if (g_netlist.ratsNestShown != 0 || !slots.empty()) {
        readNetlistTables(true);
        drawRatsNest(slots);
        g_netlist.ratsNestShown = 1;
    } else {
        LoadNetlist(1);
    }
    g_netlist.reloading = false;
    g_board.viewOriginX = doc->viewOriginX = originX;
    g_board.viewOriginY = doc->viewOriginY = originY;
}

int FindNetAtPoint(int32_t x, int32_t y)
{
    const int32_t unit = std::max(ScreenLength(kNetlistUnit), 1);
    x /= unit;
    y /= unit;
    const std::span<NetConnection> table = ConnectionTable();
    const std::span<NetRecord> nets = NetTable();
    const int connections = std::clamp(g_router.ratsNestCount, 0, kMaxConnections);
    for (int n = 0; n < std::min(g_netlist.netCount, kMaxNets) && !nets.empty(); ++n) {
        // A net without connections shares its first index with the next net.
        if (nets[static_cast<size_t>(n)].connectionCount <= 0)
            continue;
        int c = nets[static_cast<size_t>(n)].firstConnection;
        // Each connection is visited once at most, whatever the links say.
        for (int steps = 0; c >= 0 && c < connections && steps < connections; ++steps) {
            const NetConnection& link = table[static_cast<size_t>(c)];
            if (nearPoint(link.x1, link.y1, x, y) || nearPoint(link.x2, link.y2, x, y)) {
                const char* name = nets[static_cast<size_t>(n)].name;
                g_netlist.netNameBuffer = name != nullptr ? name : "";
                return 1;
            }
            c = link.next;
        }
    }
    g_netlist.netNameBuffer = "Unspecified";
    return 0;
}
