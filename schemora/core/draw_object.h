#pragma once
// One schematic object: 24 numbered 32-bit words, kept as numbered words so the bit fields of
// the drawing format map one-to-one onto the code, plus word 10, the record's owned heap data.
//
// Word 10 holds, by kind: the text of a text object, the library name of a part ("R:DEVICE\R"
// or "DEVICE\R"), or the block of kPolygonPoints point pairs of a polygon; other kinds hold
// null. Records are copied shallowly (undo snapshots, moves); whoever deletes a record for good
// releases its data with ReleaseObjectData, which also clears the pointer.

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr int kDrawObjectWords = 24;
inline constexpr int kPolygonPoints = 10;
inline constexpr int kPointBlockBytes = kPolygonPoints * 2 * 4;   // 80

// Kind codes of word 4, bits 0-7. A placed part is kPart + its index in the PartSymbol table;
// kPart alone is a part whose symbol is not resolved yet (only while a file is being read).
enum ObjectType : int {
    kObjDeleted = 0,
    kObjLine = 1,
    kObjRectangle = 2,
    kObjText = 4,
    kObjArrow = 5,
    kObjDot = 6,
    kObjEllipse = 7,
    kObjBus = 9,
    kObjArc = 10,
    kObjRoundRect = 12,
    kObjTriangle = 13,
    kObjPolygon = 14,
    kObjPart = 64,
};

struct DrawObject {
    std::array<int32_t, kDrawObjectWords> w{};   // numbered words; w[10] is unused (see text)
    char* text = nullptr;                          // word 10: owned text, part name or point block

    int type() const { return w[4] & 0xFF; }
    void setType(int type) { w[4] = (w[4] & ~0xFF) | (type & 0xFF); }
    bool isPart() const { return type() >= kObjPart; }
    // The PartSymbol index of a placed part (0 while unresolved).
    int symbolIndex() const { return type() - kObjPart; }
    int sheet() const { return w[23]; }
    // The drawing layer 0-15 (word 4, bits 10-13); 4 is on every layer.
    int layer() const { return (w[4] >> 10) & 0xF; }
    // Whether the object shows while layer `shown` is current (4 shows every layer).
    bool onLayer(int shown) const { return layer() == shown || layer() == 4 || shown == 4; }
    // The angle of parts, texts and shapes in tenths of a degree (word 5, bits 2-13).
    int rotation() const { return (w[5] >> 2) & 0xFFF; }
    // Whether a rotated shape is mirrored before it is turned (word 5, bit 15).
    bool mirrored() const { return (w[5] & 0x8000) != 0; }
    int x() const { return w[0]; }
    int y() const { return w[1]; }
    // A part's terminal in the part editor: a line with a pin text (words 13 to 15).
    bool isPinLine() const { return type() == kObjLine && (w[13] & 0xFF) != 0; }
    // Lines, arrows, buses and arcs keep a second point in words 2 and 3.
    bool hasSecondPoint() const
    {
        const int t = type();
        return t == kObjLine || t == kObjArrow || t == kObjBus || t == kObjArc;
    }

    // Polygon points: word 2 is the number of points, word 10 the point block.
    int pointCount() const;
    int32_t pointX(int i) const;
    int32_t pointY(int i) const;
    void setPoint(int i, int32_t x, int32_t y);
};

// The words of a new record: first point (x, y), words 2 and 3, the kind in word 4 and the
// sheet in word 23; everything else 0.
std::array<int32_t, kDrawObjectWords> ObjectWords(int type, int x, int y, int w2 = 0, int w3 = 0, int sheet = 1);

// A zeroed point block of kPointBlockBytes, or null when memory runs out.
char* AllocPointBlock();
void FreePointBlock(char*& block);

// Frees the record's word-10 data by its kind (text and parts through FreeStr, polygons their
// point block) and clears the pointer.
void ReleaseObjectData(DrawObject& object);

// Gives a text or a part a copy of text in place of its own. When no copy can be made (out of
// memory, which StrDupChecked reports) the record keeps the text it had and false comes back.
bool ReplaceObjectText(DrawObject& object, std::string_view text);

// Builds a record from its words and its owned data: texts and parts get a heap copy of text
// ("Bad String!" when text is null), polygons a new point block receiving the first
// pointCount of points (pairs x, y), other kinds no data.
DrawObject MakeDrawObject(const std::array<int32_t, kDrawObjectWords>& words, const char* text,
                          const int32_t* points = nullptr, int pointCount = 0);

// A record with its own copy of the word-10 data (text, part name or point block), so the copy
// and the original can be changed and released independently. Out of memory leaves the copy's
// data null (StrDupChecked reports it).
DrawObject CloneDrawObject(const DrawObject& object);
