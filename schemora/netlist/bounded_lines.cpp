#include "schemora/netlist/bounded_lines.h"

#include "platform/system/files.h"
#include "schemora/netlist/sim_traces.h"

BoundedLineFile::BoundedLineFile(const std::string& path) { open(path); }

bool BoundedLineFile::open(const std::string& path)
{
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(plat::resolvePath(path).c_str(), "rb");
    return file_ != nullptr;
}

bool OpenResultFile(BoundedLineFile& file, const std::string& base, const char* ext, int reportFlag)
{
    if (file.open(base + ext))
        return true;
    if (reportFlag == 1)
        ShowReaderError(base + ext + " file not found");
    return false;
}

BoundedLineFile::~BoundedLineFile()
{
    if (file_)
        std::fclose(file_);
}

bool BoundedLineFile::next(std::string& line, size_t maxChars, bool* ended)
{
    line.clear();
    if (!file_)
        return false;
    bool any = false;
    int c;
    while ((c = std::fgetc(file_)) != EOF) {
        any = true;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (ended)
                *ended = true;
            return true;
        }
        if (line.size() < maxChars)
            line += static_cast<char>(c);
    }
    if (ended)
        *ended = false;
    return any;
}
