#include "schemora/core/file_records.h"

#include "platform/core/archive.h"

#include <algorithm>

namespace {

int16_t asSigned(uint16_t v) { return static_cast<int16_t>(v); }
uint16_t low16(int32_t v) { return static_cast<uint16_t>(static_cast<uint32_t>(v) & 0xFFFF); }

bool isTwoPointKind(int type)
{
    switch (type) {
    case kObjLine: case kObjRectangle: case kObjArrow: case kObjEllipse: case kObjBus:
    case kObjArc: case kObjRoundRect: case kObjTriangle:
        return true;
    default:
        return type >= kObjPart;
    }
}

}  // namespace

RecordWords recordWords(const FileRecord& record)
{
    RecordWords w;
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = static_cast<uint16_t>(record[2 * i] | (record[2 * i + 1] << 8));
    return w;
}

FileRecord recordFromWords(const RecordWords& words)
{
    FileRecord r;
    for (size_t i = 0; i < words.size(); ++i) {
        r[2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        r[2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
    }
    return r;
}

FileRecord encodeHeader(const DrawingHeader& h)
{
    RecordWords w{};
    w[0] = static_cast<uint16_t>(h.count);
    w[2] = static_cast<uint16_t>(h.viewCentreX);
    w[3] = static_cast<uint16_t>(h.viewCentreY);
    w[6] = static_cast<uint16_t>(h.documentNumber);
    w[7] = static_cast<uint16_t>(h.numberOfSheets);
    FileRecord r = recordFromWords(w);
    r[8] = h.sheetSize;
    r[9] = h.revision;
    r[10] = h.version;
    r[11] = 0;
    return r;
}

DrawingHeader decodeHeader(const FileRecord& r)
{
    const RecordWords w = recordWords(r);
    DrawingHeader h;
    h.count = asSigned(w[0]);
    h.viewCentreX = asSigned(w[2]);
    h.viewCentreY = asSigned(w[3]);
    h.sheetSize = r[8];
    h.revision = r[9];
    h.version = r[10];
    h.documentNumber = asSigned(w[6]);
    h.numberOfSheets = asSigned(w[7]);
    return h;
}

bool isPartMarker(const FileRecord& record)
{
    const RecordWords w = recordWords(record);
    return w[0] == 0 && w[1] == 1 && w[2] == 2 && w[3] == 3;
}

FileRecord partMarkerRecord() { return recordFromWords({0, 1, 2, 3, 4, 5, 6, 7}); }

uint16_t packSheet(int sheet)
{
    const int s = std::clamp(sheet, 1, 32) - 1;
    return static_cast<uint16_t>(((s & 7) << 7) | (((s >> 3) & 3) << 12));
}

int unpackSheet(uint16_t typeWord) { return ((typeWord >> 7) & 7) + ((typeWord >> 9) & 24) + 1; }

FileRecord encodeObjectRecord(const DrawObject& o)
{
    RecordWords w{};
    const int type = o.type();
    const uint16_t flags = low16(o.w[4]);
    w[0] = low16(o.w[0]);
    w[1] = low16(o.w[1]);
    if (type >= kObjPart)
        w[2] = static_cast<uint16_t>(kFilePartType | (flags & kPartFlagBits) | packSheet(o.sheet()));
    else
        w[2] = static_cast<uint16_t>((flags & kTypeWordKeep) | packSheet(o.sheet()));
    w[3] = low16(o.w[2]);
    w[4] = low16(o.w[3]);
    if (type != kObjText) {
        w[5] = low16(o.w[5]);
        w[6] = low16(o.w[7]);
        w[7] = low16(o.w[6]);
    }
    return recordFromWords(w);
}

DrawObject decodeObjectRecord(const FileRecord& record, int version, bool singleSheet)
{
    const RecordWords w = recordWords(record);
    DrawObject o;
    o.w[0] = asSigned(w[0]);
    o.w[1] = asSigned(w[1]);
    o.w[4] = w[2] & kTypeWordKeep;
    o.w[23] = singleSheet ? 1 : unpackSheet(w[2]);
    o.w[2] = asSigned(w[3]);
    const int type = w[2] & 0x7F;
    if (type == kObjText) {
        // Before version 8 the head of the text sat in the record's last eight bytes.
        if (version >= 8)
            o.w[3] = asSigned(w[4]);
    } else if (type == kObjPolygon) {
        o.w[2] = std::clamp(o.w[2], 0, kPolygonPoints);
        o.w[5] = w[5] & 0xFFF;
        o.w[7] = asSigned(w[6]);
        o.w[6] = asSigned(w[7]);
    } else if (type == kFilePartType) {
        o.setType(kObjPart);
        o.w[3] = asSigned(w[4]);
        o.w[5] = asSigned(w[5]);
        o.w[7] = asSigned(w[6]);
        // Drawings before version 10 kept the reference number in bits 6-14 of word 5.
        o.w[6] = version < 10 ? (o.w[5] >> 6) & 0x1FF : asSigned(w[7]);
    } else if (type >= kObjPart) {
        o.setType(kObjDeleted);
    } else {
        o.w[3] = asSigned(w[4]);
        o.w[5] = asSigned(w[5]);
        o.w[7] = asSigned(w[6]);
        o.w[6] = asSigned(w[7]);
        if (version < 5 && type == kObjLine)
            o.w[6] = 0;
        // Rectangles were stored by their two corners before version 8.
        if (version <= 7 && (type == kObjRectangle || type == kObjRoundRect)) {
            o.w[2] -= o.w[0];
            o.w[3] -= o.w[1];
        }
    }
    if (version < 10)
        ScaleOldDrawing(o);
    return o;
}

void ScaleOldDrawing(DrawObject& o)
{
    auto scale = [](int32_t& v) { v = static_cast<int32_t>(int64_t{v} * 50 / 54); };
    scale(o.w[0]);
    scale(o.w[1]);
    if (isTwoPointKind(o.type())) {
        scale(o.w[2]);
        scale(o.w[3]);
    }
}

bool readRecord(plat::Archive& archive, FileRecord& record)
{
    return archive.Read(record.data(), record.size()) == record.size();
}

void writeRecord(plat::Archive& archive, const FileRecord& record)
{
    archive.Write(record.data(), record.size());
}
