#pragma once
// Copying one file from the media in blocks, with the result codes the installer's prompts
// are chosen by.

#include <string_view>

enum CopyResult : int {
    kCopyDone = 0,
    kCopyNoMemory = 1,
    kCopySourceMissing = 2,
    kCopyDestinationFailed = 3,
};

// Copies source to destination in blocks of 65,535 bytes. The destination is written under a
// temporary name and renamed when complete, so a failed copy leaves no half file behind.
CopyResult CopyFileBlocks(std::string_view source, std::string_view destination);
