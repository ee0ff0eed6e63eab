#pragma once
// The Logic Gate of the part wizard: a part of the "Symbol" library drawn into the part
// editor's store as editable terminals and body.

#include <string_view>

class PartPinTable;

// Reads part of library into the current drawing after records 1 and 2 (the reference and name
// texts): each line with a pin number lying on it becomes a terminal carrying that number, the
// placeholders and attribute texts stay out, and the pin table is rebuilt from the terminals.
// False, with nothing changed, when the part cannot be read.
bool ReadGateSymbol(std::string_view library, std::string_view part, PartPinTable& pins);
