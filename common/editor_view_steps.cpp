#include "common/editor_view_steps.h"


#include <algorithm>
#include <cmath>

EditorScrollBar EditorScrollBarFor(int sheetSide, int areaSide, int divisor, int offset, int screenCentre)
{
    EditorScrollBar bar;
    bar.maximum = sheetSide;
    const long long span = static_cast<long long>(sheetSide) - screenCentre;
    if (span == 0 || sheetSide <= 0) {
        bar.page = std::max(sheetSide, 0);
        return bar;
    }
    bar.page = static_cast<int>(std::clamp(static_cast<long long>(areaSide) * divisor, 0LL, 1LL << 30));
    const double fraction = static_cast<double>(offset) / static_cast<double>(span) + 0.5;
    const double position = std::clamp(std::round(fraction * sheetSide), -1e9, 1e9);
    bar.position = static_cast<int>(position) - bar.page / 2;
    return bar;
}

int EditorScrollOffset(int position, int page, int sheetSide, int screenCentre)
{
    const long long span = static_cast<long long>(sheetSide) - screenCentre;
    if (span == 0 || sheetSide <= 0)
        return 0;
    const double fraction = (static_cast<double>(position) + page / 2) / sheetSide - 0.5;
    return static_cast<int>(std::clamp(std::round(fraction * static_cast<double>(span)), -1e9, 1e9));
}

EditorZoomStep StepEditorZoom(int scaleIndex, bool zoomIn)
{
    const int wanted = scaleIndex + (zoomIn ? 1 : -1);
    if (wanted > kEditorMaxScaleIndex)
        return {std::min(scaleIndex, kEditorMaxScaleIndex), false, "Maximum"};
    if (wanted < 0)
        return {std::max(scaleIndex, 0), false, "Minimum"};
    const char* sound = wanted == kEditorMaxScaleIndex ? "Maximum" : wanted == 0 ? "Minimum" : nullptr;
    return {wanted, true, sound};
}
