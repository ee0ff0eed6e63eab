#pragma once
// A context for tests: it draws nothing, keeps the whole state (mapping included, so LPtoDP
// works), and records every call both as a readable line and as a structured record with the
// pen, brush, font and modes selected at the time, e.g.
//   LineTo(10,20) pen=solid,1,#7 rop=13
//   Rectangle(0,0,100,50) pen=null brush=hatch2,#3 rop=6
//   TextOut(5,5,"R1") font="Arial",-54,30,esc=900,wt=700,italic color=#21 bk=transparent align=0
// Colours read "#i" for palette index i and "rgb(r,g,b)" otherwise.
//
// Text extents are deterministic and need no fonts: with e the character height in device
// pixels (7/8 of the cell height when the height was given as a cell height, 16 px cell by
// default), the ascent is e - e/8, the descent e/4, and every character is the requested
// average width wide, or e/2 when none was requested.

#include "platform/gdi/dc.h"

#include <string>
#include <string_view>
#include <vector>

namespace plat {

// One call, with the objects and modes selected when it was made.
struct DcCall : DrawingModes {
    std::string name;            // "LineTo", "SelectPen", "SetROP2", ...
    std::vector<int> args;       // the call's logical arguments
    std::string text;            // the string of text calls
    bool drawing = false;        // puts pixels on the device
    std::string line;            // the readable form
};

struct RecordingDevice {
    int horzRes = 1024;
    int vertRes = 768;
    int logPixelsX = 96;
    int logPixelsY = 96;
    bool printing = false;
};

class RecordingDc : public Dc {
public:
    explicit RecordingDc(RecordingDevice device = {});

    const std::vector<DcCall>& calls() const { return calls_; }
    std::vector<DcCall> drawingCalls() const;
    std::vector<std::string> lines() const;
    // Only the lines of calls that draw.
    std::vector<std::string> drawingLines() const;
    void clear() { calls_.clear(); }

    static std::string describe(const Pen& pen);
    static std::string describe(const Brush& brush);
    static std::string describe(const Font& font);
    static std::string describeColor(ColorRef c);

protected:
    void onCall(const CallNote& note) override;
    DeviceTextSize measureText(std::string_view text) override;
    int deviceCaps(int index) const override;
    bool isPrinter() const override { return device_.printing; }

private:
    RecordingDevice device_;
    std::vector<DcCall> calls_;
};

}  // namespace plat
