#pragma once
// Copying one file from the media in blocks, with the result codes the installer's prompts
// are chosen by.

#include <string>
#include <string_view>

namespace plat {
class WriteResult;
}

enum CopyResult : int {
    kCopyDone = 0,
    kCopyNoMemory = 1,
    kCopySourceMissing = 2,
    kCopyDestinationFailed = 3,
    kCopyDiskFull = 4,
    kCopySourceNotAFile = 5,   // the media names a folder, pipe or device: asking again cannot help
};

// Copies source to destination in blocks of 65,535 bytes. The destination is written under a
// temporary name and renamed when complete, so a failed copy leaves no half file behind. Every
// write and the close are checked; on a failure to write, reason (when given) receives the
// system's words for it.
CopyResult CopyFileBlocks(std::string_view source, std::string_view destination, std::string* reason = nullptr);

// The result code of a write that the shared writer finished: done, or a full disk, or another
// failure to write (reason receiving the system's words).
CopyResult CopyOutcome(const plat::WriteResult& written, std::string* reason);
