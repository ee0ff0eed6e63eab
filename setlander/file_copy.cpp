#include "setlander/file_copy.h"

#include "platform/system/files.h"

#include <cstdio>
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

}  // namespace

CopyResult CopyFileBlocks(std::string_view source, std::string_view destination)
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
        return kCopyDestinationFailed;
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(block.data(), 1, block.size(), in.get());
        if (got > 0 && std::fwrite(block.data(), 1, got, out.get()) != got)
            ok = false;
        if (!ok || got < block.size())
            break;
    }
    ok = ok && !std::ferror(in.get()) && std::fflush(out.get()) == 0;
    out.reset();
    // Programs stay programs: the copy keeps the source's permission bits.
    std::error_code ec;
    std::filesystem::permissions(partial, std::filesystem::status(plat::resolvePath(source), ec).permissions(), ec);
    if (!ok || !plat::renameFile(partial, target)) {
        plat::deleteFile(partial);
        return kCopyDestinationFailed;
    }
    return kCopyDone;
}
