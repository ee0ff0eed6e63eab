#include "schemora/workspace/bus_tool.h"

#include "common/string_helpers.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/part_pins.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/text_style.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace scm;

BusToolState g_busTool;
BusBox g_busBox;

namespace {

constexpr int kNameChars = 20;
constexpr int kPartSectionPadding = 4;   // the last four records of a section are not wires

DrawObject& objectAt(int index) { return g_current.objects[static_cast<std::size_t>(index)]; }

bool inBox(int x, int y) { return x >= g_busBox.left && x <= g_busBox.right && y >= g_busBox.bottom && y <= g_busBox.top; }

// The record of the first click, while it is still this store's last, unfinished record.
bool busRecordPending()
{
    const int n = g_busTool.busIndex;
    return g_busTool.phase == 1 && g_busTool.store == g_current.objects.data() && n >= 1 && n == g_current.count &&
           objectAt(n).type() == kObjDeleted;
}

int indexOfText(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, 0, kMaxRipperIndex));
}

int firstClick()
{
    const plat::Point p = CursorDrawingPoint();
    g_busTool.phase = 1;
    g_busTool.startX = p.x;
    g_busTool.startY = p.y;
    const int index = AppendObjects(1);
    if (index == 0) {
        g_busTool.phase = 0;
        g_editState.CurrentTool = 0;
        return 0;
    }
    DrawObject& bus = objectAt(index);
    bus.w[23] = CurrentEditSheet();
    bus.w[0] = p.x;
    bus.w[1] = p.y;
    // The previous bus's index goes with the record. Its name does not: a bus record owns no
    // text in this store (files and the clipboard keep none), so a copy would only be lost.
    bus.w[5] = g_busTool.rippersIndex;
    g_busTool.busIndex = index;
    g_busTool.store = g_current.objects.data();

    CBusSetupDlg dialog(plat::GetMainWnd());
    if (dialog.DoModal() != plat::kIdOk) {
        // Nothing of the bus stays behind: the record goes back with its text.
        TruncateObjects(index - 1);
        RedrawActiveFrame();
        g_editState.CurrentTool = 0;
        g_busTool.phase = 0;
        return 0;
    }
    g_busTool.rootName = dialog.rootName;
    g_busTool.rippers = !g_busTool.rootName.empty();
    if (g_busTool.rippers)
        g_busTool.startingIndex = g_busTool.rippersIndex = indexOfText(dialog.indexText);
    SetStatusTextId(kStrSecondEndpoint, 0);
    return 1;
}

int secondClick()
{
    g_busTool.phase = 0;
    const plat::Point p = CursorDrawingPoint();
    const int sx = g_busTool.startX, sy = g_busTool.startY;
    const bool horizontal = std::abs(p.x - sx) > std::abs(p.y - sy);
    const int ex = horizontal ? p.x : sx, ey = horizontal ? sy : p.y;
    DrawObject& bus = objectAt(g_busTool.busIndex);
    bus.w[2] = ex;
    bus.w[3] = ey;
    bus.w[4] = CurrentDrawingLayer() * 1024 + kObjBus;
    if (g_busTool.rippers) {
        if (sx == ex) {
            g_busTool.rippersIndex = g_busTool.startingIndex;
            PlaceBusRippers(true, sx - kBusBand, sy, ex + kBusBand, ey, g_busTool.startingIndex, g_busTool.rootName,
                            g_busTool.busIndex);
        }
        if (sy == ey) {
            g_busTool.rippersIndex = g_busTool.startingIndex;
            PlaceBusRippers(false, sx, sy + kBusBand, ex, ey - kBusBand, g_busTool.startingIndex, g_busTool.rootName,
                            g_busTool.busIndex);
        }
    }
    g_busTool.rippers = false;
    return 2;
}

// The wires of one placed part's section, in walk order.
void handPartWires(const DrawObject& part, bool vertical, const std::string& rootName)
{
    int gates = 1, count = 0, first = 0;
    const int symbol = part.symbolIndex();
    if (symbol < 1 || !FindPartPin(symbol, &gates, &count, &first, PartVariant(part), nullptr) || count <= 0 || gates <= 0)
        return;
    // A section number past the symbol's sections would read another part's records.
    const int section = PartSection(part);
    if (section >= gates)
        return;
    const int stride = count / gates;
    const int start = first + section * stride;
    const int last = std::min(start + stride - kPartSectionPadding, g_symbolElements.count + 1) - 1;
    if (start < 1 || last < start)
        return;
    const int orientation = PartOrientation(part.w[7]);
    const int mirror = PartMirror(part.w[7]);
    const bool forwards = g_busBox.side == 1;
    for (int k = 0; k <= last - start; ++k) {
        const int i = forwards ? start + k : last - k;
        const DrawObject& e = g_symbolElements[i];
        if (e.type() != kObjLine)
            continue;
        g_partOrigin = {part.x(), part.y()};
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        TransformPartPoint(e.w[0], e.w[1], &x1, &y1, orientation, mirror);
        TransformPartPoint(e.w[2], e.w[3], &x2, &y2, orientation, mirror);
        AddBusRipper(vertical, g_busTool.rippersIndex, rootName, x1, y1, x2, y2);
    }
}

}  // namespace

int BusToolClick()
{
    // A first click whose record is gone (another drawing, an undo) starts the bus again.
    if (g_busTool.phase == 1 && busRecordPending())
        return secondClick();
    return firstClick();
}

int LastBusRecord() { return g_busTool.busIndex; }

void PlaceBusRippers(bool vertical, int x1, int y1, int x2, int y2, int firstIndex, const std::string& rootName,
                     int busIndex)
{
    g_busBox.left = std::min(x1, x2);
    g_busBox.right = std::max(x1, x2);
    g_busBox.top = std::max(y1, y2);
    g_busBox.bottom = std::min(y1, y2);
    g_busBox.side = y1 < y2 ? 1 : 0;
    g_busTool.rippersIndex = firstIndex;
    g_busTool.storeFull = false;
    const int sheet = CurrentEditSheet();
    // Rippers append records: walk only the objects that were there before.
    const int count = g_current.count;
    for (int i = 1; i <= count; ++i) {
        const DrawObject& part = objectAt(i);
        if (part.isPart() && part.sheet() == sheet && part.w[5] != -1)
            handPartWires(part, vertical, rootName);
    }
    if (vertical && busIndex >= 1 && busIndex <= g_current.count) {
        DrawObject& bus = objectAt(busIndex);
        const int shift = g_busBox.side == 0 ? kRipperRise : -kRipperRise;
        bus.w[1] += shift;
        bus.w[3] += shift;
    }
}

void AddBusRipper(bool draw, int& index, const std::string& rootName, int x1, int y1, int x2, int y2)
{
    const bool firstInside = inBox(x1, y1), secondInside = inBox(x2, y2);
    if (firstInside == secondInside)
        return;
    const int insideX = firstInside ? x1 : x2, insideY = firstInside ? y1 : y2;
    const int otherX = firstInside ? x2 : x1;
    if (draw && !g_busTool.storeFull) {
        const int at = AppendObjects(2);
        g_busTool.storeFull = at == 0;
        if (at != 0) {
            const int layer = CurrentDrawingLayer(), sheet = CurrentEditSheet();
            const int riseY = y1 + (g_busBox.side == 0 ? kRipperRise : -kRipperRise);
            DrawObject& arc = objectAt(at);
            arc.w = ObjectWords(kObjArc, (g_busBox.left + g_busBox.right) / 2, riseY, insideX, insideY, sheet);
            arc.w[4] = layer * 1024 + kObjArc;
            arc.w[6] = 6;
            DrawObject& name = objectAt(at + 1);
            const int nameX = otherX < insideX ? otherX + kNameOffset : insideX;
            name.w = ObjectWords(kObjText, nameX, y2, g_textStyle.word(), 0, sheet);
            name.w[4] = layer * 1024 + kObjText;
            name.text = StrDupChecked(rootName + std::to_string(index));
        }
    }
    ++index;
    if (firstInside && index > kMaxRipperIndex)
        index = 0;
}

// ---- Signal Bus Setup ----

CBusSetupDlg::CBusSetupDlg(plat::Wnd* parent) : plat::Dialog(kIddBusSetup, parent) {}

bool CBusSetupDlg::OnInitDialog()
{
    SetDlgItemText(kIdcBusRootName, g_busTool.rootName);
    SetDlgItemText(kIdcBusIndex, std::to_string(g_busTool.rippersIndex));
    return true;
}

void CBusSetupDlg::OnOK()
{
    rootName = GetDlgItemText(kIdcBusRootName, kNameChars);
    indexText = GetDlgItemText(kIdcBusIndex, kNameChars);
    EndDialog(plat::kIdOk);
}
