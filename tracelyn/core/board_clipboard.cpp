#include "tracelyn/core/board_clipboard.h"

#include "common/clipboard_block.h"
#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_clipboard_block.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/selection_move.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Board units (tenths of a mil) per mil of the work area's size.
constexpr int32_t kUnitsPerMil = 10;
// A block above this size is refused as the platform refused an allocation that large.
constexpr size_t kMaxClipboardBytes = 64u << 20;

void fillRecord(BoardObject& o, const ClipboardEntry& e)
{
    o.w[0] = e.r[0] + kPasteOffset;
    o.w[1] = e.r[1] + kPasteOffset;
    o.w[4] = e.r[2];
    o.w[2] = e.r[3];
    o.w[3] = e.r[4];
    o.w[5] = e.r[5];
    o.w[6] = e.r[6];
    o.w[7] = e.r[7];
    switch (e.kind()) {
    case kKindLine: case 5: case kKindArc:
        o.w[2] += kPasteOffset;
        o.w[3] += kPasteOffset;
        break;
    case kKindPolygon:
        if (int32_t* block = NewPointBlock(e.vertices.size())) {
            for (size_t k = 0; k < e.vertices.size(); ++k)
                block[k] = e.vertices[k] + kPasteOffset;
            o.data = block;
        } else {
            o.w[2] = 0;
        }
        break;
    case kKindText:
        o.data = StrDupChecked(e.text);
        break;
    case kClipboardPartKind: {
        // The part's label stays its own; its package is loaded by name and bound to it.
        const size_t bang = e.text.find('!');
        const std::string label = e.text.substr(0, bang);
        const std::string package = bang == std::string::npos ? std::string() : e.text.substr(bang + 1);
        o.w[4] = (e.r[2] & 0xFF80) | kKindPart;
        int index = 0;
        if (!package.empty() && LoadLibraryPartByPath(package) != 0 && FindPackageByName(1, package, index) != 0 &&
            index <= kMaxPartPackage) {
            o.setKind(kKindPart + index);
            o.data = StrDupChecked(label);
        } else {
            o.data = StrDupChecked(e.text);
        }
        break;
    }
    default:
        break;
    }
}

int32_t clampedWord(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// How far a box must move to lie inside [-half, half]; one wider than that keeps its low side.
// Worked out wide: a pasted box may span all a word holds.
int32_t shiftInside(int32_t low, int32_t high, int32_t half)
{
    const int64_t lo = low, hi = high, h = half;
    if (lo < -h || hi - lo > 2 * h)
        return clampedWord(-h - lo);
    return hi > h ? clampedWord(h - hi) : 0;
}

// Objects copied from a larger board may lie beyond this board's work area, where nothing shows
// or routes them: the pasted group moves inside it as a whole, and the view goes to it.
void keepPasteInsideWorkArea(int first, int last)
{
    if (g_footprintEditor.open || first > last)
        return;
    BoardBox box = GetObjectExtent(first, kExtentPlain);
    for (int i = first + 1; i <= last; ++i) {
        const BoardBox b = GetObjectExtent(i, kExtentPlain);
        box = {std::min(box.left, b.left), std::min(box.top, b.top), std::max(box.right, b.right),
               std::max(box.bottom, b.bottom)};
    }
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t halfWidth = area.width * kUnitsPerMil / 2, halfHeight = area.height * kUnitsPerMil / 2;
    const int32_t dx = shiftInside(box.left, box.right, halfWidth);
    const int32_t dy = shiftInside(box.top, box.bottom, halfHeight);
    if (dx == 0 && dy == 0)
        return;
    for (int i = first; i <= last; ++i)
        OffsetBoardObject(g_board.objects[i], dx, dy);
    int32_t cx = clampedWord(int64_t{box.left} / 2 + box.right / 2 + dx);
    int32_t cy = clampedWord(int64_t{box.top} / 2 + box.bottom / 2 + dy);
    WorldToScreen(cx, cy);
    g_board.viewOriginX = cx;
    g_board.viewOriginY = cy;
    if (g_active.data != nullptr) {
        g_active.data->viewOriginX = cx;
        g_active.data->viewOriginY = cy;
    }
    int32_t left = clampedWord(int64_t{box.left} + dx), top = clampedWord(int64_t{box.top} + dy);
    int32_t right = clampedWord(int64_t{box.right} + dx), bottom = clampedWord(int64_t{box.bottom} + dy);
    BoardToCursorSpace(left, top);
    BoardToCursorSpace(right, bottom);
    g_gesture.band = {left, top, right, bottom};
}

}  // namespace

int CopyToClipboard()
{
    if (g_board.objects == nullptr)
        return 0;
    ClipboardHeader header;
    const plat::Rect& r = g_gesture.selectionRect;
    header.w = {g_selection.count, g_view.zoomDivisor, r.right, r.top, r.left, r.bottom,
                g_board.viewOriginX, g_board.viewOriginY, g_view.clientCentreX, g_view.clientCentreY};
    std::vector<const BoardObject*> objects;
    for (int i = 1; i <= g_selection.count; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index >= 1 && index <= g_board.count)
            objects.push_back(&g_board.objects[index]);
    }
    std::vector<uint8_t> block = EncodeBoardClipboard(header, objects);
    if (block.size() > kMaxClipboardBytes) {
        plat::MessageBox("Too much clipboard data", plat::kMbIconStop);
        return -1;
    }
    int32_t sent = 0;
    ClipboardBlockReader(block, ClipboardLayout::BoardView).word(sent);
    plat::uiHost().setClipboard(kClipboardFormatName, std::move(block));
    return sent;
}

int PasteFromClipboard()
{
    const std::optional<std::vector<uint8_t>> bytes = plat::uiHost().clipboard(kClipboardFormatName);
    const std::optional<ClipboardBlock> block = bytes ? DecodeBoardClipboard(*bytes) : std::nullopt;
    if (!block || g_board.objects == nullptr) {
        plat::MessageBox("No clipboard data", plat::kMbIconStop);
        return 0;
    }
    if (block->header.zoomDivisor() != g_view.zoomDivisor) {
        SetStatusText("Drawing scale changed!", kPaneMessage);
        return 0;
    }
    const ClipboardHeader& h = block->header;
    g_gesture.band = {h.w[4] + kPasteBandOffset, h.w[3] + kPasteBandOffset, h.w[2] + kPasteBandOffset,
                      h.w[5] + kPasteBandOffset};
    g_board.viewOriginX = h.w[6];
    g_board.viewOriginY = h.w[7];
    if (g_active.data != nullptr && !g_footprintEditor.open) {
        g_active.data->viewOriginX = h.w[6];
        g_active.data->viewOriginY = h.w[7];
    }
    int n = static_cast<int>(block->entries.size());
    if (!StoreHasRoomFor(n)) {
        plat::MessageBox("Database FULL--objects not loaded");
        n = std::max(StoreObjectLimit() - 1 - g_board.count, 0);
    }
    const int before = g_board.count;
    int pasted = 0;
    for (int k = 0; k < n; ++k) {
        BoardObject* o = AppendedObject(AppendObject());
        if (o == nullptr)
            break;
        fillRecord(*o, block->entries[static_cast<size_t>(k)]);
        ++pasted;
        g_selection.list[static_cast<size_t>(pasted)] = before + pasted;
    }
    g_selection.count = pasted;
    if (pasted == 0)
        return 0;
    keepPasteInsideWorkArea(before + 1, before + pasted);
    PushAppendedStep(before, pasted);
    g_gesture.multi = true;
    g_gesture.frameHidden = true;
    g_gesture.selectionRect = g_gesture.band;
    g_gesture.bandShown = true;
    g_gesture.tool = kToolSelect;
    RedrawActiveFrame();
    SetStatusText("Inserted " + std::to_string(pasted) + " elements from Clipboard", kPaneMessage);
    return pasted;
}
