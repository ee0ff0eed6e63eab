#pragma once
// INI profile files ("schemora.ini", "Tracelyn.ini", router strategy files) with the read and
// write rules the programs were written against:
// - a missing file, section or key gives the caller's default;
// - section and key names compare case-insensitively; values are trimmed of blanks;
// - reads take at most bufferSize - 1 characters when the caller gives its buffer's size;
// - writing replaces a key in place, keeps every other line (comments, unknown sections,
//   line endings) as it was, and creates the file, section and key as needed;
// - a null value deletes the key, a null key deletes the section with all its lines.
// Files are found through resolvePath and written atomically.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/atomic_file.h"
#include "platform/system/optional_text.h"

namespace plat {

// bufferSize 0 means no limit.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view file,
                                    size_t bufferSize = 0);
// The value's leading decimal number ("12abc" is 12, "-3" is -3, "abc" is 0); the default when
// the key is missing or its value is empty.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view file);
// False when the file could not be written.
bool WritePrivateProfileString(std::string_view section, OptionalText key, OptionalText value,
                               std::string_view file);

// One profile file held in memory: reads and writes work on the loaded lines, and flush writes
// the file once (atomically) if anything changed. The destructor flushes; call flush() to learn
// whether it worked and why not. Writing a hundred settings at exit this way writes the file once.
class ProfileFile {
public:
    explicit ProfileFile(std::string_view path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, size_t bufferSize = 0) const;
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;
    void writeString(std::string_view section, OptionalText key, OptionalText value);
    void writeInt(std::string_view section, std::string_view key, int value);

    WriteResult flush();
    bool modified() const { return modified_; }
    const std::string& path() const { return path_; }

private:
    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\n", "\r\n" or "" for a last line without one
    };
    struct Span {
        size_t header;       // index of the section's header line
        size_t end;          // one past its last line
    };

    std::optional<Span> findSection(std::string_view section) const;
    std::optional<size_t> findKey(const Span& span, std::string_view key) const;
    void insertLine(size_t index, std::string text);

    std::string path_;
    std::vector<Line> lines_;
    std::string newline_ = "\n";   // the file's own line ending, for lines we add
    bool modified_ = false;
};

}  // namespace plat
