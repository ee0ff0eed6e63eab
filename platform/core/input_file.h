#pragma once
// Every reader of a file from outside opens it here. Opening never waits: a named pipe without a
// writer, a device, a folder or a socket given where a file is expected is refused at once, so a
// document, library, settings file or result named after such a thing cannot stop the program.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

// A regular file open for reading, or why it is not.
class InputFile {
public:
    enum class Failure {
        None,
        CannotOpen,   // missing or unreadable; errorCode() says why
        NotAFile,     // it exists, but is a folder, pipe, device or socket: not opened for reading
    };

    // Opens an already resolved path without blocking and checks that it is a regular file;
    // the descriptor then reads as usual (blocking reads of a regular file).
    static InputFile open(const std::string& path);

    InputFile() = default;
    ~InputFile();
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    Failure failure() const { return failure_; }
    int errorCode() const { return error_; }
    int fd() const { return fd_; }
    // The size the file had when it was opened.
    std::uintmax_t size() const { return size_; }

    // At most maxBytes from the read position on; nothing when not open or on a read error.
    std::optional<std::string> readUpTo(std::size_t maxBytes);

    // Hands the descriptor over as a stdio stream ("rb"); nullptr when not open or out of memory.
    // The caller closes the stream; this object no longer owns the file.
    std::FILE* takeStream();
    // Hands the descriptor over; the caller closes it.
    int release();

private:
    int fd_ = -1;
    Failure failure_ = Failure::None;
    int error_ = 0;
    std::uintmax_t size_ = 0;
};

// At most maxBytes from the start of the file at an already resolved path (fewer when it is
// shorter); nothing when it cannot be opened or is not a file, and failure, when given, says which.
std::optional<std::string> readFileStart(const std::string& path, std::size_t maxBytes,
                                         InputFile::Failure* failure = nullptr);

// "PATH is a folder, not a file." (a named pipe, a device, a socket): what every reader says
// when it is handed something other than a file. The kind is looked up again without opening.
std::string notAFileText(std::string_view path);

}  // namespace plat
