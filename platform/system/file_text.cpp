#include "platform/system/file_text.h"

#include "platform/system/files.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace plat {

std::optional<std::string> readWholeFile(std::string_view path, std::uintmax_t maxBytes)
{
    const std::string resolved = resolvePath(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(resolved, error);
    std::ifstream in(resolved, std::ios::binary);
    if (error || !in || size > maxBytes)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace plat
