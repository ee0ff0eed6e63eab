#pragma once
// The pad-to-pad router's settings as the General Setup page and the Incremental Router dialog
// show them: layer mode, buried vias, bevels, via size and hole, clearance, maximum length and
// vias, in mils (millimetres in metric units), and the check that the clearance still fits
// between two traces of the routing grid.

#include "tracelyn/workspace/length_fields.h"

namespace plat { class Dialog; }

class RouterFields {
public:
    void show(plat::Dialog& dialog);
    void store(const plat::Dialog& dialog);
    // The lengths' edits, for a dialog that shows one more.
    LengthFields& lengths() { return lengths_; }
    static const char* lengthFormat();

private:
    LengthFields lengths_;
};

// Warns (string 4092) when the clearance is larger than the free gap of the routing grid:
// grid step less trace width with one layer, less half the via size and half the width with
// two. The settings stay as they are.
void WarnOnInsufficientClearance();
