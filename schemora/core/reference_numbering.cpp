#include "schemora/core/reference_numbering.h"

#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/part_transforms.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr int kLetterCounters = 30;
constexpr int kMaxNumber = 9999;
constexpr int kMaxChanges = 5000;

// The letter counter of a part: its text's first character, 'A' without one.
int letterSlot(const DrawObject& part)
{
    const char c = part.text && part.text[0] ? part.text[0] : 'A';
    const int slot = std::toupper(static_cast<unsigned char>(c)) - 'A';
    return std::clamp(slot, 0, kLetterCounters - 1);
}

struct SectionState {
    int next = 0;
    int number = 0;
};

}  // namespace

bool RenumberAllReferences(int start, int sheetCount)
{
    std::array<int, kLetterCounters> counters;
    counters.fill(start);
    std::array<SectionState, kPartSymbolSlots> sections{};
    int changes = 0;
    for (int sheet = 1; sheet <= std::max(1, sheetCount); ++sheet) {
        for (int i = 1; i <= g_current.count; ++i) {
            DrawObject& o = g_current.objects[static_cast<size_t>(i)];
            if (!o.isPart() || o.sheet() != sheet || o.w[5] == -1)
                continue;
            if (o.symbolIndex() == 0) {
                int index = 0;
                if (!FindLoadedPart(1, o.text ? o.text : "", &index) || index > kMaxPlaceableSymbol) {
                    plat::MessageBox("Error in part");
                    return false;
                }
                o.setType(kObjPart + index);
                SetPartLabelAnchor(o);
            }
            int gates = 1, count = 0, first = 0;
            FindPartPin(o.symbolIndex(), &gates, &count, &first, 0, nullptr);
            int& counter = counters[static_cast<size_t>(letterSlot(o))];
            if (gates <= 1) {
                if (++changes > kMaxChanges) {
                    plat::MessageBox("Too many parts on this schematic!");
                    return false;
                }
                o.w[6] = counter;
                counter = std::min(counter + 1, kMaxNumber);
                continue;
            }
            SectionState& s = sections[static_cast<size_t>(o.symbolIndex())];
            constexpr int kKeptBits = (1 << 3) | (1 << 4) | (1 << 5) | (1 << 15);
            if (s.next == 0) {
                s.number = counter;
                o.w[5] &= kKeptBits;
                o.w[6] = s.number;
                counter = std::min(counter + 1, kMaxNumber);
            } else {
                o.w[5] = (o.w[5] & kKeptBits) | s.next;
                o.w[6] = s.number;
            }
            s.next = (s.next + 1) % gates;
        }
    }
    g_editState.selectionCount = 0;
    return true;
}
