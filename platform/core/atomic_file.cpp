#include "platform/core/atomic_file.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {
namespace {

constexpr size_t kBufferSize = 64 * 1024;

struct FaultState {
    ScopedWriteFault::Fault fault;
    int writes = 0;
    bool active = false;
};
FaultState g_fault;

// The permissions of a file that replaces another are those of the file it replaces, else what
// an ordinary create gives (0666 less the umask), never the owner-only 0600 of mkstemp.
mode_t writtenFileMode(const std::string& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    return ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
}

// Whether a test's fault applies to a file written to path.
bool faultApplies(const std::string& path)
{
    if (!g_fault.active)
        return false;
    if (g_fault.fault.under.empty())
        return true;
    std::string absolute = path;
    if (absolute.empty() || absolute[0] != '/') {
        char cwd[4096];
        absolute = (::getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string()) + "/" + path;
    }
    std::string under = g_fault.fault.under;
    while (under.size() > 1 && under.back() == '/')
        under.pop_back();
    return absolute.starts_with(under + "/");
}

// write(2) and close(2) as the writers see them: where a test's fault applies, it stands in
// for the disk's answer.
ssize_t systemWrite(int fd, const void* data, size_t size, bool faulty)
{
    if (faulty && g_fault.fault.failingWrite > 0 && ++g_fault.writes >= g_fault.fault.failingWrite) {
        errno = g_fault.fault.error;
        return -1;
    }
    return ::write(fd, data, size);
}

int systemClose(int fd, bool faulty)
{
    const int result = ::close(fd);
    if (result == 0 && faulty && g_fault.fault.failClose) {
        errno = g_fault.fault.error;
        return -1;
    }
    return result;
}

}  // namespace

std::string WriteError::reason() const
{
    return std::strerror(code);
}

std::string WriteError::message() const
{
    return "Cannot write " + path + ": " + reason();
}

std::string WriteError::message(std::string_view cantCreate) const
{
    if (step != Step::Create || cantCreate.empty())
        return message();
    return std::string(cantCreate) + "\n" + message();
}

AtomicFile::AtomicFile(std::string path)
    : path_(std::move(path)), temp_(path_ + ".XXXXXX"), faulty_(faultApplies(path_))
{
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        temp_.clear();
        fail(WriteError::Step::Create, errno);
        return;
    }
    buffer_.reserve(kBufferSize);
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : path_(std::move(other.path_)), temp_(std::move(other.temp_)), fd_(other.fd_), faulty_(other.faulty_),
      closed_(other.closed_), committed_(other.committed_), buffer_(std::move(other.buffer_)), mode_(other.mode_),
      error_(std::move(other.error_))
{
    other.fd_ = -1;
    other.temp_.clear();
    other.committed_ = true;   // the moved-from object owns nothing to clean up
}

AtomicFile::~AtomicFile()
{
    if (!committed_)
        discard();
}

void AtomicFile::fail(WriteError::Step step, int code)
{
    if (!error_)
        error_ = WriteError{path_, code, step};
}

void AtomicFile::write(const void* data, size_t size)
{
    if (error_ || closed_)
        return;
    const auto* p = static_cast<const uint8_t*>(data);
    while (size > 0 && !error_) {
        const size_t n = std::min(kBufferSize - buffer_.size(), size);
        buffer_.insert(buffer_.end(), p, p + n);
        p += n;
        size -= n;
        if (buffer_.size() == kBufferSize)
            flushBuffer();
    }
}

void AtomicFile::flushBuffer()
{
    const uint8_t* p = buffer_.data();
    size_t left = buffer_.size();
    while (left > 0 && !error_) {
        const ssize_t n = systemWrite(fd_, p, left, faulty_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(WriteError::Step::Write, n < 0 ? errno : EIO);
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    buffer_.clear();
}

WriteResult AtomicFile::finish()
{
    if (!closed_ && fd_ >= 0) {
        if (!error_)
            flushBuffer();
        if (!error_ && ::fchmod(fd_, mode_ ? static_cast<mode_t>(*mode_) : writtenFileMode(path_)) != 0)
            fail(WriteError::Step::Write, errno);
        // A file system that cannot sync (EINVAL) has nothing more to write out.
        if (!error_ && ::fsync(fd_) != 0 && errno != EINVAL)
            fail(WriteError::Step::Write, errno);
        if (systemClose(fd_, faulty_) != 0)
            fail(WriteError::Step::Close, errno);
        fd_ = -1;
        closed_ = true;
    }
    if (error_) {
        discard();
        return *error_;
    }
    return {};
}

WriteResult AtomicFile::commit()
{
    if (WriteResult finished = finish(); !finished)
        return finished;
    if (committed_)
        return {};
    if (::rename(temp_.c_str(), path_.c_str()) != 0) {
        fail(WriteError::Step::Rename, errno);
        discard();
        return *error_;
    }
    committed_ = true;
    temp_.clear();
    return {};
}

void AtomicFile::discard()
{
    if (committed_)
        return;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    closed_ = true;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
    buffer_.clear();
    if (!error_)
        error_ = WriteError{path_, ECANCELED, WriteError::Step::Write};
}

WriteResult commitAll(std::span<AtomicFile> files)
{
    for (AtomicFile& file : files)
        if (WriteResult finished = file.finish(); !finished) {
            for (AtomicFile& other : files)
                other.discard();
            return finished;
        }
    for (AtomicFile& file : files)
        if (WriteResult committed = file.commit(); !committed)
            return committed;
    return {};
}

WriteResult writeFileAtomically(const std::string& path, const void* data, size_t size)
{
    AtomicFile file(path);
    file.write(data, size);
    return file.commit();
}

ScopedWriteFault::ScopedWriteFault(Fault fault)
{
    g_fault = FaultState{fault, 0, true};
}

ScopedWriteFault::~ScopedWriteFault()
{
    g_fault = FaultState{};
}

}  // namespace plat
