#include "fuzz/fuzz_support.h"

#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"

#include <QApplication>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

namespace {

namespace fs = std::filesystem;

std::string makeTempFolder(const char* pattern)
{
    std::string path = (fs::temp_directory_path() / pattern).string();
    if (!::mkdtemp(path.data()))
        std::abort();
    return path;
}

// The shipped files a program expects beside itself, copied so that runs stay independent.
void copyProgramFolder(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(from, ec)) {
        const auto name = e.path().filename().string();
        if (e.is_directory())
            fs::copy(e.path(), to / name, fs::copy_options::recursive, ec);
        else if (name != "schemora" && name != "tracelyn")
            fs::copy_file(e.path(), to / name, fs::copy_options::overwrite_existing, ec);
    }
}

}  // namespace

// The font configuration library keeps what it allocates for the life of the process; that is
// not a reader's leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

const std::string& setUp()
{
    static std::string folder;
    if (!folder.empty())
        return folder;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static Immortal<QApplication> app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    static Immortal<plat::TestUiHost> host;
    folder = makeTempFolder("quillfuzz.XXXXXX");
    const std::string config = makeTempFolder("quillfuzzcfg.XXXXXX");
    plat::setConfigFolder(config);
    copyProgramFolder(QUILL_BUILD_PROGRAM_DIR, folder);
    plat::setProgramFolder(folder);
    plat::setCurrentFolder(folder);
    std::atexit(removeScratchFolders);
    return folder;
}

void removeScratchFolders()
{
    std::error_code ec;
    fs::remove_all(setUp(), ec);
    fs::remove_all(plat::configFolder(), ec);
}

namespace {

std::vector<std::string>& defaults()
{
    static std::vector<std::string> flags;
    return flags;
}

}  // namespace

void addEngineDefault(std::string flag) { defaults().push_back(std::move(flag)); }
const std::vector<std::string>& engineDefaults() { return defaults(); }

plat::TestUiHost& host() { return static_cast<plat::TestUiHost&>(plat::uiHost()); }

std::string writeInput(std::string_view name, const uint8_t* data, size_t size)
{
    const std::string path = (fs::path(setUp()) / std::string(name)).string();
    writeFile(path, data, size);
    return path;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz
