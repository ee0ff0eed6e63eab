// A zip archive of the media as the installer unpacks it: nothing may land outside the target
// folder, no link is made, and no more bytes are written than the room it is given.

#include "fuzz/fuzz_support.h"
#include "setlander/unzip.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr uint64_t kUnpackLimit = 256 * 1024;

// The bytes below folder; aborts on a link, which the unpacking must never make.
uint64_t bytesBelow(const fs::path& folder)
{
    uint64_t total = 0;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(folder, ec)) {
        if (e.is_symlink())
            std::abort();
        if (e.is_regular_file())
            total += e.file_size();
    }
    return total;
}

}  // namespace

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    // The target lies two folders deep in a folder of its own: whatever climbs out shows there.
    const fs::path outer = fs::path(fuzz::setUp()) / "unzip";
    const fs::path target = outer / "install" / "lib";
    std::error_code ec;
    fs::remove_all(outer, ec);
    fs::create_directories(target, ec);
    const std::string archive = fuzz::writeInput("input.zip", data, size);
    const UnzipResult result = UnzipArchive(archive, target.string(), kUnpackLimit);
    if (!result.ok && result.problem.empty())
        std::abort();   // a refusal always says why
    for (const auto& e : fs::directory_iterator(outer, ec))
        if (e.path().filename() != "install")
            std::abort();
    for (const auto& e : fs::directory_iterator(outer / "install", ec))
        if (e.path().filename() != "lib")
            std::abort();
    if (bytesBelow(outer) > kUnpackLimit)
        std::abort();
}
