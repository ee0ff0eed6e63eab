#pragma once
// The pin description shipped in the library folder, so that the Build Part Utility lists a file
// that builds at once: a 555 timer, written by the part wizard's own writer.

#include <string>

inline constexpr const char* kExamplePinFile = "MYPARTS.LIB";

std::string ExamplePinDescription();
