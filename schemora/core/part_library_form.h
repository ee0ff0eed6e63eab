#pragma once
// The form in which the part editor's drawing goes into a part library, the form the part
// loader reads: each terminal's pin number and label become texts on the terminal, the
// reference and name records become the "U?" and "p?" placeholders, and the package and the
// comment become "%package" and ";" texts.

#include "schemora/core/draw_object.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class PartPinTable;

// Records 1 and 2 of a part the part editor starts: the reference text and the part's name.
inline constexpr int kPartReferenceTextX = -1000;
inline constexpr int kPartReferenceTextY = -700;
inline constexpr int kPartNameTextY = -650;
DrawObject PartEditorTextRecord(int x, int y, const char* text);

struct PartAttributeFields {
    std::string reference = "U";   // designator letters
    std::string package;
    std::string comment;
    // Hidden power pins: type 11 "v=", 12 "g=", 13 "v+=", 14 "v-=", and the pin text (number,
    // optionally "," and its name) that follows the key.
    std::vector<std::pair<int, std::string>> hiddenPins;
    int partsPerPackage = 1;       // "p=" written when above 1
    bool namePlaceholder = true;   // record 2 goes out as "p?" (a stored part may have none)
    std::vector<std::string> pinLists;   // the "%pins" texts of parts B, C, ...
    int symbols = 1;               // one "%cont" text for each symbol after the first
};

// Elements that own their word-10 data and free it when they go.
class OwnedElements {
public:
    OwnedElements() = default;
    ~OwnedElements();
    OwnedElements(OwnedElements&& other) noexcept : items_(std::move(other.items_)) { other.items_.clear(); }
    OwnedElements& operator=(OwnedElements&&) = delete;
    OwnedElements(const OwnedElements&) = delete;
    OwnedElements& operator=(const OwnedElements&) = delete;

    void add(DrawObject object) { items_.push_back(object); }
    std::span<const DrawObject> items() const { return items_; }
    // Hands the records with their data to the caller, leaving this empty.
    std::vector<DrawObject> release();

private:
    std::vector<DrawObject> items_;
};

// The library elements of the editor's records (records[0] the reference text, records[1] the
// name text, deleted records skipped).
OwnedElements LibraryElementsOfEditorPart(std::span<const DrawObject> records, const PartAttributeFields& fields);

// The hidden power pins of a part's pin table as the fields carry them.
std::vector<std::pair<int, std::string>> HiddenPowerPinFields(const PartPinTable& pins);

// Adds or replaces part in library with the editor's records; the current drawing is back as it
// was afterwards. 1 when the library was written.
int SaveEditorPartToLibrary(std::span<const DrawObject> records, const PartAttributeFields& fields,
                            std::string_view library, std::string_view part);
// The same as the build utility writes it, asking nothing (WriteBuiltPart).
int WriteBuiltEditorPart(std::span<const DrawObject> records, const PartAttributeFields& fields,
                         std::string_view library, std::string_view part);
