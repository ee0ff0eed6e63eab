#pragma once
// Line reading with the fixed line lengths of the result readers: a line longer than the limit
// keeps its first characters and the rest of it is skipped, so hostile files never grow a
// buffer.

#include <cstdio>
#include <string>

class BoundedLineFile {
public:
    BoundedLineFile() = default;
    explicit BoundedLineFile(const std::string& path);
    // Opens path (closing any file open before); whether it opened.
    bool open(const std::string& path);
    ~BoundedLineFile();
    BoundedLineFile(const BoundedLineFile&) = delete;
    BoundedLineFile& operator=(const BoundedLineFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next line without its line end, at most maxChars characters; false at the end of the
    // file. ended tells whether the line had a line end.
    bool next(std::string& line, size_t maxChars, bool* ended = nullptr);

private:
    std::FILE* file_ = nullptr;
};

// Opens the simulation file base + ext; when it is missing and reportFlag is 1, shows
// "<base><ext> file not found". Whether it opened.
bool OpenResultFile(BoundedLineFile& file, const std::string& base, const char* ext, int reportFlag);
