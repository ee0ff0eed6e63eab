#include "common/library_browser.h"

#include "common/library_save_names.h"
#include "platform/app/dialog_builder.h"
#include "common/scoped_replace.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/system/files.h"

#include <array>
#include <cstdio>

namespace quill {

namespace {

constexpr int kMaxTypedLibrary = 80;
constexpr int kMaxTypedPart = 80;
constexpr int kMaxSearchText = 100;
constexpr int kMaxSearchLibrary = 20;

constexpr std::array kLibrariesTab = {kIdcBrowserLibraryLabel, kIdcBrowserPartLabel, kIdcBrowserLibraryName,
                                      kIdcBrowserPartName, kIdcBrowserLibraryList, kIdcBrowserPartList,
                                      kIdcBrowserStatus};
constexpr std::array kSearchTab = {kIdcSearchTextLabel, kIdcSearchLibraryLabel, kIdcSearchByGroup, kIdcSearchResultsLabel,
                                   kIdcSearchText, kIdcSearchByName, kIdcSearchByDescription, kIdcSearchLibrary,
                                   kIdcSearchButton, kIdcSearchResults, kIdcSearchStatus};

std::string withoutExtension(const std::string& file) { return file.substr(0, file.rfind('.')); }

std::string selected(const plat::Control* list)
{
    const int sel = list ? list->GetCurSel() : -1;
    return sel < 0 ? std::string() : list->GetItemText(sel);
}

}  // namespace

int SelectTypedEntry(plat::Control* list, std::string_view typed)
{
    if (list == nullptr)
        return -1;
    const int found = typed.empty() ? -1 : list->FindString(-1, typed);
    list->SetCurSel(found);
    return found;
}

LibraryBrowserDlg::LibraryBrowserDlg(unsigned templateId, LibraryBrowserServices services, LibraryChoiceState& choice,
                                     plat::Wnd* parent)
    : plat::Dialog(templateId, parent), services_(std::move(services)), choice_(choice)
{
    onNotify(kIdcBrowserTab, plat::kTcnSelChange, &LibraryBrowserDlg::OnTabChanged);
    onNotify(kIdcBrowserLibraryList, plat::kLbnSelChange, &LibraryBrowserDlg::OnLibraryChosen);
    onNotify(kIdcBrowserPartList, plat::kLbnSelChange, &LibraryBrowserDlg::OnPartChosen);
    onNotify(kIdcSearchResults, plat::kLbnSelChange, &LibraryBrowserDlg::OnResultChosen);
    onNotify(kIdcBrowserLibraryName, plat::kEnChange, &LibraryBrowserDlg::OnLibraryTyped);
    onNotify(kIdcBrowserPartName, plat::kEnChange, &LibraryBrowserDlg::OnPartTyped);
    onCommand(kIdcSearchButton, &LibraryBrowserDlg::OnSearch);
    onCommand(kIdcBrowserModify, &LibraryBrowserDlg::OnModify);
    onCommand(kIdcBrowserDelete, &LibraryBrowserDlg::OnDelete);
    onCommand(kIdcBrowserList, &LibraryBrowserDlg::OnList);
}

bool LibraryBrowserDlg::OnInitDialog()
{
    if (plat::Control* tab = GetDlgItem(kIdcBrowserTab)) {
        tab->InsertItem(0, "Libraries");
        tab->InsertItem(1, "Search");
        tab->SetCurSel(0);
    }
    for (const unsigned id : kSearchTab)
        ShowDlgItem(id, plat::kSwHide);
    fillLibraries();
    if (plat::Control* combo = GetDlgItem(kIdcSearchLibrary)) {
        if (const plat::Control* libraries = GetDlgItem(kIdcBrowserLibraryList))
            for (int i = 0; i < libraries->GetCount(); ++i)
                combo->AddString(libraries->GetItemText(i));
        combo->SetCurSel(combo->AddString(kAllLibraries));
    }
    CheckDlgButton(kIdcSearchByName, 1);
    CheckDlgButton(kIdcSearchByDescription, 1);
    return true;
}

void LibraryBrowserDlg::fillLibraries()
{
    plat::Control* list = GetDlgItem(kIdcBrowserLibraryList);
    if (!list)
        return;
    list->ResetContent();
    for (const std::string& file : plat::listFiles(services_.files.folder + "*" + services_.files.extension))
        list->AddString(services_.files.listWithExtension ? file : withoutExtension(file));
    list->SetCurSel(list->FindStringExact(-1, entryOfLibrary(choice_.library)));
    {
        const ScopedReplace writing(writingNames_, true);
        SetDlgItemText(kIdcBrowserLibraryName, choice_.library);
    }
    if (list->GetCurSel() >= 0)
        showParts();
    // What the folder holds stays said until a part is chosen.
    char status[64];
    std::snprintf(status, sizeof status, "%d libraries available", list->GetCount());
    SetDlgItemText(kIdcBrowserStatus, status);
}

std::string LibraryBrowserDlg::libraryOfEntry(const std::string& entry) const
{
    return services_.files.listWithExtension ? withoutExtension(entry) : entry;
}

std::string LibraryBrowserDlg::entryOfLibrary(const std::string& library) const
{
    return services_.files.listWithExtension ? library + services_.files.extension : library;
}

void LibraryBrowserDlg::showChoice()
{
    const ScopedReplace writing(writingNames_, true);
    if (plat::Control* list = GetDlgItem(kIdcBrowserLibraryList))
        list->SetCurSel(list->FindStringExact(-1, entryOfLibrary(choice_.library)));
    SetDlgItemText(kIdcBrowserLibraryName, choice_.library);
    if (plat::Control* parts = GetDlgItem(kIdcBrowserPartList))
        parts->SetCurSel(chosenPart_.empty() ? -1 : parts->FindStringExact(-1, chosenPart_));
    SetDlgItemText(kIdcBrowserPartName, chosenPart_);
}

void LibraryBrowserDlg::showParts()
{
    chosenPart_.clear();
    showPreview();
    plat::Control* parts = GetDlgItem(kIdcBrowserPartList);
    if (!parts)
        return;
    parts->ResetContent();
    const std::vector<std::string> names = services_.files.listParts(choice_.library);
    for (const std::string& name : names)
        parts->AddString(name);
    SetDlgItemText(kIdcBrowserStatus, std::to_string(names.size()) + " " + services_.partsCalled);
}

void LibraryBrowserDlg::OnTabChanged()
{
    const plat::Control* tab = GetDlgItem(kIdcBrowserTab);
    const int shown = tab ? tab->GetCurSel() : 0;
    if (shown == shownTab_ || shown < 0)
        return;
    shownTab_ = shown;
    for (const unsigned id : kLibrariesTab)
        ShowDlgItem(id, shown == 0 ? plat::kSwShow : plat::kSwHide);
    for (const unsigned id : kSearchTab)
        ShowDlgItem(id, shown == 1 ? plat::kSwShow : plat::kSwHide);
}

void LibraryBrowserDlg::OnLibraryChosen() { takeChosenLibrary(true); }

void LibraryBrowserDlg::takeChosenLibrary(bool showName)
{
    const std::string library = libraryOfEntry(selected(GetDlgItem(kIdcBrowserLibraryList)));
    if (library.empty())
        return;
    choice_.library = library;
    choice_.part.clear();
    showParts();
    // While a name is being typed, the typing stays as it is.
    if (showName)
        showChoice();
}

void LibraryBrowserDlg::choosePart(const std::string& library, const std::string& part)
{
    // A search pick from another library lists that library's parts first.
    if (!SameLibraryFile(library, choice_.library)) {
        choice_.library = library;
        showParts();
    }
    showPart(library, part);
    showChoice();
}

void LibraryBrowserDlg::showPart(const std::string& library, const std::string& part)
{
    // A list entry may carry an extension after its name; a name with a dot of its own (the
    // starter packages' "RADIAL0.1") is kept whole when the library holds it by that name.
    std::optional<LibraryPartDetails> details = services_.details(library, part);
    chosenPart_ = part;
    if (!details && part.find('.') != std::string::npos) {
        chosenPart_ = part.substr(0, part.find('.'));
        details = services_.details(library, chosenPart_);
    }
    choice_.library = library;
    choice_.part = chosenPart_;
    SetDlgItemText(kIdcBrowserPackage, details ? details->package : std::string());
    SetDlgItemText(kIdcBrowserDescription, details ? details->description : std::string());
    showPreview();
}

void LibraryBrowserDlg::showPreview()
{
    if (plat::Control* preview = GetDlgItem(kIdcBrowserPreview))
        preview->Invalidate();
}

void LibraryBrowserDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId != kIdcBrowserPreview || !item.dc) {
        plat::Dialog::OnDrawItem(ctlId, item);
        return;
    }
    item.dc->FillRect(item.rcItem, plat::Brush::solid(plat::rgb(255, 255, 255)));
    if (!chosenPart_.empty() && services_.drawPreview)
        services_.drawPreview(*item.dc, item.rcItem, choice_.library, chosenPart_);
}

void LibraryBrowserDlg::OnPartChosen()
{
    const std::string part = selected(GetDlgItem(kIdcBrowserPartList));
    if (!part.empty())
        choosePart(choice_.library, part);
}

void LibraryBrowserDlg::OnResultChosen()
{
    const std::string line = selected(GetDlgItem(kIdcSearchResults));
    const size_t slash = line.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 >= line.size())
        return;
    choosePart(line.substr(0, slash), line.substr(slash + 1));
}

void LibraryBrowserDlg::OnLibraryTyped()
{
    plat::Control* list = GetDlgItem(kIdcBrowserLibraryList);
    if (!list || writingNames_)
        return;
    const int before = list->GetCurSel();
    // The parts listed stay those of the library chosen last until a typed name finds another.
    if (const int found = SelectTypedEntry(list, GetDlgItemText(kIdcBrowserLibraryName, kMaxTypedLibrary));
        found >= 0 && found != before)
        takeChosenLibrary(false);
}

void LibraryBrowserDlg::OnPartTyped()
{
    plat::Control* parts = GetDlgItem(kIdcBrowserPartList);
    if (!parts || writingNames_)
        return;
    const int before = parts->GetCurSel();
    const int found = SelectTypedEntry(parts, GetDlgItemText(kIdcBrowserPartName, kMaxTypedPart));
    if (found == before)
        return;
    if (found >= 0) {
        showPart(choice_.library, parts->GetItemText(found));
        return;
    }
    // A name no entry begins with chooses nothing: Load Part then asks for a part.
    chosenPart_.clear();
    choice_.part.clear();
    SetDlgItemText(kIdcBrowserPackage, "");
    SetDlgItemText(kIdcBrowserDescription, "");
    showPreview();
}

void LibraryBrowserDlg::searchOne(const std::string& library, const std::string& text, int mode, int& total)
{
    SetDlgItemText(kIdcSearchStatus, "Searching: " + library);
    std::vector<std::string> lines;
    total += services_.search(library, text, lines, mode);
    if (plat::Control* results = GetDlgItem(kIdcSearchResults))
        for (const std::string& line : lines)
            results->AddString(line);
}

void LibraryBrowserDlg::OnSearch()
{
    const std::string text = GetDlgItemText(kIdcSearchText, kMaxSearchText);
    const int mode = (IsDlgButtonChecked(kIdcSearchByName) ? 1 : 0) | (IsDlgButtonChecked(kIdcSearchByDescription) ? 2 : 0);
    if (mode == 0 || ((mode & 2) && text.empty()))
        return;
    if (plat::Control* results = GetDlgItem(kIdcSearchResults))
        results->ResetContent();
    const std::string library = GetDlgItemText(kIdcSearchLibrary, kMaxSearchLibrary);
    int total = 0;
    if (library != kAllLibraries) {
        searchOne(libraryOfEntry(library), text, mode, total);
    } else if (const plat::Control* libraries = GetDlgItem(kIdcBrowserLibraryList)) {
        for (int i = 0; i < libraries->GetCount(); ++i)
            searchOne(libraryOfEntry(libraries->GetItemText(i)), text, mode, total);
    }
    char status[64];
    std::snprintf(status, sizeof status, "No.of matches: %d", total);
    SetDlgItemText(kIdcSearchStatus, status);
}

void LibraryBrowserDlg::OnModify()
{
    if (chosenPart_.empty()) {
        plat::MessageBox("Please select a part", plat::kMbIconInformation);
        return;
    }
    if (services_.modify && services_.modify(choice_.library, chosenPart_))
        EndDialog(plat::kIdCancel);
}

void LibraryBrowserDlg::OnDelete()
{
    if (chosenPart_.empty()) {
        plat::MessageBox("Please select a part", plat::kMbIconInformation);
        return;
    }
    if (plat::MessageBox("Delect part " + chosenPart_ + "?", plat::kMbYesNo) != plat::kIdYes)
        return;
    if (plat::isReadOnlyFile(services_.files.folder + choice_.library + services_.files.extension)) {
        plat::MessageBox(kMsgLibraryProtected);
        return;
    }
    services_.remove(choice_.library, chosenPart_);
    choice_.part.clear();
    fillLibraries();
}

void LibraryBrowserDlg::OnList()
{
    if (!choice_.library.empty())
        services_.writeList(choice_.library);
}

void LibraryBrowserDlg::OnOK()
{
    if (chosenPart_.empty()) {
        plat::MessageBox("Please select a part", plat::kMbIconInformation);
        return;
    }
    // Only a part that really loaded ends the browser with OK: the caller places it.
    if (!services_.load(choice_.library, chosenPart_))
        return;
    EndDialog(plat::kIdOk);
}

plat::DialogTemplate LibraryDialogTemplate(unsigned templateId, std::string title)
{
    plat::DialogTemplate t;
    t.id = templateId;
    t.title = std::move(title);
    return t;
}

plat::DialogTemplate LibraryBrowserTemplate(unsigned templateId)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t = LibraryDialogTemplate(templateId, "Library Parts");
    // The two tabs' controls stand in rows of their own; the tab shown hides the other's.
    t.controls = {
        {.id = kIdcBrowserTab, .kind = K::Tab, .text = "Tab1", .row = 0, .span = 2},
        {.id = kIdcBrowserLibraryLabel, .kind = K::Static, .text = "Library", .row = 1},
        {.id = kIdcBrowserPartLabel, .kind = K::Static, .text = "Part", .row = 1, .column = 1},
        {.id = kIdcBrowserLibraryName, .kind = K::Edit, .row = 2},
        {.id = kIdcBrowserPartName, .kind = K::Edit, .row = 2, .column = 1},
        {.id = kIdcBrowserLibraryList, .kind = K::ListBox, .row = 3, .height = kLibraryListHeight},
        {.id = kIdcBrowserPartList, .kind = K::ListBox, .row = 3, .column = 1, .height = kLibraryListHeight},
        {.id = kIdcBrowserStatus, .kind = K::Static, .row = 4, .span = 2},
        // The Search tab's controls share the Libraries tab's rows, so either tab fills the
        // same band of the dialog; they follow the list's controls, which stay outside the
        // Search By frame.
        {.id = kIdcSearchTextLabel, .kind = K::Static, .text = "Search Text:", .row = 1},
        {.id = kIdcSearchLibraryLabel, .kind = K::Static, .text = "Library:", .row = 1, .column = 1},
        {.id = kIdcSearchText, .kind = K::Edit, .row = 2},
        {.id = kIdcSearchLibrary, .kind = K::ComboDropList, .row = 2, .column = 1},
        {.id = kIdcSearchByGroup, .kind = K::GroupBox, .text = "Search By", .row = 3, .span = 2, .rowSpan = 2},
        {.id = kIdcSearchByName, .kind = K::CheckBox, .text = "Name of Part", .row = 4},
        {.id = kIdcSearchByDescription, .kind = K::CheckBox, .text = "Description of Part", .row = 4, .column = 1},
        {.id = kIdcSearchResultsLabel, .kind = K::Static, .text = "Part/Library", .row = 5},
        {.id = kIdcSearchResults, .kind = K::ListBox, .row = 6, .height = kLibraryListHeight},
        {.id = kIdcSearchButton, .kind = K::PushButton, .text = "Search", .row = 6, .column = 1},
        {.id = kIdcSearchStatus, .kind = K::Static, .row = 7, .span = 2},
        // The preview stands beside the rows of either tab.
        plat::GroupBoxAt("Preview", 1, 1, 6, 2),
        {.id = kIdcBrowserPreview, .kind = K::StaticFrame, .row = 2, .column = 2, .width = 140, .height = kLibraryListHeight,
         .rowSpan = 6},
        plat::GroupBoxAt("Package", 12, 2, 1),
        {.id = kIdcBrowserPackage, .kind = K::Static, .row = 13, .span = 2},
        {.id = kNoControlId, .kind = K::Static, .text = "Description", .row = 14},
        {.id = kIdcBrowserDescription, .kind = K::Static, .row = 14, .column = 1, .span = 2},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Load Part", .row = 15},
        {.id = kIdcBrowserModify, .kind = K::PushButton, .text = "Modify Part", .row = 15, .column = 1},
        {.id = kIdcBrowserDelete, .kind = K::PushButton, .text = "Delete Part", .row = 16},
        {.id = kIdcBrowserList, .kind = K::PushButton, .text = "List Parts", .row = 16, .column = 1},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 17},
    };
    return t;
}

}  // namespace quill
