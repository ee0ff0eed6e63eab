#include "tracelyn/route/gerber_primitives.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/arc_trace_bend.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/progress_window.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

ApertureTable g_apertureTable;
PlotStream g_plotStream;

namespace {

// What a miss hands back: the last selection that went through (empty at start).
std::string g_fallbackSelect;
// "D<code>*\n" for every entry of the table, made once per table rather than per record.
std::vector<std::string> g_selectTexts;

const std::string& selectText(size_t index)
{
    while (g_selectTexts.size() <= index) {
        std::string text = "D";
        AppendInt(text, kFirstDcode + static_cast<int64_t>(g_selectTexts.size()));
        text += "*\n";
        g_selectTexts.push_back(std::move(text));
    }
    return g_selectTexts[index];
}

std::string* out()
{
    return g_plotStream.text;
}

void appendPoint(std::string& text, int x, int y)
{
    text += 'X';
    AppendInt(text, x);
    text += 'Y';
    AppendInt(text, -static_cast<int64_t>(y));
}

const char* shapeLetter(int32_t shape)
{
    switch (shape) {
    case kApertureOval: return "O";
    case kApertureRectangle: return "R";
    default: return "C";
    }
}

}  // namespace

void AppendInt(std::string& text, int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

void AppendInches(std::string& text, int64_t units)
{
    if (units < 0) {
        text += '-';
        units = -units;
    }
    AppendInt(text, units / 10000);
    char digits[6];
    std::snprintf(digits, sizeof digits, ".%04d", static_cast<int>(units % 10000));
    text += digits;
}

int FindAperture(int32_t shape, int32_t x, int32_t y)
{
    if (shape == kApertureRound)
        y = x;
    const std::vector<Aperture>& entries = g_apertureTable.entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Aperture& a = entries[i];
        if (a.shape == shape && a.x == x && a.y == y)
            return static_cast<int>(i);
    }
    return -1;
}

int RegisterAperture(int32_t shape, int32_t x, int32_t y)
{
    if (shape == kApertureRound)
        y = x;
    const int found = FindAperture(shape, x, y);
    if (found >= 0)
        return found;
    if (g_apertureTable.entries.size() >= kMaxApertures)
        return -1;
    g_apertureTable.entries.push_back({shape, x, y});
    return static_cast<int>(g_apertureTable.entries.size() - 1);
}

std::string_view SelectAperture(int width)
{
    const int index = FindAperture(kApertureRound, width, width);
    if (index < 0) {
        if (g_progress.shown)
            CloseProgressWindow();
        char message[64];
        std::snprintf(message, sizeof message, "Can't find width for %d", width);
        plat::MessageBox(message, plat::kMbIconStop);
        g_progress.abort = 1;
        return g_fallbackSelect;
    }
    const std::string& text = selectText(static_cast<size_t>(index));
    if (g_fallbackSelect != text)
        g_fallbackSelect = text;
    return text;
}

void PlotLine(int x1, int y1, int x2, int y2, int /*layer*/, int width)
{
    const std::string_view select = SelectAperture(width == 0 ? 1 : width);
    std::string* text = out();
    if (text == nullptr)
        return;
    *text += select;
    appendPoint(*text, x1, y1);
    *text += "D02*";
    appendPoint(*text, x2, y2);
    *text += "D01*\n";
}

void PlotArc(int x1, int y1, int x2, int y2, int layer, int width)
{
    if (x1 == x2 || y1 == y2) {
        PlotLine(x1, y1, x2, y2, layer, width);
        return;
    }
    const std::string_view select = SelectAperture(width == 0 ? 1 : width);
    std::string* text = out();
    if (text == nullptr)
        return;
    const bool clockwise = (x1 <= x2 && y1 > y2) || (x1 > x2 && y1 <= y2);
    *text += select;
    appendPoint(*text, x1, y1);
    *text += clockwise ? "D02*G02*" : "D02*G03*";
    appendPoint(*text, x2, y2);
    *text += 'I';
    AppendInt(*text, std::abs(static_cast<int64_t>(x1) - x2));
    *text += "J0D01*G01*\n";
}

void PlotCornerArc(int x1, int y1, int x2, int y2, int layer, int width)
{
    const int64_t dx = static_cast<int64_t>(x2) - x1, dy = static_cast<int64_t>(y2) - y1;
    if (dx == 0 || dy == 0) {
        PlotLine(x2, y2, x1, y1, layer, width);
        return;
    }
    const ArcTraceBend bend = ArcTraceBendOf(x1, y1, x2, y2);
    const int bx = static_cast<int>(bend.x), by = static_cast<int>(bend.y);
    if (bend.run != 0)
        PlotLine(x1, y1, bx, by, layer, width);
    PlotArc(bx, by, x2, y2, layer, width);
}

void PlotFlash(int x, int y, int aperture)
{
    std::string* text = out();
    if (text == nullptr || aperture < 0)
        return;
    *text += selectText(static_cast<size_t>(aperture));
    appendPoint(*text, x, y);
    *text += "D03*\n";
}

void PlotRegion(std::span<const int32_t> points)
{
    std::string* text = out();
    const size_t count = points.size() / 2;
    if (text == nullptr || count < 3)
        return;
    *text += "G36*\n";
    for (size_t i = 0; i <= count; ++i) {
        const size_t k = i % count;
        appendPoint(*text, points[2 * k], points[2 * k + 1]);
        *text += i == 0 ? "D02*\n" : "D01*\n";
    }
    *text += "G37*\n";
}

void PlotHeader(std::string_view title)
{
    std::string* text = out();
    if (text == nullptr)
        return;
    *text += "G04 ";
    *text += title;
    *text += "*\n%FSLAX34Y34*%\n%MOIN*%\n%LPD*%\n";
    const std::vector<Aperture>& entries = g_apertureTable.entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Aperture& a = entries[i];
        *text += "%ADD";
        AppendInt(*text, kFirstDcode + static_cast<int64_t>(i));
        *text += shapeLetter(a.shape);
        *text += ',';
        AppendInches(*text, a.x);
        if (a.shape != kApertureRound) {
            *text += 'X';
            AppendInches(*text, a.y);
        }
        *text += "*%\n";
    }
    *text += "G74*\nG01*\n";
}

void PlotEnd()
{
    if (std::string* text = out())
        *text += "M02*\n";
}
