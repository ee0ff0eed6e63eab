#include "schemora/workspace/library_save_dialogs.h"

#include "common/library_save_names.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/library_parts_dialog.h"

#include <optional>
#include <variant>

namespace {

constexpr std::string_view kLibraryExtension = ".CON";

std::string baseName(const std::string& file) { return file.substr(0, file.find('.')); }

// Fills a list (or combo) with the ".CON" files of the library folder and selects the current
// library; returns the selected index or -1.
int fillLibraryFiles(plat::Control* list)
{
    if (!list)
        return -1;
    list->ResetContent();
    int current = -1;
    for (const std::string& file : plat::listFiles(g_folders.libraryFolder + "*.CON")) {
        const int at = list->AddString(file);
        if (quill::SameLibraryFile(baseName(file), g_libraryChoice.library))
            current = at;
    }
    list->SetCurSel(current);
    return current;
}

void fillPartList(plat::Control* list, const std::string& library)
{
    if (!list)
        return;
    list->ResetContent();
    std::vector<std::string> names;
    if (FillLibraryPartList(names, baseName(library), false))
        for (const std::string& name : names)
            list->AddString(name);
}

// The listed file the typed library file name stands for, compared regardless of case.
std::optional<std::string> listedLibrary(const plat::Control* list, const std::string& file)
{
    for (int i = 0; list && i < list->GetCount(); ++i)
        if (quill::SameLibraryFile(list->GetItemText(i), file))
            return list->GetItemText(i);
    return std::nullopt;
}

std::string selectedText(const plat::Control* list)
{
    const int sel = list ? list->GetCurSel() : -1;
    return sel < 0 ? std::string() : list->GetItemText(sel);
}

// Points the current-object globals at a scratch store while a copy passes through them, and
// puts them back however the copy ends.
class ScratchDrawing {
public:
    ScratchDrawing() : saved_(g_current)
    {
        store_.allocate();
        g_current = CurrentDrawing{};
        g_current.objects = store_.slots();
    }
    ~ScratchDrawing() { g_current = saved_; }
    ScratchDrawing(const ScratchDrawing&) = delete;
    ScratchDrawing& operator=(const ScratchDrawing&) = delete;

private:
    CurrentDrawing saved_;
    DrawObjectStore store_;
};

}  // namespace

// ---- Save Library Part ----

CSaveLibPartDlg::CSaveLibPartDlg(plat::Wnd* parent)
    : CSaveLibPartDlg(parent, [](std::string_view library, std::string_view part) {
          return RewriteLibrary(library, part, kRewriteAddOrReplace);
      })
{
}

CSaveLibPartDlg::CSaveLibPartDlg(plat::Wnd* parent, PartWriter writer)
    : plat::Dialog(scm::kIddSaveLibraryPart, parent), writer_(std::move(writer))
{
    onNotify(scm::kIdcLibraryList, plat::kLbnSelChange, &CSaveLibPartDlg::OnLibraryChosen);
    onNotify(scm::kIdcPartList, plat::kLbnSelChange, &CSaveLibPartDlg::OnPartChosen);
    onNotify(scm::kIdcSaveLibraryName, plat::kEnChange, &CSaveLibPartDlg::OnLibraryTyped);
    onNotify(scm::kIdcPartName, plat::kEnChange, &CSaveLibPartDlg::OnPartTyped);
}

bool CSaveLibPartDlg::OnInitDialog()
{
    plat::Control* libraries = GetDlgItem(scm::kIdcLibraryList);
    const int current = fillLibraryFiles(libraries);
    SetDlgItemText(scm::kIdcPartName, g_libraryChoice.part);
    if (current >= 0)
        fillPartList(GetDlgItem(scm::kIdcPartList), libraries->GetItemText(current));
    SetDlgItemText(scm::kIdcSaveLibraryName, g_libraryChoice.library);
    return true;
}

void CSaveLibPartDlg::OnLibraryChosen()
{
    const std::string file = selectedText(GetDlgItem(scm::kIdcLibraryList));
    if (file.empty())
        return;
    g_libraryChoice.library = baseName(file);
    SetDlgItemText(scm::kIdcSaveLibraryName, file);
    fillPartList(GetDlgItem(scm::kIdcPartList), file);
}

void CSaveLibPartDlg::OnPartChosen()
{
    const std::string part = selectedText(GetDlgItem(scm::kIdcPartList));
    if (!part.empty())
        SetDlgItemText(scm::kIdcPartName, baseName(part));
}

void CSaveLibPartDlg::OnLibraryTyped()
{
    const std::string typed = GetDlgItemText(scm::kIdcSaveLibraryName, quill::kMaxTypedSaveName);
    if (plat::Control* list = GetDlgItem(scm::kIdcLibraryList); list && !typed.empty())
        list->SelectString(-1, typed);
}

void CSaveLibPartDlg::OnPartTyped()
{
    const std::string typed = GetDlgItemText(scm::kIdcPartName, quill::kMaxTypedSaveName);
    if (plat::Control* list = GetDlgItem(scm::kIdcPartList); list && !typed.empty())
        list->SelectString(-1, typed);
}

void CSaveLibPartDlg::OnOK()
{
    const auto part = quill::CheckPartName(GetDlgItemText(scm::kIdcPartName, quill::kMaxTypedSaveName));
    if (const auto* refusal = std::get_if<std::string_view>(&part)) {
        plat::MessageBox(*refusal);
        return;
    }
    const auto library = quill::CheckLibraryFileName(GetDlgItemText(scm::kIdcSaveLibraryName, quill::kMaxTypedSaveName),
                                                     kLibraryExtension);
    if (const auto* refusal = std::get_if<std::string_view>(&library)) {
        plat::MessageBox(*refusal);
        return;
    }
    const bool existing = listedLibrary(GetDlgItem(scm::kIdcLibraryList), std::get<std::string>(library)).has_value();
    if (!writePart(std::get<std::string>(library), std::get<std::string>(part)))
        return;
    if (existing)
        offerReload(baseName(std::get<std::string>(library)) + "\\" + std::get<std::string>(part));
    g_libraryChoice.library = baseName(std::get<std::string>(library));
    g_libraryChoice.part = std::get<std::string>(part);
    EndDialog(plat::kIdOk);
}

bool CSaveLibPartDlg::writePart(const std::string& libraryFile, const std::string& part)
{
    const std::optional<std::string> listed = listedLibrary(GetDlgItem(scm::kIdcLibraryList), libraryFile);
    if (listed) {
        if (plat::isReadOnlyFile(g_folders.libraryFolder + *listed)) {
            plat::MessageBox(quill::kMsgLibraryProtected);
            return false;
        }
        return writer_(baseName(*listed), part) == 1;
    }
    return NewPartLibrary(libraryFile) == 1 && writer_(baseName(libraryFile), part) == 1;
}

// Parts of the drawings that use the part just written show the old one until their types are
// loaded again.
void CSaveLibPartDlg::offerReload(const std::string& fullName)
{
    for (int i = 1; i <= g_partSymbols.count; ++i) {
        if (!plat::equalsNoCase(g_partSymbols.entries[static_cast<size_t>(i)].name, fullName))
            continue;
        if (plat::MessageBox("Part is being used.\nClick YES to re-load the library", plat::kMbYesNo) == plat::kIdYes) {
            ReloadPartTypes();
            RedrawActiveFrame();
        }
        return;
    }
}

// ---- Copy/Move Library Parts ----

CCopyLibPartsDlg::CCopyLibPartsDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddCopyLibraryParts, parent)
{
    onNotify(scm::kIdcLibraryList, plat::kLbnSelChange, &CCopyLibPartsDlg::OnLibraryChosen);
    onNotify(scm::kIdcPartList, plat::kLbnSelChange, &CCopyLibPartsDlg::OnPartChosen);
    onCommand(scm::kIdcCopyPart, &CCopyLibPartsDlg::OnCopy);
}

bool CCopyLibPartsDlg::OnInitDialog()
{
    plat::Control* libraries = GetDlgItem(scm::kIdcLibraryList);
    const int current = fillLibraryFiles(libraries);
    if (current >= 0)
        fillPartList(GetDlgItem(scm::kIdcPartList), libraries->GetItemText(current));
    if (plat::Control* destinations = GetDlgItem(scm::kIdcDestinationLibrary); destinations && libraries)
        for (int i = 0; i < libraries->GetCount(); ++i)
            destinations->AddString(libraries->GetItemText(i));
    SetDlgItemText(scm::kIdcPartsStatus, "Select source part");
    return true;
}

void CCopyLibPartsDlg::OnLibraryChosen()
{
    const std::string file = selectedText(GetDlgItem(scm::kIdcLibraryList));
    if (file.empty())
        return;
    g_libraryChoice.library = baseName(file);
    part_.clear();
    fillPartList(GetDlgItem(scm::kIdcPartList), file);
}

void CCopyLibPartsDlg::OnPartChosen()
{
    const std::string part = selectedText(GetDlgItem(scm::kIdcPartList));
    if (part.empty())
        return;
    part_ = baseName(part);
    g_libraryChoice.part = part_;
}

void CCopyLibPartsDlg::OnCopy()
{
    if (part_.empty()) {
        plat::MessageBox("Please select a part");
        return;
    }
    const auto destination = quill::CheckLibraryFileName(
        GetDlgItemText(scm::kIdcDestinationLibrary, quill::kMaxTypedSaveName), kLibraryExtension);
    if (const auto* refusal = std::get_if<std::string_view>(&destination)) {
        plat::MessageBox(*refusal);
        return;
    }
    const std::string target = std::get<std::string>(destination);
    const std::optional<std::string> listed = listedLibrary(GetDlgItem(scm::kIdcLibraryList), target);
    if (!listed) {
        plat::MessageBox("Can't open file " + target);
        return;
    }
    if (plat::isReadOnlyFile(g_folders.libraryFolder + *listed)) {
        plat::MessageBox(quill::kMsgLibraryProtected);
        return;
    }
    ScratchDrawing scratch;
    auto archive = OpenPartLibrary(g_libraryChoice.library, part_, false);
    if (!archive || (g_current.count = ReadPartRecords(*archive)) <= 0) {
        plat::MessageBox("Can't read part " + part_);
        return;
    }
    if (RewriteLibrary(baseName(*listed), part_, kRewriteAddOrReplace) != 1)
        return;
    SetDlgItemText(scm::kIdcPartsStatus, "Copied part " + part_ + " to " + *listed);
}
