#pragma once
// Package (footprint) libraries: one catalogue file per library, "<LIBRARY>.CAT" in the package
// library folder (g_boardFolders.libraryFolder). The catalogue's form and its readers are in
// common/pcb/package_catalog.h, which the schematic program's package picker shares.
//
// Loaded packages live in g_packages (package_tables.h): every pin section is a header record
// followed by its objects, and a closing record ends the chain (see package_tables.h).

#include "common/pcb/package_catalog.h"
#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat { class Archive; }

using pcb::kCatalogRecordSize;
using pcb::kCatalogMarkerRecords;
using pcb::kCatalogVersionDigit;
using pcb::kMaxCatalogParts;
using pcb::kCatalogPartsWhenFull;
using pcb::kPackagePolygonVertices;
using pcb::FindNextPartRecord;
using pcb::PartPreview;
using pcb::kMaxPreviewObjects;

inline constexpr char kPackageBodyVersion = '<';
// A package body's pin sections (a "%cont" text starts the next one).
inline constexpr int kMaxPinSections = 11;

inline constexpr int kPackageBodyCatalog = 1;   // LoadPackageBody mode: catalogue records
inline constexpr int kPackageBodyExport = 4;    // LoadPackageBody mode: board export records

// Loads package LIBRARY\PART (or finds it loaded) and makes it the current package
// (g_packages.current). 1 when the package is there, else 0.
int LoadLibraryPart(std::string_view library, std::string_view part);
// "library\part": splits at the last backslash and loads the package; 0 without a backslash.
int LoadLibraryPartByPath(std::string_view name);

// Reads the package body at the file's position (the body header of a catalogue entry) into
// the next package slot under name; a package of that name already loaded is made current
// instead. 1 when the package is there, 0 when the table is full or the body is damaged.
int LoadPart(plat::Archive& file, std::string_view name);

// Reads a package body at the archive's position into package slot `slot` of the package
// tables (the slot's name is set by the caller); mode kPackageBodyCatalog or
// kPackageBodyExport. 1 on success; on failure the slot is cleared and its objects released.
int LoadPackageBody(plat::Archive& file, int slot, int mode);

// Writes package n as a package body (20-byte records): the description text first, then the
// objects of each pin section, sections separated by a "%cont" text.
void WritePackageBody(plat::Archive& file, int n);

// Adds "library/part" to list for each part of the library whose name (mode 1), description
// (mode 2) or either (mode 3) contains text, compared in capitals. 0 when the catalogue cannot
// be read, else 1.
int SearchLibraryParts(std::string_view library, std::string_view text,
                       std::vector<std::string>& list, int mode);
// The same, for the library browser's search: adds the "library/part" lines of the matches and
// returns how many it added (0 when the catalogue cannot be read).
int ListLibraryPackages(std::vector<std::string>& list, std::string_view library, std::string_view text, int mode);
// The description of one part of the catalogue ("" without one); nothing when the catalogue
// cannot be read or has no such part.
std::optional<std::string> ReadPartDescription(std::string_view library, std::string_view part);

// Opens the catalogue and positions it at the named part's body header; nothing when the
// catalogue or the part is missing.
std::optional<plat::Archive> OpenPartLibrary(std::string_view library, std::string_view part);

// Adds the name of every part, in capitals and in file order, to list. 0 when the catalogue
// cannot be opened ("Can't open file: %s").
int FillLibraryPartList(std::string_view library, std::vector<std::string>& list);

// Writes "<LIBRARY>.txt" beside the catalogue listing every part with its description and
// offers to show it. 1 when the list was written.
int WriteLibraryPartsList(std::string_view library);

// Mode 1 writes the current object array (g_board.objects 1..count) as the part, replacing an
// entry of that name after "Replace part %1?" or appending it; mode 3 deletes the entry. The
// catalogue is rewritten through "temp.tmp" in the library folder. 1 when it was rewritten.
inline constexpr int kRewriteReplace = 1;
inline constexpr int kRewriteDelete = 3;
int RewriteLibrary(std::string_view library, std::string_view part, int mode);

// Asks "Start new library: %s?" and on yes creates an empty catalogue. 1 when created.
int NewPartLibrary(std::string_view library);

// Reads the whole part at the file's position (its body header) into the current object array
// after g_board.count (footprint editor), its label placeholders and what follows them included,
// so that the editor gets back every text a save wrote; returns the number of objects appended.
int ReadPartRecords(plat::Archive& file);

// The part preview: reads the part at the file's position into the current object array from
// firstIndex on (at most 1,300 objects, never past the array) and measures what it read.
PartPreview ReadPartPreview(plat::Archive& file, int firstIndex);

// The catalogue form, for writers of whole libraries (tools, tests): the two header records,
// and one entry (markers, body header, name record, objects first..last of objects).
void WriteCatalogHeader(plat::Archive& file, int partCount);
void WriteCatalogEntry(plat::Archive& file, std::string_view partName, const BoardObject* objects,
                       int first, int last);

// The catalogue path of a library: library folder + library name cut at its first '.' +
// ".CAT". The package name of a part: LIBRARY\PART in capitals, the library cut at '.'.
std::string CatalogPath(std::string_view library);
std::string PackageName(std::string_view library, std::string_view part);
