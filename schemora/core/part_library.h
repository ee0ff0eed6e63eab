#pragma once
// What reading a drawing needs of the part libraries and the part painter. The library loader
// defines the first group (part_library.cpp); the drawing code the rest.

#include "schemora/core/draw_object.h"

#include "platform/core/archive.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PartSymbol;

// ---- part libraries ----
//
// A library (".CON") or catalogue (".CAT") in the library folder: a header record whose first
// word is the number of parts and whose version character is a digit ('9' now), a title record,
// then per part four marker records, the part's header record, its name record and its element
// records with their trailers, as in a drawing.

inline constexpr char kLibraryVersion = '9';
inline constexpr int kMarkersPerPart = 4;
inline constexpr int kMaxGatesPerPackage = 8;
inline constexpr int kPinNumberSlots = 498;
inline constexpr int kPinNumberChars = 19;
inline constexpr int kPreviewRecords = 200;
// String-table ids of the messages below.
inline constexpr int kStrTooManyPartsPerPackage = 857;
inline constexpr int kStrTooManyPins = 858;
inline constexpr int kStrPartInPart = 922;
inline constexpr int kStrReplacePart = 945;
inline constexpr int kStrCantOpenFile = 7030;
// Messages of the full tables.
inline constexpr std::string_view kMsgSymbolTableFull = "Too many different parts loaded--part not loaded";
inline constexpr std::string_view kMsgSymbolStoreFull = "Part symbol store FULL--part not loaded";

// Modes of RewriteLibrary.
inline constexpr int kRewriteAddOrReplace = 1;
inline constexpr int kRewriteDelete = 3;

// The library file of that name (cut at '.', ".CON" or ".CAT" appended) in the library folder.
std::string LibraryFilePath(std::string_view library, bool catalogue);

// Opens the library (or catalogue) of that name, checks its header and stands the archive at
// the header record of part (compared in capitals). Nothing when the file cannot be read, its
// version is unsupported (with "Unsupported file format") or the part is absent.
std::optional<plat::Archive> OpenPartLibrary(std::string_view library, std::string_view part,
                                             bool catalogue);

// Reads forward past the four marker records that open the next part. 1 when found, 0 at the
// end of the file.
int FindNextPartRecord(plat::Archive& archive);

// Finds part in the library file of that name in the library folder and loads its symbol into
// g_partSymbols (reusing an entry of the same name). 1 on success, with g_partSymbols.current
// naming the symbol; 0 when the library or the part is missing or the table is full.
int LoadLibraryPart(std::string_view library, std::string_view part);
// The same for "LIBRARY\PART"; 0 without a backslash.
int LoadLibraryPartByPath(std::string_view libraryAndPart);
// Whether the library file a loaded symbol was read from has been written since (a part
// rebuilt into it by the build utility); false for symbols not read from a library.
bool SymbolLibraryChanged(const PartSymbol& symbol);

// The index of the loaded symbol of that full name (case-insensitive), or 0.
int FindLoadedSymbol(std::string_view fullName);

// Loads the symbol at the archive's position (a part's header record) under fullName, or
// reuses the loaded one of that name; 1 with g_partSymbols.current set, 0 when refused.
int LoadSymbol(std::string_view fullName, plat::Archive& archive);

// Reads one part definition from archive, which stands at the part's header record, into
// symbol entry symbolIndex (already added to g_partSymbols with its name). 1 on success, 0 when
// the definition is damaged or does not fit; the element store is then as it was.
int ReadPartSymbol(plat::Archive& archive, int symbolIndex);

// Gives the pin lines of the symbol their pin texts and aligns the pin labels.
void BindPinTexts(int symbolIndex);

// 1 when (px, py) lies on the orthogonal segment (x1, y1)-(x2, y2) within the tolerance.
int HitTestWire(int px, int py, int x1, int y1, int x2, int y2, int tolerance);

// The electrical kind a pin text marks by its last lower-case letter after the first character
// ('z' 3; 'o', 't', 'u' 2; 'q' 4; any other 1), and that letter; 0 without one.
int PinTextKind(std::string_view text, char* letter = nullptr);

// ---- reading parts into the current object array (part editor, previews) ----

// The extent of the part ReadPartPreview read last.
struct PreviewExtent {
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
};
extern PreviewExtent g_previewExtent;

// Reads at most kPreviewRecords element records of the part at the archive's position (its
// header record) into g_current.objects from index start + 1, stores the number read through
// count and leaves the part's extent in g_previewExtent.
void ReadPartPreview(int start, int* count, plat::Archive& archive, int mode);
// The text trailer of an element ("Bad string!" when it cannot be read).
std::string ReadPreviewText(plat::Archive& archive);
// Reads one part (archive at its header record) into g_current.objects from index 1; returns
// the number of objects read (at most 7,999).
int ReadPartRecords(plat::Archive& archive);

// ---- listing ----

// The upper-cased names of the parts of a library (or catalogue), in file order; the dialogs
// put them into their list box 404. False when the file cannot be read.
bool FillLibraryPartList(std::vector<std::string>& names, std::string_view library, bool catalogue);
bool ReadCatalog(std::vector<std::string>& names, std::string_view catalogue);
// One "PART/PACKAGE" line per part, the package from its "%package" text.
bool ListLibraryPackages(std::string_view library, std::vector<std::string>& lines);
// Adds "LIBRARY/PART" for each part whose name (kSearchByName) or description
// (kSearchByDescription) contains text, compared in capitals; returns the number added (0 when
// the library cannot be read).
// The "%package" text and the description of one part; false when the part is not there.
bool ReadLibraryPartTexts(std::string_view library, std::string_view part, std::string& package,
                          std::string& description);
inline constexpr int kSearchByName = 1;
inline constexpr int kSearchByDescription = 2;
int SearchLibraryParts(std::string_view library, std::string_view text, std::vector<std::string>& lines, int mode);

// ---- writing ----

// Writes the part of the current object array (g_current: objects 1..count, view centre,
// sheet size) as header, name and element records; the caller writes the four markers first.
void WritePartToLibrary(plat::Archive& archive, std::string_view partName);

// One part of a library written in one go (the starter libraries): its elements in order.
struct LibraryPart {
    std::string name;
    std::vector<DrawObject> elements;   // shallow records; the caller owns their data
};
// Writes a whole library or catalogue file (header with version '9', an all-zero title, the
// parts); what went wrong when it could not be written whole.
plat::WriteResult WritePartLibraryFile(const std::string& path, const std::vector<LibraryPart>& parts);

// Adds or replaces (kRewriteAddOrReplace, asking before it replaces) or deletes
// (kRewriteDelete) part in the library, from the current object array. 1 when the library was
// rewritten; 0, the library untouched, when it cannot be read or written or "Replace part" got No.
int RewriteLibrary(std::string_view library, std::string_view part, int mode);
// Adds or replaces part in the library from the current object array the way the build utility
// does, asking nothing: a missing library is created with the part in it, a part of that name is
// replaced, and a damaged library is left as it is (with a message). 1 when written.
int WriteBuiltPart(std::string_view library, std::string_view part);
// Creates an empty library after "Start new library: %s?"; 1 when created.
int NewPartLibrary(std::string_view library);
// Writes "<library>.txt" listing the parts and offers to show it.
int WriteLibraryPartsList(std::string_view library);

// Renames an old library family in place ("DEVICE" to "DEVIC1X", ...) unless the mapping is
// switched off in the settings. Drawings of versions before 10 name the old families.
void MapLibraryName(std::string& library);

// ---- part painter ----

// Sets a placed part's label anchor from its symbol's label placeholder.
void SetPartLabelAnchor(DrawObject& instance);
