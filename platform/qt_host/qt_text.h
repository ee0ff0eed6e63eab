#pragma once
// Crossing between the programs' 8-bit strings and Qt's strings. Messages and captions may
// carry file names (UTF-8 on this system) or document text (Latin-1), so they are read as
// UTF-8 when they are valid UTF-8 and as Latin-1 otherwise. Paths use the file-name encoding.

#include <QString>
#include <string>
#include <string_view>

namespace plat {

QString messageToQString(std::string_view text);
QString pathToQString(std::string_view path);
std::string pathFromQString(const QString& path);

}  // namespace plat
