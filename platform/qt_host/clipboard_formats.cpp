#include "platform/qt_host/clipboard_formats.h"

#include <algorithm>
#include <cctype>

namespace plat {
namespace {

bool isName(std::string_view format, std::string_view name)
{
    return format.size() == name.size()
           && std::equal(format.begin(), format.end(), name.begin(),
                         [](unsigned char a, unsigned char b) { return std::tolower(a) == b; });
}

}  // namespace

ClipboardKind clipboardKind(std::string_view format)
{
    if (isName(format, "text"))
        return ClipboardKind::Text;
    if (isName(format, "bitmap"))
        return ClipboardKind::Bitmap;
    return ClipboardKind::Named;
}

std::string namedClipboardMimeType(std::string_view format)
{
    return "application/x-quillmere-" + std::string(format);
}

std::string clipboardTextToDesktop(std::span<const uint8_t> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
    std::string text;
    text.reserve(static_cast<size_t>(end - bytes.begin()));
    for (auto it = bytes.begin(); it != end; ++it) {
        if (*it == '\r' && it + 1 != end && it[1] == '\n')
            continue;
        text += static_cast<char>(*it);
    }
    return text;
}

std::vector<uint8_t> clipboardTextFromDesktop(std::string_view text)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            bytes.push_back('\r');
        bytes.push_back(static_cast<uint8_t>(text[i]));
    }
    return bytes;
}

}  // namespace plat
