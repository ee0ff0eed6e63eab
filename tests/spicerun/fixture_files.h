#pragma once
// The committed raw-file fixtures (see fixtures/README.md).

#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadFixture(const std::string& name)
{
    std::ifstream in(std::string(SPICERUN_FIXTURES) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
