#include "platform/core/archive.h"

#include "platform/core/input_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

Archive::Archive(Mode mode, std::vector<uint8_t> bytes, std::string path)
    : mode_(mode), bytes_(std::move(bytes)), path_(std::move(path))
{
}

std::optional<Archive> Archive::loadFile(const std::string& path, std::uintmax_t maxBytes, LoadFailure* failure)
{
    const auto failed = [failure](LoadFailure why) {
        if (failure)
            *failure = why;
        return std::optional<Archive>();
    };
    InputFile file = InputFile::open(path);
    if (!file)
        return failed(file.failure() == InputFile::Failure::NotAFile ? LoadFailure::NotAFile : LoadFailure::CannotOpen);
    // A regular file tells its size: one too large is refused unread, one that fits gets a
    // block of its size at once rather than one that grows by doubling.
    const std::uintmax_t expected = file.size();
    if (expected > maxBytes)
        return failed(LoadFailure::TooLarge);
    try {
        std::vector<uint8_t> bytes;
        bytes.reserve(static_cast<size_t>(expected));
        uint8_t chunk[65536];
        for (;;) {
            const ssize_t got = ::read(file.fd(), chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return failed(LoadFailure::CannotOpen);
            if (got == 0)
                break;
            // A file that grows while it is read stops at the limit.
            if (static_cast<std::uintmax_t>(got) > maxBytes - bytes.size())
                return failed(LoadFailure::TooLarge);
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        Archive archive(Mode::Load, std::move(bytes), path);
        if (auto t = fileTimes(path))
            archive.times_ = *t;
        return archive;
    } catch (const std::bad_alloc&) {
        return failed(LoadFailure::OutOfMemory);
    }
}

size_t Archive::Read(void* buffer, size_t n)
{
    const size_t available = pos_ < bytes_.size() ? bytes_.size() - pos_ : 0;
    const size_t count = std::min(n, available);
    if (count > 0)
        std::memcpy(buffer, bytes_.data() + pos_, count);
    pos_ += count;
    return count;
}

void Archive::Write(const void* buffer, size_t n)
{
    const auto* p = static_cast<const uint8_t*>(buffer);
    bytes_.insert(bytes_.end(), p, p + n);
}

bool Archive::SeekRelative(long offset)
{
    const long target = static_cast<long>(pos_) + offset;
    const long clamped = std::clamp(target, 0L, static_cast<long>(bytes_.size()));
    pos_ = static_cast<size_t>(clamped);
    return clamped == target;
}

std::string sizeText(std::uintmax_t bytes)
{
    constexpr std::uintmax_t kKilo = 1024;
    if (bytes >= kKilo * kKilo)
        return std::to_string(bytes / (kKilo * kKilo)) + " MB";
    if (bytes >= kKilo)
        return std::to_string(bytes / kKilo) + " KB";
    return std::to_string(bytes) + " bytes";
}

std::string readFailureText(std::string_view path, LoadFailure failure, std::uintmax_t maxBytes,
                            std::string_view cannotOpen)
{
    switch (failure) {
    case LoadFailure::TooLarge: return std::string(path) + " is too large to read (" + sizeText(maxBytes) + " at most).";
    case LoadFailure::OutOfMemory: return "Not enough memory to read " + std::string(path) + ".";
    case LoadFailure::NotAFile: return notAFileText(path);
    case LoadFailure::CannotOpen: break;
    }
    return std::string(cannotOpen);
}

std::optional<FileTimes> fileTimes(const std::string& path)
{
    struct statx sx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_MTIME | STATX_BTIME, &sx) != 0)
        return std::nullopt;
    FileTimes t;
    t.modified = static_cast<std::time_t>(sx.stx_mtime.tv_sec);
    t.created = (sx.stx_mask & STATX_BTIME) ? static_cast<std::time_t>(sx.stx_btime.tv_sec) : t.modified;
    return t;
}

}  // namespace plat
