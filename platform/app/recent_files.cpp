#include "platform/app/recent_files.h"

#include "platform/app/command_ids.h"
#include "platform/app/menu.h"
#include "platform/system/app_profile.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "platform/system/paths.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace plat {
namespace {

std::string entryName(const std::string& format, int number)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format.c_str(), number);
    return buf;
}

// A menu text shows '&' only when doubled.
std::string escapeAmpersands(std::string_view s)
{
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

}  // namespace

bool ProfileStore::getInt(std::string_view section, std::string_view entry, int& value)
{
    std::string text;
    if (!getString(section, entry, text))
        return false;
    value = std::atoi(text.c_str());
    return true;
}

bool ProfileStore::writeInt(std::string_view section, std::string_view entry, int value)
{
    return writeString(section, entry, std::to_string(value));
}

RegistryProfileStore::RegistryProfileStore(std::string company, std::string app)
    : company_(std::move(company)), app_(std::move(app))
{
}

bool RegistryProfileStore::getString(std::string_view section, std::string_view entry, std::string& value)
{
    auto v = Registry::shared().queryString(profileKeyPath(company_, app_, section), entry);
    if (!v)
        return false;
    value = *v;
    return true;
}

bool RegistryProfileStore::writeString(std::string_view section, std::string_view entry, std::string_view value)
{
    return Registry::shared().setString(profileKeyPath(company_, app_, section), entry, value);
}

bool RegistryProfileStore::deleteEntry(std::string_view section, std::string_view entry)
{
    return Registry::shared().deleteValue(profileKeyPath(company_, app_, section), entry);
}

bool RegistryProfileStore::getInt(std::string_view section, std::string_view entry, int& value)
{
    auto v = Registry::shared().queryDword(profileKeyPath(company_, app_, section), entry);
    if (!v)
        return false;
    value = static_cast<int>(*v);
    return true;
}

bool RegistryProfileStore::writeInt(std::string_view section, std::string_view entry, int value)
{
    return Registry::shared().setDword(profileKeyPath(company_, app_, section), entry, static_cast<uint32_t>(value));
}

bool MemoryProfileStore::getString(std::string_view section, std::string_view entry, std::string& value)
{
    for (const auto& v : values_) {
        if (equalsNoCase(v.section, section) && equalsNoCase(v.entry, entry)) {
            value = v.value;
            return true;
        }
    }
    return false;
}

bool MemoryProfileStore::writeString(std::string_view section, std::string_view entry, std::string_view value)
{
    for (auto& v : values_) {
        if (equalsNoCase(v.section, section) && equalsNoCase(v.entry, entry)) {
            v.value = std::string(value);
            return true;
        }
    }
    values_.push_back({std::string(section), std::string(entry), std::string(value)});
    return true;
}

bool MemoryProfileStore::deleteEntry(std::string_view section, std::string_view entry)
{
    const auto before = values_.size();
    std::erase_if(values_, [&](const Value& v) { return equalsNoCase(v.section, section) && equalsNoCase(v.entry, entry); });
    return values_.size() != before;
}

RecentFileList::RecentFileList(std::string section, std::string entryFormat, int size)
    : section_(std::move(section)), entryFormat_(std::move(entryFormat)), size_(std::clamp(size, 0, 16))
{
}

void RecentFileList::Add(std::string_view path)
{
    if (size_ == 0 || path.empty())
        return;
    std::erase_if(files_, [&](const std::string& f) { return equalsNoCase(f, path); });
    files_.insert(files_.begin(), std::string(path));
    if (static_cast<int>(files_.size()) > size_)
        files_.resize(static_cast<size_t>(size_));
}

void RecentFileList::Remove(int index)
{
    if (index >= 0 && index < count())
        files_.erase(files_.begin() + index);
}

void RecentFileList::ReadList(ProfileStore& store)
{
    files_.clear();
    for (int i = 1; i <= size_; ++i) {
        std::string value;
        if (store.getString(section_, entryName(entryFormat_, i), value) && !value.empty())
            files_.push_back(value);
    }
}

void RecentFileList::WriteList(ProfileStore& store) const
{
    for (int i = 1; i <= size_; ++i) {
        const std::string entry = entryName(entryFormat_, i);
        if (i <= count())
            store.writeString(section_, entry, files_[static_cast<size_t>(i - 1)]);
        else
            store.deleteEntry(section_, entry);
    }
}

std::string RecentFileList::displayName(int index, int maxLength) const
{
    if (index < 0 || index >= count())
        return {};
    const std::string& path = files_[static_cast<size_t>(index)];
    if (folderOf(path) == currentFolder())
        return fileNameOf(path);
    if (static_cast<int>(path.size()) <= maxLength)
        return path;
    // Keep the first folder and the file name; cut folders out of the middle.
    const std::string name = fileNameOf(path);
    const auto firstEnd = path.find('/', 1);
    const std::string head = firstEnd == std::string::npos ? std::string() : path.substr(0, firstEnd + 1);
    std::string shortened = head + ".../" + name;
    if (static_cast<int>(shortened.size()) > maxLength)
        shortened = name;
    return shortened;
}

void RecentFileList::UpdateMenu(Menu& menu) const
{
    // Find the popup holding the recent-file items (or their placeholder).
    auto& placeholderText = placeholderText_;
    std::function<bool(std::vector<MenuItem>&)> visit = [&](std::vector<MenuItem>& items) -> bool {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].kind == MenuItem::Kind::Popup && visit(items[i].items))
                return true;
            if (items[i].kind == MenuItem::Kind::Command && items[i].id >= kIdFileMruFile1 &&
                items[i].id <= kIdFileMruLast) {
                if (count() == 0 && items[i].id == kIdFileMruFile1 && (items[i].flags & kMfGrayed))
                    return true;   // already the grayed placeholder
                if (placeholderText.empty())
                    placeholderText = items[i].text;   // the resource's own placeholder
                const size_t first = i;
                size_t end = i;
                while (end < items.size() && items[end].kind == MenuItem::Kind::Command &&
                       items[end].id >= kIdFileMruFile1 && items[end].id <= kIdFileMruLast)
                    ++end;
                items.erase(items.begin() + static_cast<long>(first), items.begin() + static_cast<long>(end));
                std::vector<MenuItem> entries;
                if (count() == 0) {
                    entries.push_back(menuItem(kIdFileMruFile1, placeholderText.empty() ? "Recent File" : placeholderText, kMfGrayed));
                } else {
                    for (int k = 0; k < count(); ++k)
                        entries.push_back(menuItem(kIdFileMruFile1 + static_cast<unsigned>(k),
                                                   "&" + std::to_string(k + 1) + " " + escapeAmpersands(displayName(k))));
                }
                items.insert(items.begin() + static_cast<long>(first), entries.begin(), entries.end());
                return true;
            }
        }
        return false;
    };
    if (visit(menu.items()))
        menu.touch();
}

}  // namespace plat
