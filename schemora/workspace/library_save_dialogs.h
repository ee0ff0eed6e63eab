#pragma once
// Saving the drawing as a part of a ".CON" library, and copying a part from one library into
// another, through the dialogs both editors share.

#include "common/library_store_dialogs.h"

#include <functional>
#include <string_view>

// "Save Library Part": writes the current object array as a part of the chosen library (a new
// library after "Start new library: %s?"). The dialog stays open unless the part was written;
// afterwards the part types of the open drawings that use the part can be re-loaded.
class CSaveLibPartDlg : public quill::LibrarySaveDlg {
public:
    // Adds or replaces the part in the library (base name); 1 when written.
    using PartWriter = std::function<int(std::string_view library, std::string_view part)>;
    explicit CSaveLibPartDlg(plat::Wnd* parent = nullptr);
    // Writes with writer instead and proposes, and takes back, the names in `names`: the part
    // editor saves its own store under its own part's names this way.
    CSaveLibPartDlg(plat::Wnd* parent, quill::LibraryChoiceState& names, PartWriter writer);
};

// "Copy/Move Library Parts": copies the chosen part of the source library into the destination
// library; stays open for further copies.
class CCopyLibPartsDlg : public quill::LibraryCopyDlg {
public:
    explicit CCopyLibPartsDlg(plat::Wnd* parent = nullptr);
};
