#pragma once
// Schemora's "Library Parts" browser over the ".CON" libraries of the library folder. OK
// ("Load Part") loads the part's symbol into the part table (g_partSymbols.current names it).

#include "common/library_browser.h"

#include <string>
#include <vector>

// The library and part chosen last (the library starts as "Device").
extern quill::LibraryChoiceState g_libraryChoice;

// The part names of a library of the library folder, as the library dialogs list them.
std::vector<std::string> PartNamesOf(const std::string& library);

class CLibPartsDlg : public quill::LibraryBrowserDlg {
public:
    explicit CLibPartsDlg(plat::Wnd* parent = nullptr);
};
