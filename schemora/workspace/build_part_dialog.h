#pragma once
// "Build Part Utility": picks a ".LIB" pin description of the library folder and hands it to the
// "build" program of the program folder, which makes a library part of it and shows what it did,
// or opens it in the text viewer. Only a file of the list is ever passed, as one argument, and no
// shell sees it.

#include "platform/app/dialog.h"

#include <optional>
#include <string>

class CBuildPartDlg : public plat::Dialog {
public:
    explicit CBuildPartDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnFileChosen();
    void OnFileTyped();
    void OnEdit();
    void OnHelp();
    // The path of the listed ".LIB" file the edit names (regardless of case); nothing when the
    // text names no file of the list.
    std::optional<std::string> chosenFile() const;
};
