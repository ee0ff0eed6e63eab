#pragma once
// Crossing between a PrintTarget (what the programs and the dialogs exchange) and a QPrinter
// (what draws), for platform code only.

#include "platform/core/ui_host.h"

#include <QPrinter>

namespace plat {

// A PDF file prints at this resolution (dots per inch), on Letter paper unless told otherwise.
inline constexpr int kPdfResolution = 600;

// Sets the printer (or PDF file), paper, orientation and copies of target on printer.
void configurePrinter(QPrinter& printer, const PrintTarget& target);
// The target a printer stands for after a dialog changed it.
PrintTarget targetOf(const QPrinter& printer);

}  // namespace plat
