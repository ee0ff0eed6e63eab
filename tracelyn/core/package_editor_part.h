#pragma once
// The part that the footprint editor works on, as a library holds it and as the editor keeps
// it. The editor's store begins with two label records (the reference text "Ref(U)" and the
// name text); pads carry their pin numbers in their own field; the designator letters, the
// comment line and the edge-card flag live beside the store. A library part carries all of that
// as texts: a pin-number text at each numbered pad, "<letters>?", ";comment", "%cont" and the
// "p?" name label. Reading turns the texts back into the editor's form, saving the other way.

#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat { class Archive; }

inline constexpr int kPartEditorStoreSize = 5000;   // records 1 to 4999
inline constexpr int kRefTextIndex = 1;
inline constexpr int kNameTextIndex = 2;
inline constexpr int kPartEditorFirstFree = 3;
inline constexpr int32_t kPinTextStyle = 0x101;

// What the editor keeps beside its store.
struct PackageLabels {
    std::string designator = "U";
    std::string comment;
    bool edgeCard = false;
};

// Empties records 1 to the store's end and writes the two label records: "Ref(<designator>)" and
// the name, as texts on layer 0 of the given size word. The count (g_board.count) becomes 2.
void ResetPartEditorStore(BoardObject* objects, int capacity, std::string_view designator, std::string_view name,
                          int32_t refX, int32_t refY, int32_t nameX, int32_t nameY, int32_t sizeWord);

// "Ref(<letters>)".
std::string ReferenceText(std::string_view designator);

// Gives each pad the first text near it (within 50 units on both axes) on its layer, or on any
// layer for a pad on all layers, as its pin number (10 characters) and deletes the text.
void MovePinTextsIntoPads(BoardObject* objects, int count);

// Finds the label texts of a read part: the reference label ("U?") sets the designator and record
// 1, the name label ("p?") gives record 2 the part's name, ";" texts the comment, "%cont" the
// edge-card flag; each such text is deleted. Labels on layer 0 lend their position and kind word
// to the reserved records.
void RecognisePartTexts(BoardObject* objects, int count, std::string_view partName, PackageLabels& labels);

// Round, oval and square pads with a hole are drilled through every layer.
void MakeThroughPadsAllLayer(BoardObject* objects, int count);

// 1 + the largest pin number read as a decimal integer; 1 when no pad has one.
int NextPadNumber(const BoardObject* objects, int count);

// Reads the part at the file's position into the current store after its label records and turns
// it into the editor's form. The number of records read.
int LoadEditorPart(plat::Archive& file, std::string_view partName, PackageLabels& labels);

// The part as a library stores it: the comment first, the objects with a pin-number text at each
// numbered pad, the reference label, the "p?" name label (where the board's package loader closes
// the part) and "%cont" for an edge card. The records own their data.
std::vector<OwnedObject> PartLibraryImage(const BoardObject* objects, int count, const PackageLabels& labels);

// Points the current store at a library image of the editor's store for the length of a scope, so
// that the library's save writes the part with its labels; the editor's store comes back after.
class ScopedPartImage {
public:
    ScopedPartImage(const BoardObject* objects, int count, const PackageLabels& labels);
    ~ScopedPartImage();
    ScopedPartImage(const ScopedPartImage&) = delete;
    ScopedPartImage& operator=(const ScopedPartImage&) = delete;

private:
    std::vector<BoardObject> records_;   // 1-based like a store; owns its data
    BoardObject* savedObjects_;
    int32_t savedCapacity_;
    int32_t savedCount_;
};
