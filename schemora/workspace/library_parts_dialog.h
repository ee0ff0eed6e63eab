#pragma once
// Schemora's "Library Parts" browser over the ".CON" libraries of the library folder. OK
// ("Load Part") loads the part's symbol into the part table (g_partSymbols.current names it).

#include "common/library_browser.h"

#include <string>
#include <string_view>

// The library and part chosen last (the library starts as "Device").
extern quill::LibraryChoiceState g_libraryChoice;

// The ".CON" libraries of the library folder and their part names, as the library dialogs list
// them.
quill::LibraryFiles PartLibraryFiles();

// The package line of the browser from a part's package text: the through-hole package, then
// the surface one after a comma ("Thru-hole: STANDARD\DIP14, Surface: STANDARD\SO14").
std::string PackageNamesText(std::string_view package);

class CLibPartsDlg : public quill::LibraryBrowserDlg {
public:
    explicit CLibPartsDlg(plat::Wnd* parent = nullptr);
};
