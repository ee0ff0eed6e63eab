#include "platform/system/bounded_line_file.h"

#include "platform/core/input_file.h"
#include "platform/system/files.h"

namespace plat {

BoundedLineFile::BoundedLineFile(const std::string& path) { open(path); }

bool BoundedLineFile::open(const std::string& path)
{
    if (file_)
        std::fclose(file_);
    InputFile input = InputFile::open(resolvePath(path));
    notAFile_ = input.failure() == InputFile::Failure::NotAFile;
    file_ = input.takeStream();
    return file_ != nullptr;
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

}  // namespace plat
