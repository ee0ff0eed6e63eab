#pragma once
// Saving the drawing as a part of a ".CON" library, and copying a part from one library into
// another, through the dialogs both editors share.

#include "common/library_store_dialogs.h"

// "Save Library Part": writes the current object array as a part of the chosen library (a new
// library after "Start new library: %s?"). The dialog stays open unless the part was written;
// afterwards the part types of the open drawings that use the part can be re-loaded.
class CSaveLibPartDlg : public quill::LibrarySaveDlg {
public:
    explicit CSaveLibPartDlg(plat::Wnd* parent = nullptr);
};

// "Copy/Move Library Parts": copies the chosen part of the source library into the destination
// library; stays open for further copies.
class CCopyLibPartsDlg : public quill::LibraryCopyDlg {
public:
    explicit CCopyLibPartsDlg(plat::Wnd* parent = nullptr);
};
