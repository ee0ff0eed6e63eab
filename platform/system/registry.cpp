#include "platform/system/registry.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

namespace plat {

namespace {

using detail::foldKeyPath;
using detail::normalKeyPath;
using detail::RegistryKeyData;
using detail::RegistryValueData;

// Holds an exclusive lock on "<store>.lock" while a change is read, made and written. The store
// file itself cannot carry the lock: each write replaces it with a new file.
class StoreLock {
public:
    explicit StoreLock(const std::string& storePath)
        : fd_(::open((storePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~StoreLock()
    {
        if (fd_ >= 0)
            ::close(fd_);   // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int fd_;
};

bool isRootPath(std::string_view normalPath)
{
    return !normalPath.empty() && normalPath.find('\\') == std::string_view::npos;
}

// Adds the key and every missing parent below the root; true when something was added.
bool addKeyWithParents(detail::RegistryKeyMap& keys, const std::string& normalPath)
{
    bool added = false;
    size_t sep = normalPath.find('\\');
    while (sep != std::string::npos) {
        sep = normalPath.find('\\', sep + 1);
        const std::string path = normalPath.substr(0, sep);
        added |= keys.try_emplace(foldKeyPath(path), RegistryKeyData{path, {}}).second;
    }
    return added;
}

const RegistryValueData* findValue(const RegistryKeyData& key, std::string_view name)
{
    for (const auto& value : key.values)
        if (equalsNoCase(value.name, name))
            return &value;
    return nullptr;
}

}  // namespace

Registry::Registry(std::string filePath) : filePath_(std::move(filePath)) {}

Registry& Registry::shared()
{
    static Registry store{std::string()};
    const std::string path = joinPath(configFolder(), kRegistryFileName);
    if (store.filePath_ != path) {
        store.filePath_ = path;
        store.keys_.clear();
        store.stamp_.reset();
        store.loaded_ = false;
        store.failureReported_ = false;
    }
    return store;
}

std::optional<Registry::FileStamp> Registry::stampOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return FileStamp{st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
}

void Registry::refresh()
{
    // Stamp first: a file replaced while it is read is then read again next time.
    const auto stamp = stampOf(filePath_);
    if (loaded_ && stamp == stamp_)
        return;
    keys_.clear();
    if (stamp)
        if (const auto archive = Archive::loadFile(filePath_)) {
            const auto& bytes = archive->bytes();
            keys_ = detail::decodeRegistry(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        }
    stamp_ = stamp;
    loaded_ = true;
}

template <typename Change>
Registry::Outcome Registry::modify(Change change)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(filePath_).parent_path(), ec);
    const StoreLock lock(filePath_);
    refresh();
    KeyMap updated = keys_;
    if (!change(updated))
        return Outcome::Unchanged;
    const std::string text = detail::encodeRegistry(updated);
    if (const WriteResult written = writeFileAtomically(filePath_, text); !written) {
        loaded_ = false;
        reportFailure(*written.error());
        return Outcome::Failed;
    }
    failureReported_ = false;
    keys_ = std::move(updated);
    stamp_ = stampOf(filePath_);
    return Outcome::Written;
}

void Registry::reportFailure(const WriteError& error)
{
    // A program writes many values in a row (the bars' places at exit): one message is enough
    // until the store can be written again.
    if (failureReported_)
        return;
    failureReported_ = true;
    if (installedUiHost())
        MessageBox(error.message(), kMbIconExclamation);
}

bool Registry::createKey(std::string_view keyPath)
{
    const std::string path = normalKeyPath(keyPath);
    if (path.empty())
        return false;
    if (isRootPath(path))
        return true;
    return modify([&](KeyMap& keys) { return addKeyWithParents(keys, path); }) != Outcome::Failed;
}

bool Registry::keyExists(std::string_view keyPath)
{
    const std::string path = normalKeyPath(keyPath);
    if (isRootPath(path))
        return true;
    refresh();
    return keys_.contains(foldKeyPath(path));
}

std::optional<RegistryValue> Registry::queryValue(std::string_view keyPath, std::string_view name)
{
    refresh();
    const auto key = keys_.find(foldKeyPath(keyPath));
    if (key == keys_.end())
        return std::nullopt;
    const RegistryValueData* value = findValue(key->second, name);
    return value ? std::optional<RegistryValue>(value->data) : std::nullopt;
}

std::optional<std::string> Registry::queryString(std::string_view keyPath, std::string_view name)
{
    auto value = queryValue(keyPath, name);
    if (!value || !std::holds_alternative<std::string>(*value))
        return std::nullopt;
    return std::get<std::string>(std::move(*value));
}

std::optional<uint32_t> Registry::queryDword(std::string_view keyPath, std::string_view name)
{
    const auto value = queryValue(keyPath, name);
    if (!value || !std::holds_alternative<uint32_t>(*value))
        return std::nullopt;
    return std::get<uint32_t>(*value);
}

bool Registry::setValue(std::string_view keyPath, std::string_view name, RegistryValue value)
{
    return setValueIn(keyPath, name, std::move(value), true);
}

bool Registry::setValueIn(std::string_view keyPath, std::string_view name, RegistryValue value,
                          bool createMissingKey)
{
    const std::string path = normalKeyPath(keyPath);
    if (path.empty() || isRootPath(path))
        return false;   // roots hold no values of their own
    bool missingKey = false;
    const Outcome outcome = modify([&](KeyMap& keys) {
        if (!keys.contains(foldKeyPath(path))) {
            if (!createMissingKey) {
                missingKey = true;
                return false;
            }
            addKeyWithParents(keys, path);
        }
        RegistryKeyData& key = keys.at(foldKeyPath(path));
        for (auto& existing : key.values)
            if (equalsNoCase(existing.name, name)) {
                if (existing.data == value)
                    return false;
                existing.data = std::move(value);
                return true;
            }
        key.values.push_back(RegistryValueData{std::string(name), std::move(value)});
        return true;
    });
    return outcome != Outcome::Failed && !missingKey;
}

bool Registry::deleteValue(std::string_view keyPath, std::string_view name)
{
    const std::string folded = foldKeyPath(keyPath);
    return modify([&](KeyMap& keys) {
               const auto key = keys.find(folded);
               if (key == keys.end())
                   return false;
               auto& values = key->second.values;
               return std::erase_if(values, [&](const auto& v) { return equalsNoCase(v.name, name); }) > 0;
           })
        == Outcome::Written;
}

bool Registry::deleteKey(std::string_view keyPath)
{
    const std::string folded = foldKeyPath(keyPath);
    if (folded.empty() || isRootPath(folded))
        return false;
    const std::string below = folded + '\\';
    return modify([&](KeyMap& keys) {
               return std::erase_if(keys, [&](const auto& entry) {
                          return entry.first == folded || entry.first.starts_with(below);
                      }) > 0;
           })
        == Outcome::Written;
}

std::optional<RegistryKey> RegistryKey::open(Registry& store, std::string_view keyPath)
{
    if (normalKeyPath(keyPath).empty() || !store.keyExists(keyPath))
        return std::nullopt;
    return RegistryKey(store, normalKeyPath(keyPath));
}

std::optional<RegistryKey> RegistryKey::create(Registry& store, std::string_view keyPath)
{
    if (!store.createKey(keyPath))
        return std::nullopt;
    return RegistryKey(store, normalKeyPath(keyPath));
}

std::optional<RegistryKey> RegistryKey::openSubKey(std::string_view name) const
{
    return open(*store_, path_ + '\\' + std::string(name));
}

std::optional<RegistryKey> RegistryKey::createSubKey(std::string_view name) const
{
    return create(*store_, path_ + '\\' + std::string(name));
}

std::optional<std::string> RegistryKey::queryString(std::string_view name) const
{
    return store_->queryString(path_, name);
}

std::optional<uint32_t> RegistryKey::queryDword(std::string_view name) const
{
    return store_->queryDword(path_, name);
}

bool RegistryKey::setString(std::string_view name, std::string_view value)
{
    return store_->setValueIn(path_, name, std::string(value), false);
}

bool RegistryKey::setDword(std::string_view name, uint32_t value)
{
    return store_->setValueIn(path_, name, value, false);
}

bool RegistryKey::deleteValue(std::string_view name)
{
    return store_->deleteValue(path_, name);
}

}  // namespace plat
