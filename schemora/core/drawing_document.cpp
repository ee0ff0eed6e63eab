#include "schemora/core/drawing_document.h"

#include <algorithm>

void DrawingDocData::setTitle(std::string_view text)
{
    title.fill(0);
    const size_t n = std::min(text.size(), size_t(kTitleChars));
    std::copy_n(text.data(), n, title.data());
}
