#include "tracelyn/route/drc_silkscreen.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/drc_clearance.h"
#include "tracelyn/route/drc_pairing.h"

#include <cmath>
#include <string_view>
#include <unordered_set>

namespace {

const BoardObject* packageRecord(const ArtworkSource& from)
{
    const BoardObject& o = g_board.objects[from.object];
    if (!o.isPart() || from.record < 1 || from.record >= kPackageStoreSize)
        return nullptr;
    return &g_packages.objects[static_cast<size_t>(from.record)];
}

// The pads (not vias) of the board and of the placed parts: what solder goes on.
bool isSolderablePad(const ArtworkSource& from)
{
    const BoardObject& o = g_board.objects[from.object];
    const BoardObject* pad = o.isPart() ? packageRecord(from) : (from.record == 0 ? &o : nullptr);
    if (pad == nullptr || pad->kind() != kKindPad)
        return false;
    const int shape = pad->w[5] & 15;
    return shape != kPadVia && shape != kPadLayerPair;
}

// The solder-mask openings of the pads of one side.
ShapeSet maskOpenings(int maskLayer, ArtworkSourceIds& ids)
{
    ShapeSet openings;
    CollectLayerShapes(maskLayer, openings,
                       [&](const ArtworkSource& from) { return isSolderablePad(from) ? ids.idOf(from) : kLeaveOut; });
    return openings;
}

bool checkSide(const BoardSilk& silk, const ShapeSet& side, int maskLayer, DrcWork& work,
               std::vector<DrcFinding>& findings)
{
    ArtworkSourceIds padIds;
    const ShapeSet openings = maskOpenings(maskLayer, padIds);
    std::unordered_set<uint64_t> reported;
    return ForEachNearPair(side, openings, 0, work, [&](int i, int j) {
        const ShapePiece& s = side.pieces()[static_cast<size_t>(i)];
        const ShapePiece& p = openings.pieces()[static_cast<size_t>(j)];
        const uint64_t key = (uint64_t(uint32_t(s.source)) << 32) | uint32_t(p.source);
        if (reported.contains(key))
            return;
        const ShapeGap gap = PieceGap(side, s, openings, p);
        if (gap.distance > kTouchGap)
            return;
        reported.insert(key);
        findings.push_back(FindingAt(DrcRule::kSilkscreen, gap.spot.x, gap.spot.y, silk.ids.source(s.source).object,
                                     padIds.source(p.source).object));
    });
}

}  // namespace

bool IsNamePlaceholder(const char* text)
{
    return text != nullptr && std::string_view(text).starts_with("p?");
}

BoardSilk CollectBoardSilk()
{
    BoardSilk silk;
    const ArtworkTagger tagger = [&](const ArtworkSource& from) {
        if (const BoardObject* record = packageRecord(from);
            record != nullptr && record->kind() == kKindText && IsNamePlaceholder(record->text()))
            return kLeaveOut;
        return silk.ids.idOf(from);
    };
    CollectLayerShapes(kLayerSilkTop, silk.top, tagger);
    CollectLayerShapes(kLayerSilkBottom, silk.bottom, tagger);
    return silk;
}

bool CheckSilkscreen(const BoardSilk& silk, DrcWork& work, std::vector<DrcFinding>& findings)
{
    return checkSide(silk, silk.top, kLayerMaskTop, work, findings)
           && checkSide(silk, silk.bottom, kLayerMaskBottom, work, findings);
}
