#pragma once
// Following the wires of one sheet from a pin to the net name written on them.
//
// The tracer keeps the sheet's wires, junction dots, name sources (texts and ground symbols)
// and the pins of its parts in a coarse grid, so that each step of a trace looks only at what
// lies near the segment it stands on. Default names that the netlister adds while it runs are
// added to the tracer as well.

#include "schemora/netlist/netlist_parts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

struct Segment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A point lies on a segment when it is within tolerance along it and within 5 units across it;
// only near-horizontal (height below 18) and near-vertical (width below 18) segments have points.
bool PointOnSegment(int px, int py, const Segment& s, int tolerance);
// Two segments touch when an end of one lies within 18 units (in x and in y) of an end of the
// other, or on the other within 12 units.
bool SegmentsTouch(const Segment& a, const Segment& b);

// Item ids by grid cell.
class SpatialGrid {
public:
    void insert(int id, int x1, int y1, int x2, int y2);
    // Calls f(id) for every item whose cells meet the box; an id may come more than once.
    template <typename F>
    void query(int x1, int y1, int x2, int y2, F&& f) const
    {
        forCells(x1, y1, x2, y2, [&](int64_t key) {
            if (const auto it = cells_.find(key); it != cells_.end())
                for (int id : it->second)
                    f(id);
        });
    }

private:
    template <typename F>
    static void forCells(int x1, int y1, int x2, int y2, F&& f);
    std::unordered_map<int64_t, std::vector<int>> cells_;
};

// A pin of another part that touches a traced wire: its part and its label.
struct TouchingPin {
    int part = 0;
    std::string label;
};

struct TraceResult {
    bool found = false;
    std::string name;                     // the first net name met
    std::vector<TouchingPin> touchingPins;
    bool stackFull = false;
};

class NetTracer {
public:
    // Gathers the wires, dots, texts, ground symbols and (when pin labels are wanted) the pins of
    // the sheet's parts from the current drawing. label names the pin of a part for the notes of
    // touching pins; null when none are wanted.
    using PinLabeler = std::function<std::string(const DrawObject& part, const NetlistPin& pin)>;
    void build(int sheet, PinLabeler labeler);

    // Depth-first search from the pin lead of part `part` over the wires; stops at the first
    // net name.
    TraceResult trace(const Segment& lead, int part);

    // A default net name the netlister put on the drawing at (x, y) as object `index`.
    void addName(int index, int x, int y, std::string text);

private:
    struct Wire {
        Segment s;
        std::vector<int> neighbours;
    };
    struct NameSource {
        int index = 0;
        int x = 0, y = 0;
        std::string text;
    };
    struct PartPin {
        int part = 0;
        Segment s;
        std::string label;
    };

    void connectWires();
    bool visit(const Segment& s, const std::vector<int>& next, int part, int depth, TraceResult& result);
    bool nameOn(const Segment& s, std::string& name) const;
    void notePins(const Segment& s, int part, TraceResult& result) const;
    std::vector<int> wiresTouching(const Segment& s) const;
    std::vector<int> wiresThroughDotsNear(const Segment& s) const;

    std::vector<Wire> wires_;
    std::vector<NameSource> names_;
    std::vector<PartPin> pins_;
    std::vector<std::pair<int, int>> dots_;
    SpatialGrid wireGrid_, nameGrid_, pinGrid_, dotGrid_;
    std::vector<uint32_t> visited_;
    uint32_t stamp_ = 0;
};
