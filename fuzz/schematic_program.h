#pragma once
// The schematic program as its harnesses run it: the process set up, the program's resources
// registered and the program started, once.

#include "fuzz/program_under_test.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_app.h"

namespace fuzz {

using SchematicProgram = ProgramUnderTest<CSchemoraApp>;

// What each schematic harness does before its first input.
inline void startSchematicProgram()
{
    setUp();
    registerSchemoraResources();
    SchematicProgram::harness();
}

}  // namespace fuzz
