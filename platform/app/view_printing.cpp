// The framework's print job and print preview, run through a view's printing hooks.
#include "platform/app/command_ids.h"
#include "platform/app/document.h"
#include "platform/app/page_printing.h"
#include "platform/app/preview_dc.h"
#include "platform/app/resources.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/gdi/printer_dc_qt.h"
#include "platform/qt_host/print_target_qt.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace plat {
namespace {

// Fine enough to read a drawing's text when zoomed, small enough to keep a few pages in memory.
constexpr int kPreviewResolution = 120;

std::unique_ptr<QPrinter> printerFor(const PrintTarget& target)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    configurePrinter(*printer, target);
    return printer;
}

// The page a preview shows: the target's page, or a Letter page of a PDF file when there is
// no printer to ask. Nothing is printed, so no file is written.
QPageLayout previewLayout(const PrintTarget& target)
{
    PrintTarget page = target;
    if (page.printerName.empty() && page.pdfPath.empty())
        page.pdfPath = "preview.pdf";
    return printerFor(page)->pageLayout();
}

std::string pdfBeside(const std::string& path)
{
    std::filesystem::path pdf(path);
    pdf.replace_extension(".pdf");
    return pdf.string();
}

}  // namespace

bool View::DoPreparePrinting(PrintInfo* info)
{
    WinApp* app = GetApp();
    std::optional<PrintTarget> printer;
    const bool setUp = app && app->printerSetup();
    if (setUp)
        printer = *app->printerSetup();
    else
        printer = uiHost().defaultPrinter();
    // Without a setup of the user's, pages take the program's preferred orientation.
    const bool landscape = setUp ? printer->landscape : (app && app->defaultLandscape());
    if (printer)
        printer->landscape = landscape;
    if (info->docName.empty() && document_)
        info->docName = document_->GetTitle();
    info->fromPage = info->minPage;
    info->toPage = info->maxPage;

    if (info->preview || info->direct) {
        if (printer) {
            info->printer = *printer;
            return true;
        }
        if (info->preview) {
            info->printer = PrintTarget{};
            info->printer.landscape = landscape;
            return true;
        }
        if (document_ && !document_->GetPathName().empty()) {
            info->printer = PrintTarget{};
            info->printer.pdfPath = pdfBeside(document_->GetPathName());
            info->printer.landscape = landscape;
            return true;
        }
        // A direct job with nowhere to go asks, as a dialog job does.
    }

    PrintDialogRequest request;
    request.target = printer.value_or(PrintTarget{});
    request.target.landscape = landscape;
    request.minPage = info->minPage;
    request.maxPage = info->maxPage;
    request.fromPage = info->minPage;
    request.toPage = info->maxPage;
    request.docName = info->docName;
    if (!uiHost().printDialog(request))
        return false;
    info->printer = request.target;
    info->fromPage = std::clamp(request.fromPage, info->minPage, std::max(info->minPage, info->maxPage));
    info->toPage = std::clamp(request.toPage, info->fromPage, std::max(info->fromPage, info->maxPage));
    // The printer chosen here is the one later jobs start with.
    if (app)
        app->setPrinterSetup(request.target);
    return true;
}

bool View::printPages(Dc& dc, PrintInfo& info, const std::function<bool()>& startPage,
                      const std::function<bool()>& endPage)
{
    const unsigned last = info.GetToPage();
    for (unsigned page = info.GetFromPage(); page <= last; ++page) {
        info.curPage = page;
        OnPrepareDC(dc, &info);
        if (!info.continuePrinting)
            break;
        info.drawRect = dc.DPtoLP(Rect{0, 0, dc.GetDeviceCaps(kHorzRes), dc.GetDeviceCaps(kVertRes)});
        if (!startPage())
            return false;
        OnPrint(dc, &info);
        if (!endPage())
            return false;
    }
    return true;
}

void View::printJob(PrintInfo& info)
{
    if (!OnPreparePrinting(&info))
        return;
    const std::unique_ptr<QPrinter> printer = printerFor(info.printer);
    PrinterDc dc(ExternalPrinter{*printer});
    printing_ = true;
    OnBeginPrinting(dc, &info);
    bool printed = dc.StartDoc(info.docName) > 0;
    if (printed) {
        printed = printPages(dc, info, [&dc] { return dc.StartPage() > 0; }, [&dc] { return dc.EndPage() > 0; });
        if (printed)
            printed = dc.EndDoc() > 0;
        else
            dc.AbortDoc();
    }
    OnEndPrinting(dc, &info);
    printing_ = false;
    if (printed)
        return;
    if (const std::optional<WriteError> error = dc.fileError())
        MessageBox(error->message(), kMbOk | kMbIconExclamation);
    else
        MessageBoxId(kIdpFailedToPrint, kMbOk | kMbIconExclamation);
}

void View::OnFilePrint()
{
    PrintInfo info;
    printJob(info);
}

void View::OnFilePrintDirect()
{
    PrintInfo info;
    info.direct = true;
    printJob(info);
}

// The pages are drawn before the preview shows, so the view's print state (colours replaced
// for paper, the print flag) never lasts into the screen paints made while it is open.
void View::OnFilePrintPreview()
{
    PrintInfo info;
    info.preview = true;
    if (!OnPreparePrinting(&info))
        return;
    PreviewDc dc(previewLayout(info.printer), kPreviewResolution);
    PrintPreviewRequest preview;
    preview.docName = info.docName;
    preview.resolution = kPreviewResolution;
    printing_ = true;
    OnBeginPrinting(dc, &info);
    printPages(
        dc, info,
        [&dc] {
            dc.startPage();
            return true;
        },
        [&] {
            preview.pages.push_back(dc.page(info.curPage));
            return true;
        });
    OnEndPrinting(dc, &info);
    printing_ = false;

    const PreviewAction action = uiHost().showPrintPreview(preview);
    OnEndPrintPreview(dc, &info, Point{0, 0}, this);
    if (action == PreviewAction::Print)
        OnFilePrint();
}

PagePrintResult printOnePage(std::string_view docName, const std::function<void(Dc&)>& draw)
{
    PrintDialogRequest request;
    if (const WinApp* app = GetApp(); app && app->printerSetup())
        request.target = *app->printerSetup();
    request.minPage = request.maxPage = request.fromPage = request.toPage = 1;
    request.docName = std::string(docName);
    if (!uiHost().printDialog(request))
        return PagePrintResult::Cancelled;
    const std::unique_ptr<QPrinter> printer = printerFor(request.target);
    PrinterDc dc(ExternalPrinter{*printer});
    if (dc.StartDoc(docName) <= 0)
        return PagePrintResult::Failed;
    if (dc.StartPage() <= 0) {
        dc.AbortDoc();
        return PagePrintResult::Failed;
    }
    draw(dc);
    if (dc.EndPage() <= 0 || dc.EndDoc() <= 0)
        return PagePrintResult::Failed;
    return PagePrintResult::Printed;
}

}  // namespace plat
