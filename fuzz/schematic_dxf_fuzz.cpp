// A DXF file opened in the schematic program: its line work becomes a new drawing.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "fuzz/schematic_state.h"
#include "schemora/core/dxf_import.h"

using Program = fuzz::SchematicProgram;

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    Program::harness();
    const fuzz::LoadedSymbolsScope restore;
    ImportDxfIntoNewDrawing(fuzz::writeInput("input.dxf", data, size));
    Program::closeAll();
}
