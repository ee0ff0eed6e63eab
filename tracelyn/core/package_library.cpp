// Package library catalogues: finding and loading a package, listing and searching a library,
// the parts list report, and rewriting a catalogue when a part is saved or deleted.
#include "tracelyn/core/package_library.h"

#include "common/file_reading.h"
#include "common/library_save_names.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/little_endian.h"
#include "tracelyn/core/open_documents.h"
#include "tracelyn/core/package_body.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

const std::string& folder()
{
    return g_boardFolders.libraryFolder;
}

// The file as the disk spells its folders: the library folder setting is upper-cased.
std::string cantOpen(std::string_view path)
{
    return "Can't open file: " + plat::resolvePath(path);
}

using pcb::kCatalogHeaderBytes;
using pcb::kMarkerStep;
using pcb::kNewestCatalogDigit;

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The byte range of every entry of a catalogue, from its first marker to the next entry.
struct EntrySpan {
    size_t begin;
    size_t end;
    std::string name;
};

std::vector<EntrySpan> entrySpans(std::span<const uint8_t> bytes)
{
    std::vector<EntrySpan> spans;
    std::optional<size_t> at = pcb::FindEntry(bytes, kCatalogHeaderBytes);
    while (at) {
        const size_t body = pcb::SkipMarkers(bytes, *at);
        std::string name;
        const size_t nameAt = body + kCatalogRecordSize;
        for (size_t i = nameAt; i < std::min(nameAt + kCatalogRecordSize, bytes.size()) && bytes[i] != 0; ++i)
            name += static_cast<char>(bytes[i]);
        // The next search starts after this entry's header and name records.
        const std::optional<size_t> next = pcb::FindEntry(bytes, std::min(body + 2 * kCatalogRecordSize, bytes.size()));
        spans.push_back({*at, next.value_or(bytes.size()), plat::upperCaseAscii(name)});
        at = next;
    }
    return spans;
}

std::vector<uint8_t> newEntryBytes(std::string_view part)
{
    plat::Archive entry(plat::Archive::Mode::Store);
    WriteCatalogEntry(entry, part, g_board.objects, 1, g_board.objects ? g_board.count : 0);
    return entry.takeBytes();
}

}  // namespace

std::string CatalogPath(std::string_view library)
{
    return pcb::CatalogPath(folder(), library);
}

std::string PackageName(std::string_view library, std::string_view part)
{
    return plat::upperCaseAscii(pcb::LibraryStem(library)) + "\\" + plat::upperCaseAscii(part);
}

int LoadLibraryPart(std::string_view library, std::string_view part)
{
    const std::string name = PackageName(library, part);
    if (const int n = FindLoadedPackage(name); n != 0) {
        g_packages.current = n;
        return 1;
    }
    pcb::CatalogHeader header;
    auto file = pcb::OpenSupportedCatalog(folder(), library, header);
    if (!file)
        return 0;
    if (!pcb::SeekToPart(*file, header, part)) {
        plat::MessageBox("Part not found:" + name + "\n or format error");
        return 0;
    }
    return LoadPart(*file, name);
}

int LoadLibraryPartByPath(std::string_view name)
{
    const size_t slash = name.rfind('\\');
    if (slash == std::string_view::npos)
        return 0;
    return LoadLibraryPart(name.substr(0, slash), name.substr(slash + 1));
}

int LoadPart(plat::Archive& file, std::string_view name)
{
    if (const int n = FindLoadedPackage(name); n != 0) {
        g_packages.current = n;
        return 1;
    }
    // Parts name their package in a 7-bit kind: before the numbers run out, make room by
    // dropping the packages no board uses any more.
    if (g_packages.count >= kMaxPartPackage)
        DropPackagesNoBoardUses();
    if (g_packages.count >= kMaxPackages)
        return 0;
    const int slot = g_packages.count + 1;
    g_packages.defs[slot] = PackageDef{};
    g_packages.defs[slot].name = std::string(name);
    g_packages.count = slot;
    SetStatusText("Loading part " + std::string(name), kPaneMessage);
    if (LoadPackageBody(file, slot, kPackageBodyCatalog) == 0) {
        g_packages.defs[slot] = PackageDef{};
        g_packages.count = slot - 1;
        return 0;
    }
    ComputePartExtent(slot);
    AttachPinLabels(slot);
    g_packages.current = slot;
    return 1;
}

int SearchLibraryParts(std::string_view library, std::string_view text,
                       std::vector<std::string>& list, int mode)
{
    pcb::CatalogHeader header;
    auto file = pcb::OpenSupportedCatalog(folder(), library, header);
    if (!file)
        return 0;
    const std::string wanted = plat::upperCaseAscii(text);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<pcb::CatalogEntry> entry = pcb::NextCatalogEntry(*file);
        if (!entry)
            break;
        if (entry->header.version > pcb::kNewestSearchableBody) {
            plat::MessageBox("Unsupported file format");
            break;
        }
        bool match = (mode == 1 || mode == 3) && contains(entry->header.name, wanted);
        if (!match && (mode == 2 || mode == 3)) {
            const std::optional<std::string> description = pcb::ReadEntryDescription(*file, entry->header);
            match = description && contains(plat::upperCaseAscii(*description), wanted);
        }
        if (match)
            list.push_back(std::string(library) + "/" + entry->header.name);
    }
    return 1;
}

std::optional<std::string> ReadPartDescription(std::string_view library, std::string_view part)
{
    return pcb::ReadPartDescription(folder(), library, part);
}

int ListLibraryPackages(std::vector<std::string>& list, std::string_view library, std::string_view text, int mode)
{
    const size_t before = list.size();
    SearchLibraryParts(library, text, list, mode);
    return static_cast<int>(list.size() - before);
}

std::optional<plat::Archive> OpenPartLibrary(std::string_view library, std::string_view part)
{
    return pcb::OpenPartLibrary(folder(), library, part);
}

int FillLibraryPartList(std::string_view library, std::vector<std::string>& list)
{
    return pcb::FillLibraryPartList(folder(), library, list);
}

int WriteLibraryPartsList(std::string_view library)
{
    auto file = pcb::OpenCatalog(folder(), library, plat::kMbOk);
    if (!file)
        return 0;
    const pcb::CatalogHeader header = pcb::ReadCatalogHeader(*file);
    std::string report;
    std::string previous;
    bool sorted = true;
    int parts = 0;
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<pcb::CatalogEntry> entry = pcb::NextCatalogEntry(*file);
        if (!entry)
            break;
        const std::optional<std::string> description = pcb::ReadEntryDescription(*file, entry->header);
        report += std::string(library) + "\\" + entry->header.name + " ";
        report += description ? description->substr(0, description->find('\n')) : "No Comment!";
        report += "\n";
        if (parts > 0 && entry->header.name < previous)
            sorted = false;
        previous = entry->header.name;
        ++parts;
    }
    report += std::to_string(parts) + " parts in library\n";
    if (!sorted)
        report += "(Not sorted alphabetically!)\n";
    const std::string path = folder() + pcb::LibraryStem(library) + ".txt";
    if (const plat::WriteResult written = plat::writeFileAtomically(plat::resolvePath(path), report); !written) {
        plat::MessageBox(written.message(cantOpen(path)));
        return 0;
    }
    if (plat::MessageBox("View parts list?", plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdYes)
        plat::uiHost().showTextFile(plat::resolvePath(path));
    return 1;
}

int RewriteLibrary(std::string_view library, std::string_view part, int mode)
{
    const std::string path = CatalogPath(library);
    const std::string resolved = plat::resolvePath(path);
    auto file = LoadFileForReader(resolved, kMaxLibraryFileBytes, cantOpen(path));
    if (!file)
        return 0;
    // The rewrite renames a new file over the old one, which would replace a protected
    // catalogue as well.
    if (plat::isReadOnlyFile(resolved)) {
        plat::MessageBox(quill::kMsgLibraryProtected);
        return 0;
    }
    const std::vector<uint8_t>& bytes = file->bytes();
    std::vector<uint8_t> out(kCatalogHeaderBytes, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), kCatalogHeaderBytes), out.begin());
    if (bytes.size() < kCatalogHeaderBytes)
        out[10] = static_cast<uint8_t>(kCatalogVersionDigit);
    if (static_cast<int>(out[10]) - '0' > kNewestCatalogDigit) {
        plat::MessageBox("Unsupported file format");
        return 0;
    }

    const std::string wanted = plat::upperCaseAscii(part);
    bool found = false;
    int parts = 0;
    for (const EntrySpan& entry : entrySpans(bytes)) {
        const bool match = !found && entry.name == wanted;
        found = found || match;
        if (match && mode == kRewriteDelete)
            continue;
        if (match && mode == kRewriteReplace &&
            plat::MessageBox("Replace part " + std::string(part) + "?", plat::kMbYesNo) == plat::kIdYes) {
            const std::vector<uint8_t> replacement = newEntryBytes(wanted);
            out.insert(out.end(), replacement.begin(), replacement.end());
        } else {
            out.insert(out.end(), bytes.begin() + static_cast<long>(entry.begin), bytes.begin() + static_cast<long>(entry.end));
        }
        ++parts;
    }
    if (mode == kRewriteReplace && !found) {
        // Entries are looked for at every fourth byte: damaged bytes ending the last entry are
        // padded, so that the added entry starts where the readers look.
        out.resize((out.size() + kMarkerStep - 1) / kMarkerStep * kMarkerStep, 0);
        const std::vector<uint8_t> added = newEntryBytes(wanted);
        out.insert(out.end(), added.begin(), added.end());
        ++parts;
    }
    le::put16(out, 0, std::min(parts, kMaxCatalogParts));

    // The catalogue is copied in memory and replaced in one step: it is never missing, and no
    // "temp.tmp" is left behind.
    if (const plat::WriteResult written = plat::writeFileAtomically(resolved, out); !written) {
        plat::MessageBox(written.message(cantOpen(resolved)));
        return 0;
    }
    return 1;
}

int NewPartLibrary(std::string_view library)
{
    const std::string path = CatalogPath(library);
    if (plat::MessageBox("Start new library: " + std::string(library) + "?", plat::kMbYesNo, "New Library") !=
        plat::kIdYes)
        return 0;
    // An existing library keeps its parts: starting it anew would silently delete them. Nor is
    // a folder or pipe of its name written over; reading it says what it is.
    if (plat::pathExists(path))
        return 1;
    plat::Archive header(plat::Archive::Mode::Store);
    WriteCatalogHeader(header, 0);
    if (const plat::WriteResult written = plat::writeFileAtomically(plat::resolvePath(path), header.bytes()); !written) {
        plat::MessageBox(written.message(cantOpen(path)), plat::kMbIconStop);
        return 0;
    }
    return 1;
}
