#include "tracelyn/route/gerber_import.h"

#include "platform/app/resources.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/file_text.h"
#include "platform/system/files.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_append.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_store.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cctype>
#include <cstring>
#include <map>
#include <numbers>
#include <optional>
#include <set>

ImportedDcodeTable g_importedDcodes;

namespace {

constexpr size_t kMaxFileBytes = 64u << 20;
constexpr size_t kMaxBlockChars = 65536;
constexpr int kMaxDcodeNumber = 999999;
constexpr int kMaxCoordinateDigits = 12;
constexpr double kMaxBoardUnits = 1000000.0;     // 100 inches either way of the origin
constexpr double kMaxApertureInches = 10.0;
constexpr size_t kMaxRegionVertices = 4000;
constexpr size_t kMaxMacroNameChars = 127;
constexpr size_t kMaxWarnings = 5;
constexpr int kArcSteps = 16;

struct Failure {
    std::string message;
};

int32_t boardUnits(double inches)
{
    return static_cast<int32_t>(std::lround(inches * 10000.0));
}

// The aperture as the reader draws with it.
struct ReaderAperture {
    int index = 0;          // record in the imported table
    int32_t type = kDcodeRound;
    double x = 0, y = 0;    // inches
};

class GerberReader {
public:
    GerberReader(std::string_view text, int layer) : text_(text), layer_(layer) {}

    GerberImport run()
    {
        GerberImport result;
        try {
            parse();
            result.ok = true;
            result.dcodes = std::move(dcodes_);
            result.objects = std::move(objects_);
        } catch (const Failure& f) {
            result.error = f.message;
            for (BoardObject& o : objects_)
                FreeObjectData(o);
            objects_.clear();
        }
        result.warnings = std::move(warnings_);
        return result;
    }

private:
    [[noreturn]] static void fail(std::string message) { throw Failure{std::move(message)}; }

    void parse()
    {
        size_t at = 0;
        while (at < text_.size() && !ended_) {
            const char c = text_[at];
            if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
                ++at;
                continue;
            }
            if (c == '%') {
                const size_t close = text_.find('%', at + 1);
                if (close == std::string_view::npos)
                    fail("The Gerber file ends inside a command");
                if (close - at > kMaxBlockChars)
                    fail("A Gerber command is too long");
                extended(text_.substr(at + 1, close - at - 1));
                at = close + 1;
                continue;
            }
            const size_t star = text_.find('*', at);
            if (star == std::string_view::npos)
                fail("The Gerber file ends inside a command");
            if (star - at > kMaxBlockChars)
                fail("A Gerber command is too long");
            dataBlock(text_.substr(at, star - at));
            at = star + 1;
        }
        if (regionOpen_)
            fail("The Gerber file ends inside a region");
    }

    void warn(std::string_view command)
    {
        if (warnings_.size() >= kMaxWarnings)
            return;
        warnings_.push_back("Gerber command \"" + std::string(command.substr(0, 40)) + "\" not implemented.");
    }

    // ---- extended commands: %...% ----

    void extended(std::string_view body)
    {
        // An aperture macro's primitives follow its name in the same command.
        if (body.substr(0, 2) == "AM") {
            macro(body.substr(2));
            return;
        }
        size_t at = 0;
        while (at < body.size()) {
            const size_t star = body.find('*', at);
            const std::string_view block = trim(body.substr(at, star == std::string_view::npos ? body.size() - at : star - at));
            if (!block.empty())
                parameter(block);
            if (star == std::string_view::npos)
                break;
            at = star + 1;
        }
    }

    static std::string_view trim(std::string_view s)
    {
        while (!s.empty() && (s.front() == '\r' || s.front() == '\n' || s.front() == ' '))
            s.remove_prefix(1);
        while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' '))
            s.remove_suffix(1);
        return s;
    }

    void parameter(std::string_view p)
    {
        const std::string_view code = p.substr(0, 2);
        if (code == "FS")
            format(p.substr(2));
        else if (code == "MO")
            units(p.substr(2));
        else if (code == "AD")
            apertureDefinition(p.substr(2));
        else if (code == "LP" && p.substr(2) == "D")
            return;
        else if (code == "IP" && p.substr(2) == "POS")
            return;
        else if (code == "TF" || code == "TA" || code == "TD" || code == "TO" || code == "IN" || code == "LN")
            return;
        else if ((code == "OF" && p.substr(2) == "A0B0") || (code == "SF" && p.substr(2) == "A1B1"))
            return;
        else
            warn(p);
    }

    void format(std::string_view f)
    {
        // L or T (zero omission), A or I (absolute or incremental), then XnmYnm.
        if (f.size() != 8 || (f[0] != 'L' && f[0] != 'T') || (f[1] != 'A' && f[1] != 'I') || f[2] != 'X'
            || f[5] != 'Y')
            fail("Gerber format statement not understood: %FS" + std::string(f.substr(0, 20)) + "%");
        const auto digit = [&](char c) {
            if (c < '0' || c > '7')
                fail("Gerber format statement not understood: %FS" + std::string(f) + "%");
            return c - '0';
        };
        intDigits_ = digit(f[3]);
        decDigits_ = digit(f[4]);
        if (digit(f[6]) != intDigits_ || digit(f[7]) != decDigits_ || decDigits_ == 0)
            fail("Gerber format statement not understood: %FS" + std::string(f) + "%");
        leadingOmitted_ = f[0] == 'L';
        incremental_ = f[1] == 'I';
        formatSet_ = true;
    }

    void units(std::string_view u)
    {
        if (u == "IN")
            millimetres_ = false;
        else if (u == "MM")
            millimetres_ = true;
        else
            fail("Gerber unit not understood: %MO" + std::string(u.substr(0, 20)) + "%");
    }

    void macro(std::string_view body)
    {
        const size_t star = body.find('*');
        const std::string_view name = body.substr(0, star);
        if (name.empty() || name.size() > kMaxMacroNameChars)
            fail("Gerber aperture macro without a usable name");
        for (const char c : name) {
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$'))
                fail("Gerber aperture macro without a usable name");
        }
        macros_.insert(std::string(name));
    }

    // A decimal parameter of an aperture, in inches.
    double size(std::string_view s)
    {
        if (s.empty() || s.size() > 20)
            fail("Aperture size not understood: " + std::string(s.substr(0, 20)));
        std::string copy(s);
        char* end = nullptr;
        const double v = std::strtod(copy.c_str(), &end);
        if (end != copy.c_str() + copy.size() || !std::isfinite(v) || v < 0)
            fail("Aperture size not understood: " + copy);
        const double inches = millimetres_ ? v / 25.4 : v;
        if (inches > kMaxApertureInches)
            fail("Aperture size out of range: " + copy);
        return inches;
    }

    void apertureDefinition(std::string_view d)
    {
        if (d.empty() || d[0] != 'D')
            fail("Aperture definition not understood: %AD" + std::string(d.substr(0, 20)) + "%");
        size_t at = 1;
        int64_t number = 0;
        while (at < d.size() && std::isdigit(static_cast<unsigned char>(d[at])) && at < 9)
            number = number * 10 + (d[at++] - '0');
        if (at == 1 || number < 10 || number > kMaxDcodeNumber)
            fail("Aperture number out of range: %AD" + std::string(d.substr(0, 20)) + "%");
        const size_t comma = d.find(',', at);
        const std::string_view name = d.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at);
        std::vector<double> params;
        if (comma != std::string_view::npos) {
            std::string_view rest = d.substr(comma + 1);
            while (true) {
                const size_t x = rest.find('X');
                if (params.size() >= 100)
                    fail("Too many aperture parameters for D" + std::to_string(number));
                params.push_back(size(rest.substr(0, x)));
                if (x == std::string_view::npos)
                    break;
                rest = rest.substr(x + 1);
            }
        }
        ReaderAperture a;
        const auto count = [&](size_t low, size_t high) {
            if (params.size() < low || params.size() > high)
                fail("Wrong number of parameters for aperture D" + std::to_string(number));
        };
        if (name == "C") {
            count(1, 2);
            a.type = kDcodeRound;
            a.x = a.y = params[0];
        } else if (name == "R" || name == "O") {
            count(2, 3);
            a.type = name == "R" ? kDcodeRectangle : kDcodeOval;
            a.x = params[0];
            a.y = params[1];
        } else if (name == "P") {
            count(2, 4);
            if (params[1] < 3 || params[1] > 12)
                fail("Wrong number of vertices for aperture D" + std::to_string(number));
            a.type = kDcodeRound;
            a.x = a.y = params[0];
        } else if (macros_.count(std::string(name)) != 0) {
            a.type = kDcodeDraw;
        } else {
            fail("Aperture D" + std::to_string(number) + " uses an undefined macro \"" + std::string(name.substr(0, 40)) + "\"");
        }
        if (apertures_.count(static_cast<int>(number)) != 0)
            fail("Aperture D" + std::to_string(number) + " is defined twice");
        if (dcodes_.size() >= kMaxImportedDcodes)
            fail("Too many apertures in the Gerber file");
        ImportedDcode record;
        std::snprintf(record.name.data(), record.name.size(), "D%d", static_cast<int>(number));
        record.type = a.type;
        record.x = static_cast<float>(a.x);
        record.y = static_cast<float>(a.y);
        a.index = static_cast<int>(dcodes_.size());
        dcodes_.push_back(record);
        apertures_[static_cast<int>(number)] = a;
    }

    // ---- data blocks ----

    void dataBlock(std::string_view block)
    {
        block = trim(block);
        if (block.empty())
            return;
        if (block.substr(0, 3) == "G04" || block.substr(0, 2) == "G4")
            return;   // a comment
        std::optional<int64_t> x, y, i, j;
        int operation = 0;
        size_t at = 0;
        while (at < block.size()) {
            const char letter = block[at++];
            size_t start = at;
            if (at < block.size() && (block[at] == '+' || block[at] == '-'))
                ++at;
            const size_t digits = at;
            while (at < block.size() && std::isdigit(static_cast<unsigned char>(block[at])))
                ++at;
            const std::string_view number = block.substr(start, at - start);
            if (at == digits)
                fail("Gerber command not understood: " + std::string(block.substr(0, 40)));
            switch (letter) {
            case 'X': x = coordinate(number); break;
            case 'Y': y = coordinate(number); break;
            case 'I': i = coordinate(number); break;
            case 'J': j = coordinate(number); break;
            case 'G': gcode(code(number, block)); break;
            case 'M':
                if (const int m = code(number, block); m == 2 || m == 0 || m == 1)
                    ended_ = true;
                else
                    fail("Gerber command not understood: " + std::string(block.substr(0, 40)));
                break;
            case 'D': {
                const int d = code(number, block);
                if (d >= 1 && d <= 3)
                    operation = d;
                else
                    select(d);
                break;
            }
            default:
                fail("Gerber command not understood: " + std::string(block.substr(0, 40)));
            }
        }
        if (operation == 0 && (x || y))
            operation = lastOperation_;   // coordinates alone repeat the last operation
        if (operation != 0)
            operate(operation, x, y, i, j);
    }

    int code(std::string_view number, std::string_view block)
    {
        if (number.empty() || number.size() > 7 || number[0] == '-' || number[0] == '+')
            fail("Gerber command not understood: " + std::string(block.substr(0, 40)));
        int value = 0;
        for (const char c : number)
            value = value * 10 + (c - '0');
        return value;
    }

    // A coordinate in board units (before y is turned over).
    int64_t coordinate(std::string_view number)
    {
        if (!formatSet_)
            fail("Coordinates before the Gerber format statement");
        bool negative = false;
        if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
            negative = number[0] == '-';
            number.remove_prefix(1);
        }
        const int total = intDigits_ + decDigits_;
        if (number.empty() || static_cast<int>(number.size()) > std::min(total, kMaxCoordinateDigits))
            fail("Gerber coordinate out of range: " + std::string(number.substr(0, 20)));
        int64_t digits = 0;
        for (const char c : number)
            digits = digits * 10 + (c - '0');
        // Trailing zeros left out: the digits given are the leading ones.
        if (!leadingOmitted_) {
            for (int k = static_cast<int>(number.size()); k < total; ++k)
                digits *= 10;
        }
        double value = static_cast<double>(digits) / std::pow(10.0, decDigits_);
        if (millimetres_)
            value /= 25.4;
        value *= 10000.0;
        if (negative)
            value = -value;
        if (std::fabs(value) > kMaxBoardUnits)
            fail("Gerber coordinate out of range: " + std::string(number.substr(0, 20)));
        return std::llround(value);
    }

    void gcode(int g)
    {
        switch (g) {
        case 1: case 2: case 3: interpolation_ = g; break;
        case 74: multiQuadrant_ = false; break;
        case 75: multiQuadrant_ = true; break;
        case 36:
            regionOpen_ = true;
            contour_.clear();
            break;
        case 37:
            closeContour();
            regionOpen_ = false;
            break;
        case 54: case 55: case 90: break;
        case 70: millimetres_ = false; break;
        case 71: millimetres_ = true; break;
        case 91: incremental_ = true; break;
        default: fail("Gerber command G" + std::to_string(g) + " not understood");
        }
    }

    void select(int d)
    {
        if (d < 10 || apertures_.count(d) == 0)
            fail("Aperture D" + std::to_string(d) + " is used but not defined");
        aperture_ = d;
    }

    const ReaderAperture& current()
    {
        if (aperture_ == 0)
            fail("Gerber draw or flash before an aperture is chosen");
        return apertures_.at(aperture_);
    }

    void operate(int operation, std::optional<int64_t> x, std::optional<int64_t> y, std::optional<int64_t> i,
                 std::optional<int64_t> j)
    {
        lastOperation_ = operation;
        int64_t nx = x ? *x : px_, ny = y ? *y : py_;
        if (incremental_) {
            nx = px_ + (x ? *x : 0);
            ny = py_ + (y ? *y : 0);
            if (std::llabs(nx) > kMaxBoardUnits || std::llabs(ny) > kMaxBoardUnits)
                fail("Gerber coordinate out of range");
        }
        if (operation == 1) {
            if (regionOpen_) {
                if (contour_.empty())
                    addContourPoint(px_, py_);
                if (interpolation_ == 1)
                    addContourPoint(nx, ny);
                else
                    arcPoints(nx, ny, i.value_or(0), j.value_or(0), [&](int64_t ax, int64_t ay) { addContourPoint(ax, ay); });
            } else {
                const ReaderAperture& a = current();
                if (interpolation_ == 1) {
                    trace(px_, py_, nx, ny, a);
                } else {
                    int64_t lx = px_, ly = py_;
                    arcPoints(nx, ny, i.value_or(0), j.value_or(0), [&](int64_t ax, int64_t ay) {
                        trace(lx, ly, ax, ay, a);
                        lx = ax;
                        ly = ay;
                    });
                }
            }
        } else if (operation == 2) {
            if (regionOpen_)
                closeContour();
        } else {
            if (regionOpen_)
                fail("Gerber flash inside a region");
            pad(nx, ny, current());
        }
        px_ = nx;
        py_ = ny;
    }

    // Points along the arc from the current point to (x, y), the end included.
    template <class Sink> void arcPoints(int64_t x, int64_t y, int64_t i, int64_t j, Sink sink)
    {
        const bool clockwise = interpolation_ == 2;
        double cx = 0, cy = 0;
        if (multiQuadrant_) {
            cx = static_cast<double>(px_ + i);
            cy = static_cast<double>(py_ + j);
        } else {
            // Single quadrant: the offsets are unsigned; the centre is the one that makes a
            // turn of at most a quarter in the arc's direction.
            double best = 1e300;
            for (const int sx : {1, -1}) {
                for (const int sy : {1, -1}) {
                    const double ccx = static_cast<double>(px_ + sx * std::llabs(i));
                    const double ccy = static_cast<double>(py_ + sy * std::llabs(j));
                    const double sweep = sweepOf(ccx, ccy, x, y, clockwise);
                    const double r1 = std::hypot(px_ - ccx, py_ - ccy), r2 = std::hypot(x - ccx, y - ccy);
                    const double score = std::fabs(r1 - r2) + (sweep > std::numbers::pi / 2 + 1e-6 ? 1e9 : 0);
                    if (score < best) {
                        best = score;
                        cx = ccx;
                        cy = ccy;
                    }
                }
            }
        }
        const double r = std::hypot(px_ - cx, py_ - cy);
        if (r > kMaxBoardUnits * 2)
            fail("Gerber arc out of range");
        const double start = std::atan2(py_ - cy, px_ - cx);
        const double sweep = sweepOf(cx, cy, x, y, clockwise);
        const int steps = std::max(1, static_cast<int>(kArcSteps * sweep / (std::numbers::pi / 2)));
        for (int s = 1; s < steps; ++s) {
            const double t = start + (clockwise ? -1 : 1) * sweep * s / steps;
            sink(std::llround(cx + r * std::cos(t)), std::llround(cy + r * std::sin(t)));
        }
        sink(x, y);
    }

    // The turn from the current point to (x, y) about the centre, in the arc's direction
    // (plotter axes: y up, counter-clockwise positive); a full circle when the ends meet.
    double sweepOf(double cx, double cy, int64_t x, int64_t y, bool clockwise) const
    {
        const double a1 = std::atan2(py_ - cy, px_ - cx), a2 = std::atan2(y - cy, x - cx);
        double sweep = clockwise ? a1 - a2 : a2 - a1;
        while (sweep <= 1e-9)
            sweep += 2 * std::numbers::pi;
        return sweep;
    }

    void trace(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const ReaderAperture& a)
    {
        BoardObject o;
        o.w = {static_cast<int32_t>(x1), static_cast<int32_t>(-y1), static_cast<int32_t>(x2), static_cast<int32_t>(-y2)};
        o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer_) << 10) | kKindLine;
        o.w[6] = a.index;
        o.w[7] = std::max(boardUnits(a.x), 1);
        add(o);
    }

    void pad(int64_t x, int64_t y, const ReaderAperture& a)
    {
        BoardObject o;
        o.w[0] = static_cast<int32_t>(x);
        o.w[1] = static_cast<int32_t>(-y);
        o.w[2] = boardUnits(a.x);
        o.w[3] = boardUnits(a.y);
        o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer_) << 10) | kKindPad;
        o.w[5] = a.type;
        o.w[7] = a.index;
        add(o);
    }

    void addContourPoint(int64_t x, int64_t y)
    {
        if (contour_.size() >= 2 * kMaxRegionVertices)
            fail("A Gerber region has too many vertices");
        contour_.push_back(static_cast<int32_t>(x));
        contour_.push_back(static_cast<int32_t>(-y));
    }

    void closeContour()
    {
        const size_t n = contour_.size() / 2;
        if (n >= 3) {
            BoardObject o;
            o.w[2] = static_cast<int32_t>(n);
            o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer_) << 10) | kKindPolygon;
            o.w[6] = 1;
            o.w[7] = 1;
            int32_t* points = NewPointBlock(contour_.size());
            if (points == nullptr)
                fail("Not enough memory for a Gerber region");
            std::copy(contour_.begin(), contour_.end(), points);
            o.data = points;
            add(o);
        }
        contour_.clear();
    }

    void add(BoardObject& o)
    {
        if (objects_.size() >= static_cast<size_t>(kMaxBoardObjects)) {
            FreeObjectData(o);
            fail("Database FULL--objects not loaded");
        }
        objects_.push_back(o);
    }

    std::string_view text_;
    int layer_;
    bool ended_ = false;
    bool formatSet_ = false;
    bool leadingOmitted_ = true;
    bool incremental_ = false;
    int intDigits_ = 2, decDigits_ = 4;
    bool millimetres_ = false;
    bool multiQuadrant_ = false;
    bool regionOpen_ = false;
    int interpolation_ = 1;
    int lastOperation_ = 0;
    int aperture_ = 0;
    int64_t px_ = 0, py_ = 0;
    std::set<std::string> macros_;
    std::map<int, ReaderAperture> apertures_;
    std::vector<ImportedDcode> dcodes_;
    std::vector<BoardObject> objects_;
    std::vector<int32_t> contour_;
    std::vector<std::string> warnings_;
};

}  // namespace

GerberImport::~GerberImport()
{
    for (BoardObject& o : objects)
        FreeObjectData(o);
}

const char* DcodeTypeName(int32_t type)
{
    switch (type) {
    case kDcodeOval: return "OVAL";
    case kDcodeRectangle: return "RECTANGLE";
    case kDcodeDraw: return "DRAW";
    default: return "ROUND";
    }
}

GerberImport ReadGerber(std::string_view text, int layer)
{
    return GerberReader(text, layer).run();
}

int ImportGerberFile(const std::string& path, int layer)
{
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    const std::optional<std::string> text = plat::readWholeFile(path, kMaxFileBytes, &failure);
    if (!text && failure == plat::LoadFailure::NotAFile) {
        plat::MessageBox(plat::notAFileText(plat::resolvePath(path)), plat::kMbIconStop);
        return 0;
    }
    if (!text && failure != plat::LoadFailure::TooLarge) {
        plat::MessageBox(plat::FormatString1(tly::kStrCantOpenFile, path), plat::kMbIconStop);
        return 0;
    }
    if (!text || text->find('\0') != std::string::npos) {
        plat::MessageBox("Not a Gerber file: " + path, plat::kMbIconStop);
        return 0;
    }
    GerberImport read = ReadGerber(*text, layer);
    for (const std::string& w : read.warnings)
        plat::MessageBox(w);
    if (!read.ok) {
        plat::MessageBox(read.error, plat::kMbIconStop);
        return 0;
    }
    const int room = std::min(kMaxBoardObjects - 1, g_board.capacity - 1) - 1 - g_board.count;
    if (g_board.objects == nullptr || static_cast<int64_t>(read.objects.size()) > room) {
        plat::MessageBox("Database FULL--objects not loaded");
        return 0;
    }
    g_importedDcodes.records = std::move(read.dcodes);
    g_importedDcodes.store = g_board.objects;
    g_importedDcodes.first = g_board.count + 1;
    bool fullShown = false;
    int added = 0;
    for (BoardObject& o : read.objects)
        added += AppendBoardObject(o, fullShown) ? 1 : 0;
    read.objects.clear();
    g_importedDcodes.last = g_importedDcodes.first + added - 1;
    return added;
}

void ApplyImportedApertures()
{
    const ImportedDcodeTable& t = g_importedDcodes;
    if (g_board.objects == nullptr || t.store != g_board.objects)
        return;
    const int records = static_cast<int>(t.records.size());
    const int last = std::min({t.last, g_board.count, g_board.capacity - 1});
    for (int k = std::max(t.first, 1); k <= last; ++k) {
        BoardObject& o = g_board.objects[k];
        if (o.kind() == kKindLine && o.w[6] >= 0 && o.w[6] < records) {
            o.w[7] = boardUnits(t.records[static_cast<size_t>(o.w[6])].x);
        } else if (o.kind() == kKindPad && o.w[7] >= 0 && o.w[7] < records) {
            const ImportedDcode& r = t.records[static_cast<size_t>(o.w[7])];
            o.w[2] = boardUnits(r.x);
            o.w[3] = boardUnits(r.y);
            o.w[5] = (o.w[5] & ~15) | (r.type & 15);
        }
    }
}
