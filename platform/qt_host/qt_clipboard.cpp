// The programs' clipboard formats on the desktop clipboard.
#include "platform/qt_host/clipboard_formats.h"
#include "platform/qt_host/qt_host_impl.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace plat {
namespace {

QByteArray toByteArray(std::span<const uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

std::vector<uint8_t> toBytes(const QByteArray& bytes)
{
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void addFormat(QMimeData& data, std::string_view format, std::span<const uint8_t> bytes)
{
    switch (clipboardKind(format)) {
    case ClipboardKind::Text:
        // The programs' text is Latin-1.
        data.setText(QString::fromLatin1(clipboardTextToDesktop(bytes)));
        break;
    case ClipboardKind::Bitmap: {
        QImage image;
        if (image.loadFromData(toByteArray(bytes), "PNG"))
            data.setImageData(image);
        break;
    }
    case ClipboardKind::Named:
        data.setData(QString::fromStdString(namedClipboardMimeType(format)), toByteArray(bytes));
        break;
    }
}

}  // namespace

void QtUiHost::setClipboard(std::string_view format, std::vector<uint8_t> bytes)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    // Formats placed together stay together, as long as nobody has replaced them meanwhile.
    if (!impl_->placedData || impl_->placedData.data() != clipboard->mimeData())
        impl_->placedFormats.clear();
    impl_->placedFormats.insert_or_assign(std::string(format), std::move(bytes));

    auto* data = new QMimeData;   // the clipboard takes ownership
    for (const auto& [name, content] : impl_->placedFormats)
        addFormat(*data, name, content);
    clipboard->setMimeData(data);
    impl_->placedData = data;
}

std::optional<std::vector<uint8_t>> QtUiHost::clipboard(std::string_view format)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data)
        return std::nullopt;
    switch (clipboardKind(format)) {
    case ClipboardKind::Text:
        if (!data->hasText())
            return std::nullopt;
        return clipboardTextFromDesktop(data->text().toLatin1().toStdString());
    case ClipboardKind::Bitmap: {
        if (!data->hasImage())
            return std::nullopt;
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&buffer, "PNG"))
            return std::nullopt;
        return toBytes(png);
    }
    case ClipboardKind::Named: {
        const QString type = QString::fromStdString(namedClipboardMimeType(format));
        if (!data->hasFormat(type))
            return std::nullopt;
        return toBytes(data->data(type));
    }
    }
    return std::nullopt;
}

void QtUiHost::clearClipboard()
{
    impl_->placedFormats.clear();
    impl_->placedData = nullptr;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

}  // namespace plat
