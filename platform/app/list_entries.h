#pragma once
// The entries of a list or combo box with its selection (-1: none). Inserting or deleting an
// entry keeps the selection on the entry it was on; deleting the selected entry leaves none.
// Shared by dialog controls and toolbar combos; itemAt checks an index into any of the lists.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct ListEntry {
    std::string text;
    uintptr_t data = 0;
};

// The item of a list (entries, a bar's buttons or panes) at index, or null when the index lies
// outside the list: every index the programs hand a control or bar is checked here.
template <typename Items>
auto itemAt(Items& items, int index) -> decltype(&items[0])
{
    return index >= 0 && static_cast<size_t>(index) < items.size() ? &items[static_cast<size_t>(index)] : nullptr;
}

// The text and data of the entry at index: "" and 0 when there is none.
inline std::string listEntryText(const std::vector<ListEntry>& entries, int index)
{
    const ListEntry* entry = itemAt(entries, index);
    return entry ? entry->text : std::string();
}

inline uintptr_t listEntryData(const std::vector<ListEntry>& entries, int index)
{
    const ListEntry* entry = itemAt(entries, index);
    return entry ? entry->data : 0;
}

// Sets the data of the entry at index; nothing when there is none.
inline void setListEntryData(std::vector<ListEntry>& entries, int index, uintptr_t data)
{
    if (ListEntry* entry = itemAt(entries, index))
        entry->data = data;
}

// Inserts text at index (negative or past the end: at the end); returns where it went.
inline int insertListEntry(std::vector<ListEntry>& entries, int& selection, int index, std::string_view text)
{
    const int count = static_cast<int>(entries.size());
    if (index < 0 || index > count)
        index = count;
    entries.insert(entries.begin() + index, ListEntry{std::string(text), 0});
    if (selection >= index)
        ++selection;
    return index;
}

// Deletes the entry at index; false when there is none.
inline bool eraseListEntry(std::vector<ListEntry>& entries, int& selection, int index)
{
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return false;
    entries.erase(entries.begin() + index);
    if (selection == index)
        selection = -1;
    else if (selection > index)
        --selection;
    return true;
}

}  // namespace plat
