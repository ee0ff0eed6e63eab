#include "tracelyn/core/board_clipboard_block.h"

#include "common/clipboard_block.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>

namespace {

// Kinds a board block may carry: lines, rectangles, texts, arrows, ellipses, arcs, pads,
// fixed rectangles, rats-nest lines, polygons, markers and parts.
bool isBoardKind(int kind)
{
    switch (kind) {
    case kKindLine: case kKindRectangle: case kKindText: case 5: case kKindEllipse: case kKindArc:
    case kKindPad: case kKindFixedRectangle: case kKindNoRoute: case kKindPolygon: case kKindMarker:
    case kClipboardPartKind:
        return true;
    default:
        return false;
    }
}

std::string partNameRecord(const BoardObject& part)
{
    std::string name = part.text() ? part.text() : "";
    name += '!';
    name += PackageNameOf(part.package());
    return name;
}

bool copied(const BoardObject* o) { return o != nullptr && o->kind() != kKindDeleted && o->kind() != kKindOutline; }

// A string of one character per word up to a 0 word, cut to kMaxClipboardText characters;
// nothing when a word is no character or the block ends first.
std::optional<std::string> readString(ClipboardBlockReader& in)
{
    std::string s;
    int32_t c = 0;
    while (in.word(c)) {
        if (c == 0)
            return s;
        if (c < -128 || c > 255)
            return std::nullopt;
        if (s.size() < kMaxClipboardText)
            s += static_cast<char>(c);
    }
    return std::nullopt;
}

}  // namespace

std::vector<uint8_t> EncodeBoardClipboard(ClipboardHeader header, std::span<const BoardObject* const> objects)
{
    header.w[0] = static_cast<int32_t>(std::count_if(objects.begin(), objects.end(), copied));
    ClipboardBlockWriter out(ClipboardLayout::BoardView);
    for (const int32_t w : header.w)
        out.word(w);
    for (const BoardObject* o : objects) {
        if (!copied(o))
            continue;
        int32_t kindWord = o->w[4];
        if (o->isPart())
            kindWord = (o->w[4] & 0xFF80) + kClipboardPartKind;
        int32_t record[kClipboardRecordWords] = {o->w[0], o->w[1], kindWord, o->w[2], o->w[3], o->w[5], o->w[6], o->w[7]};
        const int32_t vertices =
            o->kind() == kKindPolygon && o->points() ? std::clamp(o->w[2], 0, kMaxClipboardVertices) : 0;
        if (o->kind() == kKindPolygon)
            record[3] = vertices;
        for (const int32_t w : record)
            out.word(w);
        if (o->kind() == kKindText)
            out.string(o->text() ? o->text() : "");
        else if (o->isPart())
            out.string(partNameRecord(*o));
        for (int32_t k = 0; k < 2 * vertices; ++k)
            out.word(o->points()[k]);
    }
    return out.take();
}

std::optional<ClipboardBlock> DecodeBoardClipboard(std::span<const uint8_t> bytes)
{
    ClipboardBlockReader in(bytes, ClipboardLayout::BoardView);
    if (!in.valid() || in.remaining() < kClipboardHeaderWords)
        return std::nullopt;
    ClipboardBlock block;
    for (int32_t& w : block.header.w)
        in.word(w);
    const auto farOff = [](int32_t v) { return v < -kMaxClipboardPosition || v > kMaxClipboardPosition; };
    if (std::any_of(block.header.w.begin() + 2, block.header.w.end(), farOff))
        return std::nullopt;
    const int32_t n = block.header.count();
    if (n < 0 || static_cast<size_t>(n) > in.remaining() / kClipboardRecordWords)
        return std::nullopt;
    block.entries.reserve(static_cast<size_t>(n));
    for (int32_t k = 0; k < n; ++k) {
        if (in.remaining() < kClipboardRecordWords)
            return std::nullopt;
        ClipboardEntry& e = block.entries.emplace_back();
        for (int32_t& w : e.r)
            in.word(w);
        if (!isBoardKind(e.kind()) || farOff(e.r[0]) || farOff(e.r[1]))
            return std::nullopt;
        // Kinds whose words 2 and 3 are the far end are placed by them as well.
        switch (e.kind()) {
        case kKindLine: case 5: case 9: case kKindArc: case kKindFixedRectangle: case kKindNoRoute:
            if (farOff(e.r[3]) || farOff(e.r[4]))
                return std::nullopt;
            break;
        default:
            break;
        }
        if (e.kind() == kKindText || e.kind() == kClipboardPartKind) {
            std::optional<std::string> s = readString(in);
            if (!s)
                return std::nullopt;
            e.text = std::move(*s);
        } else if (e.kind() == kKindPolygon) {
            const int32_t vertices = e.r[3];
            if (vertices < 0 || vertices > kMaxClipboardVertices || static_cast<size_t>(vertices) > in.remaining() / 2)
                return std::nullopt;
            e.vertices.resize(static_cast<size_t>(2 * vertices));
            for (int32_t& v : e.vertices)
                in.word(v);
            if (std::any_of(e.vertices.begin(), e.vertices.end(), farOff))
                return std::nullopt;
        }
    }
    block.header.w[0] = static_cast<int32_t>(block.entries.size());
    return block;
}
