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
#include <span>
#include <vector>

namespace {

constexpr int kNewestBodyVersion = 13;
constexpr int kMaxPartRecords = 31999;

bool isText(const BoardObject& o, std::string_view prefix)
{
    return o.kind() == kKindText && StartsWith(o.text(), prefix);
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

}  // namespace

bool IsPackageObject(const BoardObject& o)
{
    return o.kind() != kKindDeleted && o.kind() != kKindOutline && !o.isPart();
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
        std::array<uint8_t, pcb::kPolygonBlockBytes> block{};
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
    if (g_board.objects == nullptr || firstIndex < 1)
        return {};
    const int end = std::min(g_board.capacity, kBoardStoreSize);
    if (firstIndex >= end)
        return {};
    return pcb::ReadPartPreview(file, std::span<BoardObject>(g_board.objects + firstIndex, static_cast<size_t>(end - firstIndex)));
}
