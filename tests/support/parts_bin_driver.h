#pragma once
// Drives a parts bin's thumbnail area with the mouse messages a person's hand sends: a press on
// a thumbnail, moves with the button held, and the drag that leaves the bin over a view.

#include "common/parts_bin.h"
#include "platform/app/dialog.h"

#include <vector>

namespace quill_test {

class PartsBinDriver {
public:
    // cells: the program's thumbnail cells as its painter laid them out last.
    PartsBinDriver(quill::PartsBinDlg& bin, const std::vector<plat::Rect>& cells) : bin_(bin), cells_(cells) {}

    plat::Control* area() const { return bin_.GetDlgItem(quill::kIdcPartsBinCells); }
    void mouse(unsigned message, plat::Point p, unsigned flags = 0) const
    {
        area()->SendMessage(message, flags, plat::makePointParam(p));
    }
    plat::Point cellCentre(int k) const
    {
        const plat::Rect c = cells_.at(static_cast<size_t>(k));
        return {(c.left + c.right) / 2, (c.top + c.bottom) / 2};
    }
    // The bin's client point over a client pixel of another window.
    plat::Point pointOver(const plat::Wnd& window, plat::Point pixel) const
    {
        window.ClientToScreen(&pixel);
        area()->ScreenToClient(&pixel);
        return pixel;
    }
    // Presses on thumbnail k, starts the drag on it, lets it leave the bin over pixel `at` of the
    // window, goes on moving and lets go there.
    void dragOut(int k, const plat::Wnd& window, plat::Point at) const
    {
        const plat::Point from = cellCentre(k);
        mouse(plat::kWmLButtonDown, from, plat::kMkLButton);
        mouse(plat::kWmMouseMove, {from.x + 1, from.y + 1}, plat::kMkLButton);
        mouse(plat::kWmMouseMove, pointOver(window, at), plat::kMkLButton);
        const plat::Point further = pointOver(window, {at.x + 40, at.y});
        mouse(plat::kWmMouseMove, further, plat::kMkLButton);
        mouse(plat::kWmLButtonUp, further);
    }

private:
    quill::PartsBinDlg& bin_;
    const std::vector<plat::Rect>& cells_;
};

}  // namespace quill_test
