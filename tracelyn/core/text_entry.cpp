#include "tracelyn/core/text_entry.h"

#include "common/string_helpers.h"
#include "platform/app/keys.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/selection_transforms.h"
#include "tracelyn/core/stroke_text_services.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

constexpr double kTextSizes[9] = {0.05, 0.1, 0.3, 0.4, 0.5, 0.7, 1.0, 2.0, 5.0};
// How far outside a text's box a click still reopens it (board units).
constexpr int32_t kTextPickMargin = 100;

// Insert (true) or overtype: the Insert key's choice holds for every later entry too.
bool g_insertMode = true;
// The frame round the text being typed stands this far (logical units) outside its box.
constexpr int32_t kTextFrameMargin = 60;
constexpr double kMetricScale = 2.54;

struct TextEntry {
    bool active = false;
    int index = 0;
    bool reopened = false;
    int caret = 0;
    int32_t anchorX = 0;
    int32_t anchorY = 0;
    int32_t style = 0;
    std::string text;   // grows with the text: long texts from files are edited whole
};
TextEntry g_entry;

BoardObject* entryObject()
{
    if (!g_entry.active || g_entry.index < 1 || g_entry.index > g_board.count || g_board.objects == nullptr)
        return nullptr;
    return &g_board.objects[g_entry.index];
}

// The object's string follows the buffer (a blank while it is empty, so the text stays drawable).
void storeText()
{
    BoardObject* o = entryObject();
    if (o == nullptr)
        return;
    char* copy = StrDupChecked(g_entry.text.empty() ? std::string_view(" ") : std::string_view(g_entry.text));
    if (copy == nullptr)
        return;
    char* old = o->text();
    FreeStr(old);
    o->data = copy;
}


int reopenableText(int32_t x, int32_t y)
{
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindText || o.w[3] != 0)
            continue;
        if (o.layer() != g_edit.currentLayer && o.layer() != kLayerAll && g_edit.currentLayer != kLayerAll)
            continue;
        const BoardBox b = GetObjectExtent(i, kExtentPlain);
        if (x >= b.left - kTextPickMargin && x <= b.right + kTextPickMargin && y >= b.top - kTextPickMargin &&
            y <= b.bottom + kTextPickMargin)
            return i;
    }
    return 0;
}

void showMode(bool editing)
{
    const char* text = editing ? (g_insertMode ? "Edit text (insert mode)" : "Edit text (overtype mode)")
                               : (g_insertMode ? "Insert mode set" : "Overtype mode set");
    SetStatusText(text, kPaneMessage);
}

// A new text at the anchor: its own appended step, then the record.
bool startNewText()
{
    const int base = g_board.count;
    BoardObject* o = AppendedObject(AppendObject());
    if (o == nullptr)
        return false;
    o->w[0] = g_entry.anchorX;
    o->w[1] = g_entry.anchorY;
    o->w[2] = g_entry.style;
    o->w[3] = 0;
    o->w[4] = static_cast<int32_t>(static_cast<uint32_t>(g_edit.currentLayer) << 10) | kKindText;
    o->data = StrDupChecked(" ");
    if (o->data == nullptr) {
        plat::MessageBox(plat::LoadString(849));
        o->w[4] = 0;
        g_board.count = base;
        if (g_active.data != nullptr)
            g_active.data->objectCount = base;
        return false;
    }
    PushAppendedStep(base, 1);
    g_entry.index = base + 1;
    g_entry.reopened = false;
    g_entry.caret = 0;
    g_entry.text.clear();
    return true;
}

// The line ends: an empty line goes again (with the step its own start pushed).
void endLine()
{
    BoardObject* o = entryObject();
    if (o == nullptr || !g_entry.text.empty())
        return;
    if (g_entry.reopened) {
        EraseObject(g_entry.index);   // the snapshot taken when it was reopened brings it back
        return;
    }
    TakeBackAppendedObject(g_entry.index);
}

int32_t lineStep()
{
    const int index = std::clamp(g_entry.style >> 8, 0, 8);
    const int32_t h = static_cast<int32_t>(kTextSizes[index] * 100);
    const int32_t q = (h + 1) / 50, m = (h + 1) % 50;
    return m > 0 ? 50 * (q + 1) : h;
}

char typedCharacter(unsigned key)
{
    std::array<uint8_t, 256> state{};
    plat::GetKeyboardState(state);
    uint16_t ch = 0;
    if (plat::ToAscii(key, 0, state, &ch) != 1 || ch < 0x20 || ch > 0x7E)
        return 0;
    return static_cast<char>(ch);
}

void typeCharacter(char c)
{
    if (static_cast<int>(g_entry.text.size()) >= kMaxTypedText)
        return;
    const size_t at = static_cast<size_t>(std::clamp(g_entry.caret, 0, static_cast<int>(g_entry.text.size())));
    if (g_insertMode || at == g_entry.text.size())
        g_entry.text.insert(at, 1, c);
    else
        g_entry.text[at] = c;
    ++g_entry.caret;
}

}  // namespace

bool TextEntryActive()
{
    return g_entry.active;
}

int TextEntryObject()
{
    return g_entry.active ? g_entry.index : 0;
}

void StartTextEntry()
{
    if (g_entry.active)
        EndTextEntry();
    if (g_board.objects == nullptr)
        return;
    UpdateCursorBoardPoint();
    g_entry = TextEntry{};
    g_entry.anchorX = g_gesture.boardX;
    g_entry.anchorY = g_gesture.boardY;
    g_entry.style = g_boardSettings.CurrentSize * 256;
    const int found = reopenableText(g_entry.anchorX, g_entry.anchorY);
    if (found != 0) {
        if (g_footprintEditor.open && found <= 2) {
            plat::MessageBox("Cannot edit this text");
            return;
        }
        // The text is edited in place; its snapshot lets one Undo bring the old text back.
        g_selection.count = 1;
        g_selection.list[1] = found;
        PushUndoSnapshot();
        g_selection.count = 0;
        const BoardObject& o = g_board.objects[found];
        g_entry.index = found;
        g_entry.reopened = true;
        g_entry.anchorX = o.w[0];
        g_entry.anchorY = o.w[1];
        g_entry.style = o.w[2];
        g_entry.text = o.text() != nullptr ? o.text() : "";
        g_entry.caret = static_cast<int>(g_entry.text.size());
        g_entry.active = true;
        MarkBoardModified();
        showMode(true);
    } else {
        g_entry.active = true;
        if (!startNewText()) {
            g_entry = TextEntry{};
            return;
        }
    }
    g_edit.keyEditState = 1;
    RedrawActiveFrame();
}

void HandleEditKey(unsigned key)
{
    if (entryObject() == nullptr)
        return;
    const int length = static_cast<int>(g_entry.text.size());
    switch (key) {
    case plat::kVkShift:
        return;
    case plat::kVkBack:
        if (g_entry.caret > 0) {
            g_entry.text.erase(static_cast<size_t>(g_entry.caret - 1), 1);
            --g_entry.caret;
        }
        break;
    case plat::kVkDelete:
        if (g_entry.caret < length)
            g_entry.text.erase(static_cast<size_t>(g_entry.caret), 1);
        break;
    case plat::kVkLeft:
        g_entry.caret = std::max(g_entry.caret - 1, 0);
        break;
    case plat::kVkRight:
        if (g_entry.caret < length)
            ++g_entry.caret;
        break;
    case plat::kVkHome:
        g_entry.caret = 0;
        break;
    case plat::kVkEnd:
        g_entry.caret = length;
        break;
    case plat::kVkInsert:
        g_insertMode = !g_insertMode;
        showMode(false);
        break;
    case plat::kVkReturn:
        endLine();
        g_entry.anchorY += lineStep();
        startNewText();
        break;
    case plat::kVkEscape:
        EndTextEntry();
        return;
    default:
        if (const char c = typedCharacter(key); c != 0)
            typeCharacter(c);
        else
            return;
        break;
    }
    storeText();
    MarkBoardModified();
    RedrawActiveFrame();
}

void EndTextEntry()
{
    if (!g_entry.active)
        return;
    endLine();
    g_entry = TextEntry{};
    g_edit.keyEditState = 0;
    RedrawActiveFrame();
}

bool TextEntryInsertMode()
{
    return g_insertMode;
}

void SetTextEntryInsertMode(bool insert)
{
    g_insertMode = insert;
}

plat::Rect TextEntryFrame()
{
    if (entryObject() == nullptr)
        return {};
    const BoardBox b = GetObjectExtent(g_entry.index, kExtentPlain);
    const double scale = MetricUnits() ? kMetricScale : 1.0;
    int32_t l = static_cast<int32_t>(b.left * scale), t = static_cast<int32_t>(b.top * scale);
    int32_t r = static_cast<int32_t>(b.right * scale), bo = static_cast<int32_t>(b.bottom * scale);
    BoardToCursorSpace(l, t);
    BoardToCursorSpace(r, bo);
    return plat::Rect{std::min(l, r) - kTextFrameMargin, std::min(t, bo) - kTextFrameMargin,
                      std::max(l, r) + kTextFrameMargin, std::max(t, bo) + kTextFrameMargin};
}

void DrawTextFrame(plat::Dc& dc)
{
    if (entryObject() == nullptr)
        return;
    const plat::Rect f = TextEntryFrame();
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    const int saved = BeginPixelDrawing(dc, plat::kR2Not);
    dc.SelectObject(plat::Pen(plat::kPsDot, 0, GetLayerColor(ColorMapEntry(kMarkColor))));
    dc.SelectObject(plat::Brush::hollow());
    dc.Rectangle(f.left / d, f.top / d, f.right / d, f.bottom / d);
    dc.RestoreDC(saved);
}

void DrawTextCaret(plat::Dc& dc)
{
    const BoardObject* o = entryObject();
    if (o == nullptr)
        return;
    const std::string before = g_entry.text.substr(0, static_cast<size_t>(g_entry.caret));
    const int32_t width = before.empty() ? 0 : GetStrokeTextExtent(before, g_entry.style, 0)[0];
    int32_t x = g_entry.anchorX + width * 10, y = g_entry.anchorY;
    WorldToScreen(x, y);
    dc.SetROP2(kModeCopy);
    g_paint.rasterMode = kModeCopy;
    DrawStrokeText(dc, x, y, "_", g_entry.style, 0, RoleColor(kRoleText));
}
