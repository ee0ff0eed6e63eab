#pragma once
// Every file the suite writes is written whole or not at all: the bytes go to a temporary file
// beside the target, every write and the close are checked, and only a complete file is renamed
// over the target. A failure leaves the old file as it was, removes the temporary file and says
// which file could not be written and the system's reason ("No space left on device").

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

// Why a file could not be written.
struct WriteError {
    enum class Step { Create, Write, Close, Rename };
    std::string path;      // the target, as the caller named it
    int code = 0;          // the system's error number
    Step step = Step::Write;

    // The system's words for code: "No space left on device".
    std::string reason() const;
    // "Cannot write PATH: REASON".
    std::string message() const;
    // For a file that could not be created, the caller's own words for that on a line before
    // message(); for a failure after the file was created, message() alone.
    std::string message(std::string_view cantCreate) const;
};

// What a write came to: true when the file is in place. Converts to bool so that a caller that
// only needs to know whether it worked reads as before.
class WriteResult {
public:
    WriteResult() = default;
    WriteResult(WriteError error) : error_(std::move(error)) {}
    operator bool() const { return !error_; }
    const std::optional<WriteError>& error() const { return error_; }
    // The failure's message() (empty after success).
    std::string message() const { return error_ ? error_->message() : std::string(); }
    std::string message(std::string_view cantCreate) const { return error_ ? error_->message(cantCreate) : std::string(); }

private:
    std::optional<WriteError> error_;
};

// A file written in pieces. The temporary file is created at once; put and write collect and
// write out the bytes, keeping the first failure (later ones change nothing); commit puts the
// finished file in place. A file that goes without commit is discarded, the target untouched.
class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(AtomicFile&& other) noexcept;
    AtomicFile& operator=(AtomicFile&&) = delete;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const std::string& path() const { return path_; }
    // False once anything failed (the file cannot be written whole any more).
    bool good() const { return !error_; }
    const std::optional<WriteError>& error() const { return error_; }

    void write(const void* data, size_t size);
    void put(std::string_view text) { write(text.data(), text.size()); }
    // The permissions the file gets (a copied program keeps its own); without this call, those
    // of the file it replaces, else what an ordinary create gives.
    void setMode(unsigned mode) { mode_ = mode; }

    // Writes out what is held and closes the temporary file, checking both; the target is not
    // touched yet. Used alone to finish each file of a set before any of them replaces its
    // target (then commit each).
    [[nodiscard]] WriteResult finish();
    // finish, then the temporary file replaces the target.
    [[nodiscard]] WriteResult commit();
    // Gives up: the temporary file goes, the target stays.
    void discard();

private:
    void fail(WriteError::Step step, int code);
    void flushBuffer();

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    bool faulty_ = false;   // a test's write fault applies to this file
    bool closed_ = false;
    bool committed_ = false;
    std::vector<uint8_t> buffer_;
    std::optional<unsigned> mode_;
    std::optional<WriteError> error_;
};

// Finishes every file of a set, then puts each in place, so that a set of which one file could
// not be written replaces none of its targets.
[[nodiscard]] WriteResult commitAll(std::span<AtomicFile> files);

// The whole file in one call.
[[nodiscard]] WriteResult writeFileAtomically(const std::string& path, const void* data, size_t size);
[[nodiscard]] inline WriteResult writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    return writeFileAtomically(path, bytes.data(), bytes.size());
}
[[nodiscard]] inline WriteResult writeFileAtomically(const std::string& path, std::string_view text)
{
    return writeFileAtomically(path, text.data(), text.size());
}

// Makes the writers fail as a full or failing disk would, for tests: from the failingWrite-th
// write on (1 = the next one) every write fails with error; failClose makes every close fail
// with it. Only files below the folder under are affected (every file when it is empty), as
// only the disk that holds them would be full. The fault lasts as long as the object; counting
// starts when it is made.
class ScopedWriteFault {
public:
    struct Fault {
        int failingWrite = 0;   // 0: writes succeed
        bool failClose = false;
        int error = ENOSPC;
        std::string under;      // an absolute folder
    };
    explicit ScopedWriteFault(Fault fault);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace plat
