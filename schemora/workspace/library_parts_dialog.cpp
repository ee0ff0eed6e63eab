#include "schemora/workspace/library_parts_dialog.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_previews.h"
#include "schemora/workspace/part_editor.h"

quill::LibraryChoiceState g_libraryChoice{"Device", {}};

quill::LibraryFiles PartLibraryFiles()
{
    return {g_folders.libraryFolder, ".CON", [](const std::string& library) {
                std::vector<std::string> names;
                FillLibraryPartList(names, library, false);
                return names;
            }};
}

std::string PackageNamesText(std::string_view package)
{
    const size_t comma = package.find(',');
    const std::string_view through = package.substr(0, comma);
    std::string text = through.empty() ? std::string() : "Thru-hole: " + std::string(through);
    if (comma != std::string_view::npos && comma + 1 < package.size())
        text += (text.empty() ? "" : ", ") + std::string("Surface: ") + std::string(package.substr(comma + 1));
    return text;
}

namespace {

quill::LibraryBrowserServices partLibraryServices()
{
    quill::LibraryBrowserServices s;
    s.files = PartLibraryFiles();
    s.partsCalled = "symbols";
    s.search = SearchLibraryParts;
    s.details = [](const std::string& library, const std::string& part) -> std::optional<quill::LibraryPartDetails> {
        std::string package, description;
        if (!ReadLibraryPartTexts(library, part, package, description))
            return std::nullopt;
        return quill::LibraryPartDetails{PackageNamesText(package), description};
    };
    quill::SetLibraryFileCalls(s, &LoadLibraryPart, &RewriteLibrary, kRewriteDelete, &WriteLibraryPartsList,
                               [](plat::Dc& dc, const plat::Rect& client, std::string_view library,
                                  std::string_view part) { DrawPartPreview(dc, client, library, part); });
    s.modify = [](const std::string& library, const std::string& part) {
        RunLibraryPartEditor(nullptr, library, part);
        return true;
    };
    return s;
}

}  // namespace

CLibPartsDlg::CLibPartsDlg(plat::Wnd* parent)
    : quill::LibraryBrowserDlg(scm::kIddLibraryParts, partLibraryServices(), g_libraryChoice, parent)
{
}
