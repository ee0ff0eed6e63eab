#pragma once
// Line reading with a fixed longest line: a line longer than the limit keeps its first
// characters and the rest of it is skipped, so hostile files never grow a buffer.

#include <cstdio>
#include <string>

namespace plat {

class BoundedLineFile {
public:
    BoundedLineFile() = default;
    // Opens path (found regardless of case, see resolvePath).
    explicit BoundedLineFile(const std::string& path);
    // Opens path without waiting (closing any file open before); whether it opened. Anything
    // but a regular file is refused.
    bool open(const std::string& path);
    ~BoundedLineFile();
    BoundedLineFile(const BoundedLineFile&) = delete;
    BoundedLineFile& operator=(const BoundedLineFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The last open found a folder, pipe, device or socket (see notAFileText) and refused it.
    bool refusedNotAFile() const { return notAFile_; }
    // The next line without its line end (LF or CR LF), at most maxChars characters; false at
    // the end of the file. ended tells whether the line had a line end.
    bool next(std::string& line, size_t maxChars, bool* ended = nullptr);

private:
    std::FILE* file_ = nullptr;
    bool notAFile_ = false;
};

}  // namespace plat
