#include "schemora/netlist/text_file.h"

#include "platform/system/files.h"

#include <fstream>

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(plat::resolvePath(path), std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}
