#include "platform/system/file_text.h"

#include "platform/system/files.h"

namespace plat {

std::optional<std::string> readWholeFile(std::string_view path, std::uintmax_t maxBytes, LoadFailure* failure)
{
    std::optional<Archive> archive = Archive::loadFile(resolvePath(path), maxBytes, failure);
    if (!archive)
        return std::nullopt;
    const std::vector<uint8_t>& bytes = archive->bytes();
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace plat
