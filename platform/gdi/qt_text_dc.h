#pragma once
// The base of the contexts that draw text with the layer's Qt fonts (raster images, printer
// pages): both measure a string with the font they draw it in, so extents match the ink.

#include "platform/gdi/dc.h"

#include <string_view>

namespace plat {

class QtTextDc : public Dc {
protected:
    DeviceTextSize measureText(std::string_view text) override;
};

}  // namespace plat
