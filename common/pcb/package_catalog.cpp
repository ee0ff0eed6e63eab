#include "common/pcb/package_catalog.h"

#include "common/file_reading.h"
#include "common/pcb/little_endian.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"

#include <algorithm>
#include <array>

namespace pcb {
namespace {

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
        case kKindLine: case kKindArc: case kKindFixedRectangle:   // two points (a mark's corners)
            add(x, y);
            add(a, b);
            break;
        case kKindRectangle:
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

std::string LibraryStem(std::string_view library)
{
    return std::string(library.substr(0, library.find('.')));
}

std::string CatalogPath(std::string_view folder, std::string_view library)
{
    return std::string(folder) + LibraryStem(library) + ".CAT";
}

std::optional<plat::Archive> OpenCatalog(std::string_view folder, std::string_view library, unsigned icon)
{
    const std::string path = CatalogPath(folder, library);
    // The message names the file as the disk spells its folders, not as the upper-cased setting.
    return LoadFileForReader(path, kMaxLibraryFileBytes, "Can't open file: " + plat::resolvePath(path), icon);
}

CatalogHeader ReadCatalogHeader(plat::Archive& file)
{
    std::array<uint8_t, kCatalogHeaderBytes> bytes{};
    CatalogHeader header;
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        return header;
    header.parts = le::getU16(bytes, 0);
    header.version = static_cast<int>(bytes[10]) - '0';
    if (header.parts > kMaxCatalogParts) {
        plat::MessageBox("Artwork file full");
        header.parts = kCatalogPartsWhenFull;
    }
    return header;
}

std::optional<plat::Archive> OpenSupportedCatalog(std::string_view folder, std::string_view library,
                                                  CatalogHeader& header)
{
    auto file = OpenCatalog(folder, library, plat::kMbOk);
    if (!file)
        return std::nullopt;
    header = ReadCatalogHeader(*file);
    if (header.version > kNewestCatalogDigit) {
        plat::MessageBox("Unsupported file format");
        return std::nullopt;
    }
    return file;
}

bool IsMarkerAt(std::span<const uint8_t> bytes, size_t at)
{
    if (at + kCatalogRecordSize > bytes.size())
        return false;
    for (size_t i = 0; i < 4; ++i)
        if (le::getU16(bytes, at + 2 * i) != i)
            return false;
    return true;
}

std::optional<size_t> FindEntry(std::span<const uint8_t> bytes, size_t from)
{
    for (size_t at = from; at + 8 <= bytes.size(); at += kMarkerStep)
        if (le::getU16(bytes, at) == 0 && le::getU16(bytes, at + 2) == 1 &&
            le::getU16(bytes, at + 4) == 2 && le::getU16(bytes, at + 6) == 3)
            return at;
    return std::nullopt;
}

size_t SkipMarkers(std::span<const uint8_t> bytes, size_t at)
{
    at += kCatalogRecordSize;
    while (IsMarkerAt(bytes, at))
        at += kCatalogRecordSize;
    return std::min(at, bytes.size());
}

void SeekTo(plat::Archive& file, size_t position)
{
    file.SeekRelative(static_cast<long>(position) - static_cast<long>(file.position()));
}

int FindNextPartRecord(plat::Archive& file)
{
    const std::vector<uint8_t>& bytes = file.bytes();
    const std::optional<size_t> at = FindEntry(bytes, file.position());
    if (!at) {
        SeekTo(file, bytes.size());
        return 0;
    }
    SeekTo(file, SkipMarkers(bytes, *at));
    return 1;
}

std::optional<CatalogEntry> NextCatalogEntry(plat::Archive& file)
{
    if (FindNextPartRecord(file) == 0)
        return std::nullopt;
    CatalogEntry entry;
    entry.body = file.position();
    auto header = ReadPackageBodyHeader(file, kCatalogRecordSize);
    if (!header)
        return std::nullopt;
    entry.header = std::move(*header);
    entry.header.name = plat::upperCaseAscii(entry.header.name);
    return entry;
}

bool SeekToPart(plat::Archive& file, const CatalogHeader& header, std::string_view part)
{
    const std::string wanted = plat::upperCaseAscii(part);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<CatalogEntry> entry = NextCatalogEntry(file);
        if (!entry)
            return false;
        if (entry->header.name == wanted) {
            SeekTo(file, entry->body);
            return true;
        }
    }
    return false;
}

std::optional<std::string> ReadEntryDescription(plat::Archive& file, const PackageBodyHeader& header)
{
    PackageBodyReader reader(file, header.version, PackageRecordSize(header.version, false));
    std::optional<std::string> found;
    reader.forEachObject(header.count - 1, [&found](BoardObject& o) {
        if (o.kind() == kKindText && StartsWith(o.text(), ";"))
            found = std::string(o.text() + 1);
        FreeObjectData(o);
        return !found;
    });
    return found;
}

int FillLibraryPartList(std::string_view folder, std::string_view library, std::vector<std::string>& list)
{
    auto file = OpenCatalog(folder, library, plat::kMbIconStop);
    if (!file)
        return 0;
    const CatalogHeader header = ReadCatalogHeader(*file);
    for (int i = 0; i < header.parts; ++i) {
        const std::optional<CatalogEntry> entry = NextCatalogEntry(*file);
        if (!entry)
            break;
        list.push_back(entry->header.name);
    }
    return 1;
}

std::optional<std::string> ReadPartDescription(std::string_view folder, std::string_view library,
                                               std::string_view part)
{
    CatalogHeader header;
    auto file = OpenSupportedCatalog(folder, library, header);
    const std::string wanted = plat::upperCaseAscii(part);
    for (int i = 0; file && i < header.parts; ++i) {
        const std::optional<CatalogEntry> entry = NextCatalogEntry(*file);
        if (!entry || entry->header.version > kNewestSearchableBody)
            break;
        if (entry->header.name == wanted)
            return ReadEntryDescription(*file, entry->header).value_or(std::string());
    }
    return std::nullopt;
}

std::optional<plat::Archive> OpenPartLibrary(std::string_view folder, std::string_view library,
                                             std::string_view part)
{
    CatalogHeader header;
    auto file = OpenSupportedCatalog(folder, library, header);
    if (!file || !SeekToPart(*file, header, part))
        return std::nullopt;
    return file;
}

PartPreview ReadPartPreview(plat::Archive& file, std::span<BoardObject> slots)
{
    PartPreview preview;
    const auto header = ReadPackageBodyHeader(file, kCatalogRecordSize);
    if (!header)
        return preview;
    const int room = static_cast<int>(std::min<size_t>(kMaxPreviewObjects, slots.size()));
    PackageBodyReader reader(file, header->version, PackageRecordSize(header->version, false), true);
    PreviewBox box;
    if (room > 0)
        reader.forEachObject(header->count - 1, [&](BoardObject& o) {
            if (header->version < 11)
                RescaleObjects(10.0, 10.0, &o, 0, 0);
            BoardObject& slot = slots[static_cast<size_t>(preview.count++)];
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

}  // namespace pcb
