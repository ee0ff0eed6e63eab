#include "platform/core/input_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plat {

InputFile InputFile::open(const std::string& path)
{
    InputFile file;
    // Without O_NONBLOCK, opening a pipe nobody writes to waits for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        file.failure_ = Failure::CannotOpen;
        file.error_ = errno;
        return file;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        file.failure_ = Failure::CannotOpen;
        file.error_ = errno;
        ::close(fd);
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.failure_ = Failure::NotAFile;
        file.error_ = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return file;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        file.failure_ = Failure::CannotOpen;
        file.error_ = errno;
        ::close(fd);
        return file;
    }
    file.fd_ = fd;
    file.size_ = st.st_size > 0 ? static_cast<std::uintmax_t>(st.st_size) : 0;
    return file;
}

InputFile::~InputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), failure_(other.failure_), error_(other.error_), size_(other.size_)
{
}

InputFile& InputFile::operator=(InputFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        failure_ = other.failure_;
        error_ = other.error_;
        size_ = other.size_;
    }
    return *this;
}

std::FILE* InputFile::takeStream()
{
    if (fd_ < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(fd_, "rb");
    if (stream)
        fd_ = -1;
    return stream;
}

int InputFile::release() { return std::exchange(fd_, -1); }

std::optional<std::string> InputFile::readUpTo(std::size_t maxBytes)
{
    if (fd_ < 0)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(std::min<std::uintmax_t>(size_, maxBytes)), '\0');
    std::size_t got = 0;
    char more[4096];
    for (;;) {
        // Past the size told at opening (a file that grows) reading goes on in small steps.
        char* into = got < text.size() ? text.data() + got : more;
        const std::size_t room = got < text.size() ? text.size() - got : std::min(sizeof more, maxBytes - got);
        if (room == 0)
            break;
        const ssize_t n = ::read(fd_, into, room);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        if (into == more)
            text.append(more, static_cast<std::size_t>(n));
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

std::optional<std::string> readFileStart(const std::string& path, std::size_t maxBytes, InputFile::Failure* failure)
{
    InputFile file = InputFile::open(path);
    std::optional<std::string> text = file.readUpTo(maxBytes);
    if (failure)
        *failure = file && !text ? InputFile::Failure::CannotOpen : file.failure();
    return text;
}

std::string notAFileText(std::string_view path)
{
    const std::string name(path);
    struct stat st {};
    const char* kind = "not a file";
    if (::stat(name.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            kind = "a folder, not a file";
        else if (S_ISFIFO(st.st_mode))
            kind = "a named pipe, not a file";
        else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            kind = "a device, not a file";
        else if (S_ISSOCK(st.st_mode))
            kind = "a socket, not a file";
    }
    return name + " is " + kind + ".";
}

}  // namespace plat
