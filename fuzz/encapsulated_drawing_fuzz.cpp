// An encapsulated drawing (".EPC": the part definitions follow the objects) opened as the
// schematic program opens one from File > Open, painted once, then closed.

#include "fuzz/schematic_program.h"

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::openAsDrawing("input.EPC", data, size);
}
