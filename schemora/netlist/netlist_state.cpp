#include "schemora/netlist/netlist_state.h"

NetlistTables g_netTables;
DeckLists g_deckLists;

void ResetNetlistTables()
{
    g_netTables = NetlistTables{};
    g_deckLists = DeckLists{};
}
