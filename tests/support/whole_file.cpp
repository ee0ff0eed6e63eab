#include "support/whole_file.h"

#include <fstream>
#include <sstream>

namespace quill_test {

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace quill_test
