#include "schemora/core/clipboard_records.h"

#include "common/clipboard_block.h"
#include "schemora/core/current_document.h"

#include <algorithm>

namespace {

constexpr int kHeaderWords = 10;
constexpr int kRecordWords = 8;
constexpr int kMinPolygonPoints = 3;
constexpr int kTextLineLimit = 200;
constexpr std::size_t kTextLineKept = 180;
// A part editor's terminal (a line with a pin text) carries its pin text, label and their
// anchors (words 11-22) behind its record, marked by this bit of the type word.
constexpr int32_t kTerminalRecordFlag = 0x100000;
constexpr int kFirstTerminalWord = 11, kLastTerminalWord = 22;

bool carriesPinText(const DrawObject& o) { return o.isPinLine(); }

// The name a placed part is copied under: the part of its text after the first ':' and its
// symbol's name, or the symbol's name alone.
std::string partClipboardName(const DrawObject& o)
{
    const int symbol = o.symbolIndex();
    std::string name;
    if (symbol >= 1 && symbol <= g_partSymbols.count && symbol < kPartSymbolSlots)
        name = g_partSymbols.entries[static_cast<std::size_t>(symbol)].name;
    const std::string_view text = o.text ? std::string_view(o.text) : std::string_view();
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return name.empty() ? std::string(text) : name;
    return std::string(text.substr(colon + 1)) + ":" + name;
}

// Word 2 of a record: the kind byte and the flag bits above it. A placed part is written as
// kind 100 with its flags 8-15, so every symbol index comes back as a part.
int32_t recordTypeWord(const DrawObject& o)
{
    if (!o.isPart())
        return o.w[4];
    return (o.w[4] & 0xFF00) | kClipboardPartType;
}

void writeRecord(ClipboardBlockWriter& out, const DrawObject& o)
{
    for (const int word : {0, 1})
        out.word(o.w[static_cast<std::size_t>(word)]);
    out.word(recordTypeWord(o) | (carriesPinText(o) ? kTerminalRecordFlag : 0));
    for (const int word : {2, 3, 5, 7, 6})
        out.word(o.w[static_cast<std::size_t>(word)]);
    if (carriesPinText(o))
        for (int word = kFirstTerminalWord; word <= kLastTerminalWord; ++word)
            out.word(o.w[static_cast<std::size_t>(word)]);
    const int type = o.type();
    if (type == kObjText) {
        out.string(o.text ? o.text : "");
    } else if (o.isPart()) {
        out.string(partClipboardName(o));
    } else if (type == kObjPolygon) {
        const int points = std::clamp(o.pointCount(), 0, kPolygonPoints);
        for (int i = 0; i < points; ++i) {
            out.word(o.text ? o.pointX(i) : 0);
            out.word(o.text ? o.pointY(i) : 0);
        }
    }
}

bool knownType(int type)
{
    switch (type) {
    case kObjLine:
    case kObjRectangle:
    case 3:
    case kObjText:
    case kObjArrow:
    case kObjDot:
    case kObjEllipse:
    case kObjBus:
    case kObjArc:
    case kObjRoundRect:
    case kObjTriangle:
    case kObjPolygon:
    case 25:
    case kClipboardPartType: return true;
    default: return false;
    }
}

// One record and its trailing data; false when the block does not parse. keep is false for a
// record that parses but is not taken (a polygon of an impossible size).
bool readRecord(ClipboardBlockReader& in, ClipboardObject& o, bool& keep)
{
    std::array<int32_t, kRecordWords> r{};
    for (int32_t& word : r)
        if (!in.word(word))
            return false;
    const int type = r[2] & 0xFF;
    if (!knownType(type))
        return false;
    o.words = {};
    o.words[0] = r[0];
    o.words[1] = r[1];
    o.words[4] = type == kClipboardPartType ? (r[2] & ~0xFF) | kObjPart : r[2] & ~kTerminalRecordFlag;
    o.words[2] = r[3];
    o.words[3] = r[4];
    o.words[5] = r[5];
    o.words[7] = r[6];
    o.words[6] = r[7];
    keep = true;
    o.carriesTerminalWords = type == kObjLine && (r[2] & kTerminalRecordFlag) != 0;
    if (o.carriesTerminalWords)
        for (int word = kFirstTerminalWord; word <= kLastTerminalWord; ++word)
            if (!in.word(o.words[static_cast<std::size_t>(word)]))
                return false;
    if (type == kObjText || type == kClipboardPartType)
        return in.string(o.text, kClipboardMaxString);
    if (type != kObjPolygon)
        return true;
    const int32_t points = r[3];
    if (points < 0 || static_cast<std::size_t>(points) > in.remaining() / 2)
        return false;
    keep = points >= kMinPolygonPoints && points <= kPolygonPoints;
    for (int32_t i = 0; i < points; ++i) {
        std::array<int32_t, 2> p{};
        in.word(p[0]);
        in.word(p[1]);
        if (keep)
            o.points.push_back(p);
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeClipboardBlock(const ClipboardHeader& header, std::span<const DrawObject> objects,
                                          std::span<const int> selection)
{
    std::vector<const DrawObject*> copied;
    for (const int index : selection) {
        if (index < 1 || static_cast<std::size_t>(index) >= objects.size())
            continue;
        const DrawObject& o = objects[static_cast<std::size_t>(index)];
        if (o.type() != kObjDeleted)
            copied.push_back(&o);
    }
    ClipboardBlockWriter out(ClipboardLayout::SchematicView);
    out.word(static_cast<int32_t>(copied.size()));
    for (const int32_t word : {header.scale, header.right, header.top, header.left, header.bottom,
                               header.viewCentreX, header.viewCentreY, header.clientCentreX, header.clientCentreY})
        out.word(word);
    for (const DrawObject* o : copied)
        writeRecord(out, *o);
    return out.take();
}

std::optional<ClipboardBlock> DecodeClipboardBlock(std::span<const uint8_t> bytes, int maxObjects)
{
    ClipboardBlockReader in(bytes, ClipboardLayout::SchematicView);
    if (!in.valid())
        return std::nullopt;
    std::array<int32_t, kHeaderWords> h{};
    for (int32_t& word : h)
        if (!in.word(word))
            return std::nullopt;
    ClipboardBlock block;
    block.declaredCount = h[0];
    // Every record takes at least its eight words: a count the block cannot hold is not ours.
    if (h[0] < 0 || static_cast<std::size_t>(h[0]) > in.remaining() / kRecordWords)
        return std::nullopt;
    block.header = {h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9]};
    const int wanted = std::min(h[0], std::max(maxObjects, 0));
    for (int i = 0; i < wanted; ++i) {
        ClipboardObject o;
        bool keep = false;
        if (!readRecord(in, o, keep))
            return std::nullopt;
        if (keep)
            block.objects.push_back(std::move(o));
    }
    return block;
}

std::string ClipboardTextOf(std::span<const DrawObject> objects, std::span<const int> selection)
{
    std::string text;
    for (const int index : selection) {
        if (index < 1 || static_cast<std::size_t>(index) >= objects.size())
            continue;
        const DrawObject& o = objects[static_cast<std::size_t>(index)];
        if (o.type() != kObjText)
            continue;
        text += o.text ? o.text : "";
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> ClipboardTextLines(std::string_view text, bool* tooLong)
{
    std::vector<std::string> lines;
    if (tooLong)
        *tooLong = false;
    // Empty lines make no text objects.
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() >= kTextLineLimit) {
            if (tooLong)
                *tooLong = true;
            line = line.substr(0, kTextLineKept);
        }
        line = line.substr(0, line.find('\r'));
        if (!line.empty())
            lines.emplace_back(line);
    }
    return lines;
}
