#pragma once
// A folder on a full disk, for the tests of every writer: the files a test puts there first
// stay, then the disk fills and every later write into the folder fails for want of room. Two
// kinds: an ordinary folder with the writers' own fault injected for files below it, and a
// small file system of its own (tmpfs) really filled up. Mounting one needs the right to mount
// (root here; CI may not grant it): without it that kind is not ready and says why.

#include "platform/core/atomic_file.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill_test {

class FullDisk {
public:
    enum class Kind { Injected, Tmpfs };
    explicit FullDisk(Kind kind);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    Kind kind() const { return kind_; }
    bool ready() const { return whyNot_.empty(); }
    const std::string& whyNot() const { return whyNot_; }

    const std::filesystem::path& path() const { return folder_.path(); }
    std::string file(std::string_view name) const { return folder_.file(name); }
    void write(std::string_view name, std::string_view bytes) const { folder_.write(name, bytes); }
    std::vector<unsigned char> read(std::string_view name) const { return folder_.read(name); }
    std::string readText(std::string_view name) const;

    // From now on the disk has no room left.
    void fill();
    // The names of the files in the folder and below it (relative, sorted), without what
    // fill() put there: after a failed write, the files that were there before and no other.
    std::vector<std::string> names() const;

private:
    Kind kind_;
    TempFolder folder_;
    std::string whyNot_;
    bool mounted_ = false;
    std::optional<plat::ScopedWriteFault> fault_;
};

// A folder on a disk that takes no writes: a small file system of its own mounted read-only,
// so that making a folder or a file there fails as on a write-protected medium ("Read-only file
// system"). Without the right to mount it is not ready and says why.
class ReadOnlyDisk {
public:
    ReadOnlyDisk();
    ~ReadOnlyDisk();
    ReadOnlyDisk(const ReadOnlyDisk&) = delete;
    ReadOnlyDisk& operator=(const ReadOnlyDisk&) = delete;

    bool ready() const { return whyNot_.empty(); }
    const std::string& whyNot() const { return whyNot_; }
    const std::filesystem::path& path() const { return folder_.path(); }
    std::string file(std::string_view name) const { return folder_.file(name); }

private:
    TempFolder folder_;
    std::string whyNot_;
};

// Runs body once on each kind of full disk, under a trace naming the kind. A kind that is not
// ready is skipped with its reason (the test then reports itself skipped after what ran).
void onFullDisks(const std::function<void(FullDisk& disk)>& body);

}  // namespace quill_test
