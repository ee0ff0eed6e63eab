#include "platform/app/program.h"
#include "resources/setlander/setlander_ids.h"
#include "setlander/setlander_app.h"

int main(int argc, char** argv)
{
    registerSetlanderResources();
    return plat::RunProgram(argc, argv, [] { return std::make_unique<CSetlanderApp>(); });
}
