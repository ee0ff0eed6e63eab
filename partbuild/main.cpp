#include "partbuild/build_app.h"
#include "platform/app/program.h"
#include "resources/schemora/schemora_ids.h"

#include <algorithm>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    registerSchemoraResources();
    if (plat::hasDesktop())
        return plat::RunProgram(argc, argv, [] { return std::make_unique<CBuildApp>(); });
    return RunBuildOnConsole(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), stdout);
}
