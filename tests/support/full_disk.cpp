#include "support/full_disk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace quill_test {
namespace {

constexpr const char* kFiller = ".filler";

}  // namespace

FullDisk::FullDisk(Kind kind) : kind_(kind)
{
    if (kind_ == Kind::Injected)
        return;
    if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m,mode=0755") != 0) {
        whyNot_ = std::string("cannot mount a small file system to fill (") + std::strerror(errno) + ")";
        return;
    }
    mounted_ = true;
}

FullDisk::~FullDisk()
{
    fault_.reset();
    if (mounted_)
        ::umount2(folder_.path().c_str(), MNT_DETACH);
}

ReadOnlyDisk::ReadOnlyDisk()
{
    if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_RDONLY, "size=64k,mode=0755") != 0)
        whyNot_ = std::string("cannot mount a read-only file system (") + std::strerror(errno) + ")";
}

ReadOnlyDisk::~ReadOnlyDisk()
{
    if (ready())
        ::umount2(folder_.path().c_str(), MNT_DETACH);
}

std::string FullDisk::readText(std::string_view name) const
{
    const auto bytes = read(name);
    return {bytes.begin(), bytes.end()};
}

void FullDisk::fill()
{
    if (kind_ == Kind::Injected) {
        plat::ScopedWriteFault::Fault full;
        full.failingWrite = 1;
        full.under = folder_.path().string();
        fault_.emplace(full);
        return;
    }
    const int fd = ::open(file(kFiller).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const int error = errno;
    ::close(fd);
    ASSERT_EQ(error, ENOSPC) << "the small file system fills up";
}

std::vector<std::string> FullDisk::names() const
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path()))
        if (!entry.is_directory() && entry.path().filename() != kFiller)
            found.push_back(std::filesystem::relative(entry.path(), path()).string());
    std::sort(found.begin(), found.end());
    return found;
}

void onFullDisks(const std::function<void(FullDisk& disk)>& body)
{
    std::string skipped;
    for (const FullDisk::Kind kind : {FullDisk::Kind::Injected, FullDisk::Kind::Tmpfs}) {
        SCOPED_TRACE(kind == FullDisk::Kind::Injected ? "writes failing by injection" : "a real full file system");
        FullDisk disk(kind);
        if (!disk.ready()) {
            skipped = disk.whyNot();
            continue;
        }
        body(disk);
    }
    if (!skipped.empty())
        GTEST_SKIP() << "the real full disk was not tried: " << skipped;
}

}  // namespace quill_test
