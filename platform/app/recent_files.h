#pragma once
// The recent-file list and the application profile it is kept in. The profile lives in the
// registry store under "Software\<registry key>\<application>\<section>"; the list uses the
// section "Recent File List" with values "File1" .. "FileN".

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Menu;

// Where profile values live. The application's default store is the platform registry; tests
// may install one in memory.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual bool getString(std::string_view section, std::string_view entry, std::string& value) = 0;
    virtual bool writeString(std::string_view section, std::string_view entry, std::string_view value) = 0;
    virtual bool deleteEntry(std::string_view section, std::string_view entry) = 0;
    // Numbers; the base keeps them as decimal text.
    virtual bool getInt(std::string_view section, std::string_view entry, int& value);
    virtual bool writeInt(std::string_view section, std::string_view entry, int value);
};

// The profile in the platform registry: HKEY_CURRENT_USER\Software\<company>\<app>\<section>,
// numbers as 32-bit values.
class RegistryProfileStore : public ProfileStore {
public:
    RegistryProfileStore(std::string company, std::string app);
    bool getString(std::string_view section, std::string_view entry, std::string& value) override;
    bool writeString(std::string_view section, std::string_view entry, std::string_view value) override;
    bool deleteEntry(std::string_view section, std::string_view entry) override;
    bool getInt(std::string_view section, std::string_view entry, int& value) override;
    bool writeInt(std::string_view section, std::string_view entry, int value) override;
private:
    std::string company_;
    std::string app_;
};

// A profile kept in memory (tests, and programs without a registry key).
class MemoryProfileStore : public ProfileStore {
public:
    bool getString(std::string_view section, std::string_view entry, std::string& value) override;
    bool writeString(std::string_view section, std::string_view entry, std::string_view value) override;
    bool deleteEntry(std::string_view section, std::string_view entry) override;
private:
    struct Value { std::string section, entry, value; };
    std::vector<Value> values_;
};

class RecentFileList {
public:
    RecentFileList(std::string section, std::string entryFormat, int size);

    int GetSize() const { return size_; }
    int count() const { return static_cast<int>(files_.size()); }
    const std::string& operator[](int index) const { return files_.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& files() const { return files_; }

    // Puts path first; an entry for the same file (compared case-insensitively) moves up.
    void Add(std::string_view path);
    void Remove(int index);
    void ReadList(ProfileStore& store);
    void WriteList(ProfileStore& store) const;

    // Menu texts: "&1 name" with the name shortened to its file name when it is in the
    // current folder, and to maxLength characters by cutting folders out of the middle.
    std::string displayName(int index, int maxLength = 30) const;
    // Replaces the placeholder item kIdFileMruFile1 (or the earlier entries) in menu.
    void UpdateMenu(Menu& menu) const;

private:
    std::string section_;
    std::string entryFormat_;
    int size_;
    std::vector<std::string> files_;
    mutable std::string placeholderText_;   // the menu's text for the empty list
};

}  // namespace plat
