#include "platform/system/profile_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/core/archive.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"

namespace plat {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The section name of a header line ("[Parts Bin]"), or nothing for any other line.
std::optional<std::string_view> headerName(std::string_view line)
{
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const size_t close = t.find(']');
    return trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// A "key=value" line; comments and lines without '=' are nothing.
std::optional<KeyLine> keyLine(std::string_view line)
{
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

std::string truncated(std::string_view text, size_t bufferSize)
{
    if (bufferSize == 0)
        return std::string(text);
    return std::string(text.substr(0, bufferSize - 1));
}

// A value with a line break would end its line early and turn the rest into a stray line,
// so only the text before the first break is stored.
std::string_view singleLine(std::string_view value)
{
    return value.substr(0, value.find_first_of("\r\n"));
}

int parseProfileInt(std::string_view value, int defaultValue)
{
    const std::string_view t = trim(value);
    if (t.empty())
        return defaultValue;
    size_t i = 0;
    bool negative = false;
    if (t[i] == '-' || t[i] == '+')
        negative = t[i++] == '-';
    int64_t magnitude = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
        magnitude = std::min<int64_t>(magnitude * 10 + (t[i] - '0'), int64_t{INT_MAX} + 1);
    const int64_t signedValue = negative ? -magnitude : std::min<int64_t>(magnitude, INT_MAX);
    return static_cast<int>(signedValue);
}

}  // namespace

ProfileFile::ProfileFile(std::string_view path) : path_(resolvePath(path))
{
    const auto archive = Archive::loadFile(path_);
    if (!archive)
        return;
    const auto& bytes = archive->bytes();
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    size_t pos = 0;
    while (pos < all.size()) {
        const size_t lf = all.find('\n', pos);
        Line line;
        if (lf == std::string_view::npos) {
            line.text = std::string(all.substr(pos));
            pos = all.size();
        } else {
            line.text = std::string(all.substr(pos, lf - pos));
            line.ending = "\n";
            pos = lf + 1;
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.ending = "\r" + line.ending;
        }
        lines_.push_back(std::move(line));
    }
    if (!lines_.empty() && lines_.front().ending == "\r\n")
        newline_ = "\r\n";
}

ProfileFile::~ProfileFile()
{
    // A caller that must know whether its changes reached the disk flushes before this.
    static_cast<void>(flush());
}

std::optional<ProfileFile::Span> ProfileFile::findSection(std::string_view section) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = headerName(lines_[i].text);
        if (!name || !equalsNoCase(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && !headerName(lines_[end].text))
            ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> ProfileFile::findKey(const Span& span, std::string_view key) const
{
    for (size_t i = span.header + 1; i < span.end; ++i) {
        const auto kl = keyLine(lines_[i].text);
        if (kl && equalsNoCase(kl->key, key))
            return i;
    }
    return std::nullopt;
}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, size_t bufferSize) const
{
    if (const auto span = findSection(section))
        if (const auto index = findKey(*span, key))
            return truncated(keyLine(lines_[*index].text)->value, bufferSize);
    return truncated(defaultValue, bufferSize);
}

int ProfileFile::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    if (const auto span = findSection(section))
        if (const auto index = findKey(*span, key))
            return parseProfileInt(keyLine(lines_[*index].text)->value, defaultValue);
    return defaultValue;
}

void ProfileFile::insertLine(size_t index, std::string text)
{
    // The line before the new one must end, or the two would run together.
    if (index > 0 && lines_[index - 1].ending.empty())
        lines_[index - 1].ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), newline_});
}

void ProfileFile::writeString(std::string_view section, OptionalText key, OptionalText value)
{
    auto span = findSection(section);
    if (key.isNull()) {
        if (span) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
                         lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
            modified_ = true;
        }
        return;
    }
    const auto index = span ? findKey(*span, trim(key.text())) : std::nullopt;
    if (value.isNull()) {
        if (index) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
            modified_ = true;
        }
        return;
    }
    const std::string_view text = singleLine(value.text());
    if (index) {
        // The key keeps the spelling it has in the file; only the value changes.
        std::string& line = lines_[*index].text;
        const std::string updated = line.substr(0, line.find('=') + 1) + std::string(text);
        if (updated != line) {
            line = updated;
            modified_ = true;
        }
        return;
    }
    if (!span) {
        if (!lines_.empty() && !trim(lines_.back().text).empty())
            insertLine(lines_.size(), std::string());
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        span = Span{lines_.size() - 1, lines_.size()};
    }
    // After the section's last non-blank line, so blank lines between sections stay between them.
    size_t at = span->end;
    while (at > span->header + 1 && trim(lines_[at - 1].text).empty())
        --at;
    insertLine(at, std::string(trim(key.text())) + "=" + std::string(text));
    modified_ = true;
}

void ProfileFile::writeInt(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

WriteResult ProfileFile::flush()
{
    if (!modified_)
        return {};
    std::string bytes;
    for (const Line& line : lines_)
        bytes += line.text + line.ending;
    WriteResult written = writeFileAtomically(path_, bytes);
    if (written)
        modified_ = false;
    return written;
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view file,
                                    size_t bufferSize)
{
    return ProfileFile(file).getString(section, key, defaultValue, bufferSize);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view file)
{
    return ProfileFile(file).getInt(section, key, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, OptionalText key, OptionalText value,
                               std::string_view file)
{
    ProfileFile profile(file);
    profile.writeString(section, key, value);
    return profile.flush();
}

}  // namespace plat
