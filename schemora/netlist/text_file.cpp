#include "schemora/netlist/text_file.h"

#include "platform/system/files.h"

#include <fstream>

bool TextFile::open(const std::string& path)
{
    close();
    file_ = std::fopen(plat::resolvePath(path).c_str(), "w");
    return file_ != nullptr;
}

void TextFile::put(std::string_view text)
{
    if (file_ && !text.empty())
        std::fwrite(text.data(), 1, text.size(), file_);
}

void TextFile::close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

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
