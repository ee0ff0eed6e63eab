#pragma once
// Reading the records of a package body one object at a time, shared by the board program's
// package loader, its footprint editor's reader, the catalogue searches and the package preview
// both programs show. A body's records are 20 bytes from version 12 (and always in board export
// files), 16 bytes before.

#include "common/pcb/board_object.h"
#include "common/pcb/board_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat { class Archive; }

namespace pcb {

// Polygons in a package body carry a fixed block of this many vertices.
inline constexpr int kPackagePolygonVertices = 16;
inline constexpr size_t kPolygonBlockBytes = kPackagePolygonVertices * kVertexWords * 4;

// The body header and name record of a package.
struct PackageBodyHeader {
    int32_t count = 0;      // object records that follow, plus 1
    int version = 0;        // version character minus '0'
    std::string name;       // the name record's text
};

// Reads the body header and the name record (each headerSize bytes); nothing when the file
// ends first.
std::optional<PackageBodyHeader> ReadPackageBodyHeader(plat::Archive& file, size_t headerSize);

// The size of the object records of a body of this version.
size_t PackageRecordSize(int version, bool exportFile);

enum class BodyItem {
    Object,     // `object` holds the record and owns its data
    Skipped,    // a record that does not become an object (an empty text, a part, an outline)
    End,        // the file ended inside the record or what follows it
};

class PackageBodyReader {
public:
    // editorRules adds what only the footprint editor's reader does: lines of versions before 5
    // lose their width.
    PackageBodyReader(plat::Archive& file, int version, size_t recordSize, bool editorRules = false);

    // Reads the next record and what follows it (a text's string records, a polygon's vertex
    // block, an outline's segments); converts the words of old versions.
    BodyItem next(BoardObject& object);

    // Reads up to `records` records and hands each object to take(object), which owns it and
    // returns false to stop the reading; records without an object are passed over, the end of
    // the file stops the reading.
    template <typename Take>
    void forEachObject(int records, Take take)
    {
        for (int r = 0; r < records; ++r) {
            BoardObject o;
            const BodyItem item = next(o);
            if (item == BodyItem::End)
                return;
            if (item == BodyItem::Object && !take(o))
                return;
        }
    }

private:
    plat::Archive& file_;
    int version_;
    size_t recordSize_;
    bool editorRules_;
    BoardRecord record_{};
};

// True when text begins with prefix.
bool StartsWith(const char* text, std::string_view prefix);

// A package's name placeholder, a text beginning "p?": a marker that closes the part's objects
// and tells that the package has one. It is never drawn, printed, plotted or exported.
bool IsNamePlaceholder(const BoardObject& o);

}  // namespace pcb
