#include "tracelyn/core/toolbar_combo_items.h"

#include "common/scale_labels.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<const char*, kLayerComboItems> kLayerTexts = {
    "ALL", "Top", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11", "L12", "L13", "L14",
    "L15", "Top silk", "Bottom silk", "Top solder", "Bottom solder", "Top paste", "Bottom paste", "VCC",
    "GND", "Power 1", "Power 2", "Power 3", "Power 4"};

// The scale labels run on into the selective-edit kind words in the catch-all text list.
constexpr std::array<const char*, 21> kScaleAndKindTexts = {
    "20%", "25%", "50%", "100%", "125%", "250%", "500%", "1000%", "2500%", "5000%", "ALL OBJECTS",
    "TEXT", "PADS", "TRACES", "ARCS", "ELLIPSES", "RECTANGLES", "PARTS", "POLYGONS", "NO-ROUTES", "NETS"};

constexpr std::array<const char*, 9> kGridEnglish = {".5 mils", "1 mils", "5 mils", "10 mils", "25 mils",
                                                     "50 mils", "100 mils", "Variable", "Polar"};
constexpr std::array<const char*, 9> kGridMetric = {".1 mm", ".2 mm", ".5 mm", ".8 mm", "1.0 mm",
                                                    "1.5 mm", "2.0 mm", "Variable", "Polar"};

constexpr std::array<const char*, kStockWidthItems> kWidthEnglish = {"1",  "5",  "8",  "10", "12", "15",
                                                                     "20", "25", "30", "40", "50", "Var"};
constexpr std::array<const char*, kStockWidthItems> kWidthMetric = {".05", ".1",  ".15", ".2",  ".5",  ".8",
                                                                    "1.0", "1.2", "1.5", "1.8", "2.0", "Var"};
constexpr std::array<double, kStockWidthVariable> kWidthMils = {1, 5, 8, 10, 12, 15, 20, 25, 30, 40, 50};
constexpr std::array<double, kStockWidthVariable> kWidthMillimetres = {0.05, 0.1, 0.15, 0.2, 0.5, 0.8,
                                                                      1.0,  1.2, 1.5,  1.8, 2.0};

constexpr std::array<const char*, 11> kSelectiveTexts = {
    "Select ALL objects", "Text only",       "Pads only",          "Traces/lines only",
    "Arcs only",          "Ellipses only",   "Rectangles only",    "Library parts only",
    "Polygons only",      "No-routes only",  "Nets only"};

constexpr int kFirstPowerItem = 25;
constexpr int kItemInset = 3;
constexpr int kSwatchSize = 12;
constexpr int kLayerTextOffset = 15;
constexpr int kWidthBarLength = 24;
constexpr int kWidthBarCentre = 7;
constexpr int kWidthTextOffset = 27;
// Colour settings of the layer swatches that are not a layer's own colour: the drawing role
// whose logical colour each group takes.
constexpr int kRoleSolderAndPaste = 19;

template <size_t N>
const char* entry(const std::array<const char*, N>& list, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? list[static_cast<size_t>(index)] : nullptr;
}

// Item texts go in black on whatever the control painted behind them.
void drawItemText(plat::Dc& dc, const plat::Rect& item, int offset, const char* text)
{
    if (text == nullptr)
        return;
    dc.SetMapMode(plat::kMmText);
    const int oldMode = dc.SetBkMode(plat::kTransparent);
    const plat::ColorRef oldColor = dc.SetTextColor(plat::rgb(0, 0, 0));
    dc.TextOut(item.left + kItemInset + offset, item.top + 1, text);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
}

// The logical colour of a layer combo item's swatch.
int swatchColor(int itemId)
{
    if (itemId == 0)
        return RoleColor(kRoleAllLayers);
    if (itemId >= 19 && itemId <= 22)
        return RoleColor(kRoleSolderAndPaste);
    if (itemId == 23)
        return RoleColor(kRoleVccPlane);
    if (itemId >= 24)
        return RoleColor(kRolePlane);
    return itemId - 1;
}


}  // namespace

std::span<const char* const> LayerComboTexts() { return kLayerTexts; }
std::span<const char* const> ScaleComboTexts() { return kScaleLabels; }
std::span<const char* const> GridComboTexts(bool metric) { return metric ? std::span<const char* const>(kGridMetric) : kGridEnglish; }
std::span<const char* const> WidthComboTexts(bool metric) { return metric ? std::span<const char* const>(kWidthMetric) : kWidthEnglish; }
std::span<const char* const> SelectiveEditComboTexts() { return kSelectiveTexts; }

int LayerComboIndex(int32_t layer)
{
    if (layer == kLayerAll)
        return 0;
    if (layer >= 0 && layer < kFirstPowerItem - 1)
        return layer + 1;
    if (layer >= kLayerPower1 && layer <= kLayerPower4)
        return layer - 1;
    return -1;
}

int32_t LayerOfComboIndex(int position)
{
    if (position == 0)
        return kLayerAll;
    if (position >= 1 && position < kFirstPowerItem)
        return position - 1;
    if (position >= kFirstPowerItem && position < kLayerComboItems)
        return position + 1;
    return -1;
}

int32_t StockWidthOfComboIndex(int position, bool metric)
{
    if (position < 0 || position >= kStockWidthVariable)
        return -1;
    const auto at = static_cast<size_t>(position);
    return metric ? static_cast<int32_t>(kWidthMillimetres[at] * 393.7) : static_cast<int32_t>(kWidthMils[at] * 10);
}

int StockWidthComboIndex(int32_t width, bool metric)
{
    for (int position = 0; position < kStockWidthVariable; ++position)
        if (StockWidthOfComboIndex(position, metric) == width)
            return position;
    return kStockWidthVariable;
}

void DrawLayerComboItem(plat::Dc& dc, const plat::Rect& item, int itemId)
{
    const char* name = entry(kLayerTexts, itemId);
    if (name == nullptr)
        return;
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    const plat::Palette oldPalette = dc.SelectPalette(g_boardPalette.palette);
    dc.RealizePalette();
    const int left = item.left + kItemInset, top = item.top + 1;
    dc.FillRect({left, top, left + kSwatchSize, top + kSwatchSize},
                plat::Brush::solid(GetLayerColor(ColorMapEntry(swatchColor(itemId)))));
    drawItemText(dc, item, kLayerTextOffset, name);
    dc.SelectPalette(oldPalette);
}

void DrawWidthComboItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool metric)
{
    const char* label = entry(metric ? kWidthMetric : kWidthEnglish, itemId);
    if (label == nullptr)
        return;
    const bool variable = itemId == kStockWidthVariable;
    const int width = static_cast<int>(std::atof(variable ? "50" : label));
    const int half = (width / 4 + 2) / 2;
    const int left = item.left + kItemInset, centre = item.top + kWidthBarCentre;
    const plat::ColorRef red = plat::rgb(255, 0, 0);
    dc.FillRect({left, centre - half, left + kWidthBarLength, centre + half + 1},
                variable ? plat::Brush::hatched(plat::kHsDiagCross, red) : plat::Brush::solid(red));
    drawItemText(dc, item, kWidthTextOffset, label);
}

void DrawComboItemText(plat::Dc& dc, const plat::Rect& item, int itemId, int list, bool metric)
{
    switch (list) {
    case kComboListGrid:
        drawItemText(dc, item, 0, entry(metric ? kGridMetric : kGridEnglish, itemId));
        return;
    case kComboListSelective:
        drawItemText(dc, item, 0, entry(kSelectiveTexts, itemId));
        return;
    default:
        drawItemText(dc, item, 0, entry(kScaleAndKindTexts, itemId));
        return;
    }
}
