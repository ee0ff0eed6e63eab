#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes out of scope.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill_test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    void write(std::string_view name, std::string_view bytes) const;
    void write(std::string_view name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> read(std::string_view name) const;

private:
    std::filesystem::path path_;
};

}  // namespace quill_test
