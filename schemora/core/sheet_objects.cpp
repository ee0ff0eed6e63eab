#include "schemora/core/sheet_objects.h"

#include <algorithm>

namespace {

int usableCount(std::span<DrawObject> objects, int count)
{
    // Slot 0 is unused: a store of n slots holds objects 1 to n - 1.
    return std::clamp(count, 0, std::max(0, static_cast<int>(objects.size()) - 1));
}

}  // namespace

void DeleteSheetObjects(std::span<DrawObject> objects, int count, int sheet)
{
    const int n = usableCount(objects, count);
    for (int i = 1; i <= n; ++i) {
        DrawObject& o = objects[static_cast<size_t>(i)];
        if (o.sheet() == sheet) {
            ReleaseObjectData(o);
            o.setType(kObjDeleted);
        } else if (o.sheet() > sheet) {
            --o.w[23];
        }
    }
}

void ClearDrawingObjects(std::span<DrawObject> objects, int count)
{
    const int n = usableCount(objects, count);
    for (int i = 1; i <= n; ++i) {
        DrawObject& o = objects[static_cast<size_t>(i)];
        ReleaseObjectData(o);
        o = DrawObject{};
    }
}
