#pragma once
// The result readers read their files with fixed line lengths (plat::BoundedLineFile).

#include "platform/system/bounded_line_file.h"

#include <string>

using plat::BoundedLineFile;

// Opens the simulation file base + ext; when it is missing and reportFlag is 1, shows
// "<base><ext> file not found". Whether it opened.
bool OpenResultFile(BoundedLineFile& file, const std::string& base, const char* ext, int reportFlag);
