#pragma once
// Reading package (footprint) catalogues: one file per library, "<LIBRARY>.CAT" in a package
// folder, built of 16-byte records:
//
//   header record     u16 part count at 0, version digit ('9') at 10
//   second record     zeros
//   per part:         four marker records (u16 0, 1, 2, ... 7), then the part's body:
//     body header     s16 object records + 1 at 0, version character ('<' = 12) at 10
//     name record     the part name in capitals, NUL-terminated
//     objects         20-byte board records (16-byte before version 12); a text is followed
//                     by its string records, a polygon by a block of 16 vertices (128 bytes)
//
// Inside a body, a text beginning ';' is the package's description, a text beginning "%cont"
// starts a further pin section, and a text beginning "p?" (the label placeholder) ends a
// section. The board program reads its own folder's catalogues with these; the schematic
// program reads the board program's folder with them to list and preview its packages.

#include "common/pcb/board_object.h"
#include "common/pcb/package_body_reader.h"
#include "platform/core/archive.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pcb {

inline constexpr size_t kCatalogRecordSize = 16;
inline constexpr size_t kCatalogHeaderBytes = 2 * kCatalogRecordSize;
inline constexpr int kCatalogMarkerRecords = 4;
inline constexpr char kCatalogVersionDigit = '9';
inline constexpr int kNewestCatalogDigit = 9;
// Bodies of later versions are not searched.
inline constexpr int kNewestSearchableBody = 12;
// Entries are looked for at every fourth byte.
inline constexpr size_t kMarkerStep = 4;
// A catalogue header claiming more parts is "Artwork file full" and scans this many.
inline constexpr int kMaxCatalogParts = 31989;
inline constexpr int kCatalogPartsWhenFull = 31990;

// A library's name cut at its first '.'.
std::string LibraryStem(std::string_view library);
// The catalogue path of a library: the folder (ending in a separator) + the library name cut at
// its first '.' + ".CAT".
std::string CatalogPath(std::string_view folder, std::string_view library);

struct CatalogHeader {
    int parts = 0;
    int version = 0;
};

// Opens the catalogue of library in folder; "Can't open file: %s" (with the icon given) when it
// cannot be read.
std::optional<plat::Archive> OpenCatalog(std::string_view folder, std::string_view library, unsigned icon);
// The two header records; a short file has no parts. A count beyond the catalogue's limit is
// reported ("Artwork file full") and scanned only up to the limit.
CatalogHeader ReadCatalogHeader(plat::Archive& file);
// The catalogue with its header read, when it can be opened and its format is one this reader
// knows; otherwise nothing, after the message.
std::optional<plat::Archive> OpenSupportedCatalog(std::string_view folder, std::string_view library,
                                                  CatalogHeader& header);

// The markers of an entry: a record of the words 0, 1, 2, 3 at `at`.
bool IsMarkerAt(std::span<const uint8_t> bytes, size_t at);
// The next entry at or after `from`: the words 0, 1 followed by 2, 3, looked for 4 bytes at a
// time (bodies are whole 4-byte words long).
std::optional<size_t> FindEntry(std::span<const uint8_t> bytes, size_t from);
// Past the marker record found at `at` and any further marker records.
size_t SkipMarkers(std::span<const uint8_t> bytes, size_t at);
void SeekTo(plat::Archive& file, size_t position);

// Reads forward to the next entry's markers and past them: the file is left at the entry's
// body header. 1 when an entry was found, 0 at the end of the file.
int FindNextPartRecord(plat::Archive& file);

// One catalogue entry as the scans see it: where its body starts, and its header with the name
// in capitals.
struct CatalogEntry {
    size_t body = 0;
    PackageBodyHeader header;
};
// The next entry (the file is left after its name record), or nothing at the end.
std::optional<CatalogEntry> NextCatalogEntry(plat::Archive& file);
// Moves the catalogue to the body of the entry named part (compared in capitals); false when
// the catalogue has no such entry.
bool SeekToPart(plat::Archive& file, const CatalogHeader& header, std::string_view part);
// The description of the entry whose name record was just read: the text after the ';' of its
// first description text, or nothing.
std::optional<std::string> ReadEntryDescription(plat::Archive& file, const PackageBodyHeader& header);

// Adds the name of every part, in capitals and in file order, to list. 0 when the catalogue
// cannot be opened ("Can't open file: %s", stop icon).
int FillLibraryPartList(std::string_view folder, std::string_view library, std::vector<std::string>& list);
// The description of one part ("" without one); nothing when the catalogue cannot be read or
// has no such part.
std::optional<std::string> ReadPartDescription(std::string_view folder, std::string_view library,
                                               std::string_view part);
// Opens the catalogue and positions it at the named part's body header; nothing when the
// catalogue or the part is missing.
std::optional<plat::Archive> OpenPartLibrary(std::string_view folder, std::string_view library,
                                             std::string_view part);

// The part preview: reads the part at the file's position (its body header) into slots, at most
// kMaxPreviewObjects objects, and measures what it read in board units. Parts of versions
// before 11 are rescaled as they are read.
struct PartPreview {
    int count = 0;
    int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
};
inline constexpr int kMaxPreviewObjects = 1300;
PartPreview ReadPartPreview(plat::Archive& file, std::span<BoardObject> slots);

}  // namespace pcb
