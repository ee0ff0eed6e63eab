#include "schemora/core/reference_numbering.h"

#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/undo_ring.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int kLetterCounters = 30;   // 'A' up to '^'
constexpr int kMaxChanges = 5000;
constexpr int kPartsSwitch = 8;
constexpr const char* kReportName = "out.ano";

// The designator letter of a part: its text's first character, a lower-case letter as its
// capital; 'A' without a text or for a character outside the counters.
char letterOf(const char* text)
{
    const char first = text && text[0] ? text[0] : 'A';
    const int c = std::toupper(static_cast<unsigned char>(first));
    return c >= 'A' && c < 'A' + kLetterCounters ? static_cast<char>(c) : 'A';
}

std::string designator(char letter, int number) { return letter + std::to_string(number); }

struct SectionState {
    int next = 0;
    int number = 0;
};

struct Change {
    std::string from;
    std::string to;
};

// Selects every part of every sheet so that one snapshot can restore each old number.
void selectAllParts()
{
    const EditFilter saved = g_editFilter;
    g_editFilter.on.fill(0);
    g_editFilter.on[kPartsSwitch] = 1;
    SelectAllOnSheet(kAllSheets);
    g_editFilter = saved;
}

std::vector<int> sheetsOf(const RenumberRequest& r)
{
    if (r.range == kRefRangeThisSheet)
        return {r.currentSheet};
    if (r.range != kRefRangeAllSheets)
        return {1};
    std::vector<int> sheets;
    for (int s = 1; s <= std::max(1, r.sheetCount); ++s)
        sheets.push_back(s);
    return sheets;
}

bool writeReport(const std::vector<Change>& changes)
{
    std::string report;
    for (const Change& c : changes)
        report += AnnotationLine(c.from, c.to);
    const plat::WriteResult written = plat::writeFileAtomically(plat::resolvePath(kReportName), report);
    if (!written)
        plat::MessageBox(written.message(std::string("File ") + kReportName + " not found"));
    return written;
}

class Renumbering {
public:
    explicit Renumbering(const RenumberRequest& r) : allLetters_(r.type == "ALL"), typeText_(r.type.substr(0, 1))
    {
        counters_.fill(std::clamp(r.start, 1, kRefNumberMax));
    }

    // False when the run stopped on an error.
    bool numberPart(DrawObject& o)
    {
        // A part read before its type was known takes the section count of the type it resolves to.
        if (o.symbolIndex() == 0 && !resolve(o))
            return false;
        int gates = 1, count = 0, first = 0;
        FindPartPin(o.symbolIndex(), &gates, &count, &first, 0, nullptr);
        const char letter = letterOf(o.text);
        if ((!allLetters_ && (typeText_.empty() || letter != letterOf(typeText_.c_str()))) || o.w[5] == -1)
            return true;
        int& counter = counters_[static_cast<std::size_t>(letter - 'A')];
        if (gates <= 1) {
            if (static_cast<int>(changes_.size()) >= kMaxChanges) {
                plat::MessageBox("Too many parts on this schematic!");
                return false;
            }
            changes_.push_back({designator(letter, o.w[6]), designator(letter, counter)});
            o.w[6] = counter;
            counter = std::min(counter + 1, kRefNumberMax);
            return true;
        }
        SectionState& s = sections_[static_cast<std::size_t>(o.symbolIndex())];
        constexpr int kKeptBits = (1 << 3) | (1 << 4) | (1 << 5) | (1 << 15);
        if (s.next == 0) {
            s.number = counter;
            o.w[5] &= kKeptBits;
            counter = std::min(counter + 1, kRefNumberMax);
        } else {
            o.w[5] = (o.w[5] & kKeptBits) | s.next;
        }
        o.w[6] = s.number;
        s.next = (s.next + 1) % gates;
        return true;
    }

    const std::vector<Change>& changes() const { return changes_; }

private:
    static bool resolve(DrawObject& o)
    {
        int index = 0;
        if (!FindLoadedPart(1, o.text ? o.text : "", &index) || index > kMaxPlaceableSymbol) {
            plat::MessageBox("Error in part");
            return false;
        }
        o.setType(kObjPart + index);
        SetPartLabelAnchor(o);
        return true;
    }

    bool allLetters_;
    std::string typeText_;
    std::array<int, kLetterCounters> counters_{};
    std::array<SectionState, kPartSymbolSlots> sections_{};
    std::vector<Change> changes_;
};

}  // namespace

bool RenumberReferences(const RenumberRequest& request)
{
    if (request.withReport) {
        selectAllParts();
        PushUndoSnapshot();
    }
    Renumbering run(request);
    for (const int sheet : sheetsOf(request)) {
        for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
            DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
            if (o.isPart() && o.sheet() == sheet && !run.numberPart(o))
                return false;
        }
    }
    if (request.withReport && !run.changes().empty() && !writeReport(run.changes()))
        return false;
    g_editState.selectionCount = 0;
    return true;
}

std::string AnnotationLine(std::string_view from, std::string_view to)
{
    return std::string(from) + "----" + std::string(to) + "\n";
}

bool RenumberAllReferences(int start, int sheetCount)
{
    RenumberRequest request;
    request.start = start;
    request.sheetCount = sheetCount;
    return RenumberReferences(request);
}
