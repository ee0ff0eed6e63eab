#include "schemora/core/text_entry.h"

#include "common/string_helpers.h"
#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/text_style.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <utility>

TextEntryState g_textEntry;

namespace {

constexpr int kHiddenTextBit = 0x100;
constexpr int kStandardLineHeight = 50;

DrawObject& lineObject() { return g_current.objects[static_cast<std::size_t>(g_textEntry.index)]; }

bool validLine()
{
    return g_textEntry.index >= 1 && g_textEntry.index <= g_current.count &&
           lineObject().type() == kObjText;
}

// The object's string follows every change of the line.
void storeLine()
{
    if (!validLine())
        return;
    if (ReplaceObjectText(lineObject(), g_textEntry.line))
        MarkEditedDrawingModified();
}

void repaint() { RedrawEditWindow(); }

bool visibleLayer(const DrawObject& o)
{
    return o.onLayer(CurrentDrawingLayer());
}

// The text under point: its measured box with the top third left out.
int textAt(plat::Point p)
{
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (o.type() != kObjText || (o.w[4] & kHiddenTextBit) != 0 || !visibleLayer(o))
            continue;
        if (!thePartEditor && o.sheet() != CurrentEditSheet())
            continue;
        plat::Rect box = TextBox(o);
        box.top += (box.bottom - box.top) / 3;
        if (p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom)
            return i;
    }
    return 0;
}

// A new empty text at (x, y) in the given style, with its own appended undo step.
bool startTextObject(int x, int y, int style)
{
    const int index = AppendObjects(1);
    if (index == 0)
        return false;
    RecordAppendedStep(1);
    std::array<int32_t, kDrawObjectWords> w =
        ObjectWords(kObjText, ClampDrawingCoordinate(x), ClampDrawingCoordinate(y), style, 0, CurrentEditSheet());
    w[4] = (CurrentDrawingLayer() << 10) + kObjText;
    g_current.objects[static_cast<std::size_t>(index)] = MakeDrawObject(w, "");
    g_textEntry.index = index;
    g_textEntry.ownStep = true;
    g_textEntry.editingExisting = false;
    g_textEntry.anchorX = w[0];
    g_textEntry.anchorY = w[1];
    g_textEntry.style = style;
    g_textEntry.line.clear();
    g_textEntry.caret = 0;
    return true;
}

void openExisting(int index, plat::Point click)
{
    // The text as it was before this edit is one undo step of its own.
    const int indexes[] = {index};
    PushUndoSnapshotOf(indexes);
    DrawObject& o = g_current.objects[static_cast<std::size_t>(index)];
    g_textEntry.index = index;
    g_textEntry.ownStep = false;
    g_textEntry.editingExisting = true;
    g_textEntry.original = o.text ? o.text : "";
    g_textEntry.anchorX = o.x();
    g_textEntry.anchorY = o.y();
    g_textEntry.style = o.w[2];
    g_textEntry.line = o.text ? o.text : "";
    SetStatusText(g_textEntry.insertMode ? "Edit text (insert mode)" : "Edit text (overtype mode)", 0);
    const int width = TextBox(o).width();
    const int length = static_cast<int>(g_textEntry.line.size());
    // An empty text has no width to divide by: the caret starts at its beginning.
    g_textEntry.caret = width <= 0 ? 0
                                   : std::clamp(static_cast<int>(std::lround(std::abs(click.x - o.x()) *
                                                                             static_cast<double>(length) / width)),
                                                0, length);
}

// Finishes the line: an empty one (or a single blank) is removed with its own undo step.
void endTextLine()
{
    if (!validLine())
        return;
    const bool opened = std::exchange(g_textEntry.editingExisting, false);
    const bool blank = g_textEntry.line.empty() || g_textEntry.line == " ";
    if (!blank) {
        // A text opened and left as it was: its undo step would restore nothing.
        if (opened && g_textEntry.line == g_textEntry.original)
            WithdrawLastUndoStep();
        return;
    }
    if (g_textEntry.ownStep) {
        WithdrawLastUndoStep();
        if (g_textEntry.index == g_current.count)
            TruncateObjects(g_textEntry.index - 1);
        else
            DeleteObject(g_textEntry.index);
    } else {
        DeleteObject(g_textEntry.index);
    }
    g_textEntry.ownStep = false;
}

int lineHeight(plat::Dc& dc)
{
    if ((g_textEntry.style & 0x7F) == 0)
        return kStandardLineHeight;
    const plat::Font old = dc.SelectObject(MakeTextFont(g_textEntry.style, 0, kRoleText));
    const int height = dc.GetTextMetrics().tmHeight;
    dc.SelectObject(old);
    return height > 0 ? height : kStandardLineHeight;
}

void nextLine(plat::Dc& dc)
{
    const int height = lineHeight(dc);
    endTextLine();
    startTextObject(g_textEntry.anchorX, g_textEntry.anchorY + height, g_textEntry.style);
}

}  // namespace

bool TextEntryActive() { return g_textEntry.active; }

bool OutsideTypedText(plat::Point p)
{
    if (!g_textEntry.active || !validLine())
        return false;
    // The frame of the line being typed, one line height wider all round: the pointer may
    // wander a little off a short (or still empty) line without ending the typing.
    const plat::Rect box = TextBox(lineObject()).normalized();
    const int margin = std::max(box.bottom - box.top, kStandardLineHeight);
    return p.x < box.left - margin || p.x > box.right + margin || p.y < box.top - margin ||
           p.y > box.bottom + margin;
}

void BeginTextEntry(plat::Dc& dc)
{
    if (g_current.objects.empty())
        return;
    HideCursorMark(dc);
    const plat::Point p = CursorDrawingPoint();
    const int hit = textAt(p);
    if (hit != 0 && thePartEditor && hit <= 2) {
        plat::MessageBox("Cannot edit this text");
        return;
    }
    if (hit != 0)
        openExisting(hit, p);
    else if (!startTextObject(p.x, p.y, g_textStyle.word()))
        return;
    g_textEntry.active = true;
    g_mouseEdit.textEntry = true;
    repaint();
}

bool HandleTextKey(plat::Dc& dc, unsigned vk)
{
    if (!g_textEntry.active)
        return false;
    if (!validLine()) {
        EndTextEntry(&dc);
        return true;
    }
    std::string& line = g_textEntry.line;
    int& caret = g_textEntry.caret;
    caret = std::clamp(caret, 0, static_cast<int>(line.size()));
    switch (vk) {
    case plat::kVkShift: return true;
    case plat::kVkBack:
        if (caret > 0)
            line.erase(static_cast<std::size_t>(--caret), 1);
        break;
    case plat::kVkDelete:
        if (caret < static_cast<int>(line.size()))
            line.erase(static_cast<std::size_t>(caret), 1);
        break;
    case plat::kVkHome: caret = 0; break;
    case plat::kVkEnd: caret = static_cast<int>(line.size()); break;
    case plat::kVkLeft: caret = std::max(0, caret - 1); break;
    case plat::kVkRight: caret = std::min(static_cast<int>(line.size()), caret + 1); break;
    case plat::kVkInsert:
        g_textEntry.insertMode = !g_textEntry.insertMode;
        SetStatusText(g_textEntry.insertMode ? "Insert mode set" : "Overtype mode set", 0);
        return true;
    case plat::kVkReturn:
        nextLine(dc);
        repaint();
        return true;
    case plat::kVkEscape: EndTextEntry(&dc); return true;
    default: return false;   // characters arrive as typed characters
    }
    storeLine();
    repaint();
    return true;
}

void HandleTextChar(plat::Dc& dc, unsigned ch)
{
    if (!g_textEntry.active || !validLine())
        return;
    // Control characters (Ctrl+Z gives 26) would reach the drawing file and DXF.
    if (ch < 32 || ch == 127 || ch > 255)
        return;
    std::string& line = g_textEntry.line;
    int& caret = g_textEntry.caret;
    caret = std::clamp(caret, 0, static_cast<int>(line.size()));
    if (static_cast<int>(line.size()) >= kMaxTypedLine)
        return;
    const char c = static_cast<char>(ch);
    if (!g_textEntry.insertMode && caret < static_cast<int>(line.size()))
        line[static_cast<std::size_t>(caret)] = c;
    else
        line.insert(static_cast<std::size_t>(caret), 1, c);
    ++caret;
    storeLine();
    repaint();
    (void)dc;
}

void EndTextEntry(plat::Dc* dc)
{
    if (!g_textEntry.active)
        return;
    endTextLine();
    g_textEntry.active = false;
    g_textEntry.editingExisting = false;
    g_textEntry.index = 0;
    g_mouseEdit.textEntry = false;
    repaint();
    if (dc)
        ShowCursorMark(*dc);
}

void DrawTextCaret(plat::Dc& dc)
{
    if (!g_textEntry.active || !validLine())
        return;
    const plat::Font old = dc.SelectObject(MakeTextFont(g_textEntry.style, 0, kRoleText));
    const std::string_view head(g_textEntry.line.data(), static_cast<std::size_t>(std::clamp(
                                                              g_textEntry.caret, 0, static_cast<int>(g_textEntry.line.size()))));
    const int x = g_textEntry.anchorX + dc.GetTextExtent(head).cx;
    const int height = dc.GetTextMetrics().tmHeight;
    dc.SelectObject(old);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
    dc.MoveTo(x, g_textEntry.anchorY);
    dc.LineTo(x, g_textEntry.anchorY - height);
}
