#include "tracelyn/core/net_tracing.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/placed_pads.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

NetPinNames g_netPinNames;
int g_netPinIndex = 0;

namespace {

constexpr int32_t kSegmentSlop = 30;
constexpr size_t kShortListNames = 10;
constexpr size_t kShortListLength = 100;
constexpr size_t kJoinLimit = 492;
// A step stops looking at parts once it found more pins than this.
constexpr int kPinsPerStep = 10;
constexpr int kPinsPerStepLimit = 500;

bool isCopperTrace(const BoardObject& o)
{
    return o.kind() == kKindLine || o.kind() == kKindArc;
}

bool isSilk(const BoardObject& o)
{
    return o.layer() == kLayerSilkTop || o.layer() == kLayerSilkBottom;
}

// Pads with a drilled hole reach every copper layer.
bool isThroughPad(int shape)
{
    return shape == kPadRound || shape == kPadOblong || shape == kPadRectHole || shape == kPadVia;
}

bool padTouches(const NetPad& pad, const BoardObject& o)
{
    return PadTouchesSegment(pad.x, pad.y, o.w[0], o.w[1], o.w[2], o.w[3], pad.halfWidth, pad.halfHeight) != 0;
}

class NetTracer {
public:
    explicit NetTracer(int count) : visited_(static_cast<size_t>(count) + 1, 0) {}

    NetTrace run(int start)
    {
        result_.objects.push_back(start);
        visited_[static_cast<size_t>(start)] = 1;
        follow(start);
        return std::move(result_);
    }

private:
    void stop(const char* message)
    {
        plat::MessageBox(message);
        result_.stopped = true;
    }

    // Pins of the parts whose pads the followed object touches.
    void collectPins(const BoardObject& followed)
    {
        const int layer = followed.layer();
        int found = 0;
        for (int i = 1; i <= g_board.count && !result_.stopped; ++i) {
            const BoardObject& part = g_board.objects[i];
            if (part.kind() <= kKindPart)
                continue;
            const bool partOnLayer = part.layer() == kLayerAll || part.layer() == layer;
            ForEachPlacedPad(part, [&](const PlacedPad& p) {
                const int shape = p.pad->w[5] & 15;
                const bool finger = shape == kPadFinger;
                // A through-hole part's pins are met on whatever copper layer the trace runs.
                const int padLayer = isThroughPad(shape) ? kLayerAll : part.layer();
                const NetPad pad{p.x, p.y, finger ? 1 : p.xSize / 2, finger ? 1 : p.ySize / 2, padLayer};
                if ((!partOnLayer && padLayer != kLayerAll) || !padTouches(pad, followed))
                    return true;
                const std::string name = FormatPinName(part, p.pad->text() ? p.pad->text() : "");
                if (FindNetPin(name) == 0) {
                    if (g_netPinNames.names.size() >= kMaxNetPinNames) {
                        stop(kTooManyPinsMessage);
                        return false;
                    }
                    g_netPinNames.names.push_back(name);
                }
                if (pads_.size() < kMaxNetPads)
                    pads_.push_back(pad);
                return ++found <= kPinsPerStepLimit;
            });
            if (found > kPinsPerStep)
                break;
        }
    }

    // 1 when a and b connect; pad receives the board pad that joins them across layers.
    bool connected(const BoardObject& a, const BoardObject& b, int& pad) const
    {
        pad = 0;
        if (isSilk(a) || isSilk(b))
            return false;
        for (const NetPad& p : pads_) {
            if (padTouches(p, a) && (p.layer == a.layer() || p.layer == kLayerAll) && padTouches(p, b))
                return p.layer == b.layer() || p.layer == kLayerAll;
        }
        if (!SegmentsTouch(a, b))
            return false;
        if (a.layer() == b.layer())
            return true;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.kind() != kKindPad)
                continue;
            if (!PadTouchesSegment(o.w[0], o.w[1], a.w[0], a.w[1], a.w[2], a.w[3], o.w[2], o.w[3]) ||
                !PadTouchesSegment(o.w[0], o.w[1], b.w[0], b.w[1], b.w[2], b.w[3], o.w[2], o.w[3]))
                continue;
            const int p = o.layer();
            if (isThroughPad(o.w[5] & 15) || (a.layer() == p && b.layer() == p + 1) || (b.layer() == p && a.layer() == p + 1)) {
                pad = i;
                return true;
            }
        }
        return false;
    }

    void follow(int index)
    {
        if (result_.stopped)
            return;
        const BoardObject& followed = g_board.objects[index];
        collectPins(followed);
        for (int i = 1; i <= g_board.count && !result_.stopped; ++i) {
            const BoardObject& o = g_board.objects[i];
            int pad = 0;
            if (!isCopperTrace(o) || visited_[static_cast<size_t>(i)] || !connected(o, followed, pad))
                continue;
            if (++depth_ > kMaxTraceDepth || static_cast<int>(result_.objects.size()) >= kMaxTraceDepth) {
                stop(kNetTooComplicatedMessage);
                return;
            }
            visited_[static_cast<size_t>(i)] = 1;
            result_.objects.push_back(i);
            if (pad != 0)
                result_.objects.push_back(pad);
            follow(i);
            --depth_;
        }
    }

    std::vector<uint8_t> visited_;
    std::vector<NetPad> pads_;
    NetTrace result_;
    int depth_ = 0;
};

}  // namespace

int FindNetPin(std::string_view name)
{
    const std::vector<std::string>& names = g_netPinNames.names;
    for (g_netPinIndex = 0; g_netPinIndex < static_cast<int>(names.size()); ++g_netPinIndex)
        if (names[static_cast<size_t>(g_netPinIndex)] == name)
            return 1;
    return 0;
}

int PadTouchesSegment(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t w, int32_t h)
{
    const int64_t hw = w / 2, hh = h / 2;
    auto near = [&](int64_t x, int64_t y) { return std::llabs(x - px) < hw && std::llabs(y - py) < hh; };
    if (near(x1, y1) || near(x2, y2))
        return 1;
    const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    if (x1 == x2 && std::llabs(int64_t{x1} - px) < kSegmentSlop && py > top - kSegmentSlop && py < bottom + kSegmentSlop)
        return 1;
    if (std::llabs(int64_t{y1} - y2) < kSegmentSlop && std::llabs(int64_t{y1} - py) < kSegmentSlop &&
        px > left - kSegmentSlop && px < right + kSegmentSlop)
        return 1;
    return 0;
}

int SegmentsTouch(const BoardObject& a, const BoardObject& b)
{
    const double t = std::max(a.w[7], b.w[7]) / 2.0;
    const double ax1 = a.w[0], ay1 = a.w[1], ax2 = a.w[2], ay2 = a.w[3];
    const double bx1 = b.w[0], by1 = b.w[1], bx2 = b.w[2], by2 = b.w[3];
    for (const auto& [px, py] : {std::pair{ax1, ay1}, {ax2, ay2}})
        for (const auto& [qx, qy] : {std::pair{bx1, by1}, {bx2, by2}})
            if (std::fabs(px - qx) < t && std::fabs(py - qy) < t)
                return 1;
    auto overlap = [t](double a1, double a2, double b1, double b2) {
        return std::min(a1, a2) - t <= std::max(b1, b2) && std::min(b1, b2) - t <= std::max(a1, a2);
    };
    if (ax1 == ax2 && bx1 == bx2)
        return ax1 == bx1 && overlap(ay1, ay2, by1, by2) ? 1 : 0;
    if (ay1 == ay2 && by1 == by2)
        return ay1 == by1 && overlap(ax1, ax2, bx1, bx2) ? 1 : 0;
    // The crossing of the two lines, vertical ones included.
    const double dax = ax2 - ax1, day = ay2 - ay1, dbx = bx2 - bx1, dby = by2 - by1;
    const double denominator = dax * dby - day * dbx;
    if (denominator == 0)
        return 0;
    const double s = ((bx1 - ax1) * dby - (by1 - ay1) * dbx) / denominator;
    const double x = ax1 + s * dax, y = ay1 + s * day;
    auto within = [](double v, double e1, double e2) { return v >= std::min(e1, e2) - 0.5 && v <= std::max(e1, e2) + 0.5; };
    return within(x, ax1, ax2) && within(y, ay1, ay2) && within(x, bx1, bx2) && within(y, by1, by2) ? 1 : 0;
}

std::string FormatPinName(const BoardObject& part, std::string_view pin)
{
    std::string_view label = part.text() ? part.text() : "";
    label = label.substr(0, label.find(':'));
    return std::string(label) + std::to_string(part.w[7]) + "-" + (pin.empty() ? std::string("X") : std::string(pin));
}

std::string JoinNetPinNames(const std::vector<std::string>& names)
{
    std::string text;
    size_t added = 0;
    for (const std::string& name : names) {
        text += name;
        text += ",";
        ++added;
        if (text.size() > kJoinLimit)
            break;
    }
    if (added > kShortListNames) {
        text.resize(std::min(text.size(), kShortListLength));
        text.resize(text.rfind(',') == std::string::npos ? 0 : text.rfind(','));
        text += kLargeNetSuffix;
    }
    if (!text.empty() && text.back() == ',')
        text.pop_back();
    if (text.size() > kMaxStatusText - 1)
        text.resize(kMaxStatusText - 1);
    return text;
}

NetTrace TraceNetFrom(int start)
{
    g_netPinNames.names.clear();
    if (g_board.objects == nullptr || start < 1 || start > g_board.count || !isCopperTrace(g_board.objects[start]))
        return {};
    NetTrace trace = NetTracer(g_board.count).run(start);
    if (!trace.stopped && !g_netPinNames.names.empty())
        trace.status = JoinNetPinNames(g_netPinNames.names);
    return trace;
}
