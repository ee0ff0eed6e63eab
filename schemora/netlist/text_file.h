#pragma once
// Reading a text file the netlister copies from (include files, model files).

#include <string>
#include <vector>

// The lines of a text file (without their line ends); false when it cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
