#include "schemora/core/object_records.h"

#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/system/ascii_case.h"
#include "schemora/core/current_document.h"
#include "schemora/core/file_records.h"
#include "schemora/core/string_records.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

void putLe32(uint8_t* out, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t getLe32(const uint8_t* in)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= uint32_t{in[i]} << (8 * i);
    return static_cast<int32_t>(u);
}

// Old files kept the first eight characters of a text in the record itself.
std::string oldTextHead(const FileRecord& record)
{
    std::string head(reinterpret_cast<const char*>(record.data() + 8), 8);
    head.resize(std::min(head.find('\0'), head.size()));
    std::replace(head.begin(), head.end(), '|', ' ');
    return head;
}

bool readText(plat::Archive& archive, const FileRecord& record, int version, DrawObject& o)
{
    std::string text;
    const bool complete = ReadStringRecords(archive, text);
    if (!complete)
        return false;
    if (version < 8)
        text = (oldTextHead(record) + text).substr(0, kMaxStringChars);
    o.text = StrDupChecked(text.empty() ? std::string_view("Bad string!") : std::string_view(text));
    return true;
}

bool readPolygonPoints(plat::Archive& archive, DrawObject& o)
{
    std::array<uint8_t, kPolygonTrailerBytes> points;
    if (archive.Read(points.data(), points.size()) != points.size())
        return false;
    o.text = AllocPointBlock();
    if (!o.text) {
        o.w[2] = 0;   // no block, so no points to draw
        return true;
    }
    for (int i = 0; i < o.pointCount(); ++i)
        o.setPoint(i, getLe32(&points[8 * i]), getLe32(&points[8 * i + 4]));
    return true;
}

bool readPartName(plat::Archive& archive, DrawObject& o)
{
    std::string name;
    if (!ReadStringRecords(archive, name))
        return false;
    o.text = StrDupChecked(name);
    return true;
}

// Whether the value of a part's label (without the "value below" mark and the user's package)
// is its symbol's name; a value without a library names a part of "DEVICE".
bool labelNamesSymbol(std::string_view label, std::string_view name)
{
    if (!label.empty() && label.front() == '\\')
        label.remove_prefix(1);
    label = label.substr(0, label.find('!'));
    if (plat::equalsNoCase(label, name))
        return true;
    return label.find('\\') == std::string_view::npos && plat::equalsNoCase("DEVICE\\" + std::string(label), name);
}

// The name a part is stored under: its symbol's name, behind the reference prefix of its text,
// with the label's "value below" mark before it and the user's package ("!" and its name) after.
std::string partFileName(const DrawObject& o)
{
    const std::string_view text = o.text ? std::string_view(o.text) : std::string_view();
    const size_t colon = text.find(':');
    const int symbol = o.symbolIndex();
    if (symbol < 1 || symbol > g_partSymbols.count)
        return std::string(text);
    const std::string& name = g_partSymbols.entries[symbol].name;
    if (colon == std::string_view::npos || name.empty())
        return name;
    const std::string_view label = text.substr(colon + 1);
    const bool below = !label.empty() && label.front() == '\\';
    const size_t bang = label.find('!');
    const std::string_view package = bang == std::string_view::npos ? std::string_view() : label.substr(bang);
    std::string stored = std::string(text.substr(0, colon)) + ":" + (below ? "\\" : "") + name + std::string(package);
    if (!label.empty() && !labelNamesSymbol(label, name))
        stored += kPartTextMark + std::string(label);
    return stored;
}

void writePolygonPoints(plat::Archive& archive, const DrawObject& o)
{
    std::array<uint8_t, kPolygonTrailerBytes> points{};
    for (int i = 0; i < o.pointCount(); ++i) {
        putLe32(&points[8 * i], o.pointX(i));
        putLe32(&points[8 * i + 4], o.pointY(i));
    }
    archive.Write(points.data(), points.size());
}

}  // namespace

RecordRead ReadObjectRecord(plat::Archive& archive, int version, bool singleSheet, DrawObject& object)
{
    return ReadObjectRecord(archive, version, version, singleSheet, object);
}

RecordRead ReadObjectRecord(plat::Archive& archive, int wordVersion, int textVersion, bool singleSheet,
                            DrawObject& object)
{
    FileRecord record;
    if (!readRecord(archive, record))
        return RecordRead::End;
    if (isPartMarker(record))
        return RecordRead::PartMarker;
    DrawObject o = decodeObjectRecord(record, wordVersion, singleSheet);
    bool complete = true;
    switch (o.type()) {
    case kObjText: complete = readText(archive, record, textVersion, o); break;
    case kObjPolygon: complete = readPolygonPoints(archive, o); break;
    case kObjPart: complete = readPartName(archive, o); break;
    default: break;
    }
    if (!complete) {
        ReleaseObjectData(o);
        return RecordRead::End;
    }
    object = o;
    return RecordRead::Object;
}

void WriteObjectRecord(plat::Archive& archive, const DrawObject& object)
{
    writeRecord(archive, encodeObjectRecord(object));
    const int type = object.type();
    if (type == kObjText)
        WriteStringRecords(archive, object.text ? object.text : "");
    else if (type == kObjPolygon)
        writePolygonPoints(archive, object);
    else if (type >= kObjPart)
        WriteStringRecords(archive, partFileName(object));   // an empty name still gets its record
}
