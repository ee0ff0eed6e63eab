#pragma once
// A file's whole contents as the tests compare them.

#include <filesystem>
#include <string>

namespace quill_test {

// Every byte of the file; empty when it cannot be read.
std::string readText(const std::filesystem::path& path);

}  // namespace quill_test
