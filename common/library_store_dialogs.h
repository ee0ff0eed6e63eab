#pragma once
// "Save Library Part" and "Copy Library Parts", the same two dialogs in both editors over their
// own kind of library (".CON" part libraries, ".CAT" package catalogues). Every typed name is
// checked before any library is touched, a read-only library is never written, and the
// dialogs say only what was really written. Each program passes in its control ids and the
// routines that read and write its libraries.

#include "common/library_browser.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

struct LibraryStoreIds {
    unsigned libraryList = 405;
    unsigned partList = 404;
    unsigned libraryEdit = 0;      // Save: the typed library name
    unsigned partEdit = 0;         // Save: the typed part name
    unsigned destination = 1013;   // Copy: the destination library
    unsigned status = 0;           // Copy: "Copied part %s to %s"
    unsigned copyButton = 0;       // Copy: the button that copies (the dialog stays open)
    int maxTypedLibrary = 50;
    int maxTypedPart = 50;
};

struct LibraryStoreServices {
    LibraryFiles files;
    // Writes the part being drawn (the current object store) into the library; true when written.
    std::function<bool(const std::string& library, const std::string& part)> writePart;
    // Asks "Start new library: %s?" and creates it; true when created.
    std::function<bool(const std::string& libraryFile)> newLibrary;
    // Reads part of library `from` and writes it into library `to`; true when written.
    std::function<bool(const std::string& from, const std::string& part, const std::string& to)> copyPart;
    // Whether open documents use that part of that library.
    std::function<bool(const std::string& library, const std::string& part)> partInUse;
    // Reads the program's part kinds again and redraws (after a save, when the part is in use
    // and the person says so).
    std::function<void()> reload;
};

// Fills the write, new-library and in-use calls from a program's library routines: rewrite
// writes the current store with writeMode and newLibrary creates a library, both answering 1
// when done; loadedOf answers non-zero for a part the open documents use.
template <typename Rewrite, typename NewLibrary, typename LoadedOf>
void SetLibraryStoreCalls(LibraryStoreServices& s, Rewrite rewrite, int writeMode, NewLibrary newLibrary,
                          LoadedOf loadedOf)
{
    s.writePart = [rewrite, writeMode](const std::string& library, const std::string& part) {
        return rewrite(library, part, writeMode) == 1;
    };
    s.newLibrary = [newLibrary](const std::string& file) { return newLibrary(file) == 1; };
    s.partInUse = [loadedOf](const std::string& library, const std::string& part) {
        return loadedOf(library, part) != 0;
    };
}

// The two dialogs' templates: Save ("Save Library Part": library and part edits and lists, "Save
// Part", "Cancel") and Copy (the source lists, the destination combo, the status and the copy
// button, under the program's own title).
plat::DialogTemplate LibrarySaveTemplate(unsigned templateId, const LibraryStoreIds& ids);
plat::DialogTemplate LibraryCopyTemplate(unsigned templateId, std::string_view title, const LibraryStoreIds& ids);

// After a save, when open documents use the part written: asks "Part is being used.\nClick YES
// to re-load the library" and on YES runs reload (the program reads its part kinds again and
// redraws). Nothing when the part is not in use.
void OfferLibraryReload(bool partInUse, const std::function<void()>& reload);

// The library file of the list whose name equals file regardless of case.
std::optional<std::string> ListedLibraryFile(const plat::Control* list, const std::string& file);

class LibrarySaveDlg : public plat::Dialog {
public:
    LibrarySaveDlg(unsigned templateId, LibraryStoreIds ids, LibraryStoreServices services,
                   LibraryChoiceState& choice, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnLibraryChosen();
    void OnPartChosen();
    void OnLibraryTyped();
    void OnPartTyped();
    bool writePart(const std::string& libraryFile, const std::string& part);

    LibraryStoreIds ids_;
    LibraryStoreServices services_;
    LibraryChoiceState& choice_;
    // Set while the code writes a name edit: that text names the entry chosen, it is not typed.
    bool writingNames_ = false;
};

class LibraryCopyDlg : public plat::Dialog {
public:
    LibraryCopyDlg(unsigned templateId, LibraryStoreIds ids, LibraryStoreServices services,
                   LibraryChoiceState& choice, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;

private:
    void OnLibraryChosen();
    void OnPartChosen();
    void OnCopy();

    LibraryStoreIds ids_;
    LibraryStoreServices services_;
    LibraryChoiceState& choice_;
    std::string part_;   // chosen in the list shown; cleared when the library changes
};

}  // namespace quill
