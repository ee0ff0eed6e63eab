#pragma once
// Schemora's "Library Parts" browser over the ".CON" libraries of the library folder. OK
// ("Load Part") loads the part's symbol into the part table (g_partSymbols.current names it).

#include "common/library_browser.h"

// The library and part chosen last (the library starts as "Device").
extern quill::LibraryChoiceState g_libraryChoice;

// The ".CON" libraries of the library folder and their part names, as the library dialogs list
// them.
quill::LibraryFiles PartLibraryFiles();

class CLibPartsDlg : public quill::LibraryBrowserDlg {
public:
    explicit CLibPartsDlg(plat::Wnd* parent = nullptr);
};
