#include "schemora/netlist/netlist_builder.h"

#include <algorithm>

NetPinLookup g_netPinLookup;

int FindNetPin(const std::vector<std::string>& names, int count, std::string_view name)
{
    const int n = std::min<int>(count, static_cast<int>(names.size()));
    for (int i = 0; i < n; ++i) {
        if (names[static_cast<size_t>(i)] == name) {
            g_netPinLookup.index = i;
            return 1;
        }
    }
    g_netPinLookup.index = n;
    return 0;
}
