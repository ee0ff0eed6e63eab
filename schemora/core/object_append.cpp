#include "schemora/core/object_append.h"

#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>

namespace {

constexpr const char* kStoreFullMessage = "The drawing is full: no more objects can be added (7999 at most)";
constexpr int kFileCoordinateLimit = 32767;

struct FullStoreNotice {
    bool shown = false;
};
FullStoreNotice g_fullStoreNotice;

void storeCount(int count)
{
    g_current.count = count;
    if (!thePartEditor)
        if (CSchemoraDoc* doc = g_current.activeDocument)
            doc->data().objectCount = count;
}

}  // namespace

bool ObjectsFit(int n)
{
    return n >= 0 && !g_current.objects.empty() && g_current.count + n <= kMaxObjectCount;
}

int AppendObjects(int n, FullStoreReport report)
{
    if (n <= 0)
        return 0;
    if (!ObjectsFit(n)) {
        if (report == FullStoreReport::Always || !g_fullStoreNotice.shown)
            plat::MessageBox(kStoreFullMessage, plat::kMbIconExclamation);
        g_fullStoreNotice.shown = true;
        return 0;
    }
    const int first = g_current.count + 1;
    for (int i = first; i < first + n; ++i) {
        ReleaseObjectData(g_current.objects[static_cast<size_t>(i)]);
        g_current.objects[static_cast<size_t>(i)] = DrawObject{};
    }
    // SetObjectCount stores count + 1 and marks the drawing modified.
    SetObjectCount(first + n - 2);
    return first;
}

void TruncateObjects(int count)
{
    count = std::clamp(count, 0, g_current.count);
    for (int i = count + 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        ReleaseObjectData(o);
        o = DrawObject{};
    }
    storeCount(count);
}

int ClampDrawingCoordinate(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -kFileCoordinateLimit, kFileCoordinateLimit));
}

void DeleteObject(int index)
{
    if (!g_current.holds(index))
        return;
    DrawObject& o = g_current.objects[static_cast<size_t>(index)];
    ReleaseObjectData(o);
    o.w[4] = 0;
}
