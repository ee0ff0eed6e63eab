// Build-time writer of the drawings shipped beside the program:
//   make_title_block TITLE_PIC_PATH EXAMPLE_PIC_PATH SIMULATION_PIC_PATH
#include "platform/core/archive.h"
#include "tools/generator_arguments.h"
#include "tools/make_title_block/shipped_drawings.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 3, "make_title_block TITLE_PIC EXAMPLE_PIC SIMULATION_PIC"))
        return 2;
    if (!plat::writeFileAtomically(argv[1], TitleBlockFile())) {
        std::fprintf(stderr, "make_title_block: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!plat::writeFileAtomically(argv[2], RcFilterFile())) {
        std::fprintf(stderr, "make_title_block: cannot write %s\n", argv[2]);
        return 1;
    }
    if (!plat::writeFileAtomically(argv[3], RcStepSimulationFile())) {
        std::fprintf(stderr, "make_title_block: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
