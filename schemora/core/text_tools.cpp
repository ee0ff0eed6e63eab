#include "schemora/core/text_tools.h"

#include "common/string_helpers.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/text_style.h"
#include "schemora/core/workspace_services.h"

#include <charconv>

AutoTextState g_autoText;

namespace {

constexpr std::size_t kTooLongToMark = 10;

bool onVisibleLayer(const DrawObject& o)
{
    return o.onLayer(CurrentDrawingLayer());
}

}  // namespace

bool MarkSignalText(plat::Dc& dc)
{
    (void)dc;
    const plat::Point p = CursorDrawingPoint();
    for (int i = 1; i <= g_current.count; ++i) {
        DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (o.type() != kObjText || !onVisibleLayer(o) || (!thePartEditor && o.sheet() != CurrentEditSheet()))
            continue;
        const plat::Rect box = TextBox(o);
        if (p.x < box.left || p.x > box.right || p.y < box.top || p.y > box.bottom)
            continue;
        std::string text = o.text ? o.text : "";
        // Signal names are short: a longer text (a note, a directive) is not marked.
        if (text.empty() || text.size() >= kTooLongToMark)
            return false;
        if (text.back() == '*')
            text.pop_back();
        else
            text.push_back('*');
        // A new string of the new length: the old one may be one character short.
        if (!ReplaceObjectText(o, text))
            return false;
        MarkEditedDrawingModified();
        RedrawEditWindow();
        return true;
    }
    return false;
}

void FillAutoText(DrawObject& text)
{
    text.w[2] = g_textStyle.word();
    text.w[3] = 0;
    FreeStr(text.text);
    text.text = StrDupChecked(g_autoText.prefix + g_autoText.number);
    long long value = 0;
    const std::string& n = g_autoText.number;
    std::from_chars(n.data(), n.data() + n.size(), value);
    g_autoText.number = std::to_string(value + 1);
}
