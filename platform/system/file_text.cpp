#include "platform/system/file_text.h"

#include "platform/system/files.h"

#include <fstream>
#include <sstream>

namespace plat {

std::optional<std::string> readWholeFile(std::string_view path)
{
    std::ifstream in(resolvePath(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace plat
