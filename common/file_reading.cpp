#include "common/file_reading.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"

#include <string>

void RefuseFile(plat::Archive& archive)
{
    plat::MessageBox("Unsupported file format");
    archive.refuse();
}

void ReportPartlyRead(plat::Archive& archive, int objectsRead)
{
    if (archive.damaged())
        return;
    plat::MessageBox(std::to_string(objectsRead) + " objects read; the rest of the file is damaged");
    archive.markDamaged();
}

std::optional<plat::Archive> LoadFileForReader(std::string_view path, std::uintmax_t maxBytes,
                                               std::string_view cannotOpen, unsigned messageType)
{
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    const std::string resolved = plat::resolvePath(path);
    std::optional<plat::Archive> archive = plat::Archive::loadFile(resolved, maxBytes, &failure);
    // A folder or pipe is named as the disk spells it: its kind is looked up by that name, and a
    // name given in other letters would otherwise read as "not a file" of no kind.
    if (!archive)
        plat::MessageBox(plat::readFailureText(failure == plat::LoadFailure::NotAFile ? std::string_view(resolved) : path,
                                               failure, maxBytes, cannotOpen),
                         messageType);
    return archive;
}
