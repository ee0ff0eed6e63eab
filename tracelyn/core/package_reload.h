#pragma once
// Re-reading the loaded packages from their catalogues after a catalogue changed under them,
// each into its own index, so the parts of the open boards keep naming the same packages.

#include <string_view>

// Reads every loaded package again. A package that cannot be read again keeps the definition it
// had, after "Part re-load error!"; the program goes on either way. Returns how many packages
// were read again.
int ReloadBoardPackages();

// The index of the loaded package LIBRARY\PART (compared regardless of case), or 0.
int LoadedPackageOf(std::string_view library, std::string_view part);
