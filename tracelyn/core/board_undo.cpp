#include "tracelyn/core/board_undo.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"

#include <algorithm>
#include <utility>

BoardUndoRing g_undo;

namespace {

const CTracelynDoc* currentOwner()
{
    return g_footprintEditor.open ? nullptr : g_active.document;
}


// The slot the next push writes; what it held is freed (a sixth push drops the oldest step).
BoardUndoEntry& takeHeadSlot(int32_t kind)
{
    BoardUndoEntry& entry = g_undo.entries[static_cast<size_t>(g_undo.head)];
    entry = BoardUndoEntry{};
    entry.kind = kind;
    entry.document = currentOwner();
    g_undo.head = (g_undo.head + 1) % kUndoSteps;
    g_undo.depth = std::min(g_undo.depth + 1, kUndoSteps);
    return entry;
}

int newestSlot()
{
    return (g_undo.head + kUndoSteps - 1) % kUndoSteps;
}

void stepBack()
{
    g_undo.head = newestSlot();
    g_undo.depth = std::max(g_undo.depth - 1, 0);
}

void storeCountInOwner()
{
    if (!g_footprintEditor.open && g_active.data != nullptr)
        g_active.data->objectCount = g_board.count;
}

void undoAppended(const BoardUndoEntry& entry)
{
    if (g_board.objects == nullptr)
        return;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    const int first = std::max(entry.baseCount + 1, 1);
    const int end = std::min(entry.baseCount + entry.count, last);
    for (int i = first; i <= end; ++i) {
        BoardObject& o = g_board.objects[i];
        FreeObjectData(o);
        o.w[4] = 0;
    }
    // Objects appended later without a step of their own (rats-nest lines, bookmarks) stay.
    int count = last;
    while (count > 1 && g_board.objects[count].kind() == kKindDeleted)
        --count;
    g_board.count = std::max(count, 1);
    storeCountInOwner();
}

void undoModified(BoardUndoEntry& entry)
{
    for (UndoSlot& slot : entry.snapshot) {
        if (slot.index < 0 || slot.index >= g_board.capacity || g_board.objects == nullptr)
            continue;
        BoardObject& target = g_board.objects[slot.index];
        FreeObjectData(target);
        const BoardObject& saved = slot.object.get();
        // A routing step restores the whole record: the rats-nest lines a netlist read took
        // away keep their connection numbers.
        const auto end = entry.baseCount > 0 ? saved.w.end() : saved.w.begin() + 9;
        std::copy(saved.w.begin(), end, target.w.begin());
        target.data = slot.object.releaseData();
        // An object brought back past the end (a deleted shape the count had dropped below)
        // counts again.
        if (target.kind() != kKindDeleted && slot.index > g_board.count) {
            g_board.count = slot.index;
            storeCountInOwner();
        }
    }
    // A snapshot taken before a routing operation also drops what the operation appended.
    if (entry.baseCount > 0 && g_board.objects != nullptr) {
        const int last = std::min(g_board.count, g_board.capacity - 1);
        for (int i = entry.baseCount + 1; i <= last; ++i) {
            FreeObjectData(g_board.objects[i]);
            g_board.objects[i] = BoardObject{};
        }
        g_board.count = std::max(std::min(g_board.count, entry.baseCount), 1);
        storeCountInOwner();
    }
    g_selection.count = 0;
    entry = BoardUndoEntry{};
}

}  // namespace

void PushUndoSnapshot()
{
    BoardUndoEntry& entry = takeHeadSlot(kUndoModified);
    MarkBoardModified();
    const int selected = std::clamp(g_selection.count, 0, static_cast<int>(g_selection.list.size()) - 1);
    entry.snapshot.reserve(static_cast<size_t>(std::max(selected, 0)));
    for (int i = 1; i <= selected; ++i) {
        const int32_t index = g_selection.list[static_cast<size_t>(i)];
        if (index < 0 || index >= g_board.capacity || index >= kBoardStoreSize || g_board.objects == nullptr) {
            plat::MessageBox("Push Stack Error");
            break;
        }
        entry.snapshot.push_back(UndoSlot{index, OwnedObject(g_board.objects[index])});
    }
    entry.count = static_cast<int32_t>(entry.snapshot.size());
}

void PushAppendedStep(int baseCount, int count)
{
    BoardUndoEntry& entry = takeHeadSlot(kUndoAppended);
    entry.baseCount = baseCount;
    entry.count = count;
}

void PushPreparedUndo(BoardUndoEntry entry)
{
    const int32_t kind = entry.kind;
    BoardUndoEntry& slot = takeHeadSlot(kind);
    entry.document = slot.document;
    slot = std::move(entry);
    MarkBoardModified();
}

void RestoreUndoEntry(BoardUndoEntry& entry)
{
    if (entry.kind == kUndoAppended)
        undoAppended(entry);
    else if (entry.kind == kUndoModified)
        undoModified(entry);
    entry = BoardUndoEntry{};
}

BoardUndoEntry* NewestUndoEntry()
{
    if (g_undo.depth == 0)
        return nullptr;
    return &g_undo.entries[static_cast<size_t>(newestSlot())];
}

void DropNewestUndoEntry()
{
    if (BoardUndoEntry* entry = NewestUndoEntry()) {
        *entry = BoardUndoEntry{};
        stepBack();
    }
}

UndoOutcome UndoLastStep(const CTracelynDoc* viewDocument)
{
    BoardUndoEntry* entry = NewestUndoEntry();
    if (entry == nullptr)
        return UndoOutcome::Nothing;
    if (!g_footprintEditor.open && entry->document != viewDocument) {
        ClearUndoRing();
        return UndoOutcome::Cleared;
    }
    stepBack();
    RestoreUndoEntry(*entry);
    return UndoOutcome::Undone;
}

void ClearUndoRing()
{
    for (BoardUndoEntry& entry : g_undo.entries)
        entry = BoardUndoEntry{};
    g_undo.head = 0;
    g_undo.depth = 0;
}

int UndoDepth()
{
    return g_undo.depth;
}
