#pragma once
// Saving the drawing as a part of a ".CON" library, and copying a part from one library into
// another. Both check every typed name before any library is touched and say only what was
// really written.

#include "platform/app/dialog.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// "Save Library Part": writes the current object array as a part of the chosen library (a new
// library after "Start new library: %s?"). The dialog stays open unless the part was written.
class CSaveLibPartDlg : public plat::Dialog {
public:
    // Adds or replaces the part in the library (base name); 1 when written.
    using PartWriter = std::function<int(std::string_view library, std::string_view part)>;
    explicit CSaveLibPartDlg(plat::Wnd* parent = nullptr);
    // Writes with writer instead: the part editor saves its own store this way.
    CSaveLibPartDlg(plat::Wnd* parent, PartWriter writer);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnLibraryChosen();
    void OnPartChosen();
    void OnLibraryTyped();
    void OnPartTyped();
    bool writePart(const std::string& libraryFile, const std::string& part);
    void offerReload(const std::string& fullName);
    PartWriter writer_;
};

// "Copy/Move Library Parts": copies the chosen part of the source library into the destination
// library; stays open for further copies.
class CCopyLibPartsDlg : public plat::Dialog {
public:
    explicit CCopyLibPartsDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;

private:
    void OnLibraryChosen();
    void OnPartChosen();
    void OnCopy();
    std::string part_;   // chosen in the list shown; cleared when the library changes
};
