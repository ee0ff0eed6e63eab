#include "platform/app/program.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"

int main(int argc, char** argv)
{
    registerTracelynResources();
    return plat::RunProgram(argc, argv, [] { return std::make_unique<CTracelynApp>(); });
}
