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

constexpr size_t kCatalogHeaderBytes = 2 * kCatalogRecordSize;
constexpr size_t kMarkerStep = 4;
constexpr int kNewestCatalogDigit = 9;
constexpr int kNewestSearchableBody = 12;

std::string libraryStem(std::string_view library)
{
    return std::string(library.substr(0, library.find('.')));
}

std::string cantOpen(std::string_view path)
{
    return "Can't open file: " + std::string(path);
}

std::optional<plat::Archive> openCatalog(std::string_view library, unsigned icon = plat::kMbOk)
{
    const std::string path = CatalogPath(library);
    return LoadFileForReader(path, kMaxLibraryFileBytes, cantOpen(path), icon);
}

struct CatalogHeader {
    int parts = 0;
    int version = 0;
};

// The two header records; a short file has no parts. A count beyond the catalogue's limit is
// reported and scanned only up to the limit.
CatalogHeader readCatalogHeader(plat::Archive& file)
{
    std::array<uint8_t, kCatalogHeaderBytes> bytes{};
    CatalogHeader header;
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        return header;
    header.parts = le::getU16(bytes, 0);
    header.version = static_cast<int>(bytes[10]) - '0';
    if (header.parts > kMaxCatalogParts) {
        plat::MessageBox("Artwork file full");
        header.parts = kCatalogPartsWhenFull;
    }
    return header;
}

// The catalogue of library with its header read, when it can be opened and its format is one
// this program reads; otherwise nothing, after the message.
std::optional<plat::Archive> openSupportedCatalog(std::string_view library, CatalogHeader& header)
{
    auto file = openCatalog(library);
    if (!file)
        return std::nullopt;
    header = readCatalogHeader(*file);
    if (header.version > kNewestCatalogDigit) {
        plat::MessageBox("Unsupported file format");
        return std::nullopt;
    }
    return file;
}

bool isMarkerAt(std::span<const uint8_t> bytes, size_t at)
{
    if (at + kCatalogRecordSize > bytes.size())
        return false;
    for (size_t i = 0; i < 4; ++i)
        if (le::getU16(bytes, at + 2 * i) != i)
            return false;
    return true;
}

// The next entry at or after `from`: the words 0, 1 followed by 2, 3, looked for 4 bytes at a
// time (bodies are whole 4-byte words long).
std::optional<size_t> findEntry(std::span<const uint8_t> bytes, size_t from)
{
    for (size_t at = from; at + 8 <= bytes.size(); at += kMarkerStep)
        if (le::getU16(bytes, at) == 0 && le::getU16(bytes, at + 2) == 1 &&
            le::getU16(bytes, at + 4) == 2 && le::getU16(bytes, at + 6) == 3)
            return at;
    return std::nullopt;
}

// Past the marker record found at `at` and any further marker records.
size_t skipMarkers(std::span<const uint8_t> bytes, size_t at)
{
    at += kCatalogRecordSize;
    while (isMarkerAt(bytes, at))
        at += kCatalogRecordSize;
    return std::min(at, bytes.size());
}

void seekTo(plat::Archive& file, size_t position)
{
    file.SeekRelative(static_cast<long>(position) - static_cast<long>(file.position()));
}

// One catalogue entry as the scans see it: where its body starts and its header.
struct EntryInfo {
    size_t body = 0;
    PackageBodyHeader header;
};

// The next entry's body header and name, or nothing at the end of the catalogue.
std::optional<EntryInfo> nextEntry(plat::Archive& file)
{
    if (FindNextPartRecord(file) == 0)
        return std::nullopt;
    EntryInfo entry;
    entry.body = file.position();
    auto header = ReadPackageBodyHeader(file, kCatalogRecordSize);
    if (!header)
        return std::nullopt;
    entry.header = std::move(*header);
    entry.header.name = plat::upperCaseAscii(entry.header.name);
    return entry;
}

// Moves the catalogue to the body of the entry named part (in capitals); false when the
// catalogue has no such entry.
bool seekToPart(plat::Archive& file, const CatalogHeader& header, std::string_view part)
{
    const std::string wanted = plat::upperCaseAscii(part);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<EntryInfo> entry = nextEntry(file);
        if (!entry)
            return false;
        if (entry->header.name == wanted) {
            seekTo(file, entry->body);
            return true;
        }
    }
    return false;
}

// The description of the entry whose name record was just read: the text after the ';' of its
// first description text, or nothing.
std::optional<std::string> readDescription(plat::Archive& file, const PackageBodyHeader& header)
{
    PackageBodyReader reader(file, header.version, PackageRecordSize(header.version, false));
    std::optional<std::string> found;
    reader.forEachObject(header.count - 1, [&found](BoardObject& o) {
        if (o.kind() == kKindText && StartsWith(o.text(), ";"))
            found = std::string(o.text() + 1);
        FreeObjectData(o);
        return !found;
    });
    return found;
}

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
    std::optional<size_t> at = findEntry(bytes, kCatalogHeaderBytes);
    while (at) {
        const size_t body = skipMarkers(bytes, *at);
        std::string name;
        const size_t nameAt = body + kCatalogRecordSize;
        for (size_t i = nameAt; i < std::min(nameAt + kCatalogRecordSize, bytes.size()) && bytes[i] != 0; ++i)
            name += static_cast<char>(bytes[i]);
        // The next search starts after this entry's header and name records.
        const std::optional<size_t> next = findEntry(bytes, std::min(body + 2 * kCatalogRecordSize, bytes.size()));
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
    return g_boardFolders.libraryFolder + libraryStem(library) + ".CAT";
}

std::string PackageName(std::string_view library, std::string_view part)
{
    return plat::upperCaseAscii(libraryStem(library)) + "\\" + plat::upperCaseAscii(part);
}

int FindNextPartRecord(plat::Archive& file)
{
    const std::vector<uint8_t>& bytes = file.bytes();
    const std::optional<size_t> at = findEntry(bytes, file.position());
    if (!at) {
        seekTo(file, bytes.size());
        return 0;
    }
    seekTo(file, skipMarkers(bytes, *at));
    return 1;
}

int LoadLibraryPart(std::string_view library, std::string_view part)
{
    const std::string name = PackageName(library, part);
    if (const int n = FindLoadedPackage(name); n != 0) {
        g_packages.current = n;
        return 1;
    }
    CatalogHeader header;
    auto file = openSupportedCatalog(library, header);
    if (!file)
        return 0;
    if (!seekToPart(*file, header, part)) {
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
    CatalogHeader header;
    auto file = openSupportedCatalog(library, header);
    if (!file)
        return 0;
    const std::string wanted = plat::upperCaseAscii(text);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<EntryInfo> entry = nextEntry(*file);
        if (!entry)
            break;
        if (entry->header.version > kNewestSearchableBody) {
            plat::MessageBox("Unsupported file format");
            break;
        }
        bool match = (mode == 1 || mode == 3) && contains(entry->header.name, wanted);
        if (!match && (mode == 2 || mode == 3)) {
            const std::optional<std::string> description = readDescription(*file, entry->header);
            match = description && contains(plat::upperCaseAscii(*description), wanted);
        }
        if (match)
            list.push_back(std::string(library) + "/" + entry->header.name);
    }
    return 1;
}

std::optional<std::string> ReadPartDescription(std::string_view library, std::string_view part)
{
    CatalogHeader header;
    auto file = openSupportedCatalog(library, header);
    const std::string wanted = plat::upperCaseAscii(part);
    for (int i = 0; file && i < header.parts; ++i) {
        const std::optional<EntryInfo> entry = nextEntry(*file);
        if (!entry || entry->header.version > kNewestSearchableBody)
            break;
        if (entry->header.name == wanted)
            return readDescription(*file, entry->header).value_or(std::string());
    }
    return std::nullopt;
}

int ListLibraryPackages(std::vector<std::string>& list, std::string_view library, std::string_view text, int mode)
{
    const size_t before = list.size();
    SearchLibraryParts(library, text, list, mode);
    return static_cast<int>(list.size() - before);
}

std::optional<plat::Archive> OpenPartLibrary(std::string_view library, std::string_view part)
{
    CatalogHeader header;
    auto file = openSupportedCatalog(library, header);
    if (!file || !seekToPart(*file, header, part))
        return std::nullopt;
    return file;
}

int FillLibraryPartList(std::string_view library, std::vector<std::string>& list)
{
    auto file = openCatalog(library, plat::kMbIconStop);
    if (!file)
        return 0;
    const CatalogHeader header = readCatalogHeader(*file);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<EntryInfo> entry = nextEntry(*file);
        if (!entry)
            break;
        list.push_back(entry->header.name);
    }
    return 1;
}

int WriteLibraryPartsList(std::string_view library)
{
    auto file = openCatalog(library);
    if (!file)
        return 0;
    const CatalogHeader header = readCatalogHeader(*file);
    std::string report;
    std::string previous;
    bool sorted = true;
    int parts = 0;
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<EntryInfo> entry = nextEntry(*file);
        if (!entry)
            break;
        const std::optional<std::string> description = readDescription(*file, entry->header);
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
    const std::string path = g_boardFolders.libraryFolder + libraryStem(library) + ".txt";
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
    // An existing library keeps its parts: starting it anew would silently delete them.
    if (plat::fileExists(path))
        return 1;
    plat::Archive header(plat::Archive::Mode::Store);
    WriteCatalogHeader(header, 0);
    if (const plat::WriteResult written = plat::writeFileAtomically(plat::resolvePath(path), header.bytes()); !written) {
        plat::MessageBox(written.message(cantOpen(path)), plat::kMbIconStop);
        return 0;
    }
    return 1;
}
