#include "platform/app/string_table.h"

namespace plat {

void AssignStrings(std::map<unsigned, std::string>& strings, std::initializer_list<StringEntry> entries)
{
    for (const StringEntry& entry : entries)
        strings.insert_or_assign(entry.id, std::string(entry.text));
}

}  // namespace plat
