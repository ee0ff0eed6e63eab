#include "schemora/core/part_type_reload.h"

#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/symbol_elements.h"

#include <memory>
#include <string>

namespace {

using SymbolEntries = std::array<PartSymbol, kPartSymbolSlots>;

bool reloadFromLibrary(const std::string& name)
{
    const size_t slash = name.find('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == name.size())
        return false;
    return LoadLibraryPart(std::string_view(name).substr(0, slash), std::string_view(name).substr(slash + 1)) == 1;
}

// Moves the elements of the old symbol into the new store behind what is there and points the
// symbol at them; block headers name their last element by index, so they move with the run.
bool keepOldSymbol(int index, const PartSymbol& symbol, SymbolElementStore& old)
{
    const int first = symbol.w[1];
    const int count = symbol.w[2];
    if (first < 1 || count < 0 || first + count - 1 > old.count)
        return false;
    g_symbolElements.ensureAllocated();
    const int newFirst = g_symbolElements.count + 1;
    if (newFirst + count - 1 > quill::kMaxSymbolElements)
        return false;
    for (int k = 0; k < count; ++k) {
        DrawObject& e = old[first + k];
        if (e.type() == kObjLine)
            e.text = nullptr;      // pin lines borrow their text; bound again below
        g_symbolElements[newFirst + k] = e;
        e = DrawObject{};
    }
    g_symbolElements.count = newFirst + count - 1;
    const int delta = newFirst - first;
    for (int h = newFirst; h >= newFirst && h <= g_symbolElements.count;) {
        DrawObject& header = g_symbolElements[h];
        header.w[1] += delta;
        if (header.w[1] < h)
            break;
        h = header.w[1] + 1;
    }
    g_partSymbols.entries[index] = symbol;
    g_partSymbols.entries[index].w[1] = newFirst;
    g_partSymbols.count = index;
    BindPinTexts(index);
    return true;
}

// Reads the types that readAgain picks from their libraries again; the others keep their
// symbols.
int reloadPartTypes(bool (*readAgain)(const PartSymbol&))
{
    const int types = g_partSymbols.count;
    const auto oldEntries = std::make_unique<SymbolEntries>(g_partSymbols.entries);
    SymbolElementStore old;
    old.elements.swap(g_symbolElements.elements);
    std::swap(old.count, g_symbolElements.count);
    for (PartSymbol& entry : g_partSymbols.entries)
        entry = PartSymbol{};
    g_partSymbols.count = 0;
    g_partSymbols.current = 0;

    int reloaded = 0;
    for (int i = 1; i <= types; ++i) {
        const PartSymbol& symbol = (*oldEntries)[static_cast<size_t>(i)];
        const bool again = readAgain(symbol);
        if (again && reloadFromLibrary(symbol.name) && g_partSymbols.count == i) {
            ++reloaded;
            continue;
        }
        if (!again && keepOldSymbol(i, symbol, old))
            continue;
        // Whatever a failed read left behind goes; the type keeps its old symbol at its index.
        if (g_partSymbols.count >= i) {
            g_partSymbols.entries[static_cast<size_t>(i)] = PartSymbol{};
            g_partSymbols.count = i - 1;
        }
        plat::MessageBox("Part re-load error!");
        if (!keepOldSymbol(i, symbol, old)) {
            g_partSymbols.entries[static_cast<size_t>(i)] = PartSymbol{};
            g_partSymbols.entries[static_cast<size_t>(i)].name = symbol.name;
            g_partSymbols.count = i;
        }
    }
    return reloaded;
}

}  // namespace

int ReloadPartTypes() { return reloadPartTypes([](const PartSymbol&) { return true; }); }

int ReloadChangedPartTypes()
{
    bool changed = false;
    for (int i = 1; i <= g_partSymbols.count && !changed; ++i)
        changed = SymbolLibraryChanged(g_partSymbols.entries[static_cast<size_t>(i)]);
    return changed ? reloadPartTypes(SymbolLibraryChanged) : 0;
}

int LoadedPartTypeOf(std::string_view library, std::string_view part)
{
    const std::string base(library.substr(0, library.find('.')));
    return FindLoadedSymbol(base + "\\" + std::string(part));
}
