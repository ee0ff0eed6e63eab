#include "platform/core/archive.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

Archive::Archive(Mode mode, std::vector<uint8_t> bytes, std::string path)
    : mode_(mode), bytes_(std::move(bytes)), path_(std::move(path))
{
}

std::optional<Archive> Archive::loadFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    Archive archive(Mode::Load, std::move(bytes), path);
    if (auto t = fileTimes(path))
        archive.times_ = *t;
    return archive;
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
