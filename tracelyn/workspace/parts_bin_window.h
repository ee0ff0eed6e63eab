#pragma once
// Tracelyn's parts bin: the shared bin window over the package catalogues, placing into the
// active board through the part tool's own placement.

#include "common/parts_bin.h"

class CPartsBinDlg : public quill::PartsBinDlg {
public:
    CPartsBinDlg();
};

// The one bin of the program; its window is made when the person opens it.
CPartsBinDlg& ThePartsBin();

// Places one component of the package of that name ("STD\DIP8") at a point of the screen in the
// active board view, unless the view is placing one already; false when nothing was placed.
bool PlaceBinPackage(const std::string& name, plat::Point screen);
