#pragma once
// Length edits of the board's setup dialogs, shown in mils or, in metric units, millimetres.
// The text shown is rounded; handed back untouched it keeps the exact length it stood for, so
// that OK without a change never moves a width or a via by the rounding.

#include <cstdint>
#include <string>
#include <vector>

namespace plat { class Dialog; }

class LengthFields {
public:
    // Shows `units` (internal units) with the format ("%.2f", "%.0f") in the units in force.
    void show(plat::Dialog& dialog, unsigned id, int32_t units, const char* format);
    // The typed length in internal units, never below 0; the value shown when the text is as
    // it was shown.
    int32_t read(const plat::Dialog& dialog, unsigned id) const;

private:
    struct Shown {
        unsigned id;
        int32_t units;
        std::string text;
    };
    std::vector<Shown> shown_;
};
