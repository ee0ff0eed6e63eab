#include "schemora/core/undo_ring.h"

#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

struct UndoRingState {
    std::array<DrawUndoEntry, kUndoSteps> ring;
    int index = 0;      // the slot the next step uses
    int depth = 0;
};

namespace {

std::unique_ptr<UndoRingState> g_ring = std::make_unique<UndoRingState>();
UndoRefreshHook g_refresh = nullptr;

UndoRingState& ringState() { return *g_ring; }

// Only these words of a record are captured and restored; the sheet (23) and the pin and
// label texts of words 13-15 and 18-22 stay as they are.
constexpr std::array<int, 13> kRestoredWords{0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 16, 17};

const DrawObject* currentStore() { return g_current.objects.empty() ? nullptr : g_current.objects.data(); }

DrawUndoEntry& nextEntry()
{
    DrawUndoEntry& e = ringState().ring[static_cast<size_t>(ringState().index)];
    e.clear();
    e.store = currentStore();
    return e;
}

void advance()
{
    ringState().index = (ringState().index + 1) % kUndoSteps;
    ringState().depth = std::min(ringState().depth + 1, kUndoSteps);
}

DrawUndoEntry& takeLast()
{
    ringState().index = (ringState().index + kUndoSteps - 1) % kUndoSteps;
    --ringState().depth;
    return ringState().ring[static_cast<size_t>(ringState().index)];
}

bool isDot(int index) { return g_current.objects[static_cast<size_t>(index)].type() == kObjDot; }

void undoAppended(const DrawUndoEntry& e)
{
    int c = g_current.count;
    const int a = e.appendedCount;
    const bool autoDots = g_settings.AutoDots != 0;
    if (a != 1) {
        c -= a;
    } else {
        // A single placement takes the automatic dots appended after it along.
        bool removedDot = true;
        while (removedDot && c > 0) {
            removedDot = isDot(c);
            --c;
            if (!autoDots)
                break;
        }
    }
    while (autoDots && c > 0 && isDot(c))
        --c;
    TruncateObjects(std::max(0, c));
    g_editState.selectionCount = 0;
    MarkEditedDrawingModified();
    // Dots of older wires that ended the array went with it: recompute them.
    if (autoDots && g_refresh)
        g_refresh();
}

bool slotsValid(const DrawUndoEntry& e)
{
    return std::all_of(e.slots.begin(), e.slots.end(),
                       [](const DrawUndoEntry::Slot& s) { return s.index >= 1 && s.index <= g_current.count; });
}

void undoChanged(DrawUndoEntry& e)
{
    // A bad index would leave a state that never existed: restore nothing.
    if (!slotsValid(e)) {
        plat::MessageBox("Undo error");
        return;
    }
    for (DrawUndoEntry::Slot& s : e.slots) {
        DrawObject& o = g_current.objects[static_cast<size_t>(s.index)];
        ReleaseObjectData(o);
        for (int w : kRestoredWords)
            o.w[static_cast<size_t>(w)] = s.object.w[static_cast<size_t>(w)];
        o.text = s.object.text;     // the snapshot's own copy passes to the object
        s.object.text = nullptr;
    }
    g_editState.selectionCount = 0;
    MarkEditedDrawingModified();
    if (g_settings.AutoDots != 0 && g_refresh)
        g_refresh();
}

}  // namespace

void DrawUndoEntry::clear()
{
    for (Slot& s : slots)
        ReleaseObjectData(s.object);
    slots.clear();
    kind = 0;
    objectCount = 0;
    appendedCount = 0;
    store = nullptr;
}

void RecordAppendedStep(int appended)
{
    DrawUndoEntry& e = nextEntry();
    e.kind = 1;
    e.appendedCount = appended;
    e.objectCount = g_current.count;
    advance();
}

void PushUndoSnapshotOf(std::span<const int> indexes)
{
    DrawUndoEntry& e = nextEntry();
    e.kind = 2;
    for (int index : indexes) {
        if (!g_current.holds(index))
            continue;
        e.slots.push_back({index, CloneDrawObject(g_current.objects[static_cast<size_t>(index)])});
    }
    e.objectCount = static_cast<int>(e.slots.size());
    advance();
    MarkEditedDrawingModified();
}

void PushUndoSnapshot()
{
    const int n = std::clamp(g_editState.selectionCount, 0, kSelectionSlots - 1);
    PushUndoSnapshotOf(std::span<const int>(g_editState.SelectionList.data() + 1, static_cast<size_t>(n)));
}

void AddToLastUndoSnapshot(int index)
{
    if (ringState().depth == 0 || !g_current.holds(index))
        return;
    DrawUndoEntry& e = ringState().ring[static_cast<size_t>((ringState().index + kUndoSteps - 1) % kUndoSteps)];
    if (e.kind != 2 || e.store != currentStore())
        return;
    if (std::any_of(e.slots.begin(), e.slots.end(), [index](const DrawUndoEntry::Slot& s) { return s.index == index; }))
        return;
    e.slots.push_back({index, CloneDrawObject(g_current.objects[static_cast<size_t>(index)])});
    e.objectCount = static_cast<int>(e.slots.size());
}

void WithdrawLastUndoStep()
{
    if (ringState().depth == 0)
        return;
    takeLast().clear();
}

bool UndoLastStep()
{
    if (ringState().depth == 0)
        return false;
    DrawUndoEntry& e = takeLast();
    if (e.store != currentStore()) {
        // Steps of another drawing must never be applied to this one.
        ClearUndoRing();
        return false;
    }
    if (e.kind == 1)
        undoAppended(e);
    else if (e.kind == 2)
        undoChanged(e);
    e.clear();
    return true;
}

int UndoDepth() { return ringState().depth; }

void ClearUndoRing()
{
    for (DrawUndoEntry& e : ringState().ring)
        e.clear();
    ringState().index = 0;
    ringState().depth = 0;
}

void SetUndoRefreshHook(UndoRefreshHook hook) { g_refresh = hook; }

SetAsideUndoRing::SetAsideUndoRing() : saved_(std::exchange(g_ring, std::make_unique<UndoRingState>())) {}

SetAsideUndoRing::~SetAsideUndoRing() { g_ring = std::move(saved_); }
