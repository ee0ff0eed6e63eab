#include "schemora/core/symbol_elements.h"

#include <algorithm>

SymbolElementStore g_symbolElements;

void SymbolElementStore::ensureAllocated()
{
    if (elements.empty())
        elements.resize(kSymbolElementSlots);
}

void SymbolElementStore::truncate(int32_t keep)
{
    if (elements.empty()) {
        count = 0;
        return;
    }
    for (int32_t i = count; i > keep && i > 0; --i) {
        DrawObject& e = elements[i];
        // Pin lines only borrow their text.
        if (e.type() == kObjLine)
            e.text = nullptr;
        ReleaseObjectData(e);
        e = DrawObject{};
    }
    count = std::max<int32_t>(keep, 0);
}
