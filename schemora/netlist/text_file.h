#pragma once
// A text file written line by line, closed when the object goes. What was written before a
// failure stays on disk.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class TextFile {
public:
    TextFile() = default;
    ~TextFile() { close(); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Creates or truncates the file (its path resolved case-insensitively); false on failure.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void put(std::string_view text);
    void close();

private:
    std::FILE* file_ = nullptr;
};

// The lines of a text file (without their line ends); false when it cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
