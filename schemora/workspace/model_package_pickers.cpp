#include "schemora/workspace/model_package_pickers.h"

#include "common/pcb/package_catalog.h"
#include "common/pcb/package_preview.h"
#include "common/package_folder.h"
#include "platform/core/archive.h"
#include "platform/system/app_profile.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/part_dialog_ids.h"

#include <cstdio>

namespace {

constexpr size_t kMaxModelLine = 199;
constexpr std::uintmax_t kMaxModelFileBytes = 64u << 20;

std::vector<std::string> words(std::string_view line)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        i = line.find_first_not_of(" \t\r", i);
        if (i == std::string_view::npos)
            break;
        const size_t end = std::min(line.find_first_of(" \t\r", i), line.size());
        out.emplace_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

bool startsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

bool fits(std::string_view type, char letter, std::string_view partType)
{
    switch (letter) {
    case 'D': return startsWith(type, "D");
    case 'Q':
        return (startsWith(type, "NPN") && startsWith(partType, "NPN")) ||
               (startsWith(type, "PNP") && startsWith(partType, "PNP"));
    case 'J':
        return (startsWith(type, "NJF") && startsWith(partType, "NJFET")) ||
               (startsWith(type, "PJF") && startsWith(partType, "PJFET"));
    default: return false;
    }
}

std::string selectedText(const plat::Control* list)
{
    const int sel = list ? list->GetCurSel() : -1;
    return sel < 0 ? std::string() : list->GetItemText(sel);
}

class CSemiconModelsDlg : public plat::Dialog {
public:
    CSemiconModelsDlg(std::string path, char letter, std::string modelType, plat::Wnd* parent)
        : plat::Dialog(scm::kIddSemiconModels, parent), path_(std::move(path)), letter_(letter),
          modelType_(plat::upperCaseAscii(modelType))
    {
    }
    bool OnInitDialog() override
    {
        plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
        const std::string resolved = plat::resolvePath(path_);
        const std::optional<plat::Archive> file = plat::Archive::loadFile(resolved, kMaxModelFileBytes, &failure);
        if (!file) {
            plat::MessageBox(plat::readFailureText(resolved, failure, kMaxModelFileBytes, "File " + path_ + " not found"),
                             plat::kMbIconStop);
            return true;
        }
        const std::string_view text(reinterpret_cast<const char*>(file->bytes().data()), file->bytes().size());
        modelType_ = PartModelType(text, modelType_);
        const std::vector<std::string> models = FittingSemiconductorModels(text, letter_, modelType_);
        if (plat::Control* list = GetDlgItem(scm::kIdcPickerList))
            for (const std::string& model : models)
                list->AddString(model);
        char status[160];
        std::snprintf(status, sizeof status, "%.60s models in SemiCon.MOD\n%d models found", modelType_.c_str(),
                      static_cast<int>(models.size()));
        SetDlgItemText(scm::kIdcModelStatus, status);
        return true;
    }
    void OnOK() override
    {
        const std::string model = selectedText(GetDlgItem(scm::kIdcPickerList));
        if (model.empty()) {
            plat::MessageBox("Please select a model", plat::kMbIconInformation);
            return;
        }
        chosen = model.substr(0, model.find('.'));
        EndDialog(plat::kIdOk);
    }
    std::string chosen;

private:
    std::string path_;
    char letter_;
    std::string modelType_;
};

// How the picker shows the board program's packages: with the board program's own catalogue
// reader and preview routine, in its built-in colours, seen from the top (copper and silk).
pcb::PreviewLook boardPackageLook(std::string folder)
{
    pcb::PreviewLook look;
    look.folder = std::move(folder);
    look.palette = pcb::BoardPalette();
    look.rules.current = pcb::kLayerTop;
    look.rules.showTop = true;
    return look;
}

class CBoardPackagesDlg : public plat::Dialog {
public:
    CBoardPackagesDlg(std::string folder, plat::Wnd* parent)
        : plat::Dialog(scm::kIddBoardPackages, parent), look_(boardPackageLook(std::move(folder)))
    {
        onNotify(scm::kIdcPickerLibraries, plat::kLbnSelChange, &CBoardPackagesDlg::OnLibraryChosen);
        onNotify(scm::kIdcPickerList, plat::kLbnSelChange, &CBoardPackagesDlg::OnPartChosen);
    }
    bool OnInitDialog() override
    {
        plat::Control* libraries = GetDlgItem(scm::kIdcPickerLibraries);
        if (!libraries)
            return true;
        for (const std::string& file : plat::listFiles(look_.folder + "*.cat"))
            libraries->AddString(file);
        char status[64];
        std::snprintf(status, sizeof status, "%d libraries available", libraries->GetCount());
        const int standard = libraries->FindString(-1, "Standard.");
        if (standard >= 0) {
            libraries->SetCurSel(standard);
            library_ = baseName(libraries->GetItemText(standard));
            listParts();
        }
        SetDlgItemText(scm::kIdcPickerDescription, status);
        return true;
    }
    void OnOK() override
    {
        if (library_.empty() || part_.empty()) {
            plat::MessageBox("Please select a part", plat::kMbIconInformation);
            return;
        }
        chosen = library_ + "\\" + part_;
        EndDialog(plat::kIdOk);
    }
    // The preview frame shows the package chosen last.
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override
    {
        if (ctlId != scm::kIdcPickerPreview || !item.dc) {
            plat::Dialog::OnDrawItem(ctlId, item);
            return;
        }
        item.dc->FillRect(item.rcItem, plat::Brush::solid(plat::rgb(255, 255, 255)));
        if (!part_.empty())
            pcb::DrawPartPreview(*item.dc, item.rcItem, look_, library_, part_);
    }
    std::string chosen;

private:
    static std::string baseName(const std::string& file) { return file.substr(0, file.find('.')); }
    int listParts()
    {
        choosePart({});
        plat::Control* parts = GetDlgItem(scm::kIdcPickerList);
        if (!parts)
            return 0;
        parts->ResetContent();
        std::vector<std::string> names;
        pcb::FillLibraryPartList(look_.folder, library_, names);
        for (const std::string& name : names)
            parts->AddString(name);
        return static_cast<int>(names.size());
    }
    void choosePart(std::string part)
    {
        part_ = std::move(part);
        if (plat::Control* preview = GetDlgItem(scm::kIdcPickerPreview))
            preview->Invalidate();
    }
    void OnLibraryChosen()
    {
        const std::string file = selectedText(GetDlgItem(scm::kIdcPickerLibraries));
        if (file.empty())
            return;
        library_ = baseName(file);
        char status[64];
        std::snprintf(status, sizeof status, "%d symbols", listParts());
        SetDlgItemText(scm::kIdcPickerDescription, status);
    }
    void OnPartChosen()
    {
        const std::string part = selectedText(GetDlgItem(scm::kIdcPickerList));
        if (part.empty())
            return;
        // The list holds the catalogue's own names, whole: "AXIAL0.3" is a package, "AXIAL0" is not.
        choosePart(part);
        const std::string description = pcb::ReadPartDescription(look_.folder, library_, part_).value_or("");
        SetDlgItemText(scm::kIdcPickerDescription, description.substr(0, description.find('\n')));
    }

    pcb::PreviewLook look_;
    std::string library_;   // chosen in the list shown
    std::string part_;      // chosen in the part list shown; cleared when the library changes
};

}  // namespace

namespace {

// Calls f(name, type) for each ".MODEL" line of the text, in capitals.
template <typename F>
void forEachModel(std::string_view text, F&& f)
{
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        // A longer line is read on as the lines that follow it.
        for (size_t piece = at; piece < end; piece += kMaxModelLine) {
            const std::string line = plat::upperCaseAscii(text.substr(piece, std::min(kMaxModelLine, end - piece)));
            if (line.find(".MODEL") == std::string::npos)
                continue;
            const std::vector<std::string> w = words(line);
            if (w.size() >= 3)
                f(w[1], w[2]);
        }
        at = end + 1;
    }
}

}  // namespace

std::string PartModelType(std::string_view text, std::string_view partName)
{
    const std::string name = plat::upperCaseAscii(partName);
    std::string type = name;
    bool found = false;
    forEachModel(text, [&](const std::string& model, const std::string& modelType) {
        if (!found && model == name) {
            found = true;
            type = modelType.substr(0, modelType.find('('));
        }
    });
    return type;
}

std::vector<std::string> FittingSemiconductorModels(std::string_view text, char letter, std::string_view modelType)
{
    std::vector<std::string> models;
    const std::string partType = plat::upperCaseAscii(modelType);
    forEachModel(text, [&](const std::string& name, const std::string& type) {
        if (fits(type, letter, partType))
            models.push_back(name);
    });
    return models;
}

std::optional<std::string> ChooseSemiconductorModel(const std::string& path, char letter,
                                                    const std::string& modelType, plat::Wnd* parent)
{
    CSemiconModelsDlg dialog(path, letter, modelType, parent);
    if (dialog.DoModal() != plat::kIdOk)
        return std::nullopt;
    return dialog.chosen;
}

std::optional<std::string> ReadBoardLibraryPath()
{
    std::string value = plat::GetProfileString("Quillmere", "Tracelyn", "Settings", "library_path");
    value = value.substr(0, value.find('\n'));
    if (!value.empty() && plat::folderExists(value))
        return plat::withTrailingSeparator(value);
    // Before the board program has stored its folder (or after it moved), the packages shipped
    // beside the programs are the ones it would find.
    if (const std::string beside = quill::PackageFolderBesidePrograms(); plat::folderExists(beside))
        return plat::withTrailingSeparator(beside);
    plat::MessageBox("Can't find Tracelyn directory", plat::kMbIconStop);
    return std::nullopt;
}

std::optional<std::string> ChooseBoardPackage(plat::Wnd* parent)
{
    const std::optional<std::string> folder = ReadBoardLibraryPath();
    if (!folder)
        return std::nullopt;
    CBoardPackagesDlg dialog(*folder, parent);
    if (dialog.DoModal() != plat::kIdOk)
        return std::nullopt;
    return dialog.chosen;
}
