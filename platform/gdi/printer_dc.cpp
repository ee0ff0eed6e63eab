#include "platform/gdi/printer_dc.h"

#include "platform/core/atomic_file.h"
#include "platform/gdi/device_caps.h"
#include "platform/gdi/printer_dc_qt.h"
#include "platform/gdi/qt_geometry.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRegion>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace plat {

namespace {

// The colour a raster mode leaves on white paper.
QColor paperColour(ColorRef rgbColor, int rop2)
{
    return QColor::fromRgb(gdi::applyRop2(rop2, gdi::toPixel(rgbColor), 0xFFFFFFFFu));
}

QImage hatchTile(const DeviceBrush& b, const DeviceState& st, QColor fg)
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    const QRgb bk = st.bkMode == kOpaque ? paperColour(st.bkRgb, st.rop2).rgb() : 0u;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, gdi::hatchBit(b.hatch, x, y) ? fg.rgb() : bk);
    return tile;
}

// A printout to a file is drawn into a scratch file beside it; only a document that ends as a
// PDF ends, with its trailer, replaces the file, through the one writer every file goes by.
class PdfScratch {
public:
    // Points the printer at a scratch file; false when none can be made.
    bool begin(QPrinter& printer)
    {
        target_ = printer.outputFileName().toStdString();
        std::string name = target_ + ".XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            error_ = WriteError{target_, errno, WriteError::Step::Create};
            return false;
        }
        ::close(fd);
        scratch_ = name;
        printer.setOutputFileName(QString::fromStdString(scratch_));
        return true;
    }
    // Puts the finished scratch file's bytes in place; false (with the reason kept) otherwise.
    bool finish(bool drawn)
    {
        std::ifstream in(scratch_, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        discard();
        static constexpr std::string_view kTrailer = "%%EOF";
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (!drawn || text.find(kTrailer, text.size() > 16 ? text.size() - 16 : 0) == std::string_view::npos) {
            // The drawing library does not say why its file came out short; a full disk is
            // what leaves a printout without its end.
            error_ = WriteError{target_, ENOSPC, WriteError::Step::Write};
            return false;
        }
        WriteResult written = writeFileAtomically(target_, bytes);
        if (!written)
            error_ = written.error();
        return static_cast<bool>(written);
    }
    void discard()
    {
        if (!scratch_.empty())
            std::remove(scratch_.c_str());
        scratch_.clear();
    }
    bool active() const { return !scratch_.empty(); }
    const std::optional<WriteError>& error() const { return error_; }

private:
    std::string target_;
    std::string scratch_;
    std::optional<WriteError> error_;
};

}  // namespace

struct PrinterDc::Impl {
    std::unique_ptr<QPrinter> owned;
    QPrinter* printer = nullptr;
    QPainter painter;
    PdfScratch pdf;
    bool inDoc = false;
    bool inPage = false;
    int pages = 0;

    bool ready() const { return inDoc && inPage; }

    void prepare(const DeviceState& st)
    {
        if (st.clip) {
            QRegion region;
            for (const Rect& r : st.clip->rects())
                region += QRect(r.left, r.top, r.width(), r.height());
            painter.setClipRegion(region);
        } else {
            painter.setClipping(false);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    QBrush brushOf(const DeviceBrush& b, const DeviceState& st)
    {
        const QColor fg = paperColour(b.rgb, st.rop2);
        if (!b.hatched)
            return QBrush(fg);
        return QBrush(hatchTile(b, st, fg));
    }

    void fill(const QPainterPath& path, const DeviceBrush& b, const DeviceState& st)
    {
        painter.setBrushOrigin(st.brushOrg.x, st.brushOrg.y);
        painter.fillPath(path, brushOf(b, st));
    }

    void stroke(const QPainterPath& path, const DeviceState& st)
    {
        QPen pen(paperColour(st.pen.rgb, st.rop2), st.pen.width);
        if (st.pen.width > 1) {
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        } else {
            pen.setCapStyle(Qt::FlatCap);
            if (!gdi::dashPattern(st.pen.style).isEmpty()) {
                if (st.bkMode == kOpaque)
                    painter.strokePath(path, QPen(paperColour(st.bkRgb, st.rop2), 1, Qt::SolidLine, Qt::FlatCap));
                pen.setDashPattern(gdi::dashPattern(st.pen.style));
            }
        }
        painter.strokePath(path, pen);
    }
};

PrinterDc::PrinterDc(const PdfTarget& target) : impl_(std::make_unique<Impl>())
{
    impl_->owned = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& p = *impl_->owned;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(target.path));
    p.setResolution(target.resolution);
    p.setPageSize(QPageSize(target.a4 ? QPageSize::A4 : QPageSize::Letter));
    p.setPageOrientation(target.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    impl_->printer = &p;
}

PrinterDc::PrinterDc(const ExternalPrinter& printer) : impl_(std::make_unique<Impl>())
{
    impl_->printer = &printer.printer;
}

PrinterDc::~PrinterDc()
{
    if (impl_->painter.isActive())
        impl_->painter.end();
    impl_->pdf.discard();
}

int PrinterDc::StartDoc(std::string_view documentName)
{
    if (impl_->inDoc)
        return 0;
    impl_->printer->setDocName(QString::fromUtf8(documentName.data(), qsizetype(documentName.size())));
    const bool toFile =
        impl_->printer->outputFormat() == QPrinter::PdfFormat && !impl_->printer->outputFileName().isEmpty();
    if (toFile && !impl_->pdf.begin(*impl_->printer))
        return 0;
    if (!impl_->painter.begin(impl_->printer)) {
        impl_->pdf.discard();
        return 0;
    }
    impl_->inDoc = true;
    impl_->pages = 0;
    return 1;
}

int PrinterDc::StartPage()
{
    if (!impl_->inDoc || impl_->inPage)
        return 0;
    // The first page exists once the document starts; later ones are begun here.
    if (impl_->pages > 0 && !impl_->printer->newPage())
        return 0;
    impl_->inPage = true;
    return 1;
}

int PrinterDc::EndPage()
{
    if (!impl_->inPage)
        return 0;
    impl_->inPage = false;
    ++impl_->pages;
    return 1;
}

int PrinterDc::EndDoc()
{
    if (!impl_->inDoc)
        return 0;
    impl_->inPage = false;
    impl_->inDoc = false;
    const bool drawn = impl_->painter.end();
    if (impl_->pdf.active())
        return impl_->pdf.finish(drawn) ? 1 : 0;
    return drawn ? 1 : 0;
}

std::optional<WriteError> PrinterDc::fileError() const { return impl_->pdf.error(); }

int PrinterDc::AbortDoc()
{
    if (!impl_->inDoc)
        return 0;
    impl_->printer->abort();
    impl_->painter.end();
    impl_->pdf.discard();
    impl_->inDoc = impl_->inPage = false;
    return 1;
}

void PrinterDc::drawPolyline(std::span<const Point> points, bool)
{
    const DeviceState st = deviceState();
    if (!impl_->ready() || !st.pen.visible || st.rop2 == kR2Nop)
        return;
    impl_->prepare(st);
    impl_->stroke(gdi::polylinePath(points), st);
}

void PrinterDc::drawShape(const DeviceShape& shape)
{
    const DeviceState st = deviceState();
    if (!impl_->ready() || st.rop2 == kR2Nop)
        return;
    impl_->prepare(st);
    if (shape.kind != ShapeKind::Arc && st.brush.visible)
        impl_->fill(gdi::shapeArea(shape, st.pen.visible), st.brush, st);
    if (st.pen.visible)
        impl_->stroke(gdi::shapeOutline(shape), st);
}

void PrinterDc::drawText(Point reference, std::string_view text, unsigned options, const Rect* rect)
{
    if (!impl_->ready())
        return;
    const DeviceState st = deviceState();
    const DeviceFont df = deviceFont();
    const gdi::QtFont& font = gdi::resolveFont(df);
    const QString s = gdi::decodeText(text);
    const gdi::TextPlacement place = gdi::placeText(reference, font, gdi::textWidth(font, s),
                                                    st.textAlign, df.font.escapement);
    impl_->prepare(st);
    if (rect && (options & kEtoClipped))
        impl_->painter.setClipRect(QRect(rect->left, rect->top, rect->width(), rect->height()), Qt::IntersectClip);
    if (rect && (options & kEtoOpaque))
        impl_->painter.fillRect(QRect(rect->left, rect->top, rect->width(), rect->height()),
                                QColor::fromRgb(gdi::toPixel(st.bkRgb)));
    if (st.bkMode == kOpaque) {
        QPainterPath cell;
        cell.addRect(place.cell);
        impl_->painter.fillPath(place.toDevice.map(cell), QColor::fromRgb(gdi::toPixel(st.bkRgb)));
    }
    impl_->painter.fillPath(place.toDevice.map(gdi::textOutline(font, s)),
                            QColor::fromRgb(gdi::toPixel(st.textRgb)));
}

void PrinterDc::fillDeviceRect(const Rect& rect, const DeviceBrush& brush)
{
    if (!impl_->ready() || !brush.visible)
        return;
    DeviceState st = deviceState();
    st.rop2 = kR2CopyPen;
    impl_->prepare(st);
    QPainterPath path;
    path.addRect(QRectF(rect.left, rect.top, rect.width(), rect.height()));
    impl_->fill(path, brush, st);
}

bool PrinterDc::setDevicePixel(Point p, ColorRef rgbColor)
{
    if (!impl_->ready())
        return false;
    impl_->prepare(deviceState());
    impl_->painter.fillRect(QRect(p.x, p.y, 1, 1), QColor::fromRgb(gdi::toPixel(rgbColor)));
    return true;
}

int printedPageCaps(int index, const QRect& paper, const QRect& paint, int dpi)
{
    const DeviceSurface page{kDtRasPrinter,
                             {paper.width(), paper.height()},
                             {paint.left(), paint.top(), paint.left() + paint.width(), paint.top() + paint.height()},
                             dpi,
                             dpi,
                             24,
                             24};
    return surfaceCaps(index, page);
}

int PrinterDc::deviceCaps(int index) const
{
    const QPrinter& p = *impl_->printer;
    const int dpi = p.resolution();
    return printedPageCaps(index, p.pageLayout().fullRectPixels(dpi), p.pageLayout().paintRectPixels(dpi), dpi);
}

void PrinterDc::blitPixels(const Rect& target, const PixelView& source, const Rect& sourceRect,
                           uint32_t rop)
{
    if (!impl_->ready())
        return;
    impl_->prepare(deviceState());
    const QRect t(target.left, target.top, target.width(), target.height());
    if (!source.bits) {
        impl_->painter.fillRect(t, rop == kBlackness ? Qt::black : Qt::white);
        return;
    }
    QImage image(reinterpret_cast<const uchar*>(source.bits), source.width, source.height,
                 qsizetype(source.stride) * 4, QImage::Format_RGB32);
    QImage part = image.copy(sourceRect.left, sourceRect.top, sourceRect.width(), sourceRect.height());
    if (rop == kNotSrcCopy)
        part.invertPixels();
    impl_->painter.drawImage(t, part);
}

}  // namespace plat
