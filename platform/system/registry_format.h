#pragma once
// The registry store's file format (used by registry.cpp; not for the programs):
//
//   [HKEY_CURRENT_USER\Software\Quillmere\Schemora\Settings]
//   library_path=sz:/opt/quillmere/LIB
//   =sz:the key's default value
//   Count=dword:4
//
// Key names, value names and string values are byte strings; '%', control bytes, and in names
// also '=', '[' and ']', are written as %XX so every key and value fits its one line.

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <cstdint>

namespace plat::detail {

struct RegistryValueData {
    std::string name;
    std::variant<std::string, uint32_t> data;
};
struct RegistryKeyData {
    std::string path;                        // as first created
    std::vector<RegistryValueData> values;   // in the order they were first set
};
using RegistryKeyMap = std::map<std::string, RegistryKeyData>;   // by foldKeyPath

// Lower-cased, with empty names (doubled, leading or trailing '\') dropped.
std::string foldKeyPath(std::string_view path);
// The same clean-up keeping the case.
std::string normalKeyPath(std::string_view path);

std::string encodeRegistry(const RegistryKeyMap& keys);
// Lines it does not understand are skipped; a later duplicate key adds to the earlier one.
RegistryKeyMap decodeRegistry(std::string_view text);

}  // namespace plat::detail
