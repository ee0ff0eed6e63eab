#pragma once
// The "Library Parts" browser both editors share: a "Libraries" tab (a library, then one of its
// parts) and a "Search" tab (parts by name or description in one library or all), the chosen
// part's package and description, and Load, Modify, Delete and List. Each program passes in its
// library kind and the routines that read and change its libraries.

#include "common/library_save_names.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Control ids of the browser template.
enum : unsigned {
    kIdcBrowserTab = 1138,
    kIdcBrowserPartList = 404,
    kIdcBrowserLibraryList = 405,
    kIdcBrowserPartName = 1066,
    kIdcBrowserLibraryName = 311,
    kIdcBrowserStatus = 1047,
    kIdcBrowserPackage = 513,
    kIdcBrowserDescription = 242,
    kIdcBrowserModify = 1029,
    kIdcBrowserDelete = 408,
    kIdcBrowserList = 1000,
    kIdcSearchResults = 1079,
    kIdcSearchText = 1135,
    kIdcSearchByName = 1073,
    kIdcSearchByDescription = 1136,
    kIdcSearchLibrary = 1311,
    kIdcSearchStatus = 1048,
    kIdcSearchButton = 234,
    kIdcBrowserPreview = 406,
    // Labels and frames the tabs show and hide with their controls.
    kIdcBrowserLibraryLabel = 1301,
    kIdcBrowserPartLabel = 1302,
    kIdcSearchTextLabel = 1303,
    kIdcSearchLibraryLabel = 1304,
    kIdcSearchByGroup = 1305,
    kIdcSearchResultsLabel = 1306,
};

inline constexpr std::string_view kAllLibraries = "All";

// The library dialogs' templates: labels have no id, and the library and part lists are all of
// one height.
inline constexpr unsigned kNoControlId = 0xFFFF;
inline constexpr int kLibraryListHeight = 120;
// An empty template of one of the library dialogs, with its id and title.
plat::DialogTemplate LibraryDialogTemplate(unsigned templateId, std::string title);

struct LibraryPartDetails {
    std::string package;
    std::string description;
};

// Where one program keeps its libraries and how it names a library's parts: what its browser
// and its save and copy dialogs all read. Libraries are named without extension.
struct LibraryFiles {
    std::string folder;        // the library folder, ending with a separator
    std::string extension;     // ".CON", ".CAT"
    std::function<std::vector<std::string>(const std::string& library)> listParts;
    PartNameDots partNameDots = PartNameDots::CutAtFirst;
    bool listWithExtension = false;   // the browser lists "STANDARD.CAT", not "STANDARD"
};

// What the browser needs of one program's libraries.
struct LibraryBrowserServices {
    LibraryFiles files;
    // What a library's parts are called in the count shown after choosing it ("symbols").
    std::string partsCalled;
    // Adds "LIBRARY/PART" lines; returns how many (mode 1 name, 2 description, 3 either).
    std::function<int(const std::string& library, const std::string& text, std::vector<std::string>& lines, int mode)> search;
    std::function<std::optional<LibraryPartDetails>(const std::string& library, const std::string& part)> details;
    std::function<bool(const std::string& library, const std::string& part)> load;
    std::function<bool(const std::string& library, const std::string& part)> remove;
    std::function<void(const std::string& library)> writeList;
    // Modify Part: opens the part's editor; false while there is none to open.
    std::function<bool(const std::string& library, const std::string& part)> modify;
    // Draws the part into the preview frame (dc is a client DC of the frame).
    std::function<void(plat::Dc& dc, const plat::Rect& client, const std::string& library, const std::string& part)>
        drawPreview;
};

// Fills the browser's Load, Delete, List and preview calls from a program's library routines:
// load and rewrite answer 1 when done, rewrite deletes with deleteMode, the preview draws the
// part into the frame's client area.
template <typename Load, typename Rewrite, typename WriteList, typename DrawPreview>
void SetLibraryFileCalls(LibraryBrowserServices& s, Load load, Rewrite rewrite, int deleteMode, WriteList writeList,
                         DrawPreview drawPreview)
{
    s.load = [load](const std::string& library, const std::string& part) { return load(library, part) == 1; };
    s.remove = [rewrite, deleteMode](const std::string& library, const std::string& part) {
        return rewrite(library, part, deleteMode) == 1;
    };
    s.writeList = [writeList](const std::string& library) { writeList(library); };
    s.drawPreview = [drawPreview](plat::Dc& dc, const plat::Rect& client, const std::string& library,
                                  const std::string& part) { drawPreview(dc, client, library, part); };
}

// A name typed into the edit beside a list: the first entry that begins with it becomes the
// list's selection, or none when no entry does (or nothing is typed), so no earlier choice
// stays highlighted. Returns the entry selected, or -1.
int SelectTypedEntry(plat::Control* list, std::string_view typed);

// The library and the part the person chose last; the program keeps one for its browser.
struct LibraryChoiceState {
    std::string library;
    std::string part;
};

class LibraryBrowserDlg : public plat::Dialog {
public:
    LibraryBrowserDlg(unsigned templateId, LibraryBrowserServices services, LibraryChoiceState& choice,
                      plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;
    // The preview frame shows the part chosen last.
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

private:
    void fillLibraries();
    void showPreview();
    void showParts();
    void choosePart(const std::string& library, const std::string& part);
    void OnTabChanged();
    void OnLibraryChosen();
    void OnPartChosen();
    void OnResultChosen();
    void OnLibraryTyped();
    void OnPartTyped();
    void showPart(const std::string& library, const std::string& part);
    void OnSearch();
    void OnModify();
    void OnDelete();
    void OnList();
    void searchOne(const std::string& library, const std::string& text, int mode, int& total);
    // The library of a list entry, and the entry of a library.
    std::string libraryOfEntry(const std::string& entry) const;
    std::string entryOfLibrary(const std::string& library) const;
    // The lists and name fields show the current library and part.
    void showChoice();
    void takeChosenLibrary(bool showName);

    LibraryBrowserServices services_;
    LibraryChoiceState& choice_;
    // The part chosen in the list shown; empty after the library changes.
    std::string chosenPart_;
    int shownTab_ = 0;
    // Set while the code writes a name edit: that text names the entry chosen, it is not typed.
    bool writingNames_ = false;
};

// The browser's template: both tabs' controls, those of the Search tab hidden at first.
plat::DialogTemplate LibraryBrowserTemplate(unsigned templateId);

}  // namespace quill
