#pragma once
// The steps of Align With Edge, Align To Center and Align On Line that both editors take the
// same way once they have read their own store: find the selection's anchor, work out the
// offset from the reference object and hand it back, or drop the chosen objects' first points
// onto a reference line. Each program passes in how it takes an undo snapshot and repaints.

#include "common/selection_alignment.h"
#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// One editor's view of its objects for the alignment commands.
struct AlignmentStore {
    std::vector<int> selection;                          // live selected object indexes
    std::function<AlignReference(int)> referenceOf;      // how the reference object is read
    std::function<AnchorItem(int)> anchorItemOf;         // how a selected object feeds the anchor
    std::function<void(plat::Point)> moveSelection;      // moves every selected object by an offset
    // The first point of a selected object Align On Line moves (nullopt: it stays), and how
    // that point is set.
    std::function<std::optional<plat::Point>(int)> lineAlignedPoint;
    std::function<void(int, plat::Point)> setFirstPoint;
};

// A text's anchor item: its drawn extent's middle in x and a quarter of its height above its
// first point in y when it is alone; its first point in the sums.
AnchorItem TextAnchorItem(const plat::Rect& extent, int x, int y);
// A dot, ellipse or pad: its first point either way.
AnchorItem PointAnchorItem(int x, int y);

plat::Point AnchorOfSelection(const AlignmentStore& store);
void AlignSelectionWithEdge(const AlignmentStore& store, int reference, int edgeCode, bool lineBothAxes);
void AlignSelectionToCenter(const AlignmentStore& store, int reference);
void AlignSelectionOnLine(const AlignmentStore& store, int reference);

enum class AlignCommand { WithEdge, ToCenter, OnLine };

// What one program hands the menu commands: how it reads its store, takes an undo snapshot and
// repaints the active window, and how Align With Edge treats its hit edge and lines.
struct AlignmentEditor {
    std::function<AlignmentStore()> readStore;
    std::function<void()> pushUndo;
    std::function<void()> redraw;
    int edgeCode = 0;
    bool lineBothAxes = false;
};

// The command ids of one program's Align menu items; any other id of their range is Align On
// Line.
struct AlignMenuIds {
    unsigned withEdge = 0;
    unsigned toCenter = 0;
};
AlignCommand AlignCommandOf(unsigned id, AlignMenuIds ids);

// The object selected last (entries 1..count of list), taken out of the selection: the
// reference the others move against. nullopt, the selection as it was, when fewer than two are
// selected or the list is full.
std::optional<int> TakeAlignReference(std::span<const int32_t> list, int32_t& count);

// One Align menu item on the selection (entries 1..count of list): the object selected last is
// taken out as the reference and alignSelected runs the command the id names; nothing when
// fewer than two are selected.
void RunAlignMenuItem(unsigned id, AlignMenuIds ids, std::span<const int32_t> list, int32_t& count,
                      void (*alignSelected)(AlignCommand command, int reference));

// One alignment command from the menu: the undo snapshot first, so the move can be taken back,
// then the move against the reference object, then the repaint.
void RunAlignCommand(const AlignmentEditor& editor, AlignCommand command, int reference);
