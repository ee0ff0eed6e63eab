#include "setlander/file_copy.h"

#include "platform/core/atomic_file.h"
#include "platform/core/input_file.h"
#include "platform/system/files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr size_t kBlockSize = 65535;

}  // namespace

CopyResult CopyOutcome(const plat::WriteResult& written, std::string* reason)
{
    if (written)
        return kCopyDone;
    const plat::WriteError& error = *written.error();
    if (reason)
        *reason = error.reason();
    return error.code == ENOSPC || error.code == EDQUOT ? kCopyDiskFull : kCopyDestinationFailed;
}

CopyResult CopyFileBlocks(std::string_view source, std::string_view destination, std::string* reason)
{
    const std::string from = plat::resolvePath(source);
    plat::InputFile media = plat::InputFile::open(from);
    if (media.failure() == plat::InputFile::Failure::NotAFile)
        return kCopySourceNotAFile;
    File in(media.takeStream());
    if (!in)
        return kCopySourceMissing;
    std::vector<char> block;
    try {
        block.resize(kBlockSize);
    } catch (const std::bad_alloc&) {
        return kCopyNoMemory;
    }
    plat::AtomicFile out(plat::resolvePath(destination));
    // Programs stay programs: the copy keeps the source's permission bits.
    std::error_code ec;
    if (const auto status = std::filesystem::status(from, ec); !ec)
        out.setMode(static_cast<unsigned>(status.permissions()) & 07777u);
    for (;;) {
        const size_t got = std::fread(block.data(), 1, block.size(), in.get());
        out.write(block.data(), got);
        if (got < block.size() || !out.good())
            break;
    }
    if (std::ferror(in.get())) {
        out.discard();
        return kCopySourceMissing;
    }
    return CopyOutcome(out.commit(), reason);
}
