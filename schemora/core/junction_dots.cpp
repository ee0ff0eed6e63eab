#include "schemora/core/junction_dots.h"

#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/part_pins.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kNear = 6;
constexpr int kOnLine = 2;

struct Pt {
    int x = 0, y = 0;
};
struct Seg {
    Pt a, b;
    int index = 0;
    int dir = 0;          // 0 slanted, 1 horizontal, 2 vertical
    bool wire = false;    // type 1 (arrows only take part as the second line)
};

bool near(Pt p, Pt q) { return std::abs(p.x - q.x) < kNear && std::abs(p.y - q.y) < kNear; }

int orientation(Pt a, Pt b)
{
    if (std::abs(b.x - a.x) < kOnLine)
        return 2;
    if (std::abs(b.y - a.y) < kOnLine)
        return 1;
    return 0;
}

// Coordinates along and across a horizontal (h) or vertical line, and the point they name.
int along(Pt p, bool h) { return h ? p.x : p.y; }
int across(Pt p, bool h) { return h ? p.y : p.x; }
Pt pointAt(int alongValue, int acrossValue, bool h) { return h ? Pt{alongValue, acrossValue} : Pt{acrossValue, alongValue}; }

bool pinLayersCount() { return CurrentDrawingLayer() == 0 || CurrentDrawingLayer() == 4; }

class DotBuilder {
public:
    explicit DotBuilder(int sheet) : sheet_(sheet) { collect(); }

    void run()
    {
        for (const Seg& a : segs_)
            if (a.wire)
                wireStep(a);
        if (pinLayersCount())
            for (size_t p = 0; p < parts_.size(); ++p)
                partStep(p);
    }

private:
    struct Part {
        int index = 0;
        std::vector<PinLead> pins;
    };

    void collect()
    {
        for (int i = 1; i <= g_current.count; ++i) {
            const DrawObject& o = g_current.at(i);
            if (o.sheet() != sheet_)
                continue;
            if (o.type() == kObjLine || o.type() == kObjArrow) {
                Seg s{{o.x(), o.y()}, {o.w[2], o.w[3]}, i, 0, o.type() == kObjLine};
                s.dir = orientation(s.a, s.b);
                segs_.push_back(s);
            } else if (o.isPart() && o.symbolIndex() > 0) {
                parts_.push_back({i, JunctionPinLeads(o)});
            }
        }
    }

    bool otherWireEnd(Pt p, int i, int j) const
    {
        return std::any_of(segs_.begin(), segs_.end(), [&](const Seg& s) {
            return s.index != i && s.index != j && (near(s.a, p) || near(s.b, p));
        });
    }

    void wireStep(const Seg& a)
    {
        for (const Seg& b : segs_) {
            if (b.index == a.index || a.dir == 0 || b.dir == 0 || a.dir == b.dir)
                continue;
            const bool meetA1 = near(b.a, a.a) || near(b.b, a.a);
            const bool meetA2 = near(b.a, a.b) || near(b.b, a.b);
            if (meetA1 || meetA2) {
                if (meetA1 && otherWireEnd(a.a, a.index, b.index))
                    add(a.a);
                if (meetA2 && otherWireEnd(a.b, a.index, b.index))
                    add(a.b);
                continue;
            }
            wireEndInside(a, b);
        }
    }

    // A's own ends against B's interior (a T); the opposite T is found with B in A's role.
    void wireEndInside(const Seg& a, const Seg& b)
    {
        const bool h = a.dir == 1;
        const int lo = std::min(across(b.a, h), across(b.b, h)), hi = std::max(across(b.a, h), across(b.b, h));
        if (!(lo < across(a.a, h) && across(a.a, h) < hi))
            return;
        if (std::abs(along(b.a, h) - along(a.a, h)) < kOnLine)
            add(a.a);
        if (std::abs(along(b.a, h) - along(a.b, h)) < kOnLine)
            add(pointAt(along(a.b, h), across(a.a, h), h));
    }

    bool partHasPinEndAt(size_t part, Pt p) const
    {
        return std::any_of(parts_[part].pins.begin(), parts_[part].pins.end(), [&](const PinLead& l) {
            return near({l.x1, l.y1}, p) || near({l.x2, l.y2}, p);
        });
    }

    void pinAgainstWire(size_t p, Pt p1, Pt p2, int dirP, const Seg& k)
    {
        if (near(k.a, p1) || near(k.b, p1) || near(k.a, p2) || near(k.b, p2)) {
            // A wire ends on the pin: a dot when another line or another part's pin meets there.
            for (const Seg& q : segs_) {
                if (q.index == k.index)
                    continue;
                if (near(q.a, p1) || near(q.a, p2)) { add(q.a); return; }
                if (near(q.b, p1) || near(q.b, p2)) { add(q.b); return; }
            }
            for (size_t q = 0; q < parts_.size(); ++q) {
                if (q == p)
                    continue;
                if ((near(k.a, p1) || near(k.b, p1)) && partHasPinEndAt(q, p1))
                    add(p1);
                if ((near(k.a, p2) || near(k.b, p2)) && partHasPinEndAt(q, p2))
                    add(p2);
            }
            return;
        }
        const bool h = dirP == 1;
        const int kLo = std::min(across(k.a, h), across(k.b, h)), kHi = std::max(across(k.a, h), across(k.b, h));
        if (kLo < across(p1, h) && across(p1, h) < kHi) {
            if (std::abs(along(k.a, h) - along(p1, h)) < kOnLine)
                add(p1);
            if (std::abs(along(k.a, h) - along(p2, h)) < kOnLine)
                add(pointAt(along(p2, h), across(p1, h), h));
        }
        const int pLo = std::min(along(p1, h), along(p2, h)), pHi = std::max(along(p1, h), along(p2, h));
        if (pLo < along(k.a, h) && along(k.a, h) < pHi)
            for (Pt end : {k.a, k.b})
                if (std::abs(across(end, h) - across(p1, h)) < kOnLine)
                    add(end);
    }

    void partStep(size_t p)
    {
        for (const PinLead& pin : parts_[p].pins) {
            const Pt p1{pin.x1, pin.y1}, p2{pin.x2, pin.y2};
            const int dirP = orientation(p1, p2);
            if (dirP == 0)
                continue;
            for (const Seg& k : segs_)
                if (k.dir > 0 && k.dir != dirP)
                    pinAgainstWire(p, p1, p2, dirP, k);
            for (size_t k = 0; k < parts_.size(); ++k) {
                if (k == p)
                    continue;
                for (Pt end : {p1, p2}) {
                    if (!partHasPinEndAt(k, end))
                        continue;
                    for (size_t q = 0; q < parts_.size(); ++q)
                        if (q != p && q != k && partHasPinEndAt(q, end))
                            add(end);
                }
            }
        }
    }

    void add(Pt p) { AddJunctionDot(p.x, p.y, sheet_); }

    int sheet_;
    std::vector<Seg> segs_;
    std::vector<Part> parts_;
};

int currentSheet() { return thePartEditor ? 1 : g_sheetView.currentSheet; }

}  // namespace

bool AddJunctionDot(int x, int y, int sheet)
{
    int free = 0;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.at(i);
        if (o.sheet() != sheet)
            continue;
        if (o.type() == kObjDot && o.x() == x && o.y() == y)
            return true;
        if (!free && o.w[4] == 0)
            free = i;
    }
    if (!free)
        free = AppendObjects(1, FullStoreReport::Once);
    if (!free)
        return false;
    DrawObject& dot = g_current.at(free);
    ReleaseObjectData(dot);
    dot = DrawObject{};
    dot.w[0] = x;
    dot.w[1] = y;
    dot.w[4] = (CurrentDrawingLayer() << 10) + kObjDot;
    dot.w[5] = g_settings.CurrentStyle;
    dot.w[23] = sheet;
    return true;
}

void UpdateJunctionDots()
{
    if (g_settings.AutoDots == 0 || g_current.objects.empty())
        return;
    const int sheet = currentSheet();
    for (int i = 1; i <= g_current.count; ++i) {
        DrawObject& o = g_current.at(i);
        if (o.type() == kObjDot && o.sheet() == sheet)
            o.w[4] = 0;
    }
    DotBuilder(sheet).run();
    if (!thePartEditor)
        if (CSchemoraDoc* doc = g_current.activeDocument)
            doc->data().objectCount = g_current.count;
}

void RefreshJunctionDots()
{
    CSchemoraDoc* doc = g_current.activeDocument;
    const int saved = g_sheetView.currentSheet;
    const int sheets = doc ? std::max(1, doc->data().numberOfSheets) : 1;
    for (int s = 1; s <= sheets; ++s) {
        g_sheetView.currentSheet = s;
        UpdateJunctionDots();
    }
    g_sheetView.currentSheet = saved;
}

void RefreshDotsOfEdit()
{
    if (g_settings.AutoDots != 0 && !thePartEditor && pinLayersCount())
        UpdateJunctionDots();
}

void InstallJunctionDotHooks()
{
    g_editHooks.refreshDotsAfterEdit = RefreshDotsOfEdit;
    SetUndoRefreshHook([] {
        if (!thePartEditor && pinLayersCount())
            RefreshJunctionDots();
    });
}
