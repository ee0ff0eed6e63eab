#include "schemora/core/part_text_alignment.h"

#include "schemora/core/object_reach.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// A text this close to the body's left edge is a pin number standing by it.
constexpr int kLeftEdgeReach = 20;
// Right-aligned names end just inside the body's right edge.
constexpr int kRightEdgeInset = 2;

struct BodyEdges {
    int left = 0;
    int right = 0;
};

std::optional<BodyEdges> loneRectangle(std::span<const DrawObject> records)
{
    const DrawObject* body = nullptr;
    for (const DrawObject& o : records) {
        if (o.type() != kObjRectangle)
            continue;
        if (body)
            return std::nullopt;
        body = &o;
    }
    if (!body)
        return std::nullopt;
    const int x1 = body->w[0];
    const int x2 = (body->w[7] & kRectMirrorBit) ? x1 - body->w[2] : x1 + body->w[2];
    return BodyEdges{std::min(x1, x2), std::max(x1, x2)};
}

}  // namespace

bool AlignTextsToBody(std::span<DrawObject> objects, int count)
{
    if (objects.empty())
        return false;
    const std::span<DrawObject> records =
        objects.subspan(1, static_cast<size_t>(std::clamp(count, 0, static_cast<int>(objects.size()) - 1)));
    const std::optional<BodyEdges> body = loneRectangle(records);
    if (!body)
        return false;
    for (DrawObject& t : records) {
        if (t.type() != kObjText)
            continue;
        t.w[9] = body->right - kRightEdgeInset;
        if (t.w[5] != 0)
            continue;
        const bool oneCharacter = t.text && std::strlen(t.text) == 1;
        t.w[5] = oneCharacter || std::abs(t.w[0] - body->left) < kLeftEdgeReach ? kTextStylePinNumber : kTextStylePinName;
    }
    return true;
}
