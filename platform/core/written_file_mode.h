#pragma once
// The permissions of a file written to a temporary file and renamed over its path: those of the
// file it replaces, else what an ordinary create gives (0666 less the umask), never the
// owner-only 0600 of mkstemp. Header-only so that helper programs without the platform layer
// (the simulator adapter) write their outputs the same way.

#include <string>
#include <sys/stat.h>

namespace plat {

inline mode_t writtenFileMode(const std::string& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    return ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
}

}  // namespace plat
