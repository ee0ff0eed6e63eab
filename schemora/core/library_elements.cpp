#include "schemora/core/library_elements.h"

#include "platform/core/archive.h"
#include "platform/system/ascii_case.h"
#include "schemora/core/object_records.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t kNameChars = kRecordBytes;

// The old forms of the two-point kinds whose second point is converted with the first.
bool convertsSecondPoint(int type, int version)
{
    switch (type) {
    case kObjLine: case kObjRectangle: case kObjArrow: case kObjBus: case kObjRoundRect:
        return true;
    case kObjArc:
        return version >= 2;
    default:
        return false;
    }
}

// Line styles were stored as dash bit patterns before version 6.
int32_t styleFromPattern(int32_t pattern)
{
    switch (pattern & 0xFFFF) {
    case 0xF0F0: return 1;
    case 0x8888: return 2;
    case 0xE4E4: return 3;
    default: return 0;
    }
}

void convertOldUnits(DrawObject& o, int version)
{
    const int type = o.type();
    auto point = [version](int32_t& x, int32_t& y) {
        if (version <= 1) {
            x = (x - 280) * 6;
            y = (y - 140) * 6;
        } else {
            x = (version == 6 ? 378 : 396) + 6 * x;
            y = (version == 6 ? 108 : 126) + 6 * y;
        }
    };
    point(o.w[0], o.w[1]);
    if (convertsSecondPoint(type, version)) {
        point(o.w[2], o.w[3]);
        if (version <= 1)
            o.w[6] = o.w[6] == 0 ? 6 : o.w[6] * 6;
        else
            o.w[6] = 6;
    } else if (type == kObjEllipse && version >= 2) {
        o.w[2] *= 6;
        o.w[3] *= 6;
        o.w[6] = 6;
    }
    if (version < 6 && (type == kObjLine || type == kObjRectangle || type == kObjArrow || type == kObjRoundRect))
        o.w[5] = styleFromPattern(o.w[5]);
    // Corners become corner plus size.
    if (type == kObjRectangle || type == kObjRoundRect) {
        o.w[2] -= o.w[0];
        o.w[3] -= o.w[1];
    }
}

// Libraries before version 7: decoded without the drawing rules, then converted and scaled.
ElementRead readOldElement(plat::Archive& archive, int version, DrawObject& element)
{
    DrawObject o;
    switch (ReadObjectRecord(archive, kNewestPartVersion, version, true, o)) {
    case RecordRead::Object: break;
    case RecordRead::PartMarker: return ElementRead::Marker;
    case RecordRead::End: return ElementRead::End;
    }
    if (o.type() == kObjText)
        o.w[3] = 0;
    if (o.type() != kObjDeleted)
        convertOldUnits(o, version);
    ScaleOldDrawing(o);
    element = o;
    return ElementRead::Element;
}

}  // namespace

bool ReadLibraryPartHeader(plat::Archive& archive, LibraryPartHeader& part)
{
    FileRecord record;
    if (!readRecord(archive, record))
        return false;
    part.header = decodeHeader(record);
    part.version = part.header.version - '0';
    if (!readRecord(archive, record))
        return false;
    part.name = PartNameOf(record);
    return true;
}

std::string StoredPartName(std::string_view name)
{
    name = name.substr(0, name.find('.'));
    return plat::upperCaseAscii(name.substr(0, kNameChars));
}

FileRecord PartNameRecord(std::string_view name)
{
    const std::string stored = StoredPartName(name);
    FileRecord record{};
    std::copy(stored.begin(), stored.end(), record.begin());
    return record;
}

std::string PartNameOf(const FileRecord& record)
{
    std::string name(reinterpret_cast<const char*>(record.data()), record.size());
    name.resize(std::min(name.find('\0'), name.size()));
    name.erase(name.find_last_not_of(' ') + 1);
    return plat::upperCaseAscii(name);
}

ElementRead ReadLibraryElement(plat::Archive& archive, int version, DrawObject& element)
{
    if (version < 7)
        return readOldElement(archive, version, element);
    switch (ReadObjectRecord(archive, version, true, element)) {
    case RecordRead::Object: return ElementRead::Element;
    case RecordRead::PartMarker: return ElementRead::Marker;
    case RecordRead::End: break;
    }
    return ElementRead::End;
}

DrawObject CloneElement(const DrawObject& e)
{
    const int type = e.type();
    if (type == kObjPolygon) {
        std::array<int32_t, 2 * kPolygonPoints> points{};
        for (int i = 0; i < e.pointCount(); ++i) {
            points[2 * i] = e.pointX(i);
            points[2 * i + 1] = e.pointY(i);
        }
        return MakeDrawObject(e.w, nullptr, points.data(), e.pointCount());
    }
    if (type == kObjText || type >= kObjPart)
        return MakeDrawObject(e.w, e.text);
    DrawObject copy;
    copy.w = e.w;
    return copy;
}
