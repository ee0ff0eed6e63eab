#include "common/logical_palette.h"

#include "platform/core/ui_host.h"

const std::array<LogicalColor, kLogicalPaletteColors> kBuiltInPalette = {{
    {0, 0, 0},       {0, 0, 255},     {0, 255, 0},     {0, 255, 255},   {255, 0, 0},
    {255, 0, 255},   {255, 255, 0},   {255, 255, 255}, {127, 127, 127}, {0, 0, 127},
    {0, 127, 0},     {0, 127, 127},   {127, 0, 0},     {127, 0, 127},   {127, 127, 0},
    {191, 191, 191}, {127, 63, 0},    {255, 127, 255}, {0, 255, 191},   {255, 127, 0},
    {127, 63, 0},    {255, 127, 63},  {255, 127, 191}, {63, 127, 127},  {255, 255, 191},
    {191, 255, 255}, {127, 63, 63},   {191, 255, 191}, {127, 0, 63},    {127, 127, 255},
    {255, 255, 127}, {255, 127, 127},
}};

std::array<LogicalColor, kLogicalPaletteColors> BuildLogicalPalette()
{
    auto entries = kBuiltInPalette;
    const uint32_t face = plat::GetSysColor(plat::kColorBtnFace);   // 0x00BBGGRR
    entries[kButtonFaceEntry] = {static_cast<uint8_t>(face & 0xFF), static_cast<uint8_t>((face >> 8) & 0xFF),
                                 static_cast<uint8_t>((face >> 16) & 0xFF)};
    return entries;
}
