#include "common/dxf_reader.h"

#include "common/file_reading.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <map>
#include <optional>

namespace {

// A B-size sheet is 8500 units wide: the file's extents are fitted to it.
constexpr double kSheetWidthB = 8500;
constexpr double kDefaultScale = 1000;
constexpr double kRadiansPerDegree = 0.01745329252;
constexpr std::size_t kMaxLineChars = 199;
constexpr std::size_t kLongestSilentName = 5;

// Lines of the file, one at a time, without their CR and cut to kMaxLineChars.
class LineSource {
public:
    explicit LineSource(std::string_view file) : rest_(file) {}

    bool next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = line.substr(0, std::min(line.size(), kMaxLineChars));
        return true;
    }

private:
    std::string_view rest_;
};

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Inches per drawing unit of a "$INSUNITS" code; codes without a length (unitless, or any this
// reader does not know) count as inches.
double inchesPerUnit(int code)
{
    constexpr double kMm = 1 / 25.4;
    switch (code) {
    case 2: return 12;              // feet
    case 4: return kMm;
    case 5: return 10 * kMm;        // centimetres
    case 6: return 1000 * kMm;      // metres
    case 8: return 1e-6;            // microinches
    case 9: return 1e-3;            // mils
    case 10: return 36;             // yards
    case 13: return 1e-3 * kMm;     // micrometres
    case 14: return 100 * kMm;      // decimetres
    default: return 1;
    }
}

int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

struct Pair {
    int code = 0;
    std::string_view value;
};

// Group-code and value pairs. A code line that is no number is passed over, so a stray line
// costs one pair at most instead of shifting the rest of the file.
class PairSource {
public:
    explicit PairSource(std::string_view file) : lines_(file) {}

    bool next(Pair& pair)
    {
        std::string_view line;
        while (lines_.next(line)) {
            const std::string_view code = trimmed(line);
            int value = 0;
            const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), value);
            if (error != std::errc() || end != code.data() + code.size() || code.empty())
                continue;
            if (!lines_.next(line))
                return false;
            pair = {value, line};
            return true;
        }
        return false;
    }

private:
    LineSource lines_;
};

// The groups of one entity, by code; the first of repeated codes counts.
class Groups {
public:
    void clear() { values_.clear(); }
    void add(const Pair& pair) { values_.emplace(pair.code, std::string(pair.value)); }
    bool has(std::initializer_list<int> codes) const
    {
        return std::all_of(codes.begin(), codes.end(), [this](int c) { return values_.count(c) != 0; });
    }
    std::string_view text(int code) const { return values_.at(code); }
    double number(int code) const { return parseNumber(values_.at(code)).value_or(0); }

private:
    std::map<int, std::string> values_;
};

class Reader {
public:
    explicit Reader(const DxfReadOptions& options)
        : ask_(options.ask), fitExtents_(options.fitExtents), headerUnits_(options.headerUnits),
          unitsPerInch_(options.scale)
    {
        result_.scale = options.scale;
    }

    DxfReadResult read(std::string_view file);

private:
    void startEntity(std::string_view name);
    void finishEntity();
    void readExtent(PairSource& pairs, Pair& pair, bool isMax);
    void takeUnits(std::string_view value);
    int scaled(const Groups& g, int code) const { return clampToInt(g.number(code) * result_.scale); }
    DxfEntity& append(DxfEntity::Kind kind, int x1, int y1, int x2, int y2);
    void finishLine();
    void finishCircle();
    void finishArc();
    void finishText();
    void finishVertex();
    void closePolyline();

    const DxfUnknownEntityQuestion& ask_;
    bool fitExtents_;
    bool headerUnits_;
    double unitsPerInch_;
    bool unitsNamed_ = false;   // the last pair named "$INSUNITS": its value follows
    DxfReadResult result_;
    std::string section_;
    std::string entity_;
    Groups groups_;
    bool inPolyline_ = false;
    std::vector<std::array<int, 2>> vertices_;
    std::optional<std::array<double, 2>> extMin_;
};

int negated(int y) { return y == INT_MIN ? INT_MAX : -y; }

DxfEntity& Reader::append(DxfEntity::Kind kind, int x1, int y1, int x2, int y2)
{
    DxfEntity& e = result_.entities.emplace_back();
    e.kind = kind;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

void Reader::finishLine()
{
    if (!groups_.has({10, 20, 11, 21}))
        return;
    append(DxfEntity::Kind::Line, scaled(groups_, 10), negated(scaled(groups_, 20)), scaled(groups_, 11),
           negated(scaled(groups_, 21)));
}

void Reader::finishCircle()
{
    if (!groups_.has({10, 20, 40}))
        return;
    const int r = scaled(groups_, 40);
    append(DxfEntity::Kind::Circle, scaled(groups_, 10), negated(scaled(groups_, 20)), r, r);
}

void Reader::finishArc()
{
    if (!groups_.has({10, 20, 40, 50, 51}))
        return;
    const double r = scaled(groups_, 40);
    const double a50 = groups_.number(50) * kRadiansPerDegree;
    const double a51 = groups_.number(51) * kRadiansPerDegree;
    long long px = static_cast<long long>(r * std::cos(a51)), py = static_cast<long long>(r * std::sin(a51));
    long long qx = static_cast<long long>(r * std::cos(a50)), qy = static_cast<long long>(r * std::sin(a50));
    const long long dx = qx - px, dy = qy - py;
    if ((dx < 0 && dy > 0) || (dx > 0 && dy < 0)) {
        std::swap(px, qx);
        std::swap(py, qy);
    }
    const long long cx = scaled(groups_, 10);
    const long long cy = scaled(groups_, 20);
    auto clampWide = [](long long v) { return clampToInt(static_cast<double>(v)); };
    append(DxfEntity::Kind::Arc, clampWide(cx + px), clampWide(-(cy + py)), clampWide(cx + qx), clampWide(-(cy + qy)));
}

void Reader::finishText()
{
    if (!groups_.has({10, 20, 1}))
        return;
    DxfEntity& e = append(DxfEntity::Kind::Text, scaled(groups_, 10), negated(scaled(groups_, 20)), 0, 0);
    e.text = CleanDxfText(groups_.text(1));
}

void Reader::finishVertex()
{
    if (!inPolyline_ || !groups_.has({10, 20}))
        return;
    const std::array<int, 2> point{scaled(groups_, 10), negated(scaled(groups_, 20))};
    if (!vertices_.empty())
        append(DxfEntity::Kind::Line, vertices_.back()[0], vertices_.back()[1], point[0], point[1]);
    vertices_.push_back(point);
}

// Every polyline comes in closed: the last vertex joins the first.
void Reader::closePolyline()
{
    if (inPolyline_ && vertices_.size() > 1)
        append(DxfEntity::Kind::Line, vertices_.back()[0], vertices_.back()[1], vertices_.front()[0], vertices_.front()[1]);
    inPolyline_ = false;
    vertices_.clear();
}

void Reader::finishEntity()
{
    if (entity_ == "LINE")
        finishLine();
    else if (entity_ == "CIRCLE")
        finishCircle();
    else if (entity_ == "ARC")
        finishArc();
    else if (entity_ == "TEXT")
        finishText();
    else if (entity_ == "VERTEX")
        finishVertex();
    entity_.clear();
    groups_.clear();
}

void Reader::startEntity(std::string_view name)
{
    if (name == "POLYLINE") {
        closePolyline();
        inPolyline_ = true;
    } else if (name == "SEQEND") {
        closePolyline();
    } else if (name != "LINE" && name != "CIRCLE" && name != "ARC" && name != "TEXT" && name != "VERTEX" &&
               name.size() > kLongestSilentName) {
        if (!ask_ || !ask_(name))
            result_.stopped = true;
        return;
    }
    entity_ = name;
}

void Reader::readExtent(PairSource& pairs, Pair& pair, bool isMax)
{
    std::optional<double> x, y;
    while (pairs.next(pair)) {
        if (pair.code == 10)
            x = parseNumber(pair.value);
        else if (pair.code == 20)
            y = parseNumber(pair.value);
        if (pair.code == 0 || pair.code == 9 || (x && y))
            break;
    }
    if (!x || !y || !fitExtents_)
        return;
    if (!isMax) {
        extMin_ = std::array<double, 2>{*x, *y};
        return;
    }
    if (!extMin_)
        return;
    // Files from elsewhere leave the extents unset (+1e20 / -1e20) or give a single point:
    // only a real box sets the scale.
    const double spanX = *x - (*extMin_)[0];
    const double spanY = *y - (*extMin_)[1];
    if (spanX > 0 && spanY > 0 && std::isfinite(spanX) && std::isfinite(spanY))
        result_.scale = std::abs(kSheetWidthB / spanY) + std::abs(kSheetWidthB / spanX);
    else
        result_.scale = kDefaultScale;
}

void Reader::takeUnits(std::string_view value)
{
    if (!headerUnits_)
        return;
    const std::optional<double> code = parseNumber(value);
    const bool whole = code && *code >= 0 && *code <= INT_MAX && *code == std::floor(*code);
    result_.scale = unitsPerInch_ * inchesPerUnit(whole ? static_cast<int>(*code) : 0);
}

DxfReadResult Reader::read(std::string_view file)
{
    PairSource pairs(file);
    Pair pair;
    bool sectionName = false;
    while (!result_.stopped && pairs.next(pair)) {
        const std::string_view value = trimmed(pair.value);
        const bool unitsValue = unitsNamed_ && pair.code == 70;
        unitsNamed_ = pair.code == 9 && section_ == "HEADER" && value == "$INSUNITS";
        if (unitsValue) {
            takeUnits(value);
            continue;
        }
        if (pair.code == 9 && section_ == "HEADER" && (value == "$EXTMIN" || value == "$EXTMAX")) {
            readExtent(pairs, pair, value == "$EXTMAX");
            if (pair.code != 0)
                continue;
        }
        if (pair.code == 2 && sectionName) {
            section_ = trimmed(pair.value);
            sectionName = false;
            continue;
        }
        if (pair.code != 0) {
            if (!entity_.empty())
                groups_.add(pair);
            continue;
        }
        finishEntity();
        sectionName = value == "SECTION";
        if (value == "SECTION" || value == "ENDSEC") {
            closePolyline();
            section_.clear();
            continue;
        }
        if (value == "EOF")
            break;
        // Tables and block definitions hold no drawing of their own.
        if (section_ == "TABLES" || section_ == "BLOCKS" || section_ == "CLASSES" || section_ == "OBJECTS" ||
            section_ == "HEADER")
            continue;
        startEntity(value);
    }
    if (!result_.stopped)
        finishEntity();
    closePolyline();
    return std::move(result_);
}

}  // namespace

DxfReadResult ReadDxfEntities(std::string_view file, const DxfReadOptions& options)
{
    return Reader(options).read(file);
}

int ScaleDxfValue(std::string_view text, double scale)
{
    return clampToInt(parseNumber(text).value_or(0) * scale);
}

std::string CleanDxfText(std::string_view text)
{
    constexpr std::string_view kOverline = "%%o";
    if (const std::size_t start = text.find(kOverline); start != std::string_view::npos)
        text = text.substr(start + kOverline.size());
    if (const std::size_t end = text.find(kOverline); end != std::string_view::npos)
        text = text.substr(0, end);
    return std::string(text);
}

bool IsNumericText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<plat::Archive> LoadDxfFile(std::string_view path, std::string_view cannotOpen)
{
    return LoadFileForReader(path, kMaxDxfFileBytes, cannotOpen, plat::kMbIconStop);
}
