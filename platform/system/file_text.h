#pragma once
// A whole file's bytes as one string, for readers that parse text they have in memory.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The bytes of the file at path (found regardless of case, see resolvePath), or nothing when it
// cannot be opened or holds more than maxBytes.
std::optional<std::string> readWholeFile(std::string_view path,
                                         std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max());

}  // namespace plat
