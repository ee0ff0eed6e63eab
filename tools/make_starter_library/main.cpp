// make_starter_library LIBFOLDER: writes NAME.CON and its catalogue NAME.CAT for every starter
// library into LIBFOLDER, and the example pin description for the build utility.
#include "example_pin_file.h"
#include "platform/system/paths.h"
#include "starter_parts.h"
#include "tools/generator_output.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 1, "make_starter_library LIBFOLDER"))
        return 2;
    int failures = 0;
    for (StarterLibrary& library : MakeStarterLibraries()) {
        for (const char* ext : {".CON", ".CAT"}) {
            const std::string path = plat::joinPath(argv[1], library.name + ext);
            if (!reportGeneratedFile("make_starter_library", WritePartLibraryFile(path, library.parts)))
                ++failures;
        }
        ReleaseStarterLibrary(library);
    }
    if (!writeGeneratedFile("make_starter_library", plat::joinPath(argv[1], kExamplePinFile), ExamplePinDescription()))
        ++failures;
    return failures == 0 ? 0 : 1;
}
