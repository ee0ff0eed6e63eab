#pragma once
// Writes a dialog template control by control: each call adds one control (or a label and its
// control) at a layout row and column, and the short calls after it adjust the control just
// added.
//
//   plat::DialogTemplate t = plat::DialogBuilder(kIddGoto, "Goto", 20)
//                                .field(kIdcGotoX, "X:", 0)
//                                .okCancel(1)
//                                .take();

#include "platform/app/resources.h"

#include <string>

namespace plat {

// One control at a layout row and column; `group` starts a new group.
ControlTemplate ControlAt(unsigned id, ControlKind kind, std::string text, int row, int column = 0, bool group = false);

// A group box at a row whose frame encloses the controls of the next rowsBelow rows within its
// span of columns.
ControlTemplate GroupBoxAt(std::string text, int row, int span, int rowsBelow, int column = 0);

class DialogBuilder {
public:
    // `fieldLimit` is the most characters the edit boxes of field() take (0: no limit).
    DialogBuilder(unsigned id, std::string title, int fieldLimit = 0);

    DialogBuilder& add(unsigned id, ControlKind kind, std::string text, int row, int column = 0, int span = 1);
    DialogBuilder& label(std::string text, int row, int column = 0);
    // A label and, right of it, an edit box. The label takes `labelId` where the code changes it.
    DialogBuilder& field(unsigned id, std::string text, int row, int column = 0, unsigned labelId = kIdStaticText);
    // A label and, right of it, a control of the given kind (a drop-down, a static...).
    DialogBuilder& labelled(unsigned id, ControlKind kind, std::string text, int row, int column = 0,
                            unsigned labelId = kIdStaticText);
    // OK (the default button, starting a group) and Cancel side by side.
    DialogBuilder& okCancel(int row, int column = 0);

    // The control added last: starts a group, gains style flags, a size, rows, a text limit.
    DialogBuilder& group();
    DialogBuilder& style(unsigned flags);
    DialogBuilder& size(int width, int height);
    // Rows a list shows, or the rows a group box covers (its own and those it encloses).
    DialogBuilder& rows(int count);
    DialogBuilder& limit(int characters);

    DialogTemplate take() { return std::move(t_); }

private:
    DialogTemplate t_;
    int fieldLimit_ = 0;
};

}  // namespace plat
