#include "schemora/core/drawing_file.h"

#include "common/file_reading.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/paths.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_parts.h"
#include "schemora/core/file_records.h"
#include "schemora/core/object_records.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string>

namespace {

constexpr int kOldestVersion = 8;
constexpr int kNewestVersion = 11;

// How many object records to read: the header's count, or up to the end of the file when the
// count is not positive, never more than the store takes from start on.
int recordLimit(int headerCount, int start, std::span<DrawObject> objects)
{
    int limit = headerCount;
    if (headerCount >= kMaxObjectsRead) {
        plat::MessageBox("Schematic FULL--objects not loaded");
        limit = kMaxObjectsRead;
    } else if (headerCount < 1) {
        limit = kMaxObjectsRead;
    }
    const int lastSlot = std::min<int>(kMaxObjectCount, static_cast<int>(objects.size()) - 1);
    return std::clamp(std::min(limit, lastSlot - start), 0, kMaxObjectsRead);
}

void takeHeader(DrawingDocData& doc, const DrawingHeader& h, int version)
{
    g_current.viewCentreX = doc.viewCentreX = h.viewCentreX;
    g_current.viewCentreY = doc.viewCentreY = h.viewCentreY;
    doc.zoomLevel = kDefaultZoomLevel;
    doc.grid = kDefaultGridCommand;
    doc.headerFlag = 1;
    doc.numberOfSheets = (h.numberOfSheets >= 1 && h.numberOfSheets <= kMaxSheets && version >= 11)
                             ? h.numberOfSheets : 1;
    doc.revision = (h.revision >= 'A' && h.revision <= 'Z') ? h.revision : 'A';
    doc.documentNumber = (h.documentNumber >= 1 && h.documentNumber <= 9999 && version > 10)
                             ? h.documentNumber : 1;
}

void takeTitle(DrawingDocData& doc, const FileRecord& record)
{
    const auto* chars = reinterpret_cast<const char*>(record.data());
    doc.setTitle(std::string_view(chars, std::find(chars, chars + kTitleChars, '\0') - chars));
}

// A drawing's writer always puts a revision letter into byte 9. A board's header has its size
// word in bytes 8 and 9: a letter 'A' to 'G' and 0.
bool couldBeDrawing(const FileRecord& record, int version)
{
    const bool boardSizeWord = record[8] >= 'A' && record[8] <= 'G' && record[9] == 0;
    return version >= kOldestVersion && version <= kNewestVersion && !boardSizeWord;
}

}  // namespace

int ReadDrawing(DrawingDocData& doc, int start, int* count, plat::Archive& archive,
                std::span<DrawObject> objects)
{
    if (count)
        *count = 0;
    start = std::max(start, 0);
    ResetEditToolAndSelection();
    doc.date = archive.times().modified;
    doc.creationTime = archive.times().created;
    PartResolution parts;
    parts.encapsulated = plat::hasExtension(archive.GetFilePath(), ".EPC");
    parts.symbolsBefore = g_partSymbols.count;

    // A file without a whole header and title, or whose header no drawing writer made, is
    // refused before anything of the document changes.
    FileRecord record, title;
    const bool headerRead = readRecord(archive, record);
    const DrawingHeader header = decodeHeader(record);
    const int version = header.version - '0';
    if (!headerRead || !couldBeDrawing(record, version) || !readRecord(archive, title)) {
        RefuseFile(archive);
        return 0;
    }
    const int limit = recordLimit(header.count, start, objects);
    takeHeader(doc, header, version);
    const char sheet = (header.sheetSize >= 'A' && header.sheetSize <= 'E') ? char(header.sheetSize) : 'A';
    g_current.sheetSize = sheet;
    doc.sheetSize = sheet;
    takeTitle(doc, title);

    const bool singleSheet = doc.numberOfSheets == 1;
    int read = 0;
    bool cutShort = false;
    while (read < limit) {
        DrawObject& slot = objects[start + 1 + read];
        const bool endBefore = archive.atEnd();
        const RecordRead result = ReadObjectRecord(archive, version, singleSheet, slot);
        if (result == RecordRead::PartMarker)
            parts.markersSeen = 1;
        // A positive count promised more records than came before the end or the part
        // definitions; without one, only a record cut in two is damage.
        const bool fewerThanCounted = header.count >= 1 && result != RecordRead::Object;
        cutShort = fewerThanCounted || (result == RecordRead::End && !endBefore);
        if (result != RecordRead::Object)
            break;
        ++read;
    }
    // The header counts the records that follow: fewer records than the count, a record cut
    // short, or records beyond the count of a drawing that carries no part definitions mean a
    // damaged file. (Drawings from elsewhere whose count took in deleted slots get the
    // question too.)
    const bool recordsBeyondCount = read == header.count && !parts.encapsulated && !archive.atEnd();
    if (cutShort || recordsBeyondCount)
        ReportPartlyRead(archive, read);
    parts.version = version;
    if (read > 0)
        ResolveDrawingParts(objects.subspan(start + 1, read), archive, parts);
    if (count)
        *count = read;
    return read;
}

void WriteDrawing(DrawingDocData& doc, plat::Archive& archive, int mode, std::string_view path)
{
    doc.date = std::time(nullptr);
    const int last = g_current.liveCount();
    DrawingHeader header;
    // The header counts the records written, deleted slots write none: a reader can then tell a
    // whole file from one that ends early.
    const auto live = [](const DrawObject& o) { return o.type() != kObjDeleted; };
    const auto first = g_current.objects.begin() + 1;
    header.count = last >= 1 ? static_cast<int16_t>(std::count_if(first, first + last, live)) : int16_t{0};
    header.viewCentreX = static_cast<int16_t>(g_current.viewCentreX);
    header.viewCentreY = static_cast<int16_t>(g_current.viewCentreY);
    header.sheetSize = static_cast<uint8_t>(g_current.sheetSize);
    header.revision = static_cast<uint8_t>(doc.revision);
    header.version = mode == kWritePreviousVersion ? kVersionPrevious : kVersionCurrent;
    header.documentNumber = static_cast<int16_t>(doc.documentNumber);
    header.numberOfSheets = static_cast<int16_t>(doc.numberOfSheets);
    writeRecord(archive, encodeHeader(header));

    // The previous version's readers took the file's own name as its title.
    const std::string title = mode == kWritePreviousVersion ? plat::upperCaseAscii(path) : std::string(doc.titleText());
    FileRecord titleRecord{};
    std::copy_n(title.begin(), std::min(title.size(), size_t(kTitleChars)), titleRecord.begin());
    writeRecord(archive, titleRecord);

    for (int i = 1; i <= last; ++i)
        if (g_current.objects[i].type() != kObjDeleted)
            WriteObjectRecord(archive, g_current.objects[i]);
    SetStatusIcon(kStatusIconSaved, kStatusIconPane);
}
