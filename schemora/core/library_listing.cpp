// Lists of the parts of a library or catalogue, for the library dialogs and the parts report.
#include "common/file_reading.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/file_records.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/part_library.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

struct ListedPart {
    std::string name;
    std::string package;       // from "%package" / "%PACKAGE"
    std::string description;   // the first comment text, without its ';'
};

// Calls visit for every part of the library, in file order; false when the file cannot be read.
bool forEachPart(std::string_view library, bool catalogue, bool wantTexts,
                 const std::function<void(const ListedPart&)>& visit)
{
    const std::string path = LibraryFilePath(library, catalogue);
    auto archive = LoadFileForReader(path, kMaxLibraryFileBytes, "Can't open file " + path);
    if (!archive)
        return false;
    FileRecord record;
    if (!readRecord(*archive, record))
        return false;
    if (decodeHeader(record).version > kLibraryVersion) {
        plat::MessageBox("Unsupported file format");
        return false;
    }
    if (!readRecord(*archive, record))
        return false;
    while (FindNextPartRecord(*archive)) {
        LibraryPartHeader header;
        if (!ReadLibraryPartHeader(*archive, header))
            break;
        ListedPart part{header.name, {}, {}};
        if (wantTexts) {
            DrawObject e;
            // Stops at the next part's markers, which FindNextPartRecord then finds again.
            while (ReadLibraryElement(*archive, header.version, e) == ElementRead::Element) {
                const std::string_view t = (e.type() == kObjText && e.text) ? std::string_view(e.text) : "";
                if (part.package.empty() && (t.starts_with("%package") || t.starts_with("%PACKAGE"))) {
                    part.package = std::string(t.substr(8));
                    part.package.erase(0, part.package.find_first_not_of(' '));
                }
                if (part.description.empty() && t.starts_with(';')) {
                    part.description = std::string(t.substr(1));
                    part.description.erase(std::min(part.description.size(), part.description.find('\n')));
                }
                ReleaseObjectData(e);
                e = DrawObject{};
            }
            ReleaseObjectData(e);
            if (archive->position() >= kRecordBytes)
                archive->SeekRelative(-static_cast<long>(kRecordBytes));
        }
        visit(part);
    }
    return true;
}

}  // namespace

bool FillLibraryPartList(std::vector<std::string>& names, std::string_view library, bool catalogue)
{
    names.clear();
    return forEachPart(library, catalogue, false,
                       [&](const ListedPart& p) { names.push_back(plat::upperCaseAscii(p.name)); });
}

bool ReadCatalog(std::vector<std::string>& names, std::string_view catalogue)
{
    return FillLibraryPartList(names, catalogue, true);
}

bool ListLibraryPackages(std::string_view library, std::vector<std::string>& lines)
{
    return forEachPart(library, false, true,
                       [&](const ListedPart& p) { lines.push_back(p.name + "/" + p.package); });
}

bool ReadLibraryPartTexts(std::string_view library, std::string_view part, std::string& package,
                          std::string& description)
{
    const std::string wanted = plat::upperCaseAscii(part);
    bool found = false;
    forEachPart(library.substr(0, library.find('.')), false, true, [&](const ListedPart& p) {
        if (!found && plat::upperCaseAscii(p.name) == wanted) {
            found = true;
            package = p.package;
            description = p.description;
        }
    });
    return found;
}

int SearchLibraryParts(std::string_view library, std::string_view text, std::vector<std::string>& lines, int mode)
{
    const std::string wanted = plat::upperCaseAscii(text);
    const std::string base(library.substr(0, library.find('.')));
    int added = 0;
    forEachPart(base, false, (mode & kSearchByDescription) != 0, [&](const ListedPart& p) {
        const bool byName = (mode & kSearchByName) && plat::upperCaseAscii(p.name).find(wanted) != std::string::npos;
        const bool byText =
            (mode & kSearchByDescription) && plat::upperCaseAscii(p.description).find(wanted) != std::string::npos;
        if (byName || byText) {
            lines.push_back(base + "/" + plat::upperCaseAscii(p.name));
            ++added;
        }
    });
    return added;
}

int WriteLibraryPartsList(std::string_view library)
{
    const std::string base(library.substr(0, library.find('.')));
    std::string report;
    int count = 0;
    bool sorted = true;
    std::string previous;
    const bool read = forEachPart(base, false, true, [&](const ListedPart& p) {
        report += base + "\\" + p.name + " ";
        if (!p.package.empty())
            report += " (" + p.package + ")";
        report += "\n";
        if (count > 0 && p.name < previous)
            sorted = false;
        previous = p.name;
        ++count;
    });
    if (!read)
        return 0;
    report += std::to_string(count) + " parts in library\n";
    if (!sorted)
        report += "(Not sorted alphabetically!)\n";
    const std::string path = plat::resolvePath(g_folders.libraryFolder + base + ".txt");
    if (const plat::WriteResult written = plat::writeFileAtomically(path, report); !written) {
        plat::MessageBox(written.message("Can't open file: " + path));
        return 0;
    }
    if (plat::MessageBox("View parts list?", plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdYes)
        plat::uiHost().showTextFile(path);
    return 1;
}
