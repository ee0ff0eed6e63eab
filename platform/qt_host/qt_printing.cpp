// The printing side of the desktop host: the default printer, the print and print setup
// dialogs, and the print preview window.
#include "platform/qt_host/print_preview_window.h"
#include "platform/qt_host/print_target_qt.h"
#include "platform/qt_host/qt_host_impl.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <algorithm>

namespace plat {

std::optional<PrintTarget> QtUiHost::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    PrintTarget target;
    target.printerName = info.printerName().toStdString();
    return target;
}

bool QtUiHost::printDialog(PrintDialogRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(printer, request.target);
    printer.setFromTo(static_cast<int>(request.fromPage), static_cast<int>(request.toPage));
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(static_cast<int>(request.minPage), static_cast<int>(request.maxPage));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.target = targetOf(printer);
    if (printer.printRange() == QPrinter::PageRange) {
        request.fromPage = static_cast<unsigned>(std::max(printer.fromPage(), 1));
        request.toPage = static_cast<unsigned>(std::max(printer.toPage(), printer.fromPage()));
    } else {
        request.fromPage = request.minPage;
        request.toPage = request.maxPage;
    }
    return true;
}

// Setup chooses the printer (or a PDF file) and its paper; no pages are printed from here.
bool QtUiHost::printSetupDialog(PrintTarget& target)
{
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(printer, target);
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    target = targetOf(printer);
    return true;
}

PreviewAction QtUiHost::showPrintPreview(const PrintPreviewRequest& preview)
{
    if (preview.pages.empty())
        return PreviewAction::Close;
    PrintPreviewWindow window(preview, dialogParent());
    window.exec();
    return window.action();
}

}  // namespace plat
