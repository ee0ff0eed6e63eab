#pragma once
// What a dialog template's group boxes enclose: for each box that covers rows below its own,
// the ids of the controls in those rows within its columns, as the dialog lays them out.

#include "platform/app/resources.h"

#include <map>
#include <string>
#include <vector>

namespace quill_test {

inline std::map<std::string, std::vector<unsigned>> GroupBoxContents(const plat::DialogTemplate& t)
{
    std::map<std::string, std::vector<unsigned>> contents;
    for (const plat::ControlTemplate& box : t.controls) {
        if (box.kind != plat::ControlKind::GroupBox)
            continue;
        std::vector<unsigned>& ids = contents[box.text];
        for (const plat::ControlTemplate& c : t.controls)
            if (c.row > box.row && c.row < box.row + box.rowSpan && c.column >= box.column &&
                c.column < box.column + box.span && c.id != plat::kIdStaticText)
                ids.push_back(c.id);
    }
    return contents;
}

}  // namespace quill_test
