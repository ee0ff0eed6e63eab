#pragma once
// A whole file's bytes as one string, for readers that parse text they have in memory.

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The bytes of the file at path (found regardless of case, see resolvePath), or nothing when it
// cannot be opened.
std::optional<std::string> readWholeFile(std::string_view path);

}  // namespace plat
