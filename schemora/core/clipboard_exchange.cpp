#include "schemora/core/clipboard_exchange.h"

#include "common/clipboard_block.h"
#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/clipboard_records.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/part_library.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_style.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>

namespace {

constexpr int kMetricUnits = 725;
constexpr double kInchesPerCentimetre = 0.39370078740157477;

std::span<const int> selectionSpan()
{
    const int n = std::clamp(g_editState.selectionCount, 0, kSelectionSlots - 1);
    return {g_editState.SelectionList.data() + 1, static_cast<std::size_t>(n)};
}

int shiftedCoordinate(int value) { return ClampDrawingCoordinate(static_cast<long long>(value) + kPasteOffset); }

bool twoPointKind(int type)
{
    return type == kObjLine || type == kObjArrow || type == kObjBus || type == kObjArc;
}

// Kinds whose words 2 and 3 are a width and a height.
bool sizedKind(int type)
{
    return type == kObjRectangle || type == kObjEllipse || type == kObjRoundRect || type == kObjTriangle;
}

// The record of one pasted object, moved by the paste offset, on the given sheet.
DrawObject pastedObject(const ClipboardObject& c, int sheet)
{
    std::array<int32_t, kDrawObjectWords> w = c.words;
    w[0] = shiftedCoordinate(w[0]);
    w[1] = shiftedCoordinate(w[1]);
    const int type = w[4] & 0xFF;
    if (twoPointKind(type)) {
        w[2] = shiftedCoordinate(w[2]);
        w[3] = shiftedCoordinate(w[3]);
        // A terminal's pin number and label stand where their anchors say: they travel with it.
        if (c.carriesTerminalWords)
            for (const int word : {11, 12, 16, 17})
                w[static_cast<std::size_t>(word)] = shiftedCoordinate(w[static_cast<std::size_t>(word)]);
    } else if (sizedKind(type)) {
        // A size from the block is bounded as a coordinate is, so the far corner is one too.
        w[2] = ClampDrawingCoordinate(w[2]);
        w[3] = ClampDrawingCoordinate(w[3]);
    }
    w[23] = sheet;
    if (type == kObjPolygon) {
        std::vector<int32_t> points;
        for (const auto& p : c.points) {
            points.push_back(shiftedCoordinate(p[0]));
            points.push_back(shiftedCoordinate(p[1]));
        }
        w[2] = static_cast<int32_t>(c.points.size());
        return MakeDrawObject(w, nullptr, points.data(), static_cast<int>(c.points.size()));
    }
    if (type == kObjText || type == kObjPart)
        return MakeDrawObject(w, c.text.c_str());
    return MakeDrawObject(w, nullptr);
}

// The n objects from first on become the selection, in the select tool, with their frame shown.
void selectInserted(int first, int n)
{
    g_editState.selectionCount = n;
    for (int i = 0; i < n; ++i)
        g_editState.SelectionList[static_cast<std::size_t>(i + 1)] = first + i;
    g_editState.CurrentTool = 314;
    g_selection.frame = g_selection.frame.normalized();
    g_selection.windowMode = true;
    g_selection.frameShown = true;
    if (CSchemoraDoc* doc = g_current.activeDocument; doc && !thePartEditor)
        doc->SetModifiedFlag(true);
}

void reportInserted(const char* format, int n)
{
    char text[96];
    std::snprintf(text, sizeof text, format, n);
    SetStatusText(text, 0);
}

int roomForPaste() { return std::max(0, kPasteLimit - g_current.count); }

void reportStoreFull() { plat::MessageBox("Database FULL--objects not accessed", plat::kMbIconStop); }

int pasteBlock(const std::vector<uint8_t>& bytes, int sheet)
{
    const std::optional<ClipboardBlock> probe = DecodeClipboardBlock(bytes, 0);
    if (!probe) {
        plat::MessageBox("No clipboard data", plat::kMbIconStop);
        return 0;
    }
    const ClipboardHeader& h = probe->header;
    g_selection.frame = {shiftedCoordinate(h.left), shiftedCoordinate(h.top), shiftedCoordinate(h.right),
                         shiftedCoordinate(h.bottom)};
    if (h.scale != g_current.zoomFactor) {
        SetStatusText("Drawing scale changed!", 0);
        return 0;
    }
    g_current.viewCentreX = h.viewCentreX;
    g_current.viewCentreY = h.viewCentreY;
    int wanted = probe->declaredCount;
    if (g_current.count + wanted >= kPasteLimit) {
        reportStoreFull();
        wanted = roomForPaste();
    }
    const std::optional<ClipboardBlock> block = DecodeClipboardBlock(bytes, wanted);
    const int n = block ? static_cast<int>(block->objects.size()) : 0;
    if (n == 0)
        return 0;
    const int first = AppendObjects(n);
    if (first == 0)
        return 0;
    for (int i = 0; i < n; ++i) {
        DrawObject& o = g_current.objects[static_cast<std::size_t>(first + i)];
        o = pastedObject(block->objects[static_cast<std::size_t>(i)], sheet);
        // In the part editor a paste lands in the symbol shown, as a moved object does; with
        // every symbol shown each record keeps its own.
        if (thePartEditor && CurrentDrawingLayer() != kAllLayers)
            o.w[4] = (o.w[4] & ~(0xF << 10)) | (CurrentDrawingLayer() << 10);
    }
    // Placed parts come back by name and are bound to their symbols as the libraries give them.
    for (int i = first; i < first + n; ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (o.type() != kObjPart || !o.text)
            continue;
        const std::string_view name(o.text);
        const std::size_t colon = name.find(':');
        LoadLibraryPartByPath(colon == std::string_view::npos ? name : name.substr(colon + 1));
    }
    RecordAppendedStep(n);
    selectInserted(first, n);
    reportInserted("Inserted %d elements from Clipboard", n);
    return n;
}

int pasteText(const std::vector<uint8_t>& bytes, int sheet)
{
    const std::string text(bytes.begin(), std::find(bytes.begin(), bytes.end(), uint8_t{0}));
    bool tooLong = false;
    std::vector<std::string> lines = ClipboardTextLines(text, &tooLong);
    if (tooLong)
        plat::MessageBox("Text string too long!");
    const int room = roomForPaste();
    if (static_cast<int>(lines.size()) > room) {
        reportStoreFull();
        lines.resize(static_cast<std::size_t>(room));
    }
    const int n = static_cast<int>(lines.size());
    if (n == 0)
        return 0;
    int x = g_current.viewCentreX;
    int y = g_current.viewCentreY;
    if (g_settings.units == kMetricUnits) {
        x = static_cast<int>(std::lround(x * kInchesPerCentimetre));
        y = static_cast<int>(std::lround(y * kInchesPerCentimetre));
    }
    const int first = AppendObjects(n);
    if (first == 0)
        return 0;
    const int step = std::max(1, g_current.gridStep);
    int widest = 0;
    int height = 0;
    for (int i = 0; i < n; ++i) {
        std::array<int32_t, kDrawObjectWords> w =
            ObjectWords(kObjText, x, ClampDrawingCoordinate(static_cast<long long>(y) + static_cast<long long>(i) * step),
                        g_textStyle.word(), 0, sheet);
        w[4] |= CurrentDrawingLayer() << 10;
        DrawObject& o = g_current.objects[static_cast<std::size_t>(first + i)];
        o = MakeDrawObject(w, lines[static_cast<std::size_t>(i)].c_str());
        const plat::Rect box = GetObjectExtent(first + i);
        widest = std::max(widest, box.width());
        height += box.height();
    }
    const int left = g_sheetView.clientCentreX;
    const int top = g_sheetView.clientCentreY - step;
    g_selection.frame = {left, top, left + widest, top + height};
    RecordAppendedStep(n);
    selectInserted(first, n);
    reportInserted("Inserted %d TEXT elements from Clipboard", n);
    return n;
}

}  // namespace

void TakeSelectionRectangle()
{
    if (!g_selection.windowMode || !g_selection.frameShown)
        ComputeSelectionFrame(std::clamp(g_editState.selectionCount, 0, kSelectionSlots - 1));
}

bool CopyToClipboard()
{
    TakeSelectionRectangle();
    ClipboardHeader header;
    header.scale = g_current.zoomFactor;
    header.right = g_selection.frame.right;
    header.top = g_selection.frame.top;
    header.left = g_selection.frame.left;
    header.bottom = g_selection.frame.bottom;
    header.viewCentreX = g_current.viewCentreX;
    header.viewCentreY = g_current.viewCentreY;
    header.clientCentreX = g_sheetView.clientCentreX;
    header.clientCentreY = g_sheetView.clientCentreY;
    const std::vector<int> selection(selectionSpan().begin(), selectionSpan().end());
    std::vector<uint8_t> block = EncodeClipboardBlock(header, g_current.objects, selection);
    plat::uiHost().clearClipboard();
    plat::uiHost().setClipboard(kClipboardFormatName, std::move(block));
    return true;
}

bool CopyTextToClipboard()
{
    const std::vector<int> selection(selectionSpan().begin(), selectionSpan().end());
    const std::string text = ClipboardTextOf(g_current.objects, selection);
    plat::uiHost().clearClipboard();
    plat::uiHost().setClipboard(plat::kClipboardTextFormat, std::vector<uint8_t>(text.begin(), text.end()));
    return true;
}

int PasteFromClipboard(int sheet)
{
    if (std::optional<std::vector<uint8_t>> block = plat::uiHost().clipboard(kClipboardFormatName))
        return pasteBlock(*block, sheet);
    if (std::optional<std::vector<uint8_t>> text = plat::uiHost().clipboard(plat::kClipboardTextFormat))
        return pasteText(*text, sheet);
    plat::MessageBox("No clipboard data", plat::kMbIconStop);
    return 0;
}
