#include "common/library_store_dialogs.h"

#include "common/library_save_names.h"
#include "common/scoped_replace.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"

#include <variant>

namespace quill {

namespace {

std::string baseName(const std::string& file) { return file.substr(0, file.find('.')); }

std::string selectedText(const plat::Control* list)
{
    const int sel = list ? list->GetCurSel() : -1;
    return sel < 0 ? std::string() : list->GetItemText(sel);
}

// The library file chosen in the list, kept as the chosen library; empty when none is chosen.
std::string takeChosenLibrary(const plat::Dialog& dialog, unsigned listId, LibraryChoiceState& choice)
{
    const std::string file = selectedText(dialog.GetDlgItem(listId));
    if (!file.empty())
        choice.library = baseName(file);
    return file;
}

// Fills a list with the library files of the folder and selects the current library; returns
// the selected index or -1.
int fillLibraryFiles(plat::Control* list, const LibraryStoreServices& services, const std::string& current)
{
    if (!list)
        return -1;
    list->ResetContent();
    int selected = -1;
    for (const std::string& file : plat::listFiles(services.files.folder + "*" + services.files.extension)) {
        const int at = list->AddString(file);
        if (SameLibraryFile(baseName(file), current))
            selected = at;
    }
    list->SetCurSel(selected);
    return selected;
}

void fillPartList(plat::Control* list, const LibraryStoreServices& services, const std::string& libraryFile)
{
    if (!list)
        return;
    list->ResetContent();
    for (const std::string& name : services.files.listParts(baseName(libraryFile)))
        list->AddString(name);
}

bool refuse(const std::variant<std::string, std::string_view>& checked)
{
    if (const auto* refusal = std::get_if<std::string_view>(&checked)) {
        plat::MessageBox(*refusal);
        return true;
    }
    return false;
}

bool protectedLibrary(const LibraryStoreServices& services, const std::string& file)
{
    if (!plat::isReadOnlyFile(services.files.folder + file))
        return false;
    plat::MessageBox(kMsgLibraryProtected);
    return true;
}

}  // namespace

void OfferLibraryReload(bool partInUse, const std::function<void()>& reload)
{
    if (!partInUse)
        return;
    if (plat::MessageBox("Part is being used.\nClick YES to re-load the library", plat::kMbYesNo) != plat::kIdYes)
        return;
    reload();
}

std::optional<std::string> ListedLibraryFile(const plat::Control* list, const std::string& file)
{
    for (int i = 0; list && i < list->GetCount(); ++i)
        if (SameLibraryFile(list->GetItemText(i), file))
            return list->GetItemText(i);
    return std::nullopt;
}

// ---- Save Library Part ----

LibrarySaveDlg::LibrarySaveDlg(unsigned templateId, LibraryStoreIds ids, LibraryStoreServices services,
                               LibraryChoiceState& choice, plat::Wnd* parent)
    : plat::Dialog(templateId, parent), ids_(ids), services_(std::move(services)), choice_(choice)
{
    onNotify(ids_.libraryList, plat::kLbnSelChange, &LibrarySaveDlg::OnLibraryChosen);
    onNotify(ids_.partList, plat::kLbnSelChange, &LibrarySaveDlg::OnPartChosen);
    onNotify(ids_.libraryEdit, plat::kEnChange, &LibrarySaveDlg::OnLibraryTyped);
    onNotify(ids_.partEdit, plat::kEnChange, &LibrarySaveDlg::OnPartTyped);
}

bool LibrarySaveDlg::OnInitDialog()
{
    plat::Control* libraries = GetDlgItem(ids_.libraryList);
    const int current = fillLibraryFiles(libraries, services_, choice_.library);
    const ScopedReplace writing(writingNames_, true);
    SetDlgItemText(ids_.partEdit, choice_.part);
    if (current >= 0)
        fillPartList(GetDlgItem(ids_.partList), services_, libraries->GetItemText(current));
    SetDlgItemText(ids_.libraryEdit, choice_.library);
    return true;
}

void LibrarySaveDlg::OnLibraryChosen()
{
    const std::string file = takeChosenLibrary(*this, ids_.libraryList, choice_);
    if (file.empty())
        return;
    const ScopedReplace writing(writingNames_, true);
    SetDlgItemText(ids_.libraryEdit, file);
    fillPartList(GetDlgItem(ids_.partList), services_, file);
}

void LibrarySaveDlg::OnPartChosen()
{
    const std::string part = selectedText(GetDlgItem(ids_.partList));
    const ScopedReplace writing(writingNames_, true);
    if (!part.empty())
        SetDlgItemText(ids_.partEdit, PartNameOf(part, services_.files.partNameDots));
}

void LibrarySaveDlg::OnLibraryTyped()
{
    if (!writingNames_)
        SelectTypedEntry(GetDlgItem(ids_.libraryList), GetDlgItemText(ids_.libraryEdit, ids_.maxTypedLibrary));
}

void LibrarySaveDlg::OnPartTyped()
{
    if (!writingNames_)
        SelectTypedEntry(GetDlgItem(ids_.partList), GetDlgItemText(ids_.partEdit, ids_.maxTypedPart));
}

void LibrarySaveDlg::OnOK()
{
    const auto part = CheckPartName(GetDlgItemText(ids_.partEdit, ids_.maxTypedPart), services_.files.partNameDots);
    if (refuse(part))
        return;
    const auto library = CheckLibraryFileName(GetDlgItemText(ids_.libraryEdit, ids_.maxTypedLibrary), services_.files.extension);
    if (refuse(library))
        return;
    const std::string& file = std::get<std::string>(library);
    const std::string& name = std::get<std::string>(part);
    // Nothing else changes unless the part really was written.
    if (!writePart(file, name))
        return;
    choice_.library = baseName(file);
    choice_.part = name;
    EndDialog(plat::kIdOk);
    if (services_.partInUse && services_.reload)
        OfferLibraryReload(services_.partInUse(choice_.library, name), services_.reload);
}

bool LibrarySaveDlg::writePart(const std::string& libraryFile, const std::string& part)
{
    if (const std::optional<std::string> listed = ListedLibraryFile(GetDlgItem(ids_.libraryList), libraryFile)) {
        if (protectedLibrary(services_, *listed))
            return false;
        return services_.writePart(baseName(*listed), part);
    }
    return services_.newLibrary(libraryFile) && services_.writePart(baseName(libraryFile), part);
}

// ---- Copy Library Parts ----

LibraryCopyDlg::LibraryCopyDlg(unsigned templateId, LibraryStoreIds ids, LibraryStoreServices services,
                               LibraryChoiceState& choice, plat::Wnd* parent)
    : plat::Dialog(templateId, parent), ids_(ids), services_(std::move(services)), choice_(choice)
{
    onNotify(ids_.libraryList, plat::kLbnSelChange, &LibraryCopyDlg::OnLibraryChosen);
    onNotify(ids_.partList, plat::kLbnSelChange, &LibraryCopyDlg::OnPartChosen);
    onCommand(ids_.copyButton, &LibraryCopyDlg::OnCopy);
}

bool LibraryCopyDlg::OnInitDialog()
{
    plat::Control* libraries = GetDlgItem(ids_.libraryList);
    const int current = fillLibraryFiles(libraries, services_, choice_.library);
    if (current >= 0)
        fillPartList(GetDlgItem(ids_.partList), services_, libraries->GetItemText(current));
    if (plat::Control* destinations = GetDlgItem(ids_.destination); destinations && libraries)
        for (int i = 0; i < libraries->GetCount(); ++i)
            destinations->AddString(libraries->GetItemText(i));
    SetDlgItemText(ids_.status, "Select source part");
    return true;
}

void LibraryCopyDlg::OnLibraryChosen()
{
    const std::string file = takeChosenLibrary(*this, ids_.libraryList, choice_);
    if (file.empty())
        return;
    part_.clear();
    fillPartList(GetDlgItem(ids_.partList), services_, file);
}

void LibraryCopyDlg::OnPartChosen()
{
    const std::string part = selectedText(GetDlgItem(ids_.partList));
    if (part.empty())
        return;
    part_ = PartNameOf(part, services_.files.partNameDots);
    choice_.part = part_;
}

void LibraryCopyDlg::OnCopy()
{
    if (part_.empty()) {
        plat::MessageBox("Please select a part");
        return;
    }
    const auto destination = CheckLibraryFileName(GetDlgItemText(ids_.destination, ids_.maxTypedLibrary), services_.files.extension);
    if (refuse(destination))
        return;
    const std::string& target = std::get<std::string>(destination);
    const std::optional<std::string> listed = ListedLibraryFile(GetDlgItem(ids_.libraryList), target);
    if (!listed) {
        plat::MessageBox("Can't open file " + target);
        return;
    }
    if (protectedLibrary(services_, *listed) || !services_.copyPart(choice_.library, part_, baseName(*listed)))
        return;
    SetDlgItemText(ids_.status, "Copied part " + part_ + " to " + *listed);
}

plat::DialogTemplate LibrarySaveTemplate(unsigned templateId, const LibraryStoreIds& ids)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t = LibraryDialogTemplate(templateId, "Save Library Part");
    t.controls = {
        {.id = kNoControlId, .kind = K::Static, .text = "Library", .row = 0},
        {.id = kNoControlId, .kind = K::Static, .text = "Part", .row = 0, .column = 1},
        {.id = ids.libraryEdit, .kind = K::Edit, .row = 1},
        {.id = ids.partEdit, .kind = K::Edit, .row = 1, .column = 1},
        {.id = ids.libraryList, .kind = K::ListBox, .row = 2, .height = kLibraryListHeight},
        {.id = ids.partList, .kind = K::ListBox, .row = 2, .column = 1, .height = kLibraryListHeight},
        {.id = plat::kIdOk, .kind = K::DefPushButton, .text = "Save Part", .row = 3},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 3, .column = 1},
    };
    return t;
}

plat::DialogTemplate LibraryCopyTemplate(unsigned templateId, std::string_view title, const LibraryStoreIds& ids)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t = LibraryDialogTemplate(templateId, std::string(title));
    t.controls = {
        {.id = kNoControlId, .kind = K::GroupBox, .text = "Source", .row = 0, .span = 2, .rowSpan = 2},
        {.id = ids.libraryList, .kind = K::ListBox, .row = 1, .height = kLibraryListHeight},
        {.id = ids.partList, .kind = K::ListBox, .row = 1, .column = 1, .height = kLibraryListHeight},
        {.id = kNoControlId, .kind = K::Static, .text = "Destination Library:", .row = 2},
        {.id = ids.destination, .kind = K::ComboDropDown, .row = 2, .column = 1},
        {.id = ids.status, .kind = K::Static, .text = "Select source part", .row = 3, .span = 2},
        {.id = ids.copyButton, .kind = K::DefPushButton, .text = "Copy", .row = 4},
        {.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = 4, .column = 1},
    };
    return t;
}

}  // namespace quill
