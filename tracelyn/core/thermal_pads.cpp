#include "tracelyn/core/thermal_pads.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/placed_pads.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr size_t kMaxThresholdText = 20;
constexpr long kMaxThresholdMils = 100000;
constexpr int32_t kMinCapturingHole = 2;

bool isThermal(const BoardObject& o)
{
    return o.kind() == kKindPad && (o.w[5] & 15) == kPadThermal;
}

}  // namespace

int32_t ThermalThresholdFromText(std::string_view text)
{
    const std::string digits(text.substr(0, kMaxThresholdText));
    const long mils = std::strtol(digits.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp(mils, 0L, kMaxThresholdMils) * 10);
}

int SnapThermalPad(int32_t threshold, int32_t x, int32_t y, int32_t hole, int32_t xSize, int32_t ySize)
{
    for (int i = 1; i <= g_board.count; ++i) {
        BoardObject& o = g_board.objects[i];
        if (!isThermal(o) || std::llabs(int64_t{o.w[0]} - x) >= threshold || std::llabs(int64_t{o.w[1]} - y) >= threshold)
            continue;
        o.w[0] = x;
        o.w[1] = y;
        o.w[6] = hole;
        o.w[2] = xSize;
        o.w[3] = ySize;
        return 1;
    }
    return 0;
}

int AlignAllThermalPads(int32_t threshold)
{
    int aligned = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject o = g_board.objects[i];
        if (o.kind() > kKindPart) {
            ForEachPlacedPad(o, [&](const PlacedPad& p) {
                const int32_t ySize = (p.pad->w[5] & 15) == kPadRound ? p.xSize : p.ySize;
                aligned += SnapThermalPad(threshold, p.x, p.y, p.pad->w[6], p.xSize, ySize);
                return true;
            });
        } else if (o.kind() == kKindPad && o.w[6] >= kMinCapturingHole && !isThermal(o)) {
            aligned += SnapThermalPad(threshold, o.w[0], o.w[1], o.w[6], o.w[2], o.w[3]);
        }
    }
    return aligned;
}
