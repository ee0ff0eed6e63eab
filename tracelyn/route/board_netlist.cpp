#include "tracelyn/route/board_netlist.h"

#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/route_windows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kNetSeparator = "----";

// The nets of one pin a netlist read names, told in one message at the end rather than one box
// per net; outside a reading each is told at once.
struct LoneNets {
    bool gathering = false;
    std::vector<std::string> names;
};
LoneNets g_loneNets;
constexpr size_t kLoneNetsNamed = 40;
constexpr size_t kLoneNetsPerLine = 8;

std::string loneNetMessage(const std::vector<std::string>& names)
{
    if (names.size() == 1)
        return "Warning: net " + names.front() + " has only one pin.\nIt will not be routed.";
    std::string list;
    for (size_t i = 0; i < names.size() && i < kLoneNetsNamed; ++i)
        list += (i == 0 ? "" : i % kLoneNetsPerLine == 0 ? ",\n" : ", ") + names[i];
    if (names.size() > kLoneNetsNamed)
        list += "\nand " + std::to_string(names.size() - kLoneNetsNamed) + " more";
    return "Warning: " + std::to_string(names.size()) + " nets have only one pin:\n" + list + "\nThey will not be routed.";
}

void noteLoneNet(std::string_view name)
{
    if (!g_loneNets.gathering) {
        plat::MessageBox(loneNetMessage({std::string(name)}));
        return;
    }
    g_loneNets.names.emplace_back(name);
}
// The start pin is the lowest of the first pins this close to the leftmost x.
constexpr int32_t kStartColumnWidth = 300;
constexpr int kStartColumnPins = 50;

// Copies text into a fixed field, cut to fit, always terminated.
template <size_t N>
void copyField(char (&field)[N], std::string_view text)
{
    const size_t n = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, N - n);
}

void stopReading(std::string_view message)
{
    plat::MessageBox(message, plat::kMbIconStop);
    g_netlist.stop = 1;
}

// ---- pin names -------------------------------------------------------------------------

// Splits at any of delimiters, as the line's tokens are taken: runs of delimiters separate.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}
    std::string_view next(std::string_view delimiters)
    {
        const size_t begin = text_.find_first_not_of(delimiters, pos_);
        if (begin == std::string_view::npos) {
            pos_ = text_.size();
            return {};
        }
        size_t end = text_.find_first_of(delimiters, begin);
        if (end == std::string_view::npos)
            end = text_.size();
        pos_ = std::min(end + 1, text_.size());
        return text_.substr(begin, end - begin);
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// ---- chaining ----------------------------------------------------------------------------

int startPin(std::span<const NetPin> pins)
{
    int left = 0;
    for (int i = 1; i < static_cast<int>(pins.size()); ++i)
        if (pins[i].x < pins[left].x)
            left = i;
    // Only the first pins of the column compete, the leftmost among them only when it is one of
    // them; on equal y the earlier pin in the file wins.
    int start = -1;
    int considered = 0;
    for (int i = 0; i < static_cast<int>(pins.size()) && considered < kStartColumnPins; ++i) {
        if (std::llabs(int64_t{pins[i].x} - pins[left].x) > kStartColumnWidth)
            continue;
        ++considered;
        if (start < 0 || pins[i].y < pins[start].y)
            start = i;
    }
    return start;
}

// The unused pin nearest to `from` by |dx| + |dy|, the first in file order on ties; -1 when
// every pin is used.
int nearestUnused(std::span<const NetPin> pins, const NetPin& from)
{
    int best = -1;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (int i = 0; i < static_cast<int>(pins.size()); ++i) {
        if (pins[i].used != 0)
            continue;
        const int64_t d = std::llabs(int64_t{pins[i].x} - from.x) + std::llabs(int64_t{pins[i].y} - from.y);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void writeConnection(NetConnection& c, const NetPin& a, const NetPin& b, int net)
{
    c.x1 = a.x;
    c.y1 = a.y;
    c.x2 = b.x;
    c.y2 = b.y;
    c.key1 = a.key;
    c.key2 = b.key;
    c.spare[0] = c.spare[1] = 0;
    c.orientation1 = a.orientation;
    c.orientation2 = b.orientation;
    ClearRouteResult(c);
    c.net = net;
    c.sortKey = 0;
    std::memcpy(c.name1, a.name, kPinNameSize);
    std::memcpy(c.name2, b.name, kPinNameSize);
}

// Chains the pins of one net nearest-first into connections from the connection count on.
// The first round finds the start pin itself; its zero-length connection, like any other whose
// ends coincide, is dropped.
void chainPins(std::span<NetPin> pins, int net)
{
    const std::span<NetConnection> table = ConnectionTable();
    int32_t& count = g_router.ratsNestCount;
    const int first = count;
    int current = startPin(pins);
    for (size_t round = 0; round < pins.size(); ++round) {
        const int found = nearestUnused(pins, pins[current]);
        if (found < 0)
            break;
        if (count >= kMaxConnections) {
            stopReading("Too many connections in netlist (at most 4000)");
            break;
        }
        NetConnection& c = table[static_cast<size_t>(count)];
        writeConnection(c, pins[current], pins[found], net);
        c.previous = count == first ? -1 : count - 1;
        c.next = round + 1 < pins.size() ? count + 1 : -1;
        if (c.x1 != c.x2 || c.y1 != c.y2)
            ++count;
        pins[found].used = 1;
        current = found;
    }
    if (count > first)
        table[static_cast<size_t>(count - 1)].next = -1;
}

// ---- reading -----------------------------------------------------------------------------

// The next piece of at most 99 characters, through a newline when one comes first.
std::string_view nextPiece(std::string_view text, size_t& pos)
{
    const size_t limit = std::min(text.size() - pos, kNetlistPieceChars);
    const size_t newline = text.substr(pos, limit).find('\n');
    const size_t length = newline == std::string_view::npos ? limit : newline + 1;
    const std::string_view piece = text.substr(pos, length);
    pos += length;
    return piece;
}

// The next complete line from pos: its pieces joined where a piece holds "&" (the last "&" and
// the character after it become blanks); nullopt when the line grows past the longest allowed.
std::optional<std::string> nextNetLine(std::string_view text, size_t& pos)
{
    std::string line;
    for (bool more = true; more && pos < text.size();) {
        std::string piece(nextPiece(text, pos));
        const size_t amp = piece.rfind('&');
        more = amp != std::string::npos;
        if (more)
            piece.replace(amp, std::min<size_t>(2, piece.size() - amp), std::min<size_t>(2, piece.size() - amp), ' ');
        if (line.size() >= kMaxNetLineChars)
            return std::nullopt;
        line += piece;
    }
    return line;
}

// The pin names after a net line's "----": the first up to ", ", the others between commas,
// line ends and blanks.
std::vector<std::string_view> netLinePins(std::string_view afterSeparator)
{
    std::vector<std::string_view> pins;
    Tokens tokens(afterSeparator);
    for (std::string_view pin = tokens.next(", "); !pin.empty(); pin = tokens.next(",\n\r "))
        pins.push_back(pin);
    return pins;
}

void notePowerNet(std::string_view line)
{
    if (line.find("Vcc") != std::string_view::npos)
        g_netlist.powerNets[kPowerNetVcc] = g_netlist.netCount;
    if (line.find("GROUND") != std::string_view::npos)
        g_netlist.powerNets[kPowerNetGround] = g_netlist.netCount;
    for (int n = 1; n <= 4; ++n) {
        const std::string prefix = "pow" + std::to_string(n) + "----";
        if (line.starts_with(prefix))
            g_netlist.powerNets[static_cast<size_t>(kPowerNet1 + n - 1)] = g_netlist.netCount;
    }
}

// One complete line; false when reading is to stop.
bool readNetLine(std::string_view line)
{
    if (line.find(kNetSeparator) == std::string_view::npos)
        return true;
    if (g_netlist.netCount >= kMaxNets) {
        stopReading("Too many nets in netlist (at most 2000)");
        return false;
    }
    notePowerNet(line);
    const int n = g_netlist.netCount;
    NetRecord& net = NetTable()[static_cast<size_t>(n)];
    net.firstConnection = g_router.ratsNestCount;
    net.connectionCount = 0;
    net.routedCount = 0;
    AddNetFromLine(line, n);
    ++g_netlist.netCount;
    net.connectionCount = g_router.ratsNestCount - net.firstConnection;
    return g_netlist.stop == 0;
}

int readBoardNetlist(std::string_view name);

}  // namespace

int ReadBoardNetlist(std::string_view name)
{
    g_loneNets = LoneNets{true, {}};
    const int result = readBoardNetlist(name);
    LoneNets lone = std::move(g_loneNets);
    g_loneNets = LoneNets{};
    if (!lone.names.empty())
        plat::MessageBox(loneNetMessage(lone.names));
    return result;
}

namespace {

int readBoardNetlist(std::string_view name)
{
    g_netlist.netCount = 0;
    const std::string path = std::string(name) + ".net";
    if (NetTable().empty() || ConnectionTable().empty() || PinTable().empty()) {
        plat::MessageBox("Unable to lock router memory", plat::kMbIconStop);
        return 0;
    }
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    const std::optional<plat::Archive> file = plat::Archive::loadFile(plat::resolvePath(path), kMaxNetlistFileBytes, &failure);
    if (!file) {
        CloseProgressWindow();
        plat::MessageBox(plat::readFailureText(path, failure, kMaxNetlistFileBytes, "File " + path + " not found"),
                         plat::kMbIconStop);
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(file->bytes().data()), file->bytes().size());
    size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<std::string> line = nextNetLine(text, pos);
        if (!line) {
            // Reading stops here; what was read before stays loaded.
            stopReading(kNetTooLargeMessage);
            return 0;
        }
        if (!readNetLine(*line))
            return 0;
    }
    SetStatusText("Loaded " + std::to_string(g_netlist.netCount) + " nets", kPaneMessage);
    g_netlist.loadedBoard = g_board.objects;
    return 1;
}

}  // namespace

void AddNetFromLine(std::string_view line, int net)
{
    if (g_netlist.stop != 0 || net < 0 || net >= kMaxNets || NetTable().empty() || PinTable().empty() ||
        ConnectionTable().empty())
        return;
    const size_t cut = line.find(kNetSeparator);
    if (cut == std::string_view::npos)
        return;
    // The name is kept as a C string: a NUL byte in the file ends it.
    std::string_view netName = line.substr(0, cut);
    netName = netName.substr(0, netName.find('\0'));
    NetRecord& record = NetTable()[static_cast<size_t>(net)];
    FreeStr(record.name);
    record.name = StrDupChecked(netName);

    Tokens tokens(line.substr(cut + kNetSeparator.size()));
    std::string_view pin = tokens.next(", ");
    if (pin.empty())
        return;
    if (pin.find('\n') != std::string_view::npos) {
        // A reading after a move says nothing the first reading has said already.
        if (!g_netlist.reloading)
            noteLoneNet(netName);
        return;
    }
    const std::span<NetPin> table = PinTable();
    size_t count = 0;
    for (; !pin.empty(); pin = tokens.next(",\n\r ")) {
        const PinLocation at = FindPinCoordinates(pin);
        if (g_netlist.stop != 0)
            return;
        NetPin& p = table[count++];
        p.x = at.x;
        p.y = at.y;
        p.used = 0;
        copyField(p.name, pin);
        p.orientation = at.orientation;
        p.key = static_cast<uint8_t>(at.key);
        if (count > kMaxPinsPerNet) {
            plat::MessageBox(kNetTooLargeMessage, plat::kMbIconStop);
            return;
        }
    }
    chainPins(table.first(count), net);
}

std::optional<PinNets> ReadNetlistPinNets(std::string_view path)
{
    const std::optional<plat::Archive> file = plat::Archive::loadFile(plat::resolvePath(std::string(path)),
                                                                      kMaxNetlistFileBytes);
    if (!file)
        return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(file->bytes().data()), file->bytes().size());
    PinNets nets;
    int net = 0;
    for (size_t pos = 0; pos < text.size();) {
        const std::optional<std::string> line = nextNetLine(text, pos);
        if (!line)
            return std::nullopt;
        const size_t cut = line->find(kNetSeparator);
        if (cut == std::string::npos)
            continue;
        if (net >= kMaxNets)
            return std::nullopt;
        const std::string_view rest = std::string_view(*line).substr(cut + kNetSeparator.size());
        for (const std::string_view pin : netLinePins(rest))
            nets.try_emplace(plat::upperCaseAscii(pin.substr(0, kPinNameSize - 1)), net);
        ++net;
    }
    return nets;
}

PinLocation FindPinCoordinates(std::string_view pinName)
{
    const size_t dash = pinName.rfind('-');
    if (dash != std::string_view::npos) {
        const std::string reference = plat::upperCaseAscii(pinName.substr(0, dash));
        const std::string pin = plat::upperCaseAscii(pinName.substr(dash + 1));
        const int32_t savedZoom = g_board.zoomIndex;
        const CurrentPart savedPart = g_partPosition;
        g_board.zoomIndex = 9;
        std::optional<PinLocation> found;
        for (int i = 0; i < g_netlist.partCount && !found; ++i) {
            const PlacedPart& part = g_netlist.parts[static_cast<size_t>(i)];
            if (reference != part.reference)
                continue;
            int sections = 0, count = 0, first = 0, value = 0;
            FindPartPin(part.package, sections, count, first, part.sectionKey, value);
            const int end = std::min(first + std::max(count, 0), kPackageStoreSize);
            for (int k = std::max(first, 1); k < end; ++k) {
                const BoardObject& pad = g_packages.objects[static_cast<size_t>(k)];
                if (pad.kind() != kKindPad || pad.text() == nullptr || pin != pad.text())
                    continue;
                const int32_t rotation = part.rotation & 0xFFF;
                g_partPosition = {part.x, part.y};
                int32_t x = 0, y = 0;
                TransformPoint(pad.w[0], pad.w[1], x, y, rotation, (part.rotation >> 12) & 1);
                const bool quarterTurn = rotation == 900 || rotation == 2700;
                const bool wide = pad.w[2] > pad.w[3];
                found = PinLocation{x / kNetlistUnit, y / kNetlistUnit, part.sectionKey,
                                    wide == quarterTurn ? 900 : 0};
                break;
            }
        }
        g_board.zoomIndex = savedZoom;
        g_partPosition = savedPart;
        if (found)
            return *found;
    }
    const std::string_view shown = pinName.substr(0, pinName.find('\n'));
    if (AskRouterQuestion("Coordinates for " + std::string(shown) + " not found!") == plat::kIdCancel)
        g_netlist.stop = 1;
    return {};
}

void CollectPlacedParts()
{
    if (g_board.objects == nullptr || g_board.count <= 0)
        plat::MessageBox("No packages found!", plat::kMbIconInformation);
    if (g_board.objects == nullptr)
        return;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() <= kKindPart)
            continue;
        if (g_netlist.partCount >= kMaxPlacedParts) {
            plat::MessageBox("Too many parts on the board for the netlist (at most 502)", plat::kMbIconStop);
            return;
        }
        PlacedPart& part = g_netlist.parts[static_cast<size_t>(g_netlist.partCount++)];
        part.x = o.w[0];
        part.y = o.w[1];
        part.package = o.package();
        const std::string_view label = o.text() != nullptr ? o.text() : "";
        copyField(part.reference, plat::upperCaseAscii(label.substr(0, label.find(':'))) + std::to_string(o.w[7]));
        part.rotation = o.w[6];
        // A style word of -1 marks a part without sections; its pads are in section 0.
        part.sectionKey = o.w[5] == -1 ? 0 : (o.w[5] >> 3) & 3;
    }
}
