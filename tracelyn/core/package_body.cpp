// Package bodies: the object records of one package as a catalogue or a board export file holds
// them, loading them into the package tables, and writing them back.
#include "tracelyn/core/package_body.h"

#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/little_endian.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kNewestBodyVersion = 13;
constexpr int kFirstTwentyByteVersion = 12;
constexpr size_t kPolygonBlockBytes = kPackagePolygonVertices * kVertexWords * 4;
constexpr int32_t kTextSizeMask = 0x7F00;
constexpr int kMaxPartRecords = 31999;

bool isText(const BoardObject& o, std::string_view prefix)
{
    return o.kind() == kKindText && StartsWith(o.text(), prefix);
}

// Texts of a size the package painters cannot use are shown at size index 7.
void fixTextSize(BoardObject& o, int version)
{
    if (version >= 8) {
        const int index = (o.w[2] >> 8) & 0x7F;
        if (index == 0 || index > 7)
            o.w[2] = (o.w[2] & ~kTextSizeMask) | 0x700;
    } else if ((o.w[2] & kTextSizeMask) >= 0xA00) {
        o.w[2] = (o.w[2] & ~kTextSizeMask) | 0x600;
    }
}

void releaseObjects(BoardObject* objects, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        FreeObjectData(objects[i]);
        objects[i] = BoardObject{};
    }
}

// ---- loading into the package tables ----

// Appends the records of one package to the package object store.
class PackageStoreWriter {
public:
    PackageStoreWriter() : first_(g_packages.objectCount + 1), next_(first_) {}

    int first() const { return first_; }
    int next() const { return next_; }
    bool full() const { return next_ >= kPackageStoreSize; }

    bool openSection(int serial)
    {
        if (full())
            return false;
        header_ = next_++;
        BoardObject& h = g_packages.objects[header_];
        h = BoardObject{};
        h.w[2] = serial;
        h.w[3] = serial;
        sectionStart_ = next_;
        sections_.push_back({header_, next_});
        return true;
    }
    void closeSection()
    {
        BoardObject& h = g_packages.objects[header_];
        h.w[0] = next_ - sectionStart_;
        h.w[1] = next_ - 1;
        sections_.back().end = next_;
    }
    bool add(BoardObject& o)
    {
        if (full())
            return false;
        g_packages.objects[next_++] = o;
        o.data = nullptr;
        return true;
    }
    bool close()
    {
        if (full())
            return false;
        BoardObject& end = g_packages.objects[next_];
        end = BoardObject{};
        end.w[1] = next_ - 1;
        end.w[3] = kSectionChainEnd;
        ++next_;
        return true;
    }
    void release() { releaseObjects(g_packages.objects.data(), first_, next_ - 1); }

    struct Section {
        int header;
        int end;    // one past its last object
    };
    const std::vector<Section>& sections() const { return sections_; }

private:
    int first_;
    int next_;
    int header_ = 0;
    int sectionStart_ = 0;
    std::vector<Section> sections_;
};

// After a "p?" text the part ends unless a "%cont" text follows; the record is put back when
// it does not.
bool continuesAfterPlaceholder(plat::Archive& file, PackageBodyReader& reader)
{
    const size_t at = file.position();
    BoardObject o;
    const BodyItem item = reader.next(o);
    const bool more = item == BodyItem::Object && isText(o, "%cont");
    FreeObjectData(o);
    file.SeekRelative(static_cast<long>(at) - static_cast<long>(file.position()));
    return more;
}

enum class BodyResult { Loaded, StoreFull, Damaged };

BodyResult readBodyObjects(plat::Archive& file, const PackageBodyHeader& header, size_t recordSize,
                           PackageStoreWriter& store, std::string& comment)
{
    PackageBodyReader reader(file, header.version, recordSize);
    int sections = 1;
    bool haveComment = false;
    if (!store.openSection(0))
        return BodyResult::StoreFull;
    for (int32_t r = 1; r < header.count; ++r) {
        BoardObject o;
        const BodyItem item = reader.next(o);
        if (item == BodyItem::End)
            return BodyResult::Damaged;
        if (item == BodyItem::Skipped)
            continue;
        if (isText(o, ";")) {
            if (!haveComment)
                comment = o.text() + 1;
            haveComment = true;
            FreeObjectData(o);
            continue;
        }
        if (isText(o, "%cont")) {
            FreeObjectData(o);
            if (sections == kMaxPinSections)
                break;
            store.closeSection();
            if (!store.openSection(sections++))
                return BodyResult::StoreFull;
            continue;
        }
        const bool placeholder = IsNamePlaceholder(o);
        if (!store.add(o)) {
            FreeObjectData(o);
            return BodyResult::StoreFull;
        }
        if (placeholder && !continuesAfterPlaceholder(file, reader))
            break;
    }
    store.closeSection();
    return store.close() ? BodyResult::Loaded : BodyResult::StoreFull;
}

void clearSlot(PackageDef& def)
{
    def.setObjects(0, 0);
    def.comment.clear();
}

// ---- writing ----

struct SectionRange {
    int first;
    int end;
};

// The pin sections of package n as ranges of the store; a package whose records carry no
// section headers is one section.
std::vector<SectionRange> sectionsOf(const PackageDef& def)
{
    std::vector<SectionRange> sections;
    const int first = std::clamp(def.firstObject(), 1, kPackageStoreSize);
    const int end = std::clamp(first + std::max(def.objectCount(), 0), first, kPackageStoreSize);
    if (first == end)
        return sections;
    if (g_packages.objects[first].kind() != kKindDeleted) {
        sections.push_back({first, end});
        return sections;
    }
    for (int i = first; i < end;) {
        const BoardObject& h = g_packages.objects[i];
        if (h.kind() != kKindDeleted || h.w[3] == kSectionChainEnd)
            break;
        const int count = std::clamp(h.w[0], 0, end - i - 1);
        sections.push_back({i + 1, i + 1 + count});
        i += count + 1;
    }
    return sections;
}

BoardObject textObject(const std::string& text)
{
    BoardObject o;
    o.w[0] = kPackageOriginX;
    o.w[1] = kPackageOriginY;
    o.w[2] = 0x100;
    o.w[4] = kKindText;
    o.data = StrDupChecked(text);
    return o;
}

void writeBodyHeader(plat::Archive& file, size_t size, int objectRecords, std::string_view name)
{
    BoardRecord header{};
    le::put16(header, 0, objectRecords + 1);
    header[10] = static_cast<uint8_t>(kPackageBodyVersion);
    file.Write(header.data(), size);
    // A name as long as the record fills it without a terminator: the readers stop at the
    // record's end, and a 16-character part name is a valid one.
    BoardRecord nameRecord{};
    const size_t length = std::min(name.size(), size);
    for (size_t i = 0; i < length; ++i)
        nameRecord[i] = static_cast<uint8_t>(name[i] >= 'a' && name[i] <= 'z' ? name[i] - 'a' + 'A' : name[i]);
    file.Write(nameRecord.data(), size);
}

void writeTextObject(plat::Archive& file, const std::string& text)
{
    BoardObject o = textObject(text);
    WritePackageObject(file, o);
    FreeObjectData(o);
}

// The box of what a preview read: the points of each object, as the extents of a package.
struct PreviewBox {
    bool any = false;
    int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    void add(int64_t x, int64_t y)
    {
        if (!any) {
            minX = maxX = x;
            minY = maxY = y;
            any = true;
            return;
        }
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    void add(const BoardObject& o)
    {
        const int64_t x = o.w[0], y = o.w[1], a = o.w[2], b = o.w[3];
        switch (o.kind()) {
        case kKindLine: case kKindArc:
            add(x, y);
            add(a, b);
            break;
        case kKindRectangle: case kKindFixedRectangle:
            add(x, y);
            add(x + a, y + b);
            break;
        case kKindEllipse:
            add(x - a, y - b);
            add(x + a, y + b);
            break;
        case kKindPad:
            add(x - a / 2, y - b / 2);
            add(x + a / 2, y + b / 2);
            break;
        case kKindPolygon:
            for (int v = 0; o.points() && v < std::clamp(o.w[2], 0, kPackagePolygonVertices); ++v)
                add(o.points()[2 * v], o.points()[2 * v + 1]);
            break;
        case kKindDeleted:
            break;
        default:
            add(x, y);
            break;
        }
    }
};

int32_t clamp32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

bool StartsWith(const char* text, std::string_view prefix)
{
    return text != nullptr && std::strncmp(text, prefix.data(), prefix.size()) == 0;
}

bool IsPackageObject(const BoardObject& o)
{
    return o.kind() != kKindDeleted && o.kind() != kKindOutline && !o.isPart();
}

std::optional<PackageBodyHeader> ReadPackageBodyHeader(plat::Archive& file, size_t headerSize)
{
    BoardRecord r{};
    headerSize = std::min(headerSize, kRecordSize);
    if (file.Read(r.data(), headerSize) != headerSize)
        return std::nullopt;
    PackageBodyHeader header;
    header.count = le::getS16(r, 0);
    header.version = static_cast<int>(r[10]) - '0';
    r.fill(0);
    if (file.Read(r.data(), headerSize) != headerSize)
        return std::nullopt;
    const auto end = std::find(r.begin(), r.begin() + static_cast<long>(headerSize), uint8_t{0});
    header.name.assign(r.begin(), end);
    return header;
}

size_t PackageRecordSize(int version, bool exportFile)
{
    return exportFile || version >= kFirstTwentyByteVersion ? kRecordSize : kOldRecordSize;
}

PackageBodyReader::PackageBodyReader(plat::Archive& file, int version, size_t recordSize, bool editorRules)
    : file_(file), version_(version), recordSize_(std::min(recordSize, kRecordSize)), editorRules_(editorRules)
{
}

BodyItem PackageBodyReader::next(BoardObject& o)
{
    o = BoardObject{};
    record_.fill(0);
    if (file_.Read(record_.data(), recordSize_) != recordSize_)
        return BodyItem::End;
    // 16-byte records have no nibble bytes, whatever their version says.
    DecodeObjectRecord(record_, recordSize_ == kRecordSize ? version_ : std::min(version_, 10), o);
    const int kind = o.kind();
    if (kind == kKindText) {
        o.w[3] = version_ >= 8 ? le::getS16(record_, 8) : 0;
        o.w[5] = o.w[6] = o.w[7] = 0;
        std::optional<std::string> text;
        if (version_ >= 8)
            text = ReadStringRecords(file_, recordSize_);
        else
            text = ReadStringRecords(file_, recordSize_, std::string(record_.begin() + 8, record_.begin() + 16));
        if (!text)
            return BodyItem::End;
        if (text->empty())
            return BodyItem::Skipped;
        fixTextSize(o, version_);
        o.data = StrDupChecked(*text);
        return BodyItem::Object;
    }
    if (kind == kKindPolygon) {
        o.w[3] = le::getS16(record_, 8);
        o.w[5] = le::getS16(record_, 10);
        o.w[6] = le::getS16(record_, 12);
        o.w[7] = le::getS16(record_, 14);
        std::array<uint8_t, kPolygonBlockBytes> block{};
        if (file_.Read(block.data(), block.size()) != block.size())
            return BodyItem::End;
        o.w[2] = std::clamp(o.w[2], 0, kPackagePolygonVertices);
        int32_t* vertices = NewPointBlock(kPackagePolygonVertices * kVertexWords);
        if (vertices == nullptr)
            return BodyItem::Skipped;
        for (size_t v = 0; v < kPackagePolygonVertices * kVertexWords; ++v)
            vertices[v] = le::getS32(block, 4 * v);
        o.data = vertices;
        return BodyItem::Object;
    }
    if (kind == kKindOutline) {
        // A package has no board outline: its segments are read past.
        const long bytes = static_cast<long>(std::max(o.w[2], 0)) * kSegmentWords * 4;
        return file_.SeekRelative(bytes) ? BodyItem::Skipped : BodyItem::End;
    }
    if (kind == kPartRecordKind || kind == kKindPart) {
        // A package cannot hold a placed part; its name is read past.
        const std::optional<std::string> name = version_ >= 8
            ? ReadStringRecords(file_, recordSize_)
            : ReadStringRecords(file_, recordSize_, std::string(record_.begin() + 8, record_.begin() + 16));
        return name ? BodyItem::Skipped : BodyItem::End;
    }
    if (kind > kKindPart)
        return BodyItem::Skipped;
    if ((kind == kKindRectangle || kind == 12) && version_ < 8) {
        // Old parts stored the second corner, not the size.
        o.w[2] -= o.w[0];
        o.w[3] -= o.w[1];
    }
    if (editorRules_ && kind == kKindLine && version_ < 5)
        o.w[7] = 0;
    return kind == kKindDeleted ? BodyItem::Skipped : BodyItem::Object;
}

void WritePackageObject(plat::Archive& file, const BoardObject& o)
{
    BoardObject copy = o;
    if (o.kind() == kKindPolygon)
        copy.w[2] = o.points() ? std::clamp(o.w[2], 0, kPackagePolygonVertices) : 0;
    const BoardRecord record = EncodeObjectRecord(copy);
    file.Write(record.data(), record.size());
    if (o.kind() == kKindText)
        WriteStringRecords(file, o.text() ? o.text() : "");
    if (o.kind() == kKindPolygon) {
        std::array<uint8_t, kPolygonBlockBytes> block{};
        for (int v = 0; v < copy.w[2] * kVertexWords; ++v)
            le::put32(block, static_cast<size_t>(4 * v), o.points()[v]);
        file.Write(block.data(), block.size());
    }
}

int LoadPackageBody(plat::Archive& file, int slot, int mode)
{
    if (slot < 1 || slot > kMaxPackages)
        return 0;
    PackageDef& def = g_packages.defs[slot];
    clearSlot(def);
    const bool exportFile = mode == kPackageBodyExport;
    const auto header = ReadPackageBodyHeader(file, exportFile ? kRecordSize : kCatalogRecordSize);
    if (!header)
        return 0;
    if (header->version > kNewestBodyVersion) {
        plat::MessageBox("Unsupported file format");
        return 0;
    }
    PackageStoreWriter store;
    std::string comment;
    const BodyResult result = readBodyObjects(file, *header, PackageRecordSize(header->version, exportFile), store, comment);
    if (result != BodyResult::Loaded) {
        // A package that ends inside its records is not drawn half.
        store.release();
        if (result == BodyResult::StoreFull)
            plat::MessageBox("Format error");
        return 0;
    }
    g_packages.objectCount = store.next() - 1;
    def.setObjects(store.first(), store.next() - store.first());
    def.comment = std::move(comment);
    // Before version 11 coordinates were whole mils.
    if (header->version < 11)
        for (const auto& section : store.sections())
            RescaleObjects(10.0, 10.0, g_packages.objects.data(), section.header + 1, section.end - 1);
    return 1;
}

void WritePackageBody(plat::Archive& file, int n)
{
    if (n < 1 || n > std::min(g_packages.count, kMaxPackages))
        return;
    const PackageDef& def = g_packages.defs[n];
    const std::vector<SectionRange> sections = sectionsOf(def);
    int records = 1;   // the description
    for (size_t s = 0; s < sections.size(); ++s) {
        records += s > 0 ? 1 : 0;
        for (int i = sections[s].first; i < sections[s].end; ++i)
            records += IsPackageObject(g_packages.objects[i]) ? 1 : 0;
    }
    // The body's name record holds the part name alone, in capitals, as in a library; the
    // package's whole name travels in the parts' own names.
    const size_t slash = def.name.rfind('\\');
    writeBodyHeader(file, kRecordSize, records,
                    slash == std::string::npos ? std::string_view(def.name) : std::string_view(def.name).substr(slash + 1));
    writeTextObject(file, ";" + def.comment);
    for (size_t s = 0; s < sections.size(); ++s) {
        if (s > 0)
            writeTextObject(file, "%cont");
        for (int i = sections[s].first; i < sections[s].end; ++i)
            if (IsPackageObject(g_packages.objects[i]))
                WritePackageObject(file, g_packages.objects[i]);
    }
}

void WriteCatalogHeader(plat::Archive& file, int partCount)
{
    std::array<uint8_t, kCatalogRecordSize> header{};
    le::put16(header, 0, std::clamp(partCount, 0, kMaxCatalogParts));
    header[10] = static_cast<uint8_t>(kCatalogVersionDigit);
    file.Write(header.data(), header.size());
    const std::array<uint8_t, kCatalogRecordSize> second{};
    file.Write(second.data(), second.size());
}

void WriteCatalogEntry(plat::Archive& file, std::string_view partName, const BoardObject* objects,
                       int first, int last)
{
    std::array<uint8_t, kCatalogRecordSize> marker{};
    for (size_t i = 0; i < kCatalogRecordSize / 2; ++i)
        le::put16(marker, 2 * i, static_cast<int32_t>(i));
    for (int m = 0; m < kCatalogMarkerRecords; ++m)
        file.Write(marker.data(), marker.size());
    int records = 0;
    for (int i = first; objects != nullptr && i <= last; ++i)
        records += IsPackageObject(objects[i]) ? 1 : 0;
    writeBodyHeader(file, kCatalogRecordSize, records, partName);
    for (int i = first; objects != nullptr && i <= last; ++i)
        if (IsPackageObject(objects[i]))
            WritePackageObject(file, objects[i]);
}

int ReadPartRecords(plat::Archive& file)
{
    if (g_board.objects == nullptr)
        return 0;
    const auto header = ReadPackageBodyHeader(file, kCatalogRecordSize);
    if (!header)
        return 0;
    const int count = std::min(header->count - 1, kMaxPartRecords);
    PackageBodyReader reader(file, header->version, PackageRecordSize(header->version, false), true);
    const int firstNew = g_board.count + 1;
    const int lastSlot = StoreObjectLimit() - 1;
    int slot = firstNew;
    if (slot <= lastSlot)
        reader.forEachObject(count, [&](const BoardObject& o) {
            FreeObjectData(g_board.objects[slot]);
            g_board.objects[slot++] = o;
            return slot <= lastSlot;
        });
    g_board.count = slot - 1;
    if (header->version < 11)
        RescaleObjects(10.0, 10.0, g_board.objects, firstNew, slot - 1);
    return slot - firstNew;
}

PartPreview ReadPartPreview(plat::Archive& file, int firstIndex)
{
    PartPreview preview;
    if (g_board.objects == nullptr || firstIndex < 1)
        return preview;
    const auto header = ReadPackageBodyHeader(file, kCatalogRecordSize);
    if (!header)
        return preview;
    const int lastSlot = std::min(g_board.capacity, kBoardStoreSize) - 1;
    const int room = std::min(kMaxPreviewObjects, lastSlot - firstIndex + 1);
    PackageBodyReader reader(file, header->version, PackageRecordSize(header->version, false), true);
    PreviewBox box;
    if (room > 0)
        reader.forEachObject(header->count - 1, [&](BoardObject& o) {
            if (header->version < 11)
                RescaleObjects(10.0, 10.0, &o, 0, 0);
            BoardObject& slot = g_board.objects[firstIndex + preview.count++];
            FreeObjectData(slot);
            slot = o;
            box.add(slot);
            return preview.count < room;
        });
    preview.minX = clamp32(box.minX);
    preview.minY = clamp32(box.minY);
    preview.maxX = clamp32(box.maxX);
    preview.maxY = clamp32(box.maxY);
    return preview;
}
