#include "schemora/workspace/library_parts_dialog.h"

#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

LibraryChoice g_libraryChoice;

namespace {

constexpr int kMaxTypedLibrary = 80;

// The library's name: its file name up to the extension.
std::string libraryName(const std::string& file)
{
    const size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

}  // namespace

CLibPartsDlg::CLibPartsDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddLibraryParts, parent)
{
    onNotify(scm::kIdcLibraryList, plat::kLbnSelChange, &CLibPartsDlg::OnLibraryChosen);
    onNotify(scm::kIdcPartList, plat::kLbnSelChange, &CLibPartsDlg::OnPartChosen);
    onNotify(scm::kIdcLibraryName, plat::kEnChange, &CLibPartsDlg::OnLibraryTyped);
}

bool CLibPartsDlg::OnInitDialog()
{
    fillLibraries();
    return true;
}

void CLibPartsDlg::fillLibraries()
{
    plat::Control* list = GetDlgItem(scm::kIdcLibraryList);
    if (!list)
        return;
    list->ResetContent();
    libraries_.clear();
    for (const std::string& file : plat::listFiles(g_folders.libraryFolder + "*.CON")) {
        libraries_.push_back(libraryName(file));
        list->AddString(libraries_.back());
    }
    const int current = list->FindStringExact(-1, g_libraryChoice.library);
    list->SetCurSel(current);
    char status[64];
    std::snprintf(status, sizeof status, "%d libraries available", static_cast<int>(libraries_.size()));
    SetDlgItemText(scm::kIdcPartsStatus, status);
    SetDlgItemText(scm::kIdcLibraryName, g_libraryChoice.library);
    if (current >= 0)
        loadParts();
}

void CLibPartsDlg::loadParts()
{
    plat::Control* parts = GetDlgItem(scm::kIdcPartList);
    if (!parts)
        return;
    parts->ResetContent();
    std::vector<std::string> names;
    if (FillLibraryPartList(names, g_libraryChoice.library, false))
        for (const std::string& name : names)
            parts->AddString(name);
    char status[64];
    std::snprintf(status, sizeof status, "%d symbols", static_cast<int>(names.size()));
    SetDlgItemText(scm::kIdcPartsStatus, status);
}

void CLibPartsDlg::OnLibraryChosen()
{
    plat::Control* list = GetDlgItem(scm::kIdcLibraryList);
    const int sel = list ? list->GetCurSel() : -1;
    if (sel < 0)
        return;
    g_libraryChoice.library = list->GetItemText(sel);
    g_libraryChoice.part.clear();
    loadParts();
}

void CLibPartsDlg::OnPartChosen()
{
    plat::Control* list = GetDlgItem(scm::kIdcPartList);
    const int sel = list ? list->GetCurSel() : -1;
    if (sel < 0)
        return;
    std::string name = list->GetItemText(sel);
    name = name.substr(0, name.find('.'));
    g_libraryChoice.part = name;
    SetDlgItemText(scm::kIdcPartName, name);
    // The package kind and the description of the part, from its symbol.
    if (LoadLibraryPart(g_libraryChoice.library, name)) {
        const PartSymbol& symbol = g_partSymbols.entries[static_cast<size_t>(g_partSymbols.current)];
        SetDlgItemText(scm::kIdcPackageKind, symbol.package.find(',') != std::string::npos ? "Thru-hole, Surface" : "Thru-hole");
        SetDlgItemText(scm::kIdcPartDescription, symbol.description);
    }
}

void CLibPartsDlg::OnLibraryTyped()
{
    const std::string typed = GetDlgItemText(scm::kIdcLibraryName, kMaxTypedLibrary);
    plat::Control* list = GetDlgItem(scm::kIdcLibraryList);
    if (!list || typed.empty())
        return;
    const int found = list->FindString(-1, typed);
    if (found >= 0 && found != list->GetCurSel()) {
        list->SetCurSel(found);
        OnLibraryChosen();
    }
}

void CLibPartsDlg::OnOK()
{
    if (g_libraryChoice.part.empty()) {
        plat::MessageBox("Please select a part", plat::kMbIconInformation);
        return;
    }
    if (!LoadLibraryPart(g_libraryChoice.library, g_libraryChoice.part))
        return;
    EndDialog(plat::kIdOk);
}
