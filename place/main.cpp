#include "place/place_app.h"
#include "platform/app/program.h"
#include "resources/tracelyn/tracelyn_ids.h"

int main(int argc, char** argv)
{
    registerTracelynResources();
    return plat::RunProgram(argc, argv, [] { return std::make_unique<CPlaceApp>(); });
}
