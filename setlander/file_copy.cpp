#include "setlander/file_copy.h"

#include "platform/system/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr size_t kBlockSize = 65535;

CopyResult failedWrite(int error, std::string* reason)
{
    if (reason)
        *reason = std::strerror(error);
    return error == ENOSPC || error == EDQUOT ? kCopyDiskFull : kCopyDestinationFailed;
}

}  // namespace

CopyResult CopyFileBlocks(std::string_view source, std::string_view destination, std::string* reason)
{
    File in(std::fopen(plat::resolvePath(source).c_str(), "rb"));
    if (!in)
        return kCopySourceMissing;
    std::vector<char> block;
    try {
        block.resize(kBlockSize);
    } catch (const std::bad_alloc&) {
        return kCopyNoMemory;
    }
    const std::string target = plat::resolvePath(destination);
    const std::string partial = target + ".part";
    File out(std::fopen(partial.c_str(), "wb"));
    if (!out)
        return failedWrite(errno, reason);
    int writeError = 0;
    for (;;) {
        const size_t got = std::fread(block.data(), 1, block.size(), in.get());
        if (got > 0 && std::fwrite(block.data(), 1, got, out.get()) != got)
            writeError = errno ? errno : EIO;
        if (writeError || got < block.size())
            break;
    }
    const bool readFailed = std::ferror(in.get()) != 0;
    if (!writeError && std::fflush(out.get()) != 0)
        writeError = errno ? errno : EIO;
    // The close can be where a full disk shows itself first.
    if (std::fclose(out.release()) != 0 && !writeError)
        writeError = errno ? errno : EIO;
    if (readFailed || writeError) {
        plat::deleteFile(partial);
        return readFailed ? kCopySourceMissing : failedWrite(writeError, reason);
    }
    // Programs stay programs: the copy keeps the source's permission bits.
    std::error_code ec;
    std::filesystem::permissions(partial, std::filesystem::status(plat::resolvePath(source), ec).permissions(), ec);
    if (!plat::renameFile(partial, target)) {
        const int renameError = errno;
        plat::deleteFile(partial);
        return failedWrite(renameError, reason);
    }
    return kCopyDone;
}
