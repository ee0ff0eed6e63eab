// Reading a library part's records into the current object array: the part editor edits them
// there and the previews draw them from the scratch area at its end.
#include "platform/core/archive.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_previews.h"
#include "schemora/core/shape_painters.h"
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
    // Each element by its whole box (a body rectangle reaches from its corner by its size, a
    // line to its far end), so the preview fits all of what it draws.
    int x1 = INT_MAX, y1 = INT_MAX, x2 = INT_MIN, y2 = INT_MIN;
    for (int i = start + 1; i <= start + read; ++i) {
        // Attribute texts are never drawn in a preview.
        if (const DrawObject& o = g_current.objects[i]; o.type() == kObjText && o.text && IsAttributeText(o.text))
            continue;
        const DrawObject& o = g_current.objects[i];
        // An arc bulges past its ends by as much as DrawArc takes it.
        const plat::Rect box = o.type() == kObjArc ? ArcOuterBox(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7]) : GetObjectExtent(i);
        x1 = std::min(x1, box.left);
        y1 = std::min(y1, box.top);
        x2 = std::max(x2, box.right);
        y2 = std::max(y2, box.bottom);
    }
    g_previewExtent = x1 <= x2 && y1 <= y2 ? PreviewExtent{x1, y1, x2, y2} : PreviewExtent{};
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
