#pragma once
// The device context the painters draw through. It keeps the state the painters rely on
// (mapping, selected objects, modes, current position, clip) and does the logical-to-device
// mapping itself in integer arithmetic; the kinds of context (raster image, printer, recorder)
// only receive device-space primitives through the protected hooks below.
//
// Defaults of a fresh context: black pen, white brush, system font, black text on white, opaque
// background, copy raster mode, MM_TEXT, alternate polygon fill, top-left text alignment,
// the default palette, no clip.

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/region.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

// Pixels a context can hand to a blit: 0xFFRRGGBB words, `stride` words apart per row.
struct PixelView {
    const uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// What reaches a device: shapes, pens, brushes and fonts in device pixels.
enum class ShapeKind { Polygon, Rectangle, RoundRect, Ellipse, Arc, Chord, Pie };
struct DeviceShape {
    ShapeKind kind = ShapeKind::Polygon;
    std::vector<Point> points;                // Polygon
    int fillMode = kAlternate;                // Polygon
    Rect box;                                 // normalized bounding box of the others
    Size corner;                              // RoundRect corner ellipse
    Point start, end;                         // radial points of Arc, Chord, Pie
};
struct DevicePen {
    bool visible = true;
    int style = kPsSolid;                     // only dashed when width is 1
    int width = 1;                            // device pixels
    ColorRef rgb = 0;
};
struct DeviceBrush {
    bool visible = true;
    bool hatched = false;
    int hatch = 0;
    ColorRef rgb = 0;
};
struct DeviceFont {
    Font font;                                // face and style as selected
    int emHeight = 0;                         // device pixels, 0 = by cell height or default
    int cellHeight = 0;                       // device pixels when the height was positive
    int averageWidth = 0;                     // device pixels, 0 = the face's own
};
// Everything a device needs of the context's state to draw one primitive.
struct DeviceState {
    DevicePen pen;
    DeviceBrush brush;
    int rop2 = kR2CopyPen;
    int bkMode = kOpaque;
    ColorRef bkRgb = 0xFFFFFF;
    ColorRef textRgb = 0;
    unsigned textAlign = 0;
    Point brushOrg;
    const Region* clip = nullptr;             // device pixels; nullptr: the whole device
};
// The objects and modes selected into a context, in logical terms: what the next call draws
// with. A context keeps them among its state; a recorder copies them whole into each call.
struct DrawingModes {
    Pen pen;
    Brush brush;
    Font font;
    int rop2 = kR2CopyPen;
    int bkMode = kOpaque;
    ColorRef bkColor = rgb(255, 255, 255);
    ColorRef textColor = rgb(0, 0, 0);
    unsigned textAlign = kTaLeft | kTaTop;
    int mapMode = kMmText;
};
// Device-space measurement of a string in the selected font.
struct DeviceTextSize {
    Size extent;
    TextMetrics metrics;
};

class Dc {
public:
    Dc();
    virtual ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    // --- mapping -----------------------------------------------------------------------------
    int SetMapMode(int mode);                    // returns the previous mode
    int GetMapMode() const { return s_.mapMode; }
    Point SetWindowOrg(int x, int y);            // each setter returns the previous value
    Point SetViewportOrg(int x, int y);
    Point OffsetViewportOrg(int dx, int dy);
    // Extents are ignored in MM_TEXT and a zero extent is refused (the previous one is kept);
    // MM_ISOTROPIC shrinks the viewport extent so both axes scale alike.
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);
    Point GetWindowOrg() const { return s_.windowOrg; }
    Point GetViewportOrg() const { return s_.viewportOrg; }
    Size GetWindowExt() const { return s_.windowExt; }
    Size GetViewportExt() const { return s_.viewportExt; }
    void LPtoDP(std::span<Point> points) const;
    void DPtoLP(std::span<Point> points) const;
    Point LPtoDP(Point p) const;
    Point DPtoLP(Point p) const;
    Rect LPtoDP(const Rect& r) const;            // corners mapped, not reordered
    Rect DPtoLP(const Rect& r) const;

    // --- objects and colours -----------------------------------------------------------------
    Pen SelectObject(const Pen& pen);            // each returns what was selected before
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    const Pen& GetCurrentPen() const { return s_.pen; }
    const Brush& GetCurrentBrush() const { return s_.brush; }
    const Font& GetCurrentFont() const { return s_.font; }
    Palette SelectPalette(const Palette& palette, bool forceBackground = false);
    const Palette& GetCurrentPalette() const { return s_.palette; }
    int RealizePalette();                        // number of entries mapped
    // The RGB colour a reference draws with on this context (palette indexes resolved).
    ColorRef resolveColor(ColorRef c) const;

    int SetROP2(int mode);
    int GetROP2() const { return s_.rop2; }
    int SetBkMode(int mode);
    int GetBkMode() const { return s_.bkMode; }
    ColorRef SetBkColor(ColorRef c);
    ColorRef GetBkColor() const { return s_.bkColor; }
    ColorRef SetTextColor(ColorRef c);
    ColorRef GetTextColor() const { return s_.textColor; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return s_.textAlign; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return s_.polyFillMode; }
    Point SetBrushOrg(int x, int y);             // device pixels; hatches repeat from here

    // --- text --------------------------------------------------------------------------------
    // Text is drawn in the text colour whatever the raster mode, with the background box filled
    // in the background colour in opaque mode.
    void TextOut(int x, int y, std::string_view text);
    void ExtTextOut(int x, int y, unsigned options, const Rect* rect, std::string_view text);
    Size GetTextExtent(std::string_view text);   // logical units, what TextOut covers
    TextMetrics GetTextMetrics();

    // --- shapes (logical coordinates) ---------------------------------------------------------
    Point MoveTo(int x, int y);                  // returns the previous position
    void LineTo(int x, int y);                   // the end point itself is not drawn
    Point GetCurrentPosition() const { return s_.position; }
    void Polyline(std::span<const Point> points);
    void Polygon(std::span<const Point> points);
    // Closed shapes leave out their right and bottom edges.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // Arcs run counter-clockwise in device space from the radial through (xs, ys) to the one
    // through (xe, ye); equal radials draw the whole ellipse.
    void Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    void Chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    void Pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    // FillRect and FrameRect paint with the given brush and ignore the raster mode.
    void FillRect(const Rect& rect, const Brush& brush);
    void FrameRect(const Rect& rect, const Brush& brush);
    // SetPixel ignores the raster mode; it returns the colour set, or kClrInvalid outside.
    ColorRef SetPixel(int x, int y, ColorRef color);
    // SetPixel at every crossing of the logical columns xs and rows ys, row by row: the same
    // pixels, with each column and row mapped once (a grid of dots is many thousand pixels).
    void SetPixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef color);
    ColorRef GetPixel(int x, int y) const;

    // --- clipping ----------------------------------------------------------------------------
    int IntersectClipRect(int left, int top, int right, int bottom);   // logical
    // Device pixels; the context keeps a copy. nullptr removes the clip.
    int SelectClipRgn(const Region* region);
    int GetClipBox(Rect& box) const;             // logical
    // The limit the window system puts on a context (a paint's update region); the programs'
    // own clip is always cut to it and SelectClipRgn(nullptr) does not lift it.
    void setSystemClip(std::optional<Region> region);

    // --- device --------------------------------------------------------------------------
    int GetDeviceCaps(int index) const;
    bool IsPrinting() const { return isPrinter(); }
    int SaveDC();                                // returns the saved level (1, 2, ...)
    bool RestoreDC(int level);                   // negative: relative to the newest
    // Copies pixels of `source` (device pixels of both contexts, mapped from logical units).
    bool BitBlt(int x, int y, int width, int height, const Dc& source, int xSrc, int ySrc,
                uint32_t rop);
    bool StretchBlt(int x, int y, int width, int height, const Dc& source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, uint32_t rop);

protected:
    // What the public call was, for contexts that record calls.
    enum CallUses : unsigned { kUsesNone = 0, kUsesPen = 1, kUsesBrush = 2, kUsesFont = 4 };
    struct CallNote {
        std::string_view name;
        std::vector<int> args;
        std::string text;
        unsigned uses = kUsesNone;
        bool drawing = false;
    };

    // Hooks for the kinds of context; coordinates are device pixels.
    virtual void drawPolyline(std::span<const Point> points, bool continuePattern);
    virtual void drawShape(const DeviceShape& shape);
    virtual void drawText(Point reference, std::string_view text, unsigned options,
                          const Rect* rect);
    virtual void fillDeviceRect(const Rect& rect, const DeviceBrush& brush);
    virtual bool setDevicePixel(Point p, ColorRef rgbColor);
    // Device columns and rows; by default one setDevicePixel per crossing.
    virtual void setDevicePixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor);
    virtual ColorRef getDevicePixel(Point p) const;
    virtual DeviceTextSize measureText(std::string_view text);
    virtual int deviceCaps(int index) const;
    virtual bool isPrinter() const { return false; }
    virtual std::optional<PixelView> devicePixels() const { return std::nullopt; }
    virtual void blitPixels(const Rect& target, const PixelView& source, const Rect& sourceRect,
                            uint32_t rop);
    virtual void onCall(const CallNote& note);
    // Called when the effective clip changes.
    virtual void onClipChanged() {}

    DevicePen devicePen() const;
    DeviceBrush deviceBrush(const Brush& brush) const;
    DeviceBrush deviceBrush() const { return deviceBrush(s_.brush); }
    DeviceFont deviceFont() const;
    // The clip the device must honour (program clip cut to the system clip), or nullptr.
    const Region* effectiveClip() const;
    DeviceState deviceState() const;
    const DrawingModes& drawingModes() const { return s_; }
    int deviceLength(int logical, bool xAxis) const;

    // Set by contexts that want onCall for every public call.
    bool recordCalls_ = false;

private:
    struct State : DrawingModes {
        Point windowOrg, viewportOrg;
        Size windowExt{1, 1}, viewportExt{1, 1};
        // mulDiv(v, viewport extent, window extent) per axis, with the extents.
        FixedMulDiv toDeviceX{1, 1}, toDeviceY{1, 1};
        Palette palette;
        int polyFillMode = kAlternate;
        Point brushOrg;
        Point position;
        std::optional<Region> clip;
    };

    // Every public call notes itself; only recording contexts build anything, and the test for
    // that is inline, since painting makes these calls for every primitive.
    void note(std::string_view name, std::initializer_list<int> args, unsigned uses, bool drawing,
              std::string_view text = {})
    {
        if (recordCalls_)
            record(name, args, uses, drawing, text);
    }
    void record(std::string_view name, std::initializer_list<int> args, unsigned uses, bool drawing,
                std::string_view text);
    // A drawing call whose arguments end with a point list.
    void notePoints(std::string_view name, std::initializer_list<int> head, std::span<const Point> points,
                    unsigned uses, std::string_view text = {})
    {
        if (recordCalls_)
            recordPoints(name, head, points, uses, text);
    }
    void recordPoints(std::string_view name, std::initializer_list<int> head, std::span<const Point> points,
                      unsigned uses, std::string_view text);
    // A call that fills a rectangle with a brush of its own: recorded as if that brush were
    // selected, which it is not.
    void noteWithBrush(std::string_view name, const Rect& rect, const Brush& brush)
    {
        if (!recordCalls_)
            return;
        const Brush current = std::exchange(s_.brush, brush);
        note(name, {rect.left, rect.top, rect.right, rect.bottom}, kUsesBrush, true);
        s_.brush = current;
    }
    // Records a state call and puts value into field; the value field had.
    template <typename T>
    T noteAndSet(std::string_view name, std::initializer_list<int> args, T& field, T value)
    {
        note(name, args, kUsesNone, false);
        return std::exchange(field, value);
    }
    Size setExtent(std::string_view name, Size& extent, int cx, int cy);
    void fixIsotropic();
    // Every change of an extent ends here, so the scales below always match the extents.
    void extentsChanged();
    void clipChanged();
    Rect deviceBox(int left, int top, int right, int bottom) const;
    void drawArcShape(ShapeKind kind, std::string_view name, int left, int top, int right,
                      int bottom, int xs, int ys, int xe, int ye);

    State s_;
    std::vector<State> saved_;
    std::optional<Region> systemClip_;
    mutable std::optional<Region> effective_;
    mutable bool effectiveValid_ = false;
};

}  // namespace plat
