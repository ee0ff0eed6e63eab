#pragma once
// Things that are not files, placed where a reader expects one: a named pipe (which nobody
// writes to) and a folder. A reader that opened the pipe as a file would wait for a writer
// forever; withoutWaiting gives it a writer after a while so the test ends and fails instead.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quill_test {

// The kinds of non-file placed by placeNonFiles, for SCOPED_TRACE.
struct NonFile {
    std::string kind;               // "named pipe" or "folder"
    std::filesystem::path path;
};

// Makes path a named pipe and pathFolder a folder; both in the list returned, pipe first.
std::vector<NonFile> placeNonFiles(const std::filesystem::path& pipePath, const std::filesystem::path& folderPath);

// Runs read; when it has not returned after a few seconds, opens every pipe of nonFiles for
// writing (so a reader blocked on one gets the end of the file) and reports a failure naming the
// pipe. True when read returned without that help.
bool withoutWaiting(const std::vector<NonFile>& nonFiles, const std::function<void()>& read);

// "PATH is a named pipe, not a file." / "PATH is a folder, not a file." for nonFile.
std::string notAFileMessage(const NonFile& nonFile);

}  // namespace quill_test
