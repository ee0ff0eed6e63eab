#pragma once
// Qt-facing side of the printer context, for platform code only.

#include "platform/gdi/printer_dc.h"

#include <QPrinter>

namespace plat {

// The caller keeps the printer alive while the context exists.
struct ExternalPrinter {
    QPrinter& printer;
};

}  // namespace plat
