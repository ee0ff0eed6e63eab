// Writes the seeds no shipped file stands for, through the programs' own writers: a router
// strategy file and a registry store.
//
//   make_fuzz_seeds SEED_FOLDER

#include "platform/system/registry.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_strategy.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds SEED_FOLDER\n";
        return 2;
    }
    const std::filesystem::path seeds = argv[1];
    std::filesystem::create_directories(seeds / "strategy");
    std::filesystem::create_directories(seeds / "registry");
    g_router.netlistName = "board.net";
    bool ok = WriteRouterStrategy((seeds / "strategy" / "board.tlz").string());
    plat::Registry store((seeds / "registry" / "store").string());
    ok = store.setValue("Software\\Quillmere\\Schemora\\Settings", "Library", plat::RegistryValue{std::string("/opt/LIB")}) && ok;
    ok = store.setValue("Software\\Quillmere\\Tracelyn\\Settings", "Units", plat::RegistryValue{uint32_t{1}}) && ok;
    return ok ? 0 : 1;
}
