// Loading the drawings' part types again after a library changed under them.
#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/symbol_elements.h"

#include <string>
#include <vector>

void ReloadPartTypes()
{
    std::vector<std::string> names;
    for (int i = 1; i <= g_partSymbols.count; ++i)
        names.push_back(g_partSymbols.entries[static_cast<size_t>(i)].name);
    const int current = g_partSymbols.current;
    g_partSymbols = PartSymbolTable{};
    g_symbolElements.truncate(0);
    bool failed = false;
    for (size_t i = 0; i < names.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (LoadLibraryPartByPath(names[i]) == 1 && g_partSymbols.count == index)
            continue;
        // Placed parts name their type by its number: a type that does not load again keeps its
        // number and name, without a symbol, rather than shifting every type after it.
        failed = true;
        g_partSymbols.count = index;
        g_partSymbols.entries[i + 1] = PartSymbol{};
        g_partSymbols.entries[i + 1].name = names[i];
    }
    g_partSymbols.current = current;
    if (failed)
        plat::MessageBox("Part re-load error!", plat::kMbIconStop);
}
