#pragma once
// Schemora's parts bin: the shared bin window over the part libraries, placing into the active
// drawing through the part tool's own placement.

#include "common/parts_bin.h"

class CPartsBinDlg : public quill::PartsBinDlg {
public:
    CPartsBinDlg();
};

// The one bin of the program; its window is made when the person opens it.
CPartsBinDlg& ThePartsBin();

// What the main frame does once it opened the bin: the active view learns that the bin is open
// and the drawing tool becomes none.
void PartsBinOpened();

// Places one part of that name ("DEVICE\R") at a point of the screen in the active drawing view
// and leaves the part tool on that part; false when nothing was placed.
bool PlaceBinPart(const std::string& name, plat::Point screen);
