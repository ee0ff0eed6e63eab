#pragma once
// Re-reading the part types of the open drawings from their libraries, after a library part
// was saved over, without moving any type to another index.

#include <string_view>

// Reads every loaded part type again from its library, each into its own index, so placed
// parts keep showing and netlisting as the same parts. A type that cannot be read again keeps
// the symbol it had, after "Part re-load error!". Returns how many types were read again.
int ReloadPartTypes();

// Reads again, each into its own index, the loaded part types whose library file was written
// since they were read (a part rebuilt by the build utility), so that the netlists see the
// library as it is; the other types stay as they are. Returns how many were read again.
int ReloadChangedPartTypes();

// The index of the loaded part type named "LIBRARY\PART" (library without extension), compared
// regardless of case; 0 when no drawing uses it.
int LoadedPartTypeOf(std::string_view library, std::string_view part);
