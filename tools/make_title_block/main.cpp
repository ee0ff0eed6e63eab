// Build-time writer of the drawings shipped beside the program:
//   make_title_block TITLE_PIC_PATH EXAMPLE_PIC_PATH SIMULATION_PIC_PATH
#include "tools/generator_arguments.h"
#include "tools/generator_output.h"
#include "tools/make_title_block/shipped_drawings.h"

#include <string_view>

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 3, "make_title_block TITLE_PIC EXAMPLE_PIC SIMULATION_PIC"))
        return 2;
    constexpr std::string_view kTool = "make_title_block";
    const bool written = writeGeneratedFile(kTool, argv[1], TitleBlockFile()) &&
                         writeGeneratedFile(kTool, argv[2], RcFilterFile()) &&
                         writeGeneratedFile(kTool, argv[3], RcStepSimulationFile());
    return written ? 0 : 1;
}
