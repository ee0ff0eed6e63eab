#pragma once
// The registry store: hierarchical keys with named string and 32-bit values, shared by the
// three programs. Key paths are written with '\' between their names
// ("HKEY_CURRENT_USER\Software\Quillmere\Schemora\Settings") and compare case-insensitively, as
// do value names; the empty value name is the key's default value.
//
// The store is one file in configFolder() (files.h). Every read first reloads the file when it
// changed on disk, and every change is made under a lock file and written atomically, so two
// programs running side by side see each other's values and never lose each other's writes.
// A store that cannot be written is reported once, by its file's name and the reason, until a
// write works again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <variant>

#include "platform/core/atomic_file.h"
#include "platform/system/registry_format.h"

namespace plat {

inline constexpr std::string_view kHkeyCurrentUser = "HKEY_CURRENT_USER";
inline constexpr std::string_view kHkeyClassesRoot = "HKEY_CLASSES_ROOT";
inline constexpr std::string_view kRegistryFileName = "registry";

using RegistryValue = std::variant<std::string, uint32_t>;

class Registry {
public:
    // A store kept in the given file (tests; the programs use shared()).
    explicit Registry(std::string filePath);

    // The store in configFolder(); it follows setConfigFolder.
    static Registry& shared();
    const std::string& filePath() const { return filePath_; }

    // Creates the key and any missing parents; true when it exists afterwards.
    bool createKey(std::string_view keyPath);
    // A single name (a root such as HKEY_CURRENT_USER) always exists.
    bool keyExists(std::string_view keyPath);
    std::optional<RegistryValue> queryValue(std::string_view keyPath, std::string_view name);
    // Nothing when the key or value is missing or the value has the other type.
    std::optional<std::string> queryString(std::string_view keyPath, std::string_view name);
    std::optional<uint32_t> queryDword(std::string_view keyPath, std::string_view name);
    // Creates the key as needed; false when the store could not be written.
    bool setValue(std::string_view keyPath, std::string_view name, RegistryValue value);
    bool setString(std::string_view keyPath, std::string_view name, std::string_view value)
    {
        return setValue(keyPath, name, std::string(value));
    }
    bool setDword(std::string_view keyPath, std::string_view name, uint32_t value)
    {
        return setValue(keyPath, name, value);
    }
    // True when the value existed and is gone.
    bool deleteValue(std::string_view keyPath, std::string_view name);
    // Deletes the key with all its subkeys; true when it existed and is gone.
    bool deleteKey(std::string_view keyPath);

private:
    friend class RegistryKey;
    struct FileStamp {
        dev_t device;
        ino_t inode;
        off_t size;
        int64_t modifiedNs;
        int64_t changedNs;
        bool operator==(const FileStamp&) const = default;
    };
    using KeyMap = detail::RegistryKeyMap;

    static std::optional<FileStamp> stampOf(const std::string& path);
    void refresh();
    bool setValueIn(std::string_view keyPath, std::string_view name, RegistryValue value,
                    bool createMissingKey);
    enum class Outcome { Unchanged, Written, Failed };
    // Runs change on a copy of the freshly reloaded keys under the lock and writes the result;
    // change returns false when it changed nothing.
    template <typename Change>
    Outcome modify(Change change);
    // Tells the person once that the store could not be written.
    void reportFailure(const WriteError& error);

    std::string filePath_;
    KeyMap keys_;
    std::optional<FileStamp> stamp_;
    bool loaded_ = false;
    bool failureReported_ = false;
};

// An open key, as the programs hold one between opening and closing it. Values set through a
// key whose key has since been deleted are refused, as they would be by the platform.
class RegistryKey {
public:
    static std::optional<RegistryKey> open(Registry& store, std::string_view keyPath);
    static std::optional<RegistryKey> create(Registry& store, std::string_view keyPath);
    static std::optional<RegistryKey> open(std::string_view keyPath) { return open(Registry::shared(), keyPath); }
    static std::optional<RegistryKey> create(std::string_view keyPath) { return create(Registry::shared(), keyPath); }

    const std::string& path() const { return path_; }
    std::optional<RegistryKey> openSubKey(std::string_view name) const;
    std::optional<RegistryKey> createSubKey(std::string_view name) const;

    std::optional<std::string> queryString(std::string_view name = {}) const;
    std::optional<uint32_t> queryDword(std::string_view name) const;
    bool setString(std::string_view name, std::string_view value);
    bool setDword(std::string_view name, uint32_t value);
    bool deleteValue(std::string_view name);

private:
    RegistryKey(Registry& store, std::string path) : store_(&store), path_(std::move(path)) {}
    Registry* store_;
    std::string path_;
};

}  // namespace plat
