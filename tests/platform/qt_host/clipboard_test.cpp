#include "platform/qt_host/clipboard_formats.h"
#include "platform/qt_host/qt_ui_host.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(ClipboardText, CrLfBecomesLfAndBack)
{
    const struct {
        const char* what;
        Bytes program;
        std::string desktop;
    } toDesktop[] = {
        {"lines", bytesOf("U1 7400\r\nU2 7404\r\n"), "U1 7400\nU2 7404\n"},
        {"stops at NUL", Bytes{'a', '\r', '\n', 'b', 0, 'x'}, "a\nb"},
        {"lone CR kept", bytesOf("a\rb\r"), "a\rb\r"},
        {"empty", {}, ""},
    };
    for (const auto& c : toDesktop) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(plat::clipboardTextToDesktop(c.program), c.desktop);
    }
    EXPECT_EQ(plat::clipboardTextFromDesktop("a\nb\r\nc"), bytesOf("a\r\nb\r\nc"));
    EXPECT_EQ(plat::clipboardTextFromDesktop("\n"), bytesOf("\r\n"));
}

TEST(ClipboardFormats, NamesMapToKindsAndPrivateTypes)
{
    EXPECT_EQ(plat::clipboardKind("text"), plat::ClipboardKind::Text);
    EXPECT_EQ(plat::clipboardKind("TEXT"), plat::ClipboardKind::Text);
    EXPECT_EQ(plat::clipboardKind("bitmap"), plat::ClipboardKind::Bitmap);
    EXPECT_EQ(plat::clipboardKind("TLYN"), plat::ClipboardKind::Named);
    EXPECT_EQ(plat::namedClipboardMimeType("TLYN"), "application/x-quillmere-TLYN");
}

class QtClipboard : public ::testing::Test {
protected:
    plat::QtUiHost host;
};

TEST_F(QtClipboard, NamedFormatAndTextRoundTrip)
{
    host.clearClipboard();
    const Bytes records{0x01, 0x00, 0x00, 0x00, 0xFF, 0x7F, 0x00, 0x80, 0x00, 0x0D, 0x0A};
    host.setClipboard("TLYN", records);
    host.setClipboard("text", bytesOf("R1 10k\r\nC1 100n\r\n"));

    EXPECT_EQ(host.clipboard("TLYN"), records);
    EXPECT_EQ(host.clipboard("text"), bytesOf("R1 10k\r\nC1 100n\r\n"));
    EXPECT_FALSE(host.clipboard("bitmap").has_value());
    // Other programs see the private type and plain text with desktop line ends.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-quillmere-TLYN")));
    EXPECT_EQ(data->text(), QStringLiteral("R1 10k\nC1 100n\n"));

    host.clearClipboard();
    EXPECT_FALSE(host.clipboard("TLYN").has_value());
    EXPECT_FALSE(host.clipboard("text").has_value());
}

TEST_F(QtClipboard, SomebodyElsesCopyReplacesOurFormats)
{
    host.setClipboard("TLYN", {1, 2, 3});
    QGuiApplication::clipboard()->setText(QStringLiteral("from elsewhere"));
    host.setClipboard("text", bytesOf("ours"));
    EXPECT_FALSE(host.clipboard("TLYN").has_value());
    EXPECT_EQ(host.clipboard("text"), bytesOf("ours"));
}

TEST_F(QtClipboard, BitmapTravelsAsPng)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(2, 1, qRgb(255, 0, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));

    host.clearClipboard();
    host.setClipboard("bitmap", Bytes(png.begin(), png.end()));
    const auto back = host.clipboard("bitmap");
    ASSERT_TRUE(back.has_value());
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(back->data(), static_cast<int>(back->size()), "PNG"));
    EXPECT_EQ(decoded.size(), image.size());
    EXPECT_EQ(decoded.pixel(2, 1), qRgb(255, 0, 0));
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(0, 0, 0));
}

}  // namespace
