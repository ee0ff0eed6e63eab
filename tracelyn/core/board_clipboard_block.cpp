#include "tracelyn/core/board_clipboard_block.h"

#include "common/clipboard_block_mark.h"
#include "tracelyn/core/little_endian.h"
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

void putString(std::vector<int32_t>& words, std::string_view s)
{
    for (const char c : s)
        words.push_back(static_cast<signed char>(c));
    words.push_back(0);
}

std::string partNameRecord(const BoardObject& part)
{
    std::string name = part.text() ? part.text() : "";
    name += '!';
    name += PackageNameOf(part.package());
    return name;
}

class WordReader {
public:
    explicit WordReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t left() const { return (bytes_.size() - offset_) / 4; }
    int32_t next()
    {
        const int32_t v = le::getS32(bytes_, offset_);
        offset_ += 4;
        return v;
    }
    std::optional<std::string> string()
    {
        std::string s;
        while (left() > 0) {
            const int32_t c = next();
            if (c == 0)
                return s;
            if (c < -128 || c > 255)
                return std::nullopt;
            if (s.size() < kMaxClipboardText)
                s += static_cast<char>(c);
        }
        return std::nullopt;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t offset_ = quill::kBlockMarkSize;
};

}  // namespace

std::vector<uint8_t> EncodeBoardClipboard(ClipboardHeader header, std::span<const BoardObject* const> objects)
{
    std::vector<int32_t> words(header.w.begin(), header.w.end());
    int32_t written = 0;
    for (const BoardObject* o : objects) {
        if (o == nullptr || o->kind() == kKindDeleted || o->kind() == kKindOutline)
            continue;
        int32_t kindWord = o->w[4];
        if (o->isPart())
            kindWord = (o->w[4] & 0xFF80) + kClipboardPartKind;
        const int32_t record[kClipboardRecordWords] = {o->w[0], o->w[1], kindWord, o->w[2], o->w[3], o->w[5], o->w[6], o->w[7]};
        words.insert(words.end(), record, record + kClipboardRecordWords);
        if (o->kind() == kKindText) {
            putString(words, o->text() ? o->text() : "");
        } else if (o->isPart()) {
            putString(words, partNameRecord(*o));
        } else if (o->kind() == kKindPolygon) {
            const int32_t n = o->points() ? std::clamp(o->w[2], 0, kMaxClipboardVertices) : 0;
            words[words.size() - 5] = n;
            words.insert(words.end(), o->points(), o->points() + 2 * n);
        }
        ++written;
    }
    words[0] = written;
    std::vector<uint8_t> bytes(quill::kBlockMarkSize + 4 * words.size());
    std::copy(quill::kBoardBlockMark.begin(), quill::kBoardBlockMark.end(), bytes.begin());
    for (size_t i = 0; i < words.size(); ++i)
        le::put32(bytes, quill::kBlockMarkSize + 4 * i, words[i]);
    return bytes;
}

std::optional<ClipboardBlock> DecodeBoardClipboard(std::span<const uint8_t> bytes)
{
    if (!quill::HasBlockMark(bytes, quill::kBoardBlockMark))
        return std::nullopt;
    WordReader in(bytes);
    if (in.left() < kClipboardHeaderWords)
        return std::nullopt;
    ClipboardBlock block;
    for (int32_t& w : block.header.w)
        w = in.next();
    const int32_t n = block.header.count();
    if (n < 0 || static_cast<size_t>(n) > in.left() / kClipboardRecordWords)
        return std::nullopt;
    block.entries.reserve(static_cast<size_t>(n));
    for (int32_t k = 0; k < n; ++k) {
        if (in.left() < kClipboardRecordWords)
            return std::nullopt;
        ClipboardEntry& e = block.entries.emplace_back();
        for (int32_t& w : e.r)
            w = in.next();
        if (!isBoardKind(e.kind()))
            return std::nullopt;
        if (e.kind() == kKindText || e.kind() == kClipboardPartKind) {
            std::optional<std::string> s = in.string();
            if (!s)
                return std::nullopt;
            e.text = std::move(*s);
        } else if (e.kind() == kKindPolygon) {
            const int32_t vertices = e.r[3];
            if (vertices < 0 || vertices > kMaxClipboardVertices || static_cast<size_t>(vertices) > in.left() / 2)
                return std::nullopt;
            e.vertices.resize(static_cast<size_t>(2 * vertices));
            for (int32_t& v : e.vertices)
                v = in.next();
        }
    }
    block.header.w[0] = static_cast<int32_t>(block.entries.size());
    return block;
}
