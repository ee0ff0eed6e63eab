#include "platform/app/program.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_app.h"

int main(int argc, char** argv)
{
    registerSchemoraResources();
    return plat::RunProgram(argc, argv, [] { return std::make_unique<CSchemoraApp>(); });
}
