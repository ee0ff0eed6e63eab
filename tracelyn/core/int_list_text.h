#pragma once
// Integer lists as the board program's INI and router strategy files store them: "1,2,3".

#include <cstdint>
#include <span>
#include <string>

// The values joined by commas, no blanks ("" for none).
std::string JoinInts(std::span<const int32_t> values);
