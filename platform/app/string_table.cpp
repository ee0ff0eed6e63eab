#include "platform/app/string_table.h"

namespace plat {

void AssignStrings(std::map<unsigned, std::string>& strings, std::span<const StringEntry> entries)
{
    for (const StringEntry& entry : entries)
        strings.insert_or_assign(entry.id, std::string(entry.text));
}

void AssignStrings(std::map<unsigned, std::string>& strings, std::initializer_list<StringEntry> entries)
{
    AssignStrings(strings, std::span<const StringEntry>(entries.begin(), entries.size()));
}

}  // namespace plat
