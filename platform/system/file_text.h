#pragma once
// A whole file's bytes as one string, for readers that parse text they have in memory.

#include "platform/core/archive.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The bytes of the file at path (found regardless of case, see resolvePath), or nothing when it
// cannot be opened, is not a file or holds more than maxBytes; failure, when given, says why.
std::optional<std::string> readWholeFile(std::string_view path,
                                         std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max(),
                                         LoadFailure* failure = nullptr);

}  // namespace plat
