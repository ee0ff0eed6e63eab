// A board file (".tlz") opened as the board program opens one from File > Open, painted once,
// then closed.

#include "fuzz/fuzz_support.h"
#include "fuzz/program_under_test.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"

namespace {

using Program = fuzz::ProgramUnderTest<CTracelynApp>;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::setUp();
    registerTracelynResources();
    Program::harness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program::open(fuzz::writeInput("input.tlz", data, size));
    Program::closeAll();
    return 0;
}
