#pragma once
// Unpacking the zip archives of the media into the installation folder.

#include <cstdint>
#include <string>
#include <string_view>

struct UnzipResult {
    bool ok = false;
    std::string problem;        // why the archive was refused or could not be unpacked
};

// Unpacks every file of the archive below targetFolder, creating folders as the entries name
// them. An archive whose entry names climb out of the target ("../x", "/etc/x") or are links is
// refused as damaged before anything is written; files already present are replaced. An archive
// whose entries declare more bytes than spaceAvailable is refused before anything is written; an
// entry that unpacks to more than it declares is stopped there. An archive that is not unpacked
// whole leaves none of its files behind.
UnzipResult UnzipArchive(std::string_view archivePath, std::string_view targetFolder, uint64_t spaceAvailable);
