// Writing parts into libraries: whole starter libraries, and adding, replacing or deleting one
// part of an existing library.
#include "common/file_reading.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/file_records.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/object_records.h"
#include "schemora/core/part_library.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

FileRecord libraryHeader(int parts)
{
    DrawingHeader h;
    h.count = static_cast<int16_t>(std::clamp(parts, 0, 32767));
    h.sheetSize = 0;
    h.revision = 0;
    h.version = kLibraryVersion;
    h.documentNumber = 0;
    h.numberOfSheets = 0;
    return encodeHeader(h);
}

void writeMarkers(plat::Archive& archive)
{
    for (int i = 0; i < kMarkersPerPart; ++i)
        writeRecord(archive, partMarkerRecord());
}

void writePart(plat::Archive& archive, std::string_view name, std::span<const DrawObject> elements,
               int viewCentreX, int viewCentreY, char sheetSize)
{
    DrawingHeader h;
    h.count = static_cast<int16_t>(std::count_if(elements.begin(), elements.end(),
                                                 [](const DrawObject& o) { return o.type() != kObjDeleted; }));
    h.viewCentreX = static_cast<int16_t>(viewCentreX);
    h.viewCentreY = static_cast<int16_t>(viewCentreY);
    h.sheetSize = static_cast<uint8_t>(sheetSize);
    h.version = kVersionCurrent;
    writeRecord(archive, encodeHeader(h));
    writeRecord(archive, PartNameRecord(name));
    for (const DrawObject& o : elements)
        if (o.type() != kObjDeleted)
            WriteObjectRecord(archive, o);
}

// One part of an existing library: its records from its header record up to the next markers.
struct StoredPart {
    std::string name;
    Bytes records;
};

// A library's records after its header and title, split the way the reader finds its parts:
// after four markers in a row the next two records are the part's header and name whatever they
// hold, and the search for the next four markers starts after them.
struct SplitLibrary {
    Bytes leading;                 // records before the first part, which no reader reaches
    std::vector<StoredPart> parts;
    // What a rewrite cannot keep as it was read: a part without a proper header and name, markers
    // ending the file (they would join the next part's markers) or a last record cut short.
    bool damaged = false;
};

SplitLibrary splitParts(const Bytes& bytes)
{
    SplitLibrary split;
    const size_t records = bytes.size() / kRecordBytes;
    split.damaged = bytes.size() % kRecordBytes != 0;
    int markers = 0;
    for (size_t r = 2; r < records; ++r) {
        FileRecord record;
        std::copy_n(bytes.begin() + static_cast<long>(r * kRecordBytes), kRecordBytes, record.begin());
        Bytes& into = split.parts.empty() ? split.leading : split.parts.back().records;
        const size_t held = split.parts.empty() ? 0 : into.size() / kRecordBytes;
        if (!split.parts.empty() && held < 2) {
            // The part's header and name, taken as they come.
            split.damaged = split.damaged || isPartMarker(record);
            if (held == 1)
                split.parts.back().name = PartNameOf(record);
            into.insert(into.end(), record.begin(), record.end());
            continue;
        }
        if (isPartMarker(record)) {
            if (++markers == kMarkersPerPart) {
                split.parts.emplace_back();
                markers = 0;
            }
            continue;
        }
        // Fewer than four markers in a row are ordinary records.
        const FileRecord marker = partMarkerRecord();
        for (; markers > 0; --markers)
            into.insert(into.end(), marker.begin(), marker.end());
        into.insert(into.end(), record.begin(), record.end());
    }
    split.damaged = split.damaged || markers > 0;
    // A last part cut off before its name has no name to be found by; the next part written
    // after it would lend it one.
    if (!split.parts.empty() && split.parts.back().records.size() < 2 * kRecordBytes) {
        split.parts.pop_back();
        split.damaged = true;
    }
    return split;
}

void writeNewPart(plat::Archive& out, std::string_view part)
{
    writeMarkers(out);
    WritePartToLibrary(out, part);
}

}  // namespace

void WritePartToLibrary(plat::Archive& archive, std::string_view partName)
{
    const int last = g_current.liveCount();
    const std::span<const DrawObject> objects =
        last > 0 ? std::span<const DrawObject>(g_current.objects.subspan(1, last)) : std::span<const DrawObject>();
    writePart(archive, partName, objects, g_current.viewCentreX, g_current.viewCentreY, g_current.sheetSize);
}

plat::WriteResult WritePartLibraryFile(const std::string& path, const std::vector<LibraryPart>& parts)
{
    plat::Archive out(plat::Archive::Mode::Store);
    writeRecord(out, libraryHeader(static_cast<int>(parts.size())));
    writeRecord(out, FileRecord{});
    for (const LibraryPart& part : parts) {
        writeMarkers(out);
        writePart(out, part.name, part.elements, 0, 0, 'A');
    }
    return plat::writeFileAtomically(plat::resolvePath(path), out.bytes());
}

namespace {

// The bytes of a library without parts: a header of zeros with the version character and an
// all-zero title.
Bytes emptyLibrary()
{
    plat::Archive out(plat::Archive::Mode::Store);
    FileRecord header{};
    header[10] = static_cast<uint8_t>(kLibraryVersion);
    writeRecord(out, header);
    writeRecord(out, FileRecord{});
    return out.takeBytes();
}

// Who settles what a rewrite would otherwise ask the person.
enum class Asking { Person, Nobody };

// A damaged library is rewritten with only what can be read of it, and only when the person
// agrees; nobody is there to agree when the build utility writes, so it stays as it is.
bool mayRewriteDamaged(const std::string& path, Asking asking)
{
    const std::string damaged = "The library " + path + " is damaged: rewriting it keeps only what can be read of it.";
    if (asking == Asking::Nobody) {
        plat::MessageBox(damaged);
        return false;
    }
    return plat::MessageBox(damaged + " Rewrite it?", plat::kMbYesNo | plat::kMbIconExclamation) == plat::kIdYes;
}

// The library's bytes with part added, replaced or deleted; nothing when the rewrite stops
// (with its message, or after a No).
std::optional<Bytes> rewrittenLibrary(const Bytes& bytes, const std::string& path, std::string_view part, int mode,
                                      Asking asking)
{
    if (bytes.size() < 2 * kRecordBytes) {
        plat::MessageBox("Unsupported file format");
        return std::nullopt;
    }
    FileRecord headerRecord, titleRecord;
    std::copy_n(bytes.begin(), kRecordBytes, headerRecord.begin());
    std::copy_n(bytes.begin() + kRecordBytes, kRecordBytes, titleRecord.begin());
    const DrawingHeader header = decodeHeader(headerRecord);
    if (header.version > kLibraryVersion) {
        plat::MessageBox("Unsupported file format");
        return std::nullopt;
    }
    const SplitLibrary split = splitParts(bytes);
    if (split.damaged && !mayRewriteDamaged(path, asking))
        return std::nullopt;
    const std::vector<StoredPart>& parts = split.parts;
    const std::string wanted = StoredPartName(part);

    plat::Archive out(plat::Archive::Mode::Store);
    writeRecord(out, headerRecord);   // rewritten with the true count below
    writeRecord(out, titleRecord);
    out.Write(split.leading.data(), split.leading.size());
    int written = 0;
    bool found = false;
    for (const StoredPart& p : parts) {
        if (p.name == wanted) {
            found = true;
            if (mode == kRewriteDelete)
                continue;
            if (mode == kRewriteAddOrReplace) {
                const std::string question = "Replace part " + std::string(part) + "?";
                // Declined: the library stays as it is and the caller learns nothing was saved.
                if (asking == Asking::Person && plat::MessageBox(question, plat::kMbYesNo) != plat::kIdYes)
                    return std::nullopt;
                writeNewPart(out, wanted);
                ++written;
                continue;
            }
        }
        writeMarkers(out);
        out.Write(p.records.data(), p.records.size());
        ++written;
    }
    if (mode == kRewriteAddOrReplace && !found) {
        writeNewPart(out, wanted);
        ++written;
    }
    if (static_cast<int>(parts.size()) != header.count)
        plat::MessageBox("Corrected parts count");
    Bytes result = out.takeBytes();
    DrawingHeader corrected = header;
    corrected.count = static_cast<int16_t>(written);
    const FileRecord newHeader = encodeHeader(corrected);
    std::copy(newHeader.begin(), newHeader.end(), result.begin());
    return result;
}

// The library is made anew from the copy in one step: failing that is failing to create it.
int replaceLibraryFile(const std::string& path, const std::optional<Bytes>& bytes)
{
    if (!bytes)
        return 0;
    if (const plat::WriteResult saved = plat::writeFileAtomically(path, *bytes); !saved) {
        plat::MessageBox(saved.message("Can't open file: " + path));
        return 0;
    }
    return 1;
}

}  // namespace

int RewriteLibrary(std::string_view library, std::string_view part, int mode)
{
    const std::string path = plat::resolvePath(LibraryFilePath(library, false));
    // The library is copied in memory and replaced in one step, so no "temp.tmp" is left
    // behind; a library that cannot be read is the failure of setting that copy aside.
    auto old = LoadFileForReader(path, kMaxLibraryFileBytes, "Error in Temp file!");
    if (!old)
        return 0;
    return replaceLibraryFile(path, rewrittenLibrary(old->bytes(), path, part, mode, Asking::Person));
}

int WriteBuiltPart(std::string_view library, std::string_view part)
{
    const std::string path = plat::resolvePath(LibraryFilePath(library, false));
    std::optional<plat::Archive> old;
    // A folder or pipe in the library's place is refused by its kind, not written over.
    if (plat::pathExists(path) && !(old = LoadFileForReader(path, kMaxLibraryFileBytes, "Can't open file: " + path)))
        return 0;
    const Bytes bytes = old ? old->bytes() : emptyLibrary();
    return replaceLibraryFile(path, rewrittenLibrary(bytes, path, part, kRewriteAddOrReplace, Asking::Nobody));
}

int NewPartLibrary(std::string_view library)
{
    const std::string base(library.substr(0, library.find('.')));
    if (plat::MessageBox("Start new library: " + base + "?", plat::kMbYesNo, "New Library") != plat::kIdYes)
        return 0;
    const std::string path = LibraryFilePath(base, false);
    if (const plat::WriteResult saved = plat::writeFileAtomically(plat::resolvePath(path), emptyLibrary()); !saved) {
        plat::MessageBox(saved.message("Can't open file: " + path));
        return 0;
    }
    return 1;
}
