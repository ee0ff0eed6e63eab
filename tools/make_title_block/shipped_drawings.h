#pragma once
// The drawings shipped beside the program, built from records and written by WriteDrawing.

#include <cstdint>
#include <vector>

// The title block: a box of 1000 x 400 units whose lower left corner is the origin (the
// title-block painter shifts it into the lower right corner of the sheet's inner frame), with
// the field texts that the painter fills in ("Title", "Document Number", "Rev", "Size",
// "Date", "Sheet").
std::vector<uint8_t> TitleBlockFile();

// A small example: an RC low-pass filter on an 'A' sheet: the input connector J1 ("CONN\CONN2"),
// R1 10k and C1 100n (the value parts "DEVICE\10K", "DEVICE\100N") and a ground symbol
// ("DEVICE\GND"), wired, with the net labels IN and OUT on their wires, so that its netlist is
// the one the example board reads and its SPICE deck carries the values.
std::vector<uint8_t> RcFilterFile();

// The simulation example: the RC low-pass (10k, 100n) driven by a pulse source, its output
// net "OUT" probed, and a transient directive of 10 ms, ready for Utilities > Analog
// Simulation and the Scope.
std::vector<uint8_t> RcStepSimulationFile();
