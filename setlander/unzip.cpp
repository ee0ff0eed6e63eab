#include "setlander/unzip.h"

#include "platform/core/atomic_file.h"
#include "platform/core/input_file.h"
#include "platform/system/files.h"
#include "setlander/file_copy.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ArchiveCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// Entry names are relative paths below the target: no root, no "..", nothing that would
// climb out once joined.
bool safeEntryName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.front() == '\\' || name.find('\0') != std::string_view::npos)
        return false;
    for (const auto& part : fs::path(std::string(name)))
        if (part == ".." || part.string().find('\\') != std::string::npos)
            return false;
    return true;
}

bool isLinkEntry(zip_t* z, zip_uint64_t i)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(z, i, 0, &system, &attributes) != 0)
        return false;
    constexpr zip_uint32_t kTypeMask = 0170000, kLink = 0120000;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & kTypeMask) == kLink;
}

UnzipResult refuse(std::string problem) { return {false, std::move(problem)}; }

enum class Extracted { Done, Failed, TooLarge, WriteFailed };

// Writes one entry, counting its bytes against the size the archive declares for it. The entry is
// written beside its target and put in place when whole; `written` holds why it could not be.
Extracted extractEntry(zip_t* z, zip_uint64_t i, const fs::path& target, uint64_t& bytesLeft,
                       plat::WriteResult& written)
{
    std::unique_ptr<zip_file_t, EntryCloser> in(zip_fopen_index(z, i, 0));
    if (!in)
        return Extracted::Failed;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    plat::AtomicFile out(target.string());
    std::vector<char> block(65536);
    for (;;) {
        const zip_int64_t got = zip_fread(in.get(), block.data(), block.size());
        if (got < 0)
            return Extracted::Failed;
        if (got == 0)
            break;
        if (static_cast<uint64_t>(got) > bytesLeft)
            return Extracted::TooLarge;
        bytesLeft -= static_cast<uint64_t>(got);
        out.write(block.data(), static_cast<size_t>(got));
        if (!out.good())
            break;
    }
    written = out.commit();
    return written ? Extracted::Done : Extracted::WriteFailed;
}

void removeFiles(const std::vector<fs::path>& files)
{
    std::error_code ec;
    for (const auto& f : files)
        fs::remove(f, ec);
}

}  // namespace

UnzipResult UnzipArchive(std::string_view archivePath, std::string_view targetFolder, uint64_t spaceAvailable)
{
    const std::string path = plat::resolvePath(archivePath);
    plat::InputFile file = plat::InputFile::open(path);
    if (file.failure() == plat::InputFile::Failure::NotAFile)
        return refuse(plat::notAFileText(path));
    int error = 0;
    std::unique_ptr<zip_t, ArchiveCloser> z(file ? zip_fdopen(file.fd(), ZIP_CHECKCONS, &error) : nullptr);
    if (!z)
        return refuse("The archive " + path + " cannot be read");
    file.release();   // the archive owns the descriptor now
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    std::vector<uint64_t> declared(static_cast<size_t>(std::max<zip_int64_t>(count, 0)));
    uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0);
        if (!name || !safeEntryName(name) || isLinkEntry(z.get(), static_cast<zip_uint64_t>(i)))
            return refuse("The archive " + path + " is damaged: it names a file outside its folder");
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(z.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
            return refuse("The archive " + path + " is damaged: " + name + " does not say its size");
        declared[static_cast<size_t>(i)] = st.size;
        total = st.size > UINT64_MAX - total ? UINT64_MAX : total + st.size;
    }
    // What the archive says it holds must fit on the disk before anything is written.
    if (total > spaceAvailable)
        return refuse("There is not enough disk space to unpack " + path + ": it holds " + std::to_string(total) +
                      " bytes and " + std::to_string(spaceAvailable) + " bytes are free");
    const fs::path root{std::string(targetFolder)};
    std::vector<fs::path> written;
    for (zip_int64_t i = 0; i < count; ++i) {
        const std::string name = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0);
        const fs::path target = root / name;
        std::error_code ec;
        if (name.back() == '/') {
            fs::create_directories(target, ec);
            continue;
        }
        written.push_back(target);
        plat::WriteResult entry;
        uint64_t bytesLeft = declared[static_cast<size_t>(i)];
        switch (extractEntry(z.get(), static_cast<zip_uint64_t>(i), target, bytesLeft, entry)) {
        case Extracted::Done:
            break;
        case Extracted::Failed:
            removeFiles(written);
            return refuse("The archive " + path + " is damaged: " + name + " cannot be unpacked");
        case Extracted::WriteFailed:
            removeFiles(written);
            if (CopyOutcome(entry, nullptr) == kCopyDiskFull)
                return refuse("There is not enough disk space to unpack " + target.string() + " from " + path);
            return refuse(entry.message());
        case Extracted::TooLarge:
            removeFiles(written);
            return refuse("The archive " + path + " is damaged: " + name + " unpacks to more than the " +
                          std::to_string(declared[static_cast<size_t>(i)]) + " bytes it declares; it was not unpacked");
        }
    }
    return {true, {}};
}
