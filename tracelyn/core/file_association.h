#pragma once
// The ".tlz" association in the registry store: the extension names the class "tlzcmd", and
// the class's load command starts the board program of this installation on the file.

#include <string>
#include <string_view>

// Runs at every start after the framework's own registration. Registry failures end it
// silently.
void RegisterTlzFileType();

// The load command for a package library folder: the folder cut at its "PACKAGES" component
// (the whole folder when it has none), the program's name, then " %1".
std::string TlzLoadCommand(std::string_view libraryFolder);
