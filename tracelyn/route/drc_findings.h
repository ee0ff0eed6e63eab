#pragma once
// What the design-rule check looks for, what it finds, and how a long check reports its
// progress and learns that it should stop.

#include "common/extent_index.h"
#include "tracelyn/route/board_checks.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The rules, in the order the closing message lists them and the marks are laid.
enum class DrcRule : int {
    kShort,             // copper of two nets touches
    kPadToTrace,
    kTraceToTrace,
    kPadToVia,          // pads and vias among themselves
    kReference,         // a designator without a number, or used twice
    kSilkscreen,        // silk on the solderable area of a pad
    kBottomText,        // bottom silk text that is not mirrored
    kOutside,           // copper or parts beyond the board outline
    kTraceWidth,        // copper thinner than the minimum trace
    kPadSize,
    kHoleSize,
    kRingWidth,         // copper round a hole
};
inline constexpr int kDrcRuleCount = 12;

// One violation: the place a mark goes round (half sizes w and h about x, y), in board units,
// and the board objects at fault (a part for its pads and drawing; 0 for none).
struct DrcFinding {
    DrcRule rule = DrcRule::kShort;
    int32_t x = 0, y = 0;
    int32_t w = 0, h = 0;
    int objectA = 0, objectB = 0;
    bool operator==(const DrcFinding&) const = default;
};

// The smallest copper a board maker makes, in board units; the defaults are what common
// boards are made with.
struct DesignRuleMinimums {
    int32_t trace = 60;
    int32_t pad = 200;
    int32_t hole = 120;
    int32_t ring = 50;
    bool operator==(const DesignRuleMinimums&) const = default;
};

// The switches of the Design Rules Check dialog and the clearances of the design rules.
struct DrcSettings {
    bool padToTrace = false;
    bool traceToTrace = false;
    bool padToVia = false;
    bool references = false;
    bool silkscreen = false;
    bool bottomText = false;
    bool outside = false;
    bool minimums = false;      // traces, pads, holes and rings below the minimum sizes
    DesignRuleClearances clearances;
    DesignRuleMinimums sizes;

    bool anyClearance() const { return padToTrace || traceToTrace || padToVia; }
    bool anyRule() const { return anyClearance() || references || silkscreen || bottomText || outside || minimums; }
};

// Counts work done in phases, each split into its own steps, and asks the caller's step
// function now and then whether to go on (it returns false to stop the check).
class DrcWork {
public:
    using StepFunction = std::function<bool(int done, int total)>;
    explicit DrcWork(StepFunction step = nullptr, int phases = 1) : step_(std::move(step)), phases_(phases) {}

    // Starts the next phase of `steps` steps.
    void beginPhase(int steps);
    // One step of the current phase done; false once the check is to stop.
    bool advance();
    bool stopped() const { return stopped_; }

private:
    static constexpr int kUnitsPerPhase = 1000;
    static constexpr int kStepsBetweenQuestions = 256;
    StepFunction step_;
    int phases_ = 1;
    int phase_ = -1;
    int steps_ = 1;
    int done_ = 0;
    bool stopped_ = false;
};

// What a check found; cancelled when the step function stopped it; noOutline when the outline
// rule was asked for on a board without an outline to test against; noNetlist when copper was
// checked on a board without a netlist, so that shorts between nets could not be told.
struct DrcResult {
    std::vector<DrcFinding> findings;
    bool cancelled = false;
    bool noOutline = false;
    bool noNetlist = false;
};

// Half the side of the mark round a finding at one spot (a short, a near miss, silk on a pad),
// large enough to be seen at the zoom a new board opens at.
inline constexpr int32_t kDrcSpotMark = 300;
// A finding at one spot between two objects.
DrcFinding FindingAt(DrcRule rule, double x, double y, int objectA, int objectB);

// A finding about one object whose mark goes round a whole box.
DrcFinding FindingAround(DrcRule rule, const ExtentBox& box, int object);

// How many findings each rule made.
std::array<int, kDrcRuleCount> CountByRule(const std::vector<DrcFinding>& findings);
// The rule's name in the closing message ("Pad to trace clearance", ...).
std::string_view DrcRuleName(DrcRule rule);
