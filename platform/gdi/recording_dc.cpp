#include "platform/gdi/recording_dc.h"

#include "platform/gdi/device_caps.h"

#include <algorithm>
#include <cstdio>

namespace plat {

namespace {

const char* penStyleName(int style)
{
    static const char* const kNames[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null", "insideframe"};
    return style >= 0 && style <= 6 ? kNames[style] : "solid";
}

}  // namespace

RecordingDc::RecordingDc(RecordingDevice device) : device_(device)
{
    recordCalls_ = true;
}

std::string RecordingDc::describeColor(ColorRef c)
{
    char buf[32];
    if (isPaletteIndex(c))
        std::snprintf(buf, sizeof buf, "#%u", unsigned(c & 0xFFFF));
    else
        std::snprintf(buf, sizeof buf, "rgb(%d,%d,%d)", redOf(c), greenOf(c), blueOf(c));
    return buf;
}

std::string RecordingDc::describe(const Pen& pen)
{
    if (pen.style == kPsNull)
        return "null";
    return std::string(penStyleName(pen.style)) + "," + std::to_string(pen.width) + "," +
           describeColor(pen.color);
}

std::string RecordingDc::describe(const Brush& brush)
{
    if (brush.style == kBsNull)
        return "null";
    if (brush.style == kBsHatched)
        return "hatch" + std::to_string(brush.hatch) + "," + describeColor(brush.color);
    return "solid," + describeColor(brush.color);
}

std::string RecordingDc::describe(const Font& font)
{
    std::string s = "\"" + font.face + "\"," + std::to_string(font.height) + "," + std::to_string(font.width);
    if (font.escapement != 0)
        s += ",esc=" + std::to_string(font.escapement);
    if (font.weight != 400 && font.weight != 0)
        s += ",wt=" + std::to_string(font.weight);
    if (font.italic)
        s += ",italic";
    if (font.underline)
        s += ",underline";
    return s;
}

void RecordingDc::onCall(const CallNote& note)
{
    DcCall call{drawingModes(), std::string(note.name), note.args, note.text, note.drawing, {}};

    std::string line = call.name;
    const bool selects = call.name == "SelectPen" || call.name == "SelectBrush" || call.name == "SelectFont";
    if (selects) {
        line += "(";
        if (note.uses & kUsesPen)
            line += describe(call.pen);
        if (note.uses & kUsesBrush)
            line += describe(call.brush);
        if (note.uses & kUsesFont)
            line += describe(call.font);
        line += ")";
    } else {
        line += "(";
        for (size_t i = 0; i < call.args.size(); ++i) {
            if (i)
                line += ",";
            const bool colour = (call.name == "SetPixel" && i == 2) || call.name == "SetBkColor" ||
                                call.name == "SetTextColor";
            line += colour ? describeColor(ColorRef(call.args[i])) : std::to_string(call.args[i]);
        }
        if (!note.text.empty() || (note.uses & kUsesFont))
            line += std::string(call.args.empty() ? "" : ",") + "\"" + note.text + "\"";
        line += ")";
        if (note.uses & kUsesPen)
            line += " pen=" + describe(call.pen);
        if (note.uses & kUsesBrush)
            line += " brush=" + describe(call.brush);
        if (note.uses & kUsesFont)
            line += " font=" + describe(call.font) + " color=" + describeColor(call.textColor) +
                    " bk=" + (call.bkMode == kOpaque ? "opaque," + describeColor(call.bkColor) : std::string("transparent")) +
                    " align=" + std::to_string(call.textAlign);
        if (note.uses & kUsesPen)
            line += " rop=" + std::to_string(call.rop2);
    }
    call.line = std::move(line);
    calls_.push_back(std::move(call));
}

std::vector<DcCall> RecordingDc::drawingCalls() const
{
    std::vector<DcCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out), [](const DcCall& c) { return c.drawing; });
    return out;
}

std::vector<std::string> RecordingDc::lines() const
{
    std::vector<std::string> out;
    for (const DcCall& c : calls_)
        out.push_back(c.line);
    return out;
}

std::vector<std::string> RecordingDc::drawingLines() const
{
    std::vector<std::string> out;
    for (const DcCall& c : calls_)
        if (c.drawing)
            out.push_back(c.line);
    return out;
}

DeviceTextSize RecordingDc::measureText(std::string_view text)
{
    const DeviceFont f = deviceFont();
    int em = f.emHeight;
    if (em == 0)
        em = (f.cellHeight > 0 ? f.cellHeight : 16) * 7 / 8;
    em = std::max(1, em);
    const int charWidth = f.averageWidth > 0 ? f.averageWidth : std::max(1, em / 2);
    DeviceTextSize r;
    TextMetrics& m = r.metrics;
    m.tmAscent = em - em / 8;
    m.tmDescent = em / 4;
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = m.tmHeight - em;
    m.tmAveCharWidth = charWidth;
    m.tmMaxCharWidth = charWidth;
    m.tmWeight = f.font.weight;
    m.tmItalic = f.font.italic;
    m.tmUnderlined = f.font.underline;
    r.extent = Size{charWidth * int(text.size()), m.tmHeight};
    return r;
}

int RecordingDc::deviceCaps(int index) const
{
    const DeviceSurface surface{device_.printing ? kDtRasPrinter : kDtRasDisplay,
                                {device_.horzRes, device_.vertRes},
                                {0, 0, device_.horzRes, device_.vertRes},
                                device_.logPixelsX,
                                device_.logPixelsY,
                                32,
                                0};
    return surfaceCaps(index, surface);
}

}  // namespace plat
