#pragma once
// Where Open and Save As begin: beside the document a person is working on, so its neighbours
// are one click away, else where the program was started from (not the program folder, which
// start-up makes the current folder).
#include <string>

namespace plat {

class Document;

// The folder of `document`'s file when it has one, else the launch folder.
std::string FileDialogFolder(const Document* document);
// The same for the active document of the main frame.
std::string FileDialogFolder();

}  // namespace plat
