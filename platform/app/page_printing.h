#pragma once
// One page printed outside a view (the instrument windows print their plot): the print
// dialog chooses the printer, the function draws the page on the printer's context.

#include "platform/gdi/dc.h"

#include <functional>
#include <string_view>

namespace plat {

enum class PagePrintResult { Printed, Cancelled, Failed };

// Failed: the job could not be started or finished.
PagePrintResult printOnePage(std::string_view docName, const std::function<void(Dc&)>& draw);

}  // namespace plat
