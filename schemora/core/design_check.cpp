#include "schemora/core/design_check.h"

#include "platform/app/resources.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/gdi_types.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/junction_dots.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_pins.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

DesignCheckOptions g_checkOptions;

namespace {

constexpr int kMaxShownResults = 5;
constexpr int kWireReach = 18;
constexpr double kInchesPerUnit = 0.0018518518;
constexpr int kShortStub = 10;
constexpr int kPinReach = 10;
constexpr int kMovedEnough = 2;

std::string format(const char* pattern, const std::string& a, const std::string& b = {})
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, a.c_str(), b.c_str());
    return text;
}

std::string at(const char* pattern, int x, int y)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, x * kInchesPerUnit, y * kInchesPerUnit);
    return text;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Where the results go: the report file, or message boxes of which only the first five show.
class CheckResults {
public:
    explicit CheckResults(plat::AtomicFile* file) : file_(file) {}
    // False when the user pressed Cancel.
    bool report(const std::string& text)
    {
        last_ = text;
        if (file_) {
            file_->put(text + "\n");
            return true;
        }
        if (shown_ >= kMaxShownResults)
            return true;
        ++shown_;
        return plat::MessageBox(text, plat::kMbOkCancel | plat::kMbIconInformation, "Check") != plat::kIdCancel;
    }
    const std::string& last() const { return last_; }

private:
    plat::AtomicFile* file_;
    int shown_ = 0;
    std::string last_;
};

const PartSymbol* symbolOf(const DrawObject& part)
{
    const int index = part.symbolIndex();
    return index >= 1 && index <= g_partSymbols.count ? &g_partSymbols.entries[static_cast<std::size_t>(index)] : nullptr;
}

bool isCheckedPart(const DrawObject& o)
{
    if (!o.isPart() || !o.text || !o.text[0])
        return false;
    const PartSymbol* symbol = symbolOf(o);
    // Symbols without a designator (title blocks, notes) are no parts to check.
    return symbol && symbol->w[15] == 0;
}

std::string labelOf(const DrawObject& part)
{
    std::string name = part.text ? part.text : "";
    return name.substr(0, name.find(':')) + std::to_string(part.w[6]);
}

std::string pinName(const DrawObject& part, const char* pinText)
{
    const std::string text = pinText ? pinText : "";
    const std::size_t comma = text.find(',');
    if ((part.w[5] >> 5) & 1)
        return comma == std::string::npos ? std::string() : text.substr(comma + 1);
    return text.substr(0, comma);
}

bool near(int x1, int y1, int x2, int y2, int reach) { return std::abs(x1 - x2) <= reach && std::abs(y1 - y2) <= reach; }

class PartChecker {
public:
    PartChecker(CheckResults& results, int sheetObjects) : results_(results), attached_(static_cast<std::size_t>(sheetObjects) + 1) {}

    // False when cancelled.
    bool run()
    {
        for (int i = 1; i <= g_current.liveCount(); ++i) {
            if (!isCheckedPart(g_current.at(i)))
                continue;
            ++parts_;
            if (!checkPart(i))
                return false;
        }
        if (g_checkOptions.unattachedText && !findUnattachedText())
            return false;
        if (parts_ == 0)
            return results_.report(plat::LoadString(scm::kStrNoLibraryParts));
        if (unconnected_ > 0 && !results_.report("Found " + std::to_string(unconnected_) + " unconnected terminals"))
            return false;
        if (errors_ == 0 && unconnected_ == 0)
            return results_.report("NO errors");
        return true;
    }

private:
    bool error(const std::string& text)
    {
        ++errors_;
        return results_.report(text);
    }

    bool checkPart(int index)
    {
        const DrawObject& part = g_current.at(index);
        const std::string label = labelOf(part);
        if (part.w[6] == 0 && !error(at("Part at x=%.1f, y=%.1f has zero reference designator", part.w[0], part.w[1])))
            return false;
        if (part.w[6] > 0)
            for (int j = index + 1; j <= g_current.liveCount(); ++j) {
                const DrawObject& other = g_current.at(j);
                if (isCheckedPart(other) && (other.w[5] & 7) == (part.w[5] & 7) && labelOf(other) == label &&
                    !error(format("Error----duplicate designator (%s)", label)))
                    return false;
            }
        const std::vector<PinLead> pins = PartPinLeads(part);
        for (const PinLead& pin : pins)
            if (!checkTerminal(index, pin, label))
                return false;
        return checkPackage(part, label) &&
               (!pins.empty() || upper(part.text).find("GND") != std::string::npos ||
                error(format("Error: No terminals on part: %s\nThis may not be a valid part!", label)));
    }

    bool checkPackage(const DrawObject& part, const std::string& label)
    {
        const std::string package = upper(symbolOf(part)->package);
        const std::size_t comma = package.find(',');
        if ((part.w[5] >> 5) & 1) {
            if (comma == std::string::npos || package.find("NONE", comma) != std::string::npos)
                return error(format("Error: part %s does not have an assigned surface mount package", label));
            return true;
        }
        if (package.substr(0, comma).find("NONE") != std::string::npos)
            return error(format("Error: part %s does not have an assigned through-hole package", label));
        return true;
    }

    bool connected(int partIndex, const PinLead& pin)
    {
        bool found = false;
        for (int i = 1; i <= g_current.liveCount(); ++i) {
            const DrawObject& o = g_current.at(i);
            if (i == partIndex || o.sheet() != g_current.at(partIndex).sheet())
                continue;
            if (o.type() == kObjText && HitTestWire(o.w[0], o.w[1], pin.x1, pin.y1, pin.x2, pin.y2, 3)) {
                attached_[static_cast<std::size_t>(i)] = true;
                found = true;
            } else if (o.type() == kObjLine) {
                found = found || near(o.w[0], o.w[1], pin.x1, pin.y1, kWireReach) || near(o.w[2], o.w[3], pin.x1, pin.y1, kWireReach);
            } else if (o.type() == kObjDot) {
                found = found || near(o.w[0], o.w[1], pin.x1, pin.y1, kWireReach);
            } else if (o.isPart()) {
                found = found || touchesPartAt(o, pin);
            }
        }
        return found;
    }

    // A nameless symbol (ground) sitting on the pin, or a pin of another part touching it.
    static bool touchesPartAt(const DrawObject& o, const PinLead& pin)
    {
        if ((!o.text || !o.text[0]) && near(o.w[0], o.w[1], pin.x1, pin.y1, kWireReach))
            return true;
        for (const PinLead& other : PartPinLeads(o))
            if (near(other.x1, other.y1, pin.x1, pin.y1, kWireReach))
                return true;
        return false;
    }

    bool checkTerminal(int partIndex, const PinLead& pin, const std::string& label)
    {
        const DrawObject& element = g_symbolElements[pin.element];
        if (connected(partIndex, pin) || element.w[7] != 1 || !g_checkOptions.unattachedTerminals)
            return true;
        ++unconnected_;
        const std::string name = pinName(g_current.at(partIndex), element.text);
        return results_.report(name.empty() ? format("No connection on one terminal of %s", label)
                                            : format("No connection on terminal %s-%s", label, name));
    }

    bool onAnyWire(const DrawObject& text)
    {
        for (int i = 1; i <= g_current.liveCount(); ++i) {
            const DrawObject& w = g_current.at(i);
            if (w.type() == kObjLine && w.sheet() == text.sheet() &&
                HitTestWire(text.w[0], text.w[1], w.w[0], w.w[1], w.w[2], w.w[3], 3))
                return true;
        }
        return false;
    }

    bool findUnattachedText()
    {
        for (int i = 1; i <= g_current.liveCount(); ++i) {
            const DrawObject& t = g_current.at(i);
            if (t.type() != kObjText || !t.text || attached_[static_cast<std::size_t>(i)] || std::strlen(t.text) >= 12 ||
                t.text[0] == ';' || t.text[0] == '#' || onAnyWire(t))
                continue;
            if (!results_.report(format("Found unattached text: %s", t.text) + at("\n At: x=%.1f, y=%.1f", t.w[0], t.w[1])))
                return false;
        }
        return true;
    }

    CheckResults& results_;
    std::vector<bool> attached_;
    int parts_ = 0;
    int errors_ = 0;
    int unconnected_ = 0;
};

// ---- wire corrections ----

struct Span {
    bool vertical = false;
    int fixed = 0;       // the common x (vertical) or y (horizontal)
    int low = 0, high = 0;
};

bool spanOf(const DrawObject& w, Span& s)
{
    if (w.w[0] == w.w[2]) {
        s = {true, w.w[0], std::min(w.w[1], w.w[3]), std::max(w.w[1], w.w[3])};
        return true;
    }
    if (w.w[1] == w.w[3]) {
        s = {false, w.w[1], std::min(w.w[0], w.w[2]), std::max(w.w[0], w.w[2])};
        return true;
    }
    return false;
}

void setSpan(DrawObject& w, const Span& s)
{
    if (s.vertical) {
        w.w[0] = w.w[2] = s.fixed;
        w.w[1] = s.low;
        w.w[3] = s.high;
    } else {
        w.w[1] = w.w[3] = s.fixed;
        w.w[0] = s.low;
        w.w[2] = s.high;
    }
}

bool isWireOf(int i, int sheet) { return g_current.at(i).type() == kObjLine && g_current.at(i).sheet() == sheet; }

int mergeOverlaps(int sheet)
{
    int changes = 0;
    for (int i = 1; i <= g_current.liveCount(); ++i) {
        if (!isWireOf(i, sheet))
            continue;
        DrawObject& w = g_current.at(i);
        if (std::abs(w.w[2] - w.w[0]) + std::abs(w.w[3] - w.w[1]) < kShortStub) {
            DeleteObject(i);
            continue;
        }
        Span a;
        if (!spanOf(w, a))
            continue;
        for (int j = 1; j <= g_current.liveCount(); ++j) {
            Span b;
            if (j == i || !isWireOf(j, sheet) || !spanOf(g_current.at(j), b) || b.vertical != a.vertical || b.fixed != a.fixed)
                continue;
            if (b.high < a.low || b.low > a.high)
                continue;
            a.low = std::min(a.low, b.low);
            a.high = std::max(a.high, b.high);
            setSpan(w, a);
            DeleteObject(j);
            ++changes;
        }
    }
    return changes;
}

// A wire end lying on a pin goes to the pin's connection end (the end at the outline, where
// the part is wired): along x for a horizontal pin, along y for a vertical one. The symbol's
// stored extent also spans attribute texts placed away from the body, so it cannot tell which
// end is outside.
int moveWireEndsOntoPins(int sheet)
{
    int changes = 0;
    for (int p = 1; p <= g_current.liveCount(); ++p) {
        const DrawObject& part = g_current.at(p);
        if (!part.isPart() || part.sheet() != sheet || !part.text || !part.text[0] || !symbolOf(part))
            continue;
        for (const PinLead& pin : PartPinLeads(part)) {
            const bool horizontal = pin.y1 == pin.y2;
            for (int i = 1; i <= g_current.liveCount(); ++i) {
                if (!isWireOf(i, sheet))
                    continue;
                DrawObject& w = g_current.at(i);
                for (int end = 0; end < 2; ++end) {
                    int& x = w.w[end * 2];
                    int& y = w.w[end * 2 + 1];
                    if (!HitTestWire(x, y, pin.x1, pin.y1, pin.x2, pin.y2, kPinReach))
                        continue;
                    int& along = horizontal ? x : y;
                    const int before = along;
                    along = horizontal ? pin.x1 : pin.y1;
                    if (std::abs(along - before) > kMovedEnough)
                        ++changes;
                }
            }
        }
    }
    return changes;
}

std::vector<std::array<int32_t, kDrawObjectWords>> wordsOfStore()
{
    std::vector<std::array<int32_t, kDrawObjectWords>> words;
    for (int i = 1; i <= g_current.liveCount(); ++i)
        words.push_back(g_current.at(i).w);
    return words;
}

}  // namespace

std::string DesignCheckReportPath(const CSchemoraDoc& doc)
{
    const std::string& path = doc.GetPathName();
    if (path.empty())
        return doc.GetTitle() + ".RPT";
    return plat::replaceExtension(path, ".RPT");
}

int FixOverlappedLines(int sheetCount, bool mergeOverlapped)
{
    int changes = 0;
    for (int sheet = 1; sheet <= std::max(1, sheetCount); ++sheet) {
        if (mergeOverlapped)
            changes += mergeOverlaps(sheet);
        changes += moveWireEndsOntoPins(sheet);
    }
    return changes;
}

void RunDesignCheck(CSchemoraDoc& doc)
{
    const bool wasModified = doc.IsModified();
    const auto before = wordsOfStore();
    const int n = std::min(g_current.liveCount(), kSelectionSlots - 1);
    for (int i = 1; i <= n; ++i)
        g_editState.SelectionList[static_cast<std::size_t>(i)] = i;
    g_editState.selectionCount = n;
    PushUndoSnapshot();
    g_editState.selectionCount = 0;
    for (int i = 1; i <= g_current.liveCount(); ++i)
        if (g_current.at(i).isPart() && symbolOf(g_current.at(i)))
            BindPinTexts(g_current.at(i).symbolIndex());

    const std::string reportPath = DesignCheckReportPath(doc);
    // The report replaces an older one only when it was written whole; a report that cannot
    // be written stops the check before it corrects anything.
    std::optional<plat::AtomicFile> file;
    const auto stop = [&](const plat::WriteError& error) {
        plat::MessageBox(error.message(plat::LoadString(scm::kStrDiskError)), plat::kMbOk | plat::kMbIconStop);
        // Corrections made before the report failed are taken back with the check's own step.
        if (wordsOfStore() == before)
            WithdrawLastUndoStep();
        else
            UndoLastStep();
        doc.SetModifiedFlag(wasModified);
    };
    if (g_checkOptions.saveResults) {
        file.emplace(plat::resolvePath(reportPath));
        if (!file->good())
            return stop(*file->error());
    }
    CheckResults results(file ? &*file : nullptr);
    PartChecker checker(results, g_current.liveCount());
    const bool finished = checker.run();
    const std::string lastResult = results.last();
    // The corrections are part of the results: the report lists them as the boxes show them.
    const int fixed = finished ? FixOverlappedLines(doc.data().numberOfSheets, g_checkOptions.overlappedLines) : 0;
    const std::string fixedText = "Fixed/removed " + std::to_string(fixed) + " overlapped line(s)";
    if (file) {
        if (fixed > 0)
            file->put(fixedText + "\n");
        if (const plat::WriteResult written = file->commit(); !written)
            return stop(*written.error());
    }
    if (finished && g_checkOptions.saveResults && !lastResult.empty())
        plat::MessageBox(lastResult);
    if (finished) {
        if (fixed > 0)
            plat::MessageBox(fixedText);
        if (g_checkOptions.snapToGrid)
            ReGridObjects();
        RefreshJunctionDots();
    }
    // Any correction is kept as one undo step and marks the drawing; a check that changed
    // nothing leaves neither.
    if (wordsOfStore() == before) {
        WithdrawLastUndoStep();
        doc.SetModifiedFlag(wasModified);
    } else {
        doc.SetModifiedFlag(true);
    }
    RedrawActiveFrame();
    if (finished && g_checkOptions.saveResults &&
        plat::MessageBox("View design check report?", plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdYes)
        plat::uiHost().showTextFile(reportPath);
}
