#pragma once
// A new board document whose package library is a catalogue in a temporary folder of its own,
// for the benchmarks that load a netlist: the netlist goes beside the catalogue. Everything the
// board, its nets and the router memory took is released on destruction, and the folder removed.

#include "tests/tracelyn/core/package_fixture.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/route/board_netlist.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>

namespace tracelyn_bench {

class BenchBoardFolder {
public:
    // The folder is named prefix and this process's id; the catalogue "STD.CAT" holds packages.
    template <typename... Packages>
    explicit BenchBoardFolder(const std::string& prefix, Packages&&... packages)
        : folder_(std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid())))
    {
        std::filesystem::create_directories(folder_);
        g_boardFolders.libraryFolder = folder_.string() + "/";
        package_test::writeCatalog((folder_ / "STD.CAT").string(), std::forward<Packages>(packages)...);
        InitNewBoard(doc_);
    }
    ~BenchBoardFolder()
    {
        ForgetNets();
        RouterMemory(kRouterMemoryFree);
        CloseBoardDocument(doc_, nullptr);
        ClearPackageTables();
        std::filesystem::remove_all(folder_);
    }
    BenchBoardFolder(const BenchBoardFolder&) = delete;
    BenchBoardFolder& operator=(const BenchBoardFolder&) = delete;

    std::filesystem::path netlistPath() const { return folder_ / "bench.net"; }

protected:
    BoardDocumentData doc_;

private:
    std::filesystem::path folder_;
};

}  // namespace tracelyn_bench
