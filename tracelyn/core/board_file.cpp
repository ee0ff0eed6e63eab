#include "tracelyn/core/board_file.h"

#include "common/file_reading.h"
#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_records.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/core_services.h"
#include "tracelyn/core/little_endian.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// The header keeps the view origin in mils, the logical unit of the starting zoom.
constexpr int64_t kBoardUnitsPerMil = 10;

constexpr int kNewestReadableVersion = 13;
constexpr int kNegativeCountStandIn = 31000;
constexpr int kMarkerRecordsPerBlock = 4;
constexpr int32_t kMissingPartTextSize = 0x200;

// ---- writing ----

void writeRecord(plat::Archive& archive, const BoardRecord& record)
{
    archive.Write(record.data(), record.size());
}

void writeWords(plat::Archive& archive, const int32_t* words, size_t count)
{
    std::vector<uint8_t> bytes(count * 4);
    for (size_t i = 0; i < count; ++i)
        le::put32(bytes, 4 * i, words[i]);
    archive.Write(bytes.data(), bytes.size());
}

std::string partNameString(const BoardObject& part)
{
    std::string name = part.text() ? part.text() : "";
    if (part.kind() > kKindPart) {
        name += '!';
        name += PackageNameOf(part.package());
    }
    return name;
}

void writeObject(plat::Archive& archive, const BoardObject& object)
{
    BoardObject copy = object;
    switch (object.kind()) {
    case kKindText:
        writeRecord(archive, EncodeObjectRecord(copy));
        WriteStringRecords(archive, object.text() ? object.text() : "");
        return;
    case kKindPolygon:
        // A list the record cannot describe is written empty rather than read out of bounds.
        copy.w[2] = object.points() ? std::clamp(object.w[2], 0, 0x7FFF) : 0;
        writeRecord(archive, EncodeObjectRecord(copy));
        writeWords(archive, object.points(), static_cast<size_t>(copy.w[2]) * kVertexWords);
        return;
    case kKindOutline:
        copy.w[2] = object.points() ? std::clamp(object.w[2], 0, kMaxOutlineSegments) : 0;
        writeRecord(archive, EncodeObjectRecord(copy));
        writeWords(archive, object.points(), static_cast<size_t>(copy.w[2]) * kSegmentWords);
        return;
    default:
        writeRecord(archive, EncodeObjectRecord(copy));
        if (object.isPart())
            WriteStringRecords(archive, partNameString(object));
        return;
    }
}

void writePackageBlocks(plat::Archive& archive, int count)
{
    std::array<bool, kPackageTableSize> written{};
    for (int i = 1; i <= count; ++i) {
        const BoardObject& object = g_board.objects[i];
        if (object.kind() <= kKindPart)
            continue;
        const std::string_view name = PackageNameOf(object.package());
        const int n = name.empty() ? 0 : FindLoadedPackage(name);
        if (n == 0 || written[n])
            continue;
        for (int m = 0; m < kMarkerRecordsPerBlock; ++m)
            writeRecord(archive, EncodeMarkerRecord());
        WritePackageBody(archive, n);
        written[n] = true;
    }
}

// ---- reading ----

enum class Outcome { Kept, Dropped, Stop };

struct PartName {
    bool bang = false;          // label!package form
    bool split = false;         // a ':' split the label (suffix) or the name (prefix)
    std::string label;          // label, or the prefix of a name without '!'
    std::string suffix;
    std::string library;
    std::string part;
};

PartName splitPartName(std::string_view name)
{
    PartName p;
    std::string_view ref = name;
    if (const size_t bang = name.find('!'); bang != std::string_view::npos) {
        p.bang = true;
        const std::string_view label = name.substr(0, bang);
        ref = name.substr(bang + 1);
        const size_t colon = label.find(':');
        p.split = colon != std::string_view::npos;
        p.label = label.substr(0, colon);
        if (p.split)
            p.suffix = label.substr(colon + 1);
    } else if (const size_t colon = name.find(':'); colon != std::string_view::npos) {
        p.split = true;
        p.label = name.substr(0, colon);
        ref = name.substr(colon + 1);
    }
    const size_t last = ref.rfind('\\');
    if (last == std::string_view::npos) {
        p.library = "old";
        p.part = ref;
        return p;
    }
    p.part = ref.substr(last + 1);
    const size_t before = last == 0 ? std::string_view::npos : ref.rfind('\\', last - 1);
    p.library = before == std::string_view::npos ? ref.substr(0, last) : ref.substr(before + 1, last - before - 1);
    return p;
}

void replaceText(BoardObject& object, const std::string& text)
{
    char* old = object.text();
    FreeStr(old);
    object.data = StrDupChecked(text);
}

class BoardReader {
public:
    BoardReader(plat::Archive& file, int mode) : file_(file), mode_(mode) {}
    void run(int firstIndex, int32_t* count);

private:
    bool readHeader(int32_t* count);
    bool readRecord() { return file_.Read(record_.data(), recordSize_) == recordSize_; }
    // The next object record: Whole, End (the file ends between records) or Cut (inside one).
    enum class Next { Whole, End, Cut };
    Next readObjectRecord();
    Outcome readObject(int slot);
    Outcome readText(BoardObject& o);
    Outcome readPolygon(BoardObject& o);
    Outcome readOutline(BoardObject& o, int slot);
    Outcome readPart(BoardObject& o);
    std::optional<std::string> readString();
    bool readWords(int32_t* words, size_t count);
    bool skipBytes(size_t bytes);
    void resolveParts(int first, int last);
    void resolveFromLibrary(BoardObject& part);
    void resolveFromExport(BoardObject& part);
    int loadEmbeddedPackage(const std::string& name);

    plat::Archive& file_;
    int mode_;
    int version_ = 0;
    size_t recordSize_ = kOldRecordSize;
    std::array<uint8_t, kRecordSize> record_{};
    bool toldNoPackageNumber_ = false;
    bool countCapped_ = false;   // the header counted more objects than a board holds
    int pendingMarkers_ = 0;     // marker records of the first package block met among the objects
};

BoardReader::Next BoardReader::readObjectRecord()
{
    const size_t got = file_.Read(record_.data(), recordSize_);
    if (got == recordSize_)
        return Next::Whole;
    return got == 0 ? Next::End : Next::Cut;
}

void BoardReader::run(int firstIndex, int32_t* count)
{
    g_selection.count = 0;
    g_edit.toolMode = 0;
    g_router.ratsNestCount = 0;
    g_edit.keyEditState = 0;
    SetStatusIcon(kIconFileLoading, kPaneIcon);

    int filled = 0;
    firstIndex = std::max(firstIndex, 0);
    const int lastSlot = std::min(g_board.capacity, kBoardStoreSize) - 1;
    if (g_board.objects != nullptr && !readHeader(count)) {
        RefuseFile(file_);
        *count = 0;
        return;
    }
    if (g_board.objects != nullptr) {
        // Old boards had no outline of their own: they get the default one as object 1.
        int slot = firstIndex + 1;
        if (version_ <= 11 && firstIndex == 0) {
            CreateDefaultOutline();
            slot = 2;
            filled = 1;
        }
        const int firstNew = slot;
        bool cutShort = false;
        int32_t r = 0;
        for (; r < *count && slot <= lastSlot; ++r) {
            // A header may count deleted slots, which write no records: a file ending between
            // two records before its count is whole. One ending inside a record is not.
            const Next next = readObjectRecord();
            if (next != Next::Whole) {
                cutShort = next == Next::Cut;
                break;
            }
            // An export whose count took in deleted slots reaches its package blocks early.
            if (mode_ == kFileModeExport && IsMarkerRecord(std::span<const uint8_t>(record_.data(), recordSize_))) {
                pendingMarkers_ = 1;
                break;
            }
            const Outcome outcome = readObject(slot);
            if (outcome == Outcome::Stop) {
                cutShort = true;
                break;
            }
            if (outcome == Outcome::Kept) {
                ++slot;
                ++filled;
            }
        }
        // A record or string cut short, or records beyond the count of a plain board, mean a
        // damaged file.
        const bool recordsBeyondCount = r == *count && !countCapped_ && mode_ == kFileModeBoard && !file_.atEnd();
        if (cutShort || recordsBeyondCount)
            ReportPartlyRead(file_, filled);
        g_board.count = firstIndex + filled;
        resolveParts(firstNew, slot - 1);
        // Before version 11 coordinates were whole mils.
        if (version_ < 11)
            RescaleObjects(10.0, 10.0, g_board.objects, firstIndex + 1, firstIndex + filled);
    }
    *count = filled;
    g_load.justLoaded = true;
    SetStatusText("Loaded " + std::to_string(filled) + " elements", kPaneMessage);
    ReadRouterStrategy(file_.GetFilePath());
}

bool BoardReader::readHeader(int32_t* count)
{
    *count = 0;
    if (file_.Read(record_.data(), kOldRecordSize) != kOldRecordSize)
        return false;
    int32_t n = le::getS16(record_, 0);
    version_ = static_cast<int>(record_[10]) - '0';
    // A version this program does not know, or a size word no board writer made (a drawing
    // has its revision letter in that word's high byte), is not a board to open: the caller
    // refuses it before anything changes.
    if (version_ < 0 || version_ > kNewestReadableVersion || record_[9] != 0)
        return false;
    if (version_ >= 9)
        n = le::getS32(record_, 0);
    // A negative count stands for "as many as there are": the file's end ends it.
    if (n < 0)
        n = kNegativeCountStandIn;
    if (n >= kMaxBoardObjects) {
        plat::MessageBox("Database FULL--objects not loaded");
        n = kMaxBoardObjects;
        countCapped_ = true;
    }
    *count = n;

    int32_t letter = le::getS16(record_, 8);
    if (letter < 'A' || letter > 'G')
        letter = 'A';
    g_board.sizeLetter = letter;
    if (BoardDocumentData* doc = g_active.data) {
        // A board opens on its work area: an origin beyond it (a damaged header) is taken as
        // the centre.
        const WorkAreaSize area = WorkAreaOf(letter);
        const auto within = [](int32_t origin, int32_t size) { return std::abs(origin) <= size / 2 ? origin : 0; };
        doc->viewOriginX = within(le::getS16(record_, 4), area.width);
        doc->viewOriginY = within(le::getS16(record_, 6), area.height);
        doc->zoomIndex = kNewBoardZoomIndex;
        doc->gridCommand = kNewBoardGridCommand;
        doc->sizeLetter = letter;
    }
    if (version_ >= 11) {
        recordSize_ = kRecordSize;
        if (file_.Read(record_.data() + kOldRecordSize, kRecordSize - kOldRecordSize) != kRecordSize - kOldRecordSize)
            return false;
    }
    return readRecord();   // the second record names a library part; a board ignores it
}

Outcome BoardReader::readObject(int slot)
{
    BoardObject o;
    DecodeObjectRecord(std::span<const uint8_t>(record_.data(), recordSize_), version_, o);
    const int kind = o.kind();
    Outcome outcome = Outcome::Kept;
    if (kind == kKindText)
        outcome = readText(o);
    else if (kind == kKindPolygon)
        outcome = readPolygon(o);
    else if (kind == kKindOutline)
        outcome = readOutline(o, slot);
    else if (kind == kPartRecordKind || kind == kKindPart)
        outcome = readPart(o);
    else if (kind > kKindPart)
        outcome = Outcome::Dropped;   // no writer makes these; as parts they would name any package
    else if (kind == kKindRectangle && version_ < 8) {
        // Old files stored the second corner, not the size.
        o.w[2] -= o.w[0];
        o.w[3] -= o.w[1];
    }
    if (outcome == Outcome::Kept)
        g_board.objects[slot] = o;
    return outcome;
}

std::optional<std::string> BoardReader::readString()
{
    if (version_ >= 8)
        return ReadStringRecords(file_, recordSize_);
    // Old files begin the string in bytes 8 to 15 of the object's own record.
    const std::string inRecord(record_.begin() + 8, record_.begin() + 16);
    return ReadStringRecords(file_, recordSize_, inRecord);
}

Outcome BoardReader::readText(BoardObject& o)
{
    o.w[3] = version_ >= 8 ? le::getS16(record_, 8) : 0;
    const std::optional<std::string> text = readString();
    if (!text)
        return Outcome::Stop;
    if (text->empty())
        return Outcome::Dropped;
    o.data = StrDupChecked(*text);
    return Outcome::Kept;
}

bool BoardReader::readWords(int32_t* words, size_t count)
{
    constexpr size_t kChunkWords = 1024;
    std::array<uint8_t, kChunkWords * 4> bytes;
    for (size_t done = 0; done < count;) {
        const size_t n = std::min(kChunkWords, count - done);
        if (file_.Read(bytes.data(), n * 4) != n * 4)
            return false;
        for (size_t i = 0; i < n; ++i)
            if (words != nullptr)
                words[done + i] = le::getS32(bytes, 4 * i);
        done += n;
    }
    return true;
}

bool BoardReader::skipBytes(size_t bytes)
{
    return file_.SeekRelative(static_cast<long>(bytes));
}

Outcome BoardReader::readPolygon(BoardObject& o)
{
    // Files before version 12 carry a polygon's record without its vertices.
    if (version_ < 12)
        return Outcome::Dropped;
    o.w[3] = le::getS16(record_, 8);
    o.w[5] = le::getS16(record_, 10);
    o.w[6] = le::getS16(record_, 12);
    o.w[7] = le::getS16(record_, 14);
    if (o.w[2] < 0)
        return Outcome::Dropped;
    if (o.w[2] == 0)
        return Outcome::Kept;
    const size_t words = static_cast<size_t>(o.w[2]) * kVertexWords;
    int32_t* vertices = NewPointBlock(words);
    if (vertices == nullptr)
        return skipBytes(words * 4) ? Outcome::Dropped : Outcome::Stop;
    if (!readWords(vertices, words)) {
        FreePointBlock(vertices);
        return Outcome::Stop;
    }
    o.data = vertices;
    return Outcome::Kept;
}

Outcome BoardReader::readOutline(BoardObject& o, int slot)
{
    o.w[3] = le::getS16(record_, 8);
    o.w[5] = le::getS16(record_, 10);
    o.w[6] = le::getS16(record_, 12);
    o.w[7] = le::getS16(record_, 14);
    // Files before version 12 write the outline as a plain record without its segments.
    const int segments = version_ < 12 ? 0 : std::max(o.w[2], 0);
    const size_t words = static_cast<size_t>(segments) * kSegmentWords;
    if (slot != 1) {
        // A board has one outline, object 1; others are read past and left deleted.
        o = BoardObject{};
        return skipBytes(words * 4) ? Outcome::Kept : Outcome::Stop;
    }
    // The block holds 50 segments; further segments in the file are read past.
    const int kept = std::min(segments, kMaxOutlineSegments);
    int32_t* block = NewPointBlock(kOutlineBlockWords);
    const size_t keptWords = static_cast<size_t>(kept) * kSegmentWords;
    if (!readWords(block, keptWords) || !skipBytes((words - keptWords) * 4)) {
        FreePointBlock(block);
        return Outcome::Stop;
    }
    o.w[2] = block ? kept : 0;
    o.data = block;
    return Outcome::Kept;
}

Outcome BoardReader::readPart(BoardObject& o)
{
    const int32_t stored = o.w[4];
    o.w[4] = (stored & 0xFF80) | kKindPart;
    o.w[2] = o.w[3] = o.w[5] = o.w[6] = o.w[7] = 0;
    if (version_ < 8) {
        // Old files kept the orientation in the flag bits: quarter turns and mirror.
        static constexpr int32_t kQuarterTurns[4] = {0, 900, 1800, 2700};
        const int32_t bits = stored >> 7;
        o.w[5] = le::getS16(record_, 6);
        o.w[6] = kQuarterTurns[(bits & 6) / 2] + ((bits & 1) ? 4096 : 0);
    } else {
        o.w[2] = le::getS16(record_, 6);
        o.w[3] = le::getS16(record_, 8);
        o.w[5] = le::getS16(record_, 10);
        o.w[6] = le::getS16(record_, 12);
        o.w[7] = le::getS16(record_, 14);
    }
    const std::optional<std::string> name = readString();
    if (!name)
        return Outcome::Stop;
    if (version_ < 10)
        o.w[7] = (o.w[5] >> 6) & 0x1FF;   // reference number
    o.data = StrDupChecked(*name);
    return Outcome::Kept;
}

void BoardReader::resolveParts(int first, int last)
{
    for (int i = first; i <= last; ++i) {
        BoardObject& object = g_board.objects[i];
        if (object.kind() != kKindPart)
            continue;
        if (mode_ == kFileModeExport)
            resolveFromExport(object);
        else
            resolveFromLibrary(object);
    }
}

void BoardReader::resolveFromLibrary(BoardObject& part)
{
    const PartName p = splitPartName(part.text() ? part.text() : "");
    if (LoadLibraryPart(p.library, p.part) == 0) {
        // The part stays visible where it was, as a note of what is missing.
        replaceText(part, "Missing part! (" + p.library + "-" + p.part + ")");
        part.w[4] = kKindText;
        part.w[2] = kMissingPartTextSize;
        part.w[3] = part.w[5] = 0;
        return;
    }
    const std::string ref = p.library + "\\" + p.part;
    const int package = g_packages.current;
    std::string name;
    if (!p.bang)
        name = p.split ? p.label + ":" + ref : ref;
    else if (version_ >= 12 && package >= 1 && package <= kMaxPartPackage) {
        name = p.split ? p.label + ":" + p.suffix : p.label;
        part.setKind(kKindPart + package);
    } else {
        if (version_ >= 12 && !toldNoPackageNumber_) {
            // The part keeps its full name and is saved as it was read; it is only not drawn.
            plat::MessageBox("Too many packages in use: " + ref + " and later packages are not drawn. "
                             "Close a board and open this one again.");
            toldNoPackageNumber_ = true;
        }
        name = (p.split ? p.label + ":" + p.suffix : p.label) + "!" + ref;
    }
    replaceText(part, name);
}

int BoardReader::loadEmbeddedPackage(const std::string& name)
{
    int markers = std::exchange(pendingMarkers_, 0);
    for (int r = 0; r < kMaxRecordsBeforePackage && markers < kMarkerRecordsPerBlock; ++r) {
        if (!readRecord())
            break;
        if (IsMarkerRecord(std::span<const uint8_t>(record_.data(), recordSize_)))
            ++markers;
    }
    if (g_packages.count >= kMaxPackages)
        return 0;   // the package table is full: the part stays unresolved
    const int slot = ++g_packages.count;
    g_packages.defs[slot] = PackageDef{};
    g_packages.defs[slot].name = name;
    if (LoadPackageBody(file_, slot, kPackageBodyExport) == 0) {
        plat::MessageBox("Can't get part");
    } else {
        ComputePartExtent(slot);
        // The pads take their pin names as a library part's do: the nets find them by name.
        AttachPinLabels(slot);
    }
    return slot;
}

void BoardReader::resolveFromExport(BoardObject& part)
{
    const std::string full = part.text() ? part.text() : "";
    const size_t bang = full.find('!');
    const std::string name = plat::upperCaseAscii(bang == std::string::npos ? full : full.substr(bang + 1));
    int package = FindLoadedPackage(name);
    if (package == 0)
        package = loadEmbeddedPackage(name);
    if (package < 1 || package > kMaxPartPackage)
        return;
    part.setKind(kKindPart + package);
    // The kind names the package now: the text keeps only the label (and its suffix), or a
    // save would add the package name once more every time.
    replaceText(part, bang == std::string::npos ? std::string() : full.substr(0, bang));
    int placeholder = 0;
    SetPartLabelAnchor(part, &placeholder);
}

}  // namespace

BoardWriteStart StartBoardWrite()
{
    BoardWriteStart start;
    start.lastIndex = g_board.objects ? std::clamp(g_board.count, 0, g_board.capacity - 1) : 0;
    if (start.lastIndex >= 1) {
        const auto live = [](const BoardObject& o) { return o.kind() != kKindDeleted; };
        start.header.count = static_cast<uint32_t>(
            std::count_if(g_board.objects + 1, g_board.objects + start.lastIndex + 1, live));
    }
    // Every board is opened at the starting zoom, so the origin is written in that zoom's units
    // (mils), within the work area: a board saved zoomed in reopens where it was shown.
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int64_t unitsPerLogical = BoardUnitsPerLogical();
    const auto saved = [unitsPerLogical](int32_t origin, int32_t size) {
        const int64_t mils = int64_t{origin} * unitsPerLogical / kBoardUnitsPerMil;
        return static_cast<int16_t>(std::clamp<int64_t>(mils, -size / 2, size / 2));
    };
    start.header.viewOriginX = saved(g_board.viewOriginX, area.width);
    start.header.viewOriginY = saved(g_board.viewOriginY, area.height);
    start.header.sizeLetter = static_cast<int16_t>(g_board.sizeLetter);
    return start;
}

void WriteBoard(plat::Archive& archive, int mode, std::string_view name)
{
    const auto [count, header] = StartBoardWrite();
    writeRecord(archive, EncodeHeaderRecord(header));
    writeRecord(archive, mode == kFileModeLibraryPart ? EncodeNameRecord(plat::upperCaseAscii(name)) : BoardRecord{});
    for (int i = 1; i <= count; ++i)
        if (g_board.objects[i].kind() != kKindDeleted)
            writeObject(archive, g_board.objects[i]);
    if (mode == kFileModeExport)
        writePackageBlocks(archive, count);
}

void ReadBoard(int firstIndex, int32_t* count, plat::Archive& archive, int mode)
{
    int32_t ignored = 0;
    BoardReader(archive, mode).run(firstIndex, count ? count : &ignored);
}
