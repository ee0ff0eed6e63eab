// Finding parts in the library files and loading their symbols into the PartSymbol table.
#include "schemora/core/part_library.h"

#include "common/file_reading.h"
#include "platform/app/command_ids.h"
#include "platform/app/resources.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/file_records.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/symbol_elements.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace {

constexpr int kStatusPaneMessage = 0;

// When and how large a library file was: a part rebuilt into it changes both or one.
struct LibraryStamp {
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    bool operator==(const LibraryStamp&) const = default;
};

std::optional<LibraryStamp> stampOf(std::string_view library)
{
    const std::filesystem::path path = plat::resolvePath(LibraryFilePath(library, false));
    std::error_code written, sized;
    LibraryStamp stamp{std::filesystem::last_write_time(path, written), std::filesystem::file_size(path, sized)};
    if (written || sized)
        return std::nullopt;
    return stamp;
}

// The stamp of its library file that each symbol read from a library was read at, by the
// symbol's name in capitals.
std::map<std::string, LibraryStamp>& symbolStamps()
{
    static std::map<std::string, LibraryStamp> stamps;
    return stamps;
}

// The library's header (version a digit, at most '9') and title; false, after "Unsupported
// file format" for a newer version, when the library cannot be read.
bool readLibraryHeader(plat::Archive& archive)
{
    FileRecord record;
    if (!readRecord(archive, record))
        return false;
    if (decodeHeader(record).version > kLibraryVersion) {
        plat::MessageBox("Unsupported file format");
        return false;
    }
    return readRecord(archive, record);
}

}  // namespace

std::string LibraryFilePath(std::string_view library, bool catalogue)
{
    const std::string_view base = library.substr(0, library.find('.'));
    return g_folders.libraryFolder + std::string(base) + (catalogue ? ".CAT" : ".CON");
}

int FindNextPartRecord(plat::Archive& archive)
{
    FileRecord record;
    int markers = 0;
    while (markers < kMarkersPerPart) {
        if (!readRecord(archive, record))
            return 0;
        markers = isPartMarker(record) ? markers + 1 : 0;
    }
    return 1;
}

std::optional<plat::Archive> OpenPartLibrary(std::string_view library, std::string_view part, bool catalogue)
{
    const std::string path = LibraryFilePath(library, catalogue);
    auto archive = LoadFileForReader(path, kMaxLibraryFileBytes, "Can't open file " + path);
    if (!archive)
        return std::nullopt;
    if (!readLibraryHeader(*archive))
        return std::nullopt;
    const std::string wanted = StoredPartName(part);
    while (FindNextPartRecord(*archive)) {
        const size_t start = archive->position();
        LibraryPartHeader header;
        if (!ReadLibraryPartHeader(*archive, header))
            break;
        if (header.name == wanted) {
            archive->SeekRelative(static_cast<long>(start) - static_cast<long>(archive->position()));
            return archive;
        }
    }
    return std::nullopt;
}

int FindLoadedSymbol(std::string_view fullName)
{
    for (int i = 1; i <= g_partSymbols.count; ++i)
        if (plat::equalsNoCase(g_partSymbols.entries[i].name, fullName))
            return i;
    return 0;
}

int LoadSymbol(std::string_view fullName, plat::Archive& archive)
{
    if (const int found = FindLoadedSymbol(fullName)) {
        g_partSymbols.current = found;
        return 1;
    }
    // A placed part's type byte cannot name a symbol above kMaxPlaceableSymbol.
    if (g_partSymbols.count >= kMaxPlaceableSymbol) {
        plat::MessageBox(kMsgSymbolTableFull);
        return 0;
    }
    const int index = ++g_partSymbols.count;
    g_partSymbols.entries[index] = PartSymbol{};
    g_partSymbols.entries[index].name = plat::upperCaseAscii(fullName);
    SetStatusText("Loading part " + std::string(fullName), kStatusPaneMessage);
    const bool read = ReadPartSymbol(archive, index);
    SetStatusText(plat::LoadString(plat::kIdsIdleMessage), kStatusPaneMessage);
    if (!read) {
        g_partSymbols.entries[index] = PartSymbol{};
        --g_partSymbols.count;
        return 0;
    }
    BindPinTexts(index);
    g_partSymbols.current = index;
    return 1;
}

int LoadLibraryPart(std::string_view library, std::string_view part)
{
    const std::string base(library.substr(0, library.find('.')));
    const std::string fullName = base + "\\" + std::string(part);
    // A loaded symbol stays for the life of the process: no need to read its library again.
    if (const int found = FindLoadedSymbol(fullName)) {
        g_partSymbols.current = found;
        return 1;
    }
    const std::optional<LibraryStamp> stamp = stampOf(base);
    auto archive = OpenPartLibrary(base, part, false);
    if (!archive)
        return 0;
    const int loaded = LoadSymbol(fullName, *archive);
    if (loaded == 1 && stamp)
        symbolStamps()[plat::upperCaseAscii(fullName)] = *stamp;
    return loaded;
}

bool SymbolLibraryChanged(const PartSymbol& symbol)
{
    const size_t slash = symbol.name.find('\\');
    if (slash == std::string::npos)
        return false;
    const auto recorded = symbolStamps().find(plat::upperCaseAscii(symbol.name));
    if (recorded == symbolStamps().end())
        return false;
    const std::optional<LibraryStamp> now = stampOf(std::string_view(symbol.name).substr(0, slash));
    return now && !(*now == recorded->second);
}

int LoadLibraryPartByPath(std::string_view libraryAndPart)
{
    const size_t slash = libraryAndPart.find('\\');
    if (slash == std::string_view::npos)
        return 0;
    return LoadLibraryPart(libraryAndPart.substr(0, slash), libraryAndPart.substr(slash + 1));
}
