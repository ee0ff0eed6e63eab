#include "platform/system/registry_format.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/system/ascii_case.h"

namespace plat::detail {

namespace {

constexpr std::string_view kNameSpecials = "%=[]";
constexpr std::string_view kValueSpecials = "%";
constexpr std::string_view kStringTag = "sz:";
constexpr std::string_view kDwordTag = "dword:";

std::string escape(std::string_view text, std::string_view specials)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || specials.find(c) != std::string_view::npos) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = toUpperAscii(c);
    return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
}

std::string unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0
            && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::variant<std::string, uint32_t>> decodeData(std::string_view text)
{
    if (text.starts_with(kStringTag))
        return unescape(text.substr(kStringTag.size()));
    if (text.starts_with(kDwordTag)) {
        const std::string_view digits = text.substr(kDwordTag.size());
        uint32_t number = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (ec == std::errc() && end == digits.data() + digits.size())
            return number;
    }
    return std::nullopt;
}

void addValue(RegistryKeyData& key, RegistryValueData value)
{
    for (auto& existing : key.values)
        if (equalsNoCase(existing.name, value.name)) {
            existing.data = std::move(value.data);
            return;
        }
    key.values.push_back(std::move(value));
}

}  // namespace

std::string normalKeyPath(std::string_view path)
{
    std::string out;
    size_t pos = 0;
    while (pos <= path.size()) {
        const size_t sep = std::min(path.find('\\', pos), path.size());
        if (sep > pos) {
            if (!out.empty())
                out += '\\';
            out += path.substr(pos, sep - pos);
        }
        pos = sep + 1;
    }
    return out;
}

std::string foldKeyPath(std::string_view path)
{
    std::string out = normalKeyPath(path);
    for (char& c : out)
        c = toLowerAscii(c);
    return out;
}

std::string encodeRegistry(const RegistryKeyMap& keys)
{
    std::string out = "; Quillmere registry store\n";
    for (const auto& [folded, key] : keys) {
        out += '[';
        // Each name is escaped on its own so the '\' between names stays readable.
        size_t pos = 0;
        while (pos <= key.path.size()) {
            const size_t sep = std::min(key.path.find('\\', pos), key.path.size());
            if (pos > 0)
                out += '\\';
            out += escape(std::string_view(key.path).substr(pos, sep - pos), kNameSpecials);
            pos = sep + 1;
        }
        out += "]\n";
        for (const auto& value : key.values) {
            out += escape(value.name, kNameSpecials);
            out += '=';
            if (const auto* text = std::get_if<std::string>(&value.data))
                out += std::string(kStringTag) + escape(*text, kValueSpecials);
            else
                out += std::string(kDwordTag) + std::to_string(std::get<uint32_t>(value.data));
            out += '\n';
        }
    }
    return out;
}

RegistryKeyMap decodeRegistry(std::string_view text)
{
    RegistryKeyMap keys;
    RegistryKeyData* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lf = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, lf - pos);
        pos = lf + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            const std::string path = normalKeyPath(unescape(line.substr(1, line.size() - 2)));
            if (path.empty()) {
                current = nullptr;
                continue;
            }
            auto [it, added] = keys.try_emplace(foldKeyPath(path), RegistryKeyData{path, {}});
            current = &it->second;
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        if (auto data = decodeData(line.substr(eq + 1)))
            addValue(*current, RegistryValueData{unescape(line.substr(0, eq)), std::move(*data)});
    }
    return keys;
}

}  // namespace plat::detail
