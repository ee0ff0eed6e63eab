#pragma once
// A program's string table written as a table: each entry names an id and its text.

#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace plat {

struct StringEntry {
    unsigned id = 0;
    std::string_view text;
};

// Sets each entry's text in `strings`; a later entry (or a later call) replaces an earlier text
// of the same id.
void AssignStrings(std::map<unsigned, std::string>& strings, std::span<const StringEntry> entries);
void AssignStrings(std::map<unsigned, std::string>& strings, std::initializer_list<StringEntry> entries);

}  // namespace plat
