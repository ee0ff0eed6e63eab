#include "common/file_reading.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"

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
