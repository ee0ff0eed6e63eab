#pragma once
// Plain values of the drawing layer: points, rectangles, colour references and the numbered
// constants the painters pass (map modes, raster modes, pen and hatch styles, text alignment,
// device-capability indexes). Values are the ones the painters' code compares against.

#include <bit>
#include <cstdint>

namespace plat {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left/top inclusive, right/bottom exclusive, as every rectangle of the layer.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    Rect normalized() const;
    Rect intersected(const Rect& other) const;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour reference: 0x00BBGGRR, or 0x01000000 | index for an entry of the selected palette.
using ColorRef = uint32_t;
constexpr ColorRef kClrInvalid = 0xFFFFFFFF;

constexpr ColorRef rgb(int r, int g, int b)
{
    return ColorRef(r & 0xFF) | (ColorRef(g & 0xFF) << 8) | (ColorRef(b & 0xFF) << 16);
}
constexpr ColorRef paletteIndex(int index) { return 0x01000000u | ColorRef(index & 0xFFFF); }
constexpr bool isPaletteIndex(ColorRef c) { return (c >> 24) == 0x01; }
constexpr int redOf(ColorRef c) { return int(c & 0xFF); }
constexpr int greenOf(ColorRef c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(ColorRef c) { return int((c >> 16) & 0xFF); }

// a*b/c with the exact quotient rounded to the nearest integer, halves away from zero; c == 0
// gives -1, as the platform's MulDiv does. The whole logical-to-device mapping is built on it,
// so it is inline: painting maps every coordinate through it.
inline int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    int64_t num = int64_t(a) * b;
    int64_t den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    return int(q < INT32_MIN ? INT32_MIN : q > INT32_MAX ? INT32_MAX : q);
}

// mulDiv(a, b, c) for fixed b and c, with the division done as a multiplication by c's
// reciprocal, exact for every a: a device maps two coordinates per point through it.
class FixedMulDiv {
public:
    FixedMulDiv() = default;
    FixedMulDiv(int b, int c) : b_(b), c_(c)
    {
        if (c == 0)
            return;
        num_ = c < 0 ? -int64_t{b} : b;
        den_ = static_cast<uint64_t>(c < 0 ? -int64_t{c} : c);
        shift_ = std::bit_width(den_) - 1;
        // With 2^shift < den, the quotient of u < 2^63 by den is (u * magic) >> (64 + shift),
        // rounded down exactly: magic exceeds 2^(64+shift) / den by less than one, and that
        // error times u stays below 1/den. A power of two is a plain shift.
        if (!std::has_single_bit(den_))
            magic_ = static_cast<uint64_t>((static_cast<unsigned __int128>(1) << (64 + shift_)) / den_) + 1;
    }
    bool isFor(int b, int c) const { return b == b_ && c == c_; }
    int operator()(int a) const
    {
        if (den_ == 0)
            return -1;
        const int64_t n = int64_t{a} * num_;    // |n| <= 2^62
        const uint64_t u = (n < 0 ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n)) + den_ / 2;
        const uint64_t q = magic_ == 0 ? u >> shift_
                                       : static_cast<uint64_t>((static_cast<unsigned __int128>(u) * magic_) >> 64) >> shift_;
        const int64_t r = n < 0 ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
        return int(r < INT32_MIN ? INT32_MIN : r > INT32_MAX ? INT32_MAX : r);
    }

private:
    int b_ = 0, c_ = 0;
    int64_t num_ = 0;
    uint64_t den_ = 0, magic_ = 0;
    int shift_ = 0;
};

// Map modes.
enum : int { kMmText = 1, kMmIsotropic = 7, kMmAnisotropic = 8 };

// Binary raster operations (SetROP2), numbered 1..16.
enum : int {
    kR2Black = 1, kR2NotMergePen = 2, kR2MaskNotPen = 3, kR2NotCopyPen = 4, kR2MaskPenNot = 5,
    kR2Not = 6, kR2XorPen = 7, kR2NotMaskPen = 8, kR2MaskPen = 9, kR2NotXorPen = 10, kR2Nop = 11,
    kR2MergeNotPen = 12, kR2CopyPen = 13, kR2MergePenNot = 14, kR2MergePen = 15, kR2White = 16,
};

// Pen styles.
enum : int {
    kPsSolid = 0, kPsDash = 1, kPsDot = 2, kPsDashDot = 3, kPsDashDotDot = 4, kPsNull = 5,
    kPsInsideFrame = 6,
};

// Brush styles and hatch styles.
enum : int { kBsSolid = 0, kBsNull = 1, kBsHollow = 1, kBsHatched = 2 };
enum : int {
    kHsHorizontal = 0, kHsVertical = 1, kHsFDiagonal = 2, kHsBDiagonal = 3, kHsCross = 4,
    kHsDiagCross = 5,
};

// Background modes and polygon fill modes.
enum : int { kTransparent = 1, kOpaque = 2 };
enum : int { kAlternate = 1, kWinding = 2 };

// Text alignment flags (SetTextAlign).
enum : unsigned {
    kTaLeft = 0, kTaTop = 0, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24,
};
constexpr unsigned kTaHorizontalMask = 6;
constexpr unsigned kTaVerticalMask = 24;

// ExtTextOut options.
enum : unsigned { kEtoOpaque = 2, kEtoClipped = 4 };

// Region kinds returned by clipping calls.
enum : int { kRgnError = 0, kNullRegion = 1, kSimpleRegion = 2, kComplexRegion = 3 };

// Device-capability indexes (GetDeviceCaps).
enum : int {
    kTechnology = 2, kHorzSize = 4, kVertSize = 6, kHorzRes = 8, kVertRes = 10, kBitsPixel = 12,
    kPlanes = 14, kNumColors = 24, kRasterCaps = 38, kLogPixelsX = 88, kLogPixelsY = 90,
    kSizePalette = 104, kNumReserved = 106, kColorRes = 108, kPhysicalWidth = 110,
    kPhysicalHeight = 111, kPhysicalOffsetX = 112, kPhysicalOffsetY = 113,
};
enum : int { kDtRasDisplay = 1, kDtRasPrinter = 2 };
enum : int { kRcBitBlt = 1, kRcStretchBlt = 0x800 };

// Ternary raster operations of BitBlt/StretchBlt that the layer supports.
enum : uint32_t {
    kSrcCopy = 0x00CC0020, kSrcPaint = 0x00EE0086, kSrcAnd = 0x008800C6, kSrcInvert = 0x00660046,
    kNotSrcCopy = 0x00330008, kDstInvert = 0x00550009, kBlackness = 0x00000042,
    kWhiteness = 0x00FF0062,
};

// Text metrics in logical units.
struct TextMetrics {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
    bool tmItalic = false;
    bool tmUnderlined = false;
};

}  // namespace plat
