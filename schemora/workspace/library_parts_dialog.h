#pragma once
// "Library Parts": choose a ".CON" library of the library folder, then one of its parts. OK
// ("Load Part") loads the part's symbol into the part table (g_partSymbols.current names it).

#include "platform/app/dialog.h"

#include <string>
#include <vector>

// The library and part chosen last (the library starts as "Device").
struct LibraryChoice {
    std::string library = "Device";
    std::string part;
};
extern LibraryChoice g_libraryChoice;

class CLibPartsDlg : public plat::Dialog {
public:
    explicit CLibPartsDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillLibraries();
    void loadParts();
    void OnLibraryChosen();
    void OnPartChosen();
    void OnLibraryTyped();
    std::vector<std::string> libraries_;
};
