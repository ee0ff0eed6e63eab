#pragma once
// A loading or storing archive over the bytes of one file, as the document framework hands
// it to Serialize. Loading reads the whole file first; a short read simply returns fewer
// bytes (readers treat that as the end of their list). Storing collects the bytes and the
// framework writes them to the file atomically when Serialize returns.

#include "platform/core/atomic_file.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Why Archive::loadFile gave no archive.
enum class LoadFailure {
    CannotOpen,    // missing, unreadable, or a read error
    TooLarge,      // larger than the caller's limit: refused before it is read
    OutOfMemory,   // the bytes found no room in memory
    NotAFile,      // a folder, pipe, device or socket: refused without waiting on it
};

// No limit on the size of a file read whole.
inline constexpr std::uintmax_t kAnyFileSize = UINTMAX_MAX;

struct FileTimes {
    std::time_t modified = 0;
    std::time_t created = 0;   // the file's birth time where the file system keeps it, else modified
};

class Archive {
public:
    enum class Mode { Load, Store };

    // An archive over bytes in memory (clipboard blocks, tests); path is what GetFilePath says.
    Archive(Mode mode, std::vector<uint8_t> bytes = {}, std::string path = {});

    // Reads the whole file at an already resolved path, when it holds at most maxBytes (a larger
    // one is not read at all); nothing when it cannot be read, and failure, when given, says why.
    static std::optional<Archive> loadFile(const std::string& path, std::uintmax_t maxBytes = kAnyFileSize,
                                           LoadFailure* failure = nullptr);

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }

    // Copies up to n bytes from the read position; returns how many were copied.
    size_t Read(void* buffer, size_t n);
    void Write(const void* buffer, size_t n);
    void WriteString(std::string_view text) { Write(text.data(), text.size()); }
    // Moves the read position by offset bytes, clamped to the data; false when clamped.
    bool SeekRelative(long offset);

    size_t position() const { return pos_; }
    size_t size() const { return bytes_.size(); }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> takeBytes() { return std::move(bytes_); }

    const std::string& GetFilePath() const { return path_; }
    const FileTimes& times() const { return times_; }

    // What a reader found, for the framework that opens documents. A reader that finds the file
    // is not of its kind refuses it: no document stays open on it, so nothing can overwrite it.
    // A reader that kept only part of the file marks it damaged: saving over it asks first.
    void refuse() { refused_ = true; }
    bool refused() const { return refused_; }
    void markDamaged() { damaged_ = true; }
    bool damaged() const { return damaged_; }

private:
    Mode mode_;
    std::vector<uint8_t> bytes_;
    size_t pos_ = 0;
    std::string path_;
    FileTimes times_;
    bool refused_ = false;
    bool damaged_ = false;
};

// A size as messages about file sizes give it: "16 MB", "640 KB", "100 bytes" (whole units,
// rounded down).
std::string sizeText(std::uintmax_t bytes);

// What a reader that is not a document (a library, an import) tells the person when loadFile
// gave no archive: its own cannotOpen text, "<path> is too large to read (<limit> at most)." or
// "Not enough memory to read <path>."
std::string readFailureText(std::string_view path, LoadFailure failure, std::uintmax_t maxBytes,
                            std::string_view cannotOpen);

// Times of an existing file; nothing when it does not exist.
std::optional<FileTimes> fileTimes(const std::string& path);

}  // namespace plat
