#pragma once
// The board's object record: fourteen numbered 32-bit words, as the file, clipboard and editing
// code address them, plus the heap data that word 12 points at.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pcb {

// Kinds (word 4, bits 0-6). A placed part is kPart + package index.
enum BoardObjectKind : int {
    kKindDeleted = 0,
    kKindLine = 1,          // line or trace
    kKindRectangle = 2,
    kKindText = 4,
    kKindEllipse = 7,
    kKindArc = 10,
    kKindPad = 13,
    kKindFixedRectangle = 14,
    kKindNoRoute = 16,      // unrouted connection of the rats nest
    kKindPolygon = 18,
    kKindOutline = 19,
    kKindMarker = 25,
    kKindPart = 64,         // 64 alone: a part whose package is not resolved
};

// Layers (word 4 from bit 10 up).
enum BoardLayer : int {
    kLayerTop = 0,          // 1 to 15: inner layers L1 to L15
    kLayerSilkTop = 16,
    kLayerSilkBottom = 17,
    kLayerMaskTop = 18,
    kLayerMaskBottom = 19,
    kLayerPasteTop = 20,
    kLayerPasteBottom = 21,
    kLayerVcc = 22,
    kLayerGround = 23,
    kLayerOutline = 25,
    kLayerPower1 = 26,      // 26 to 29: Power 1 to Power 4
    kLayerPower4 = 29,
    kLayerAll = 31,
};

// The outline's segment block: 1,000 bytes, five words a segment (x1, y1, x2, y2, type).
inline constexpr int kSegmentWords = 5;
inline constexpr int kOutlineBlockWords = 250;
inline constexpr int kMaxOutlineSegments = kOutlineBlockWords / kSegmentWords;
inline constexpr int kVertexWords = 2;

struct BoardObject {
    std::array<int32_t, 14> w{};   // numbered words; w[12] stays 0, its pointer is `data`
    // Word 12: the text of a text, the label of a part, the vertex list of a polygon, the
    // segment block of the outline (all owned), or a pad's borrowed pin-label text.
    void* data = nullptr;
    // The pin number a pad carries while its part is edited in the footprint editor (at most
    // 10 characters). Neither the board file nor a library stores it: the editor saves it as a
    // text at the pad and takes it back from there.
    std::array<char, 11> pin{};

    std::string_view pinNumber() const { return std::string_view(pin.data()); }
    // Keeps the first 10 characters.
    void setPinNumber(std::string_view number)
    {
        pin.fill('\0');
        number.copy(pin.data(), pin.size() - 1);
    }

    int kind() const { return w[4] & 0x7F; }
    void setKind(int kind) { w[4] = static_cast<int32_t>((static_cast<uint32_t>(w[4]) & ~0x7Fu) | (kind & 0x7F)); }
    int flags() const { return (w[4] >> 7) & 7; }
    // Signed: bit 15 of a 16-bit file word reaches the sign.
    int layer() const { return w[4] >> 10; }
    void setLayer(int layer)
    {
        w[4] = static_cast<int32_t>((static_cast<uint32_t>(w[4]) & 0x3FFu) | (static_cast<uint32_t>(layer) << 10));
    }
    bool isPart() const { return kind() >= kKindPart; }
    int package() const { return kind() - kKindPart; }
    // Owned heap strings are the texts of kind 4 and the labels of parts.
    bool ownsText() const { return kind() == kKindText || isPart(); }
    bool ownsPoints() const { return kind() == kKindPolygon || kind() == kKindOutline; }

    char* text() const { return static_cast<char*>(data); }
    int32_t* points() const { return static_cast<int32_t*>(data); }
};

// Zeroed blocks of 32-bit words for polygon vertex lists and the outline's segment block.
int32_t* NewPointBlock(size_t words);
void FreePointBlock(int32_t* block);

// Frees what the object owns (by its kind) and clears the pointer; a pad's borrowed text stays.
void FreeObjectData(BoardObject& object);

// A private copy of what `from` owns, for `to` (whose own data the caller has released): a
// text's string, a polygon's vertex list (word 2 vertices), the outline's segment block. A
// pad's borrowed text is shared, not copied. False when memory runs out (to.data stays null).
bool CloneObjectData(const BoardObject& from, BoardObject& to);

// A record that owns its data: what undo snapshots and copies keep away from the store.
class OwnedObject {
public:
    OwnedObject() = default;
    // A deep copy of `source`; ok() is false when its data could not be copied.
    explicit OwnedObject(const BoardObject& source);
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    OwnedObject(OwnedObject&& other) noexcept;
    OwnedObject& operator=(OwnedObject&& other) noexcept;
    ~OwnedObject() { FreeObjectData(object_); }

    const BoardObject& get() const { return object_; }
    bool ok() const { return ok_; }
    // Hands the data over to the caller; the record keeps its words.
    void* releaseData()
    {
        void* data = object_.data;
        object_.data = nullptr;
        return data;
    }

private:
    BoardObject object_{};
    bool ok_ = true;
};

}  // namespace pcb
