#include "common/pcb/layer_passes.h"

#include "common/pcb/object_painters.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace pcb {
namespace {

constexpr int kOtherLayersPass = 17;
constexpr int kPlanePass = 18;

constexpr uint64_t stepBit(int pass, int sub)
{
    return uint64_t{1} << (pass * kSubPasses + sub);
}

bool additionalLayer(int layer, const LayerRules& r)
{
    return layer >= 0 && layer < 16 && r.additional[static_cast<size_t>(layer)];
}

int storedLayer(const BoardObject& o)
{
    const int layer = o.w[4] >> 10;
    return std::abs(layer) > 32 ? 0 : layer;
}

// The layer an object counts as on in the layer passes: a layer-pair pad follows the current
// layer of its pair, and in pair view the other layer of the pair counts as the current one.
int passLayer(const BoardObject& o, const LayerRules& r)
{
    int layer = storedLayer(o);
    const int c = r.current;
    if (o.kind() == kKindPad && (o.w[5] & 15) == kPadLayerPair) {
        if (c == layer + 1)
            layer = layer + 1;
        else if (c == kLayerMaskBottom)
            layer |= 1;
    } else if (r.pairView && layer >= 0 && (layer ^ 1) == c) {
        layer = c;
    }
    return layer;
}

// Whether the object is painted in the pass of its own layer: it is on the current layer, an
// additional layer, a layer the current mask view shows, or silk that is switched on.
bool onShownLayer(int layer, int original, bool mask, const LayerRules& r)
{
    const int c = r.current;
    const bool marked = (c == kLayerMaskTop && (layer == kLayerAll || layer == kLayerTop))
                        || (c == kLayerMaskBottom && (layer == kLayerAll || layer == 1))
                        || (c == kLayerAll && layer <= 14) || additionalLayer(original, r) || layer == c
                        || (layer == kLayerAll && c != kLayerSilkTop && c != kLayerSilkBottom)
                        || (layer == kLayerSilkTop && r.showTop && r.copy)
                        || (layer == kLayerSilkBottom && r.showBottom && r.copy)
                        || (layer == kLayerAll && (c == kLayerSilkTop || c == kLayerSilkBottom) && mask);
    return marked || (r.pairView && original < 16 && original >= 0 && (original ^ 1) == c);
}

int colorOf(int original, const LayerRules& r, const BoardColors& colors)
{
    if (IsPlaneLayer(r.current))
        return RoleColor(colors, kRoleBackground);
    switch (original) {
    case kLayerAll: return RoleColor(colors, kRoleAllLayers);
    case kLayerSilkTop: return RoleColor(colors, kRoleTopSilk);
    case kLayerSilkBottom: return RoleColor(colors, kRoleBottomSilk);
    case kLayerOutline: return RoleColor(colors, kRoleOutline);
    default: return original;
    }
}

}  // namespace

bool IsPlaneLayer(int layer)
{
    return layer == kLayerVcc || layer == kLayerGround || (layer >= kLayerPower1 && layer <= kLayerPower4);
}

ObjectPasses PassesOf(const BoardObject& o, int slot, const LayerRules& r, const BoardColors& colors)
{
    const int original = storedLayer(o);
    const int layer = passLayer(o, r);
    const int c = r.current;
    const bool innerOrBottom = layer >= 1 && layer <= 15;
    ObjectPasses p;
    p.slot = slot;
    p.color = colorOf(original, r, colors);
    if (c == kLayerMaskTop)
        p.mask = layer == kLayerAll || layer == kLayerTop;
    else if (c == kLayerMaskBottom)
        p.mask = layer == kLayerAll || innerOrBottom;
    if (c == kLayerPasteTop)
        p.paste = layer == kLayerAll || layer == kLayerTop;
    else if (c == kLayerPasteBottom)
        p.paste = layer == kLayerAll || innerOrBottom;
    p.silk = o.isPart();

    // A shown object is painted in the first two sub-passes of its layer's pass (copper layers
    // and the three below them count down from pass 15, all higher layers share pass 17).
    if (onShownLayer(layer, original, p.mask, r)) {
        const int pass = layer >= 16 ? kOtherLayersPass : 15 - layer;
        if (pass >= 0 && pass < kLayerPasses)
            p.steps |= stepBit(pass, 0) | stepBit(pass, 1);
    }
    if (p.paste)
        p.steps |= stepBit(kPastePass, 0) | stepBit(kPastePass, 1) | stepBit(kPastePass, 2);
    // Thermal pads are drawn once more over a plane shown as the current layer.
    if (o.kind() == kKindPad && (o.w[5] & 15) == kPadThermal && (IsPlaneLayer(c) || c == kLayerAll)
        && (layer == c || c == kLayerAll))
        p.steps |= stepBit(kPlanePass, 2);
    return p;
}

PassOrder::PassOrder(std::span<const ObjectPasses> objects)
{
    // A counting sort by step: objects stay in their given order within each step.
    auto listedAt = [](const ObjectPasses& p) { return p.silk ? p.steps | uint64_t{1} << kSilkStep : p.steps; };
    for (const ObjectPasses& p : objects)
        for (uint64_t steps = listedAt(p); steps != 0; steps &= steps - 1)
            ++start_[static_cast<size_t>(std::countr_zero(steps)) + 1];
    for (size_t step = 1; step < start_.size(); ++step)
        start_[step] += start_[step - 1];
    order_.resize(static_cast<size_t>(start_.back()));
    std::array<int, kPassSteps> next{};
    std::copy(start_.begin(), start_.end() - 1, next.begin());
    for (size_t i = 0; i < objects.size(); ++i)
        for (uint64_t steps = listedAt(objects[i]); steps != 0; steps &= steps - 1)
            order_[static_cast<size_t>(next[static_cast<size_t>(std::countr_zero(steps))]++)] = static_cast<int>(i);
}

}  // namespace pcb
