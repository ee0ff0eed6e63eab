#pragma once
// Puts the schematic program's loaded part symbols back as they were before an input, so
// symbols read from one input never fill the tables for the next.

#include "schemora/core/current_document.h"
#include "schemora/core/symbol_elements.h"

namespace fuzz {

class LoadedSymbolsScope {
public:
    LoadedSymbolsScope() : symbols_(g_partSymbols.count), elements_(g_symbolElements.count) {}
    ~LoadedSymbolsScope()
    {
        g_symbolElements.truncate(elements_);
        for (int i = symbols_ + 1; i <= g_partSymbols.count && i < kPartSymbolSlots; ++i)
            g_partSymbols.entries[i] = PartSymbol{};
        g_partSymbols.count = symbols_;
        g_partSymbols.current = 0;
    }
    LoadedSymbolsScope(const LoadedSymbolsScope&) = delete;
    LoadedSymbolsScope& operator=(const LoadedSymbolsScope&) = delete;

private:
    int symbols_;
    int32_t elements_;
};

}  // namespace fuzz
