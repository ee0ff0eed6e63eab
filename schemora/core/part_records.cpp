// Reading a library part's records into the current object array: the part editor edits them
// there and the previews draw them from the scratch area at its end.
#include "platform/core/archive.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/part_library.h"
#include "schemora/core/string_records.h"

#include <algorithm>
#include <climits>

PreviewExtent g_previewExtent;

namespace {

// Reads up to limit elements of the part at the archive's position into objects from index
// start + 1; returns how many were read.
int readPartInto(plat::Archive& archive, int start, int limit)
{
    LibraryPartHeader header;
    if (!ReadLibraryPartHeader(archive, header) || header.version < 0 || header.version > kNewestPartVersion)
        return 0;
    const int lastSlot = std::min<int>(kMaxObjectCount, static_cast<int>(g_current.objects.size()) - 1);
    limit = std::clamp(std::min(limit, lastSlot - start), 0, kMaxObjectCount);
    int read = 0;
    while (read < limit) {
        DrawObject e;
        if (ReadLibraryElement(archive, header.version, e) != ElementRead::Element)
            break;
        DrawObject& slot = g_current.objects[start + 1 + read];
        ReleaseObjectData(slot);
        slot = e;
        ++read;
    }
    return read;
}

}  // namespace

void ReadPartPreview(int start, int* count, plat::Archive& archive, int /*mode*/)
{
    const int read = readPartInto(archive, std::max(start, 0), kPreviewRecords);
    if (count)
        *count = read;
    int x1 = INT_MAX, y1 = INT_MAX, x2 = INT_MIN, y2 = INT_MIN;
    for (int i = start + 1; i <= start + read; ++i) {
        const DrawObject& o = g_current.objects[i];
        x1 = std::min(x1, o.w[0]);
        y1 = std::min(y1, o.w[1]);
        x2 = std::max(x2, o.w[0]);
        y2 = std::max(y2, o.w[1]);
    }
    g_previewExtent = read > 0 ? PreviewExtent{x1, y1, x2, y2} : PreviewExtent{};
}

std::string ReadPreviewText(plat::Archive& archive)
{
    std::string text;
    if (!ReadStringRecords(archive, text) || text.empty())
        return "Bad string!";
    return text;
}

int ReadPartRecords(plat::Archive& archive)
{
    return readPartInto(archive, 0, kMaxObjectCount);
}
