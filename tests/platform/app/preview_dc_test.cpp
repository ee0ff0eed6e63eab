// A preview page answers as the printer it stands for, so views lay out the preview exactly as
// they lay out paper.
#include "platform/app/preview_dc.h"
#include "platform/gdi/printer_dc_qt.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>

namespace plat {
namespace {

TEST(PreviewDc, AnswersTheDeviceCapsOfThePrinterItPreviews)
{
    quill_test::TempFolder folder;
    for (const bool landscape : {false, true}) {
        SCOPED_TRACE(landscape ? "landscape A4" : "portrait A4");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.file("page.pdf")));
        printer.setResolution(300);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        PrinterDc paper(ExternalPrinter{printer});
        PreviewDc preview(printer.pageLayout(), printer.resolution());

        EXPECT_TRUE(preview.IsPrinting());
        for (const int index : {kTechnology, kHorzSize, kVertSize, kHorzRes, kVertRes, kBitsPixel, kPlanes,
                                kNumColors, kRasterCaps, kLogPixelsX, kLogPixelsY, kColorRes, kPhysicalWidth,
                                kPhysicalHeight, kPhysicalOffsetX, kPhysicalOffsetY, kSizePalette}) {
            SCOPED_TRACE(index);
            EXPECT_EQ(preview.GetDeviceCaps(index), paper.GetDeviceCaps(index));
        }
        EXPECT_EQ(preview.GetDeviceCaps(kLogPixelsX), 300);
        EXPECT_EQ(preview.GetDeviceCaps(kHorzRes) > preview.GetDeviceCaps(kVertRes), landscape);
    }
}

}  // namespace
}  // namespace plat
