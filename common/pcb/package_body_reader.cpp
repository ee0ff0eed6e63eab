#include "common/pcb/package_body_reader.h"

#include "common/pcb/little_endian.h"
#include "common/string_helpers.h"
#include "platform/core/archive.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pcb {
namespace {

constexpr int kFirstTwentyByteVersion = 12;
constexpr int32_t kTextSizeMask = 0x7F00;

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

}  // namespace

bool StartsWith(const char* text, std::string_view prefix)
{
    return text != nullptr && std::strncmp(text, prefix.data(), prefix.size()) == 0;
}

bool IsNamePlaceholder(const BoardObject& o)
{
    const char* text = o.kind() == kKindText ? o.text() : nullptr;
    return text != nullptr && text[0] == 'p' && text[1] == '?';
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

}  // namespace pcb
