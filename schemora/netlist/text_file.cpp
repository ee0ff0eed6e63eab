#include "schemora/netlist/text_file.h"

#include "common/file_reading.h"

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string_view cannotOpen)
{
    const std::optional<plat::Archive> file = LoadFileForReader(path, kMaxCopiedTextBytes, cannotOpen);
    if (!file)
        return false;
    const std::vector<uint8_t>& bytes = file->bytes();
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return true;
}
