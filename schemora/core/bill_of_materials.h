#pragma once
// The bill of materials of the current drawing: one line per placed part of every sheet, with
// its reference, its value and its part name, sorted by reference.

#include <string>

std::string BillOfMaterialsText();
