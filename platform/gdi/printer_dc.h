#pragma once
// A printer context: the same drawing rules as the raster contexts, on a printer page (a PDF
// file when no printer is involved, as in tests). Drawing happens between StartDoc/StartPage
// and EndPage/EndDoc; raster modes act as on white paper, since a page cannot be read back.

#include "platform/core/atomic_file.h"
#include "platform/gdi/qt_text_dc.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

struct PdfTarget {
    std::string path;
    int resolution = 600;          // dots per inch
    bool landscape = false;
    bool a4 = false;               // Letter otherwise
};

struct ExternalPrinter;            // printer_dc_qt.h: a QPrinter set up by a print dialog

class PrinterDc : public QtTextDc {
public:
    explicit PrinterDc(const PdfTarget& target);
    explicit PrinterDc(const ExternalPrinter& printer);
    ~PrinterDc() override;

    // Each returns a positive value on success and 0 or less on failure.
    int StartDoc(std::string_view documentName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    // Why a printout to a file could not be put in place (after StartDoc or EndDoc failed).
    std::optional<WriteError> fileError() const;

protected:
    void drawPolyline(std::span<const Point> points, bool continuePattern) override;
    void drawShape(const DeviceShape& shape) override;
    void drawText(Point reference, std::string_view text, unsigned options, const Rect* rect) override;
    void fillDeviceRect(const Rect& rect, const DeviceBrush& brush) override;
    bool setDevicePixel(Point p, ColorRef rgbColor) override;
    int deviceCaps(int index) const override;
    bool isPrinter() const override { return true; }
    void blitPixels(const Rect& target, const PixelView& source, const Rect& sourceRect,
                    uint32_t rop) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace plat
