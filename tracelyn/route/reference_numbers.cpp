// Reference designator renumbering: parts numbered per letter in board order.
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace {

constexpr int kLetters = 30;
constexpr int32_t kMaxReference = 9999;
// A part whose word 5 is -1 keeps its number.
constexpr int32_t kNeverRenumbered = -1;

struct GateGroup {
    int32_t nextGate = 0;
    int32_t number = 0;
};

int gateCount(int package)
{
    if (package < 1 || package > g_packages.count)
        return 1;
    int sections = 1, count = 0, first = 0, value = 0;
    FindPartPin(package, sections, count, first, 0, value);
    return std::max(sections, 1);
}

char partLetter(const BoardObject& o)
{
    const char* name = o.text();
    if (name == nullptr || name[0] == '\0')
        return 'A';
    return static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
}

void selectAllForUndo()
{
    const int n = std::min(g_board.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i)
        g_selection.list[static_cast<size_t>(i)] = i;
    g_selection.count = std::max(n, 0);
    PushUndoSnapshot();
}

}  // namespace

void RenumberReferences(int start, std::string_view type, int withUndo)
{
    if (g_board.objects == nullptr)
        return;
    if (withUndo == 1)
        selectAllForUndo();
    std::string wanted(type);
    for (char& c : wanted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool all = wanted == "ALL";
    std::array<int32_t, kLetters> counters;
    counters.fill(std::min<int32_t>(start, kMaxReference));
    std::array<GateGroup, kPackageTableSize> gates{};
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        BoardObject& o = g_board.objects[i];
        if (!o.isPart() || o.w[5] == kNeverRenumbered)
            continue;
        const char letter = partLetter(o);
        if (!all && (wanted.empty() || letter != wanted[0]))
            continue;
        const int slot = letter >= 'A' && letter < 'A' + kLetters ? letter - 'A' : kLetters - 1;
        int32_t& counter = counters[static_cast<size_t>(slot)];
        const int package = std::clamp(o.package(), 0, kPackageTableSize - 1);
        const int32_t orientation = o.w[5] & 0x38;
        const int groupGates = gateCount(package);
        if (groupGates < 2) {
            o.w[5] = orientation;
            o.w[7] = counter;
            counter = std::min(counter + 1, kMaxReference);
            continue;
        }
        GateGroup& group = gates[static_cast<size_t>(package)];
        if (group.nextGate == 0) {
            group.number = counter;
            o.w[5] = orientation;
            counter = std::min(counter + 1, kMaxReference);
        } else {
            o.w[5] = orientation + group.nextGate;
        }
        o.w[7] = group.number;
        group.nextGate = (group.nextGate + 1) % groupGates;
    }
    g_selection.count = 0;
}

void NumberNewPart(int index)
{
    if (g_board.objects == nullptr || index < 1 || index > std::min(g_board.count, g_board.capacity - 1))
        return;
    BoardObject& part = g_board.objects[index];
    if (!part.isPart())
        return;
    // The references already given stay: a board netlisted from its schematic must go on
    // matching it. The new part takes the number after the highest of its letter.
    const char letter = partLetter(part);
    int32_t highest = 0;
    for (int i = 1; i <= std::min(g_board.count, g_board.capacity - 1); ++i) {
        const BoardObject& o = g_board.objects[i];
        if (i != index && o.isPart() && partLetter(o) == letter)
            highest = std::max(highest, o.w[7]);
    }
    part.w[5] &= 0x38;
    part.w[7] = std::min(highest + 1, kMaxReference);
}
