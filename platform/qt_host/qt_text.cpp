#include "platform/qt_host/qt_text.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

namespace plat {

QString messageToQString(std::string_view text)
{
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(bytes);
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(bytes);
}

QString pathToQString(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string pathFromQString(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace plat
