#pragma once
// The board program as its harnesses run it: the process set up, the program's resources
// registered and the program started, once.

#include "fuzz/program_under_test.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"

namespace fuzz {

using BoardProgram = ProgramUnderTest<CTracelynApp>;

// What each board harness does before its first input.
inline void startBoardProgram()
{
    setUp();
    registerTracelynResources();
    BoardProgram::harness();
}

}  // namespace fuzz
