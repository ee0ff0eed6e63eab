#pragma once
// Reading a text file the netlister copies from (include files, model files).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Model libraries and include files are text kept by hand or by a vendor's tools: the largest
// runs to a few megabytes, so a file past this is no model file and is refused unread.
inline constexpr std::uintmax_t kMaxCopiedTextBytes = std::uintmax_t{16} << 20;

// The lines of a text file (without their line ends). When it cannot be read, shows
// cannotOpen, or that the file is too large or memory ran out, and answers false.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string_view cannotOpen);
