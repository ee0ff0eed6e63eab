#include "platform/qt_host/print_target_qt.h"

#include "platform/qt_host/qt_text.h"

#include <QPageLayout>
#include <QPageSize>
#include <algorithm>

namespace plat {

void configurePrinter(QPrinter& printer, const PrintTarget& target)
{
    if (!target.pdfPath.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pathToQString(target.pdfPath));
        printer.setResolution(kPdfResolution);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (!target.printerName.empty())
            printer.setPrinterName(QString::fromStdString(target.printerName));
    }
    if (target.paperWidthMm > 0 && target.paperHeightMm > 0)
        printer.setPageSize(QPageSize(QSizeF(target.paperWidthMm, target.paperHeightMm), QPageSize::Millimeter,
                                      QString(), QPageSize::FuzzyMatch));
    else if (!target.pdfPath.empty())
        printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(target.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setCopyCount(std::max(target.copies, 1));
}

PrintTarget targetOf(const QPrinter& printer)
{
    PrintTarget target;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        target.pdfPath = pathFromQString(printer.outputFileName());
    else
        target.printerName = printer.printerName().toStdString();
    const QPageLayout layout = printer.pageLayout();
    // The paper is kept upright; the orientation says how it is used.
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    target.paperWidthMm = paper.width();
    target.paperHeightMm = paper.height();
    target.landscape = layout.orientation() == QPageLayout::Landscape;
    target.copies = std::max(printer.copyCount(), 1);
    return target;
}

}  // namespace plat
