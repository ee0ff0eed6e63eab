#pragma once
// The schematic program as its harnesses run it: the process set up, the program's resources
// registered and the program started, once.

#include "fuzz/program_under_test.h"
#include "fuzz/schematic_state.h"
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

// Runs work on an example drawing (SchematicProgram::onExample) with the loaded part symbols
// put back afterwards.
template <class Work> void onSchematicExample(const char* name, Work work)
{
    SchematicProgram::harness();
    const LoadedSymbolsScope restore;
    SchematicProgram::onExample(name, work);
}

// Opens the input as the drawing file of that name (SchematicProgram::openInput) with the
// loaded part symbols put back afterwards.
inline void openAsDrawing(std::string_view name, const uint8_t* data, size_t size)
{
    SchematicProgram::harness();
    const LoadedSymbolsScope restore;
    SchematicProgram::openInput(name, data, size);
}

}  // namespace fuzz
