#pragma once
// Saving the part being drawn into a package catalogue and copying packages between
// catalogues, through the dialogs both editors share; and the re-load offer for packages the
// open boards use.

#include "common/library_store_dialogs.h"

// "Save Library Part": writes the current object store (the package editor's while it is open)
// as a part of the chosen catalogue, after the name checks; a catalogue not in the folder is
// started after "Start new library: %s?". OK only when the part was written; then each loaded
// package of that name offers "Part is being used.\nClick YES to re-load the library".
class CSaveLibPartDlg : public quill::LibrarySaveDlg {
public:
    explicit CSaveLibPartDlg(plat::Wnd* parent = nullptr);
};

// Runs Save Library Part modally; true when the part was written. The package editor's Save
// Part, its New Part's "Save current part?" and the package wizard's direct save call this.
bool RunSaveLibraryPartDialog(plat::Wnd* parent = nullptr);

// "Copy Library Parts": copies the chosen package into the destination catalogue and stays
// open for further copies.
class CCopyLibPartDlg : public quill::LibraryCopyDlg {
public:
    explicit CCopyLibPartDlg(plat::Wnd* parent = nullptr);
};
