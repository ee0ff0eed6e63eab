// Reading one part definition of a library (or of an encapsulated drawing) into the symbol
// element store, with the attribute texts that describe the part.
#include "common/common_state.h"
#include "common/growing_extent.h"
#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_elements.h"
#include "schemora/core/part_library.h"
#include "schemora/core/symbol_elements.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Attribute texts stay in the symbol but are drawn only with hidden items shown.
constexpr int kStyleHidden = 3;
constexpr int kTextWidthNow = 48;
constexpr int kTextWidthOld = 8;

// The pin numbers of the further gates of the symbol being read.
struct PinNumberTable {
    std::vector<std::string> numbers;
    bool overflowShown = false;
};

struct SymbolBody {
    std::vector<DrawObject> elements;
    int gates = 1;
    ~SymbolBody()
    {
        for (DrawObject& e : elements)
            ReleaseObjectData(e);
    }
};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string trimmed(std::string_view text) { return std::string(Trimmed(text, " ")); }

std::vector<std::string> words(std::string_view text) { return WordsSeparatedBy(text, " "); }

void addPinNumbers(PinNumberTable& table, std::string_view text)
{
    for (std::string& n : words(text)) {
        if (static_cast<int>(table.numbers.size()) >= kPinNumberSlots) {
            if (!table.overflowShown)
                plat::MessageBox("Too many pins");
            table.overflowShown = true;
            return;
        }
        table.numbers.push_back(n.substr(0, kPinNumberChars));
    }
}

// Fills the entry from an attribute text; true when the text is an attribute.
bool takeAttribute(PartSymbol& entry, SymbolBody& body, PinNumberTable& pins, std::string_view t)
{
    if (startsWith(t, "%package") || startsWith(t, "%PACKAGE")) {
        entry.package = trimmed(t.substr(8));
    } else if (startsWith(t, "%no_des")) {
        entry.w[15] = 1;
    } else if (startsWith(t, "%hier")) {
        entry.w[12] = 1;
    } else if (startsWith(t, "%cont")) {
        // A continuation part carries no values of its own.
    } else if (startsWith(t, "%pins")) {
        if (entry.w[29] < kMaxGatePinTexts)
            entry.gatePins[entry.w[29]++] = trimmed(t.substr(5));
        addPinNumbers(pins, t.substr(5));
    } else if (startsWith(t, "v+=") || startsWith(t, "v-=")) {
        (t[1] == '+' ? entry.supplyNet : entry.groundNet) = trimmed(t.substr(3));
    } else if (startsWith(t, "v=")) {
        entry.supplyNet = trimmed(t.substr(2));
    } else if (startsWith(t, "g=")) {
        entry.groundNet = trimmed(t.substr(2));
    } else if (startsWith(t, "p=")) {
        body.gates = std::max(1, std::atoi(std::string(t.substr(2)).c_str()));
    } else if (t.empty() || (t.front() != ';' && t.back() != '?')) {
        return false;
    }
    return true;
}

// Texts: attributes fill the entry, the first comment becomes the description, and a pin text
// with a comma moves right past the characters up to the comma.
void takeText(PartSymbol& entry, SymbolBody& body, PinNumberTable& pins, DrawObject& e, int version)
{
    const std::string_view t = e.text ? std::string_view(e.text) : std::string_view();
    if (!t.empty() && t.front() == ';' && entry.description.empty()) {
        const std::string_view comment = t.substr(1);
        entry.description = std::string(comment.substr(0, comment.find('\n')));
    }
    if (!t.empty() && t.back() == '?' && entry.w[11] == 0)
        entry.w[11] = (e.w[2] >> 8) & 0x7F;
    if (takeAttribute(entry, body, pins, t)) {
        e.w[5] = kStyleHidden;
        return;
    }
    const size_t comma = t.find(',');
    if (comma != std::string_view::npos)
        e.w[0] += static_cast<int32_t>(comma + 1) * (version < 7 ? kTextWidthOld : kTextWidthNow);
}

// Reads the elements up to the next part's markers, the end of the file or the header's count.
bool readBody(plat::Archive& archive, int version, int headerCount, PartSymbol& entry, SymbolBody& body,
              PinNumberTable& pins)
{
    const int limit = headerCount > 0 ? std::min(headerCount, kSymbolElementSlots) : kSymbolElementSlots;
    while (static_cast<int>(body.elements.size()) < limit) {
        DrawObject e;
        if (ReadLibraryElement(archive, version, e) != ElementRead::Element)
            break;
        if (e.type() >= kObjPart) {
            ReleaseObjectData(e);
            plat::MessageBox("Error:Part contains another library part");
            return false;
        }
        if (e.type() == kObjDeleted)
            continue;
        if (e.type() == kObjText)
            takeText(entry, body, pins, e, version);
        body.elements.push_back(e);
    }
    if (body.gates > kMaxGatesPerPackage) {
        plat::MessageBox("Too many parts/package [push enter]");
        return false;
    }
    return true;
}

// The pin numbers of gate g replace the numbers on the pins of the first gate's drawing, pin
// by pin in element order.
void renumberGate(std::vector<DrawObject>& gate, const std::string& pinText)
{
    const std::vector<std::string> numbers = words(pinText);
    size_t next = 0;
    for (const DrawObject& line : gate) {
        if (line.type() != kObjLine || next >= numbers.size())
            continue;
        for (DrawObject& t : gate) {
            if (t.type() != kObjText || !t.text || t.text[0] < '1' || t.text[0] > '9'
                || !HitTestWire(t.w[0], t.w[1], line.w[0], line.w[1], line.w[2], line.w[3], 10))
                continue;
            std::string text(t.text);
            const size_t digits = text.find_first_not_of("0123456789");
            text = numbers[next++] + (digits == std::string::npos ? "" : text.substr(digits));
            FreeStr(t.text);
            t.text = StrDupChecked(text);
            break;
        }
    }
}

bool storeElement(const DrawObject& e)
{
    if (CountObjectSlot(&g_symbolElements.count) != 0)
        return false;
    g_symbolElements[g_symbolElements.count] = e;
    return true;
}

// The drawing layer of a symbol element is the body variant it belongs to; elements on the
// all-layers layer belong to every variant.
constexpr int kAllVariantsLayer = 4;
constexpr int kVariants = 4;

// The variants a symbol draws: those its elements name, 0 alone when they name none.
std::vector<int> bodyVariants(const SymbolBody& body)
{
    std::vector<int> variants;
    for (int v = 0; v < kVariants; ++v)
        if (std::any_of(body.elements.begin(), body.elements.end(), [v](const DrawObject& e) { return e.layer() == v; }))
            variants.push_back(v);
    if (variants.empty())
        variants.push_back(0);
    return variants;
}

// One block: its header element, then one section per gate (the gate's elements of this
// variant and the section padding).
bool storeVariant(PartSymbol& entry, const SymbolBody& body, int variant)
{
    std::vector<const DrawObject*> shown;
    for (const DrawObject& e : body.elements) {
        const int layer = e.layer();
        if (layer == variant || layer == kAllVariantsLayer || layer >= kVariants + 1)
            shown.push_back(&e);
    }
    const int perGate = static_cast<int>(shown.size()) + kGateSectionPadding;
    DrawObject header;
    header.w[0] = perGate * body.gates;
    header.w[3] = variant;
    header.w[4] = body.gates;
    if (!storeElement(header))
        return false;
    const int headerIndex = g_symbolElements.count;
    for (int g = 0; g < body.gates; ++g) {
        std::vector<DrawObject> gate;
        for (const DrawObject* e : shown)
            gate.push_back(CloneElement(*e));
        if (g > 0 && g - 1 < entry.w[29])
            renumberGate(gate, entry.gatePins[g - 1]);
        bool stored = true;
        for (DrawObject& e : gate) {
            if (stored && storeElement(e))
                continue;
            stored = false;
            ReleaseObjectData(e);
        }
        for (int p = 0; stored && p < kGateSectionPadding; ++p)
            stored = storeElement(DrawObject{});
        if (!stored)
            return false;
    }
    g_symbolElements[headerIndex].w[1] = g_symbolElements.count;
    return true;
}

// One block per variant the symbol draws, the first at the symbol's start.
bool storeBody(PartSymbol& entry, const SymbolBody& body)
{
    const int first = g_symbolElements.count + 1;
    for (int variant : bodyVariants(body))
        if (!storeVariant(entry, body, variant))
            return false;
    entry.w[1] = first;
    entry.w[2] = g_symbolElements.count - first + 1;
    return true;
}

// An empty box stores as all zeros.
void storeBox(const GrowingExtent& box, int32_t* w)
{
    const bool empty = box.empty();
    w[0] = empty ? 0 : static_cast<int32_t>(box.minX);
    w[1] = empty ? 0 : static_cast<int32_t>(box.minY);
    w[2] = empty ? 0 : static_cast<int32_t>(box.maxX);
    w[3] = empty ? 0 : static_cast<int32_t>(box.maxY);
}

void addShape(GrowingExtent& box, const DrawObject& e)
{
    const auto& w = e.w;
    switch (e.type()) {
    case kObjLine: case kObjArrow: case kObjArc: case kObjBus:
        box.add(w[0], w[1]);
        box.add(w[2], w[3]);
        break;
    case kObjRectangle: case kObjRoundRect: case kObjTriangle:
        box.add(w[0], w[1]);
        box.add(w[0] + w[2], w[1] + w[3]);
        break;
    case kObjEllipse:
        box.addCentred(w[0], w[1], w[2], w[3]);
        break;
    case kObjPolygon:
        for (int i = 0; i < e.pointCount(); ++i)
            box.add(e.pointX(i), e.pointY(i));
        break;
    case kObjDot:
        box.add(w[0], w[1]);
        break;
    default:
        break;
    }
}

// Words 3-6 take the texts into account (8 units a character, 64 for a placeholder, 8 up);
// words 7-10 do not.
void computeExtents(PartSymbol& entry)
{
    GrowingExtent withTexts(INT_MAX), shapes(INT_MAX);
    const int first = entry.w[1] + 1;
    const int last = entry.w[1] + entry.w[2] - 1;
    for (int i = first; i <= last; ++i) {
        const DrawObject& e = g_symbolElements[i];
        addShape(shapes, e);
        addShape(withTexts, e);
        if (e.type() == kObjText && e.text) {
            const std::string_view t(e.text);
            const int width = t.find('?') != std::string_view::npos ? 64 : 8 * static_cast<int>(t.size());
            withTexts.add(e.w[0], e.w[1] - 8);
            withTexts.add(e.w[0] + width, e.w[1]);
        }
    }
    storeBox(withTexts, &entry.w[3]);
    storeBox(shapes, &entry.w[7]);
}

}  // namespace

int ReadPartSymbol(plat::Archive& archive, int symbolIndex)
{
    if (symbolIndex < 1 || symbolIndex >= kPartSymbolSlots)
        return 0;
    LibraryPartHeader part;
    if (!ReadLibraryPartHeader(archive, part))
        return 0;
    if (part.version < 0 || part.version > kNewestPartVersion) {
        plat::MessageBox("Unsupported file format");
        return 0;
    }
    PartSymbol& entry = g_partSymbols.entries[symbolIndex];
    const std::string name = entry.name;
    entry = PartSymbol{};
    entry.name = name;
    SymbolBody body;
    PinNumberTable pins;
    // A definition without elements draws nothing and names no pins: it is damaged.
    if (!readBody(archive, part.version, part.header.count, entry, body, pins) || body.elements.empty()) {
        entry = PartSymbol{};
        entry.name = name;
        return 0;
    }
    g_symbolElements.ensureAllocated();
    const int32_t before = g_symbolElements.count;
    quill::g_elementOverflow.overflow = false;
    if (!storeBody(entry, body)) {
        g_symbolElements.truncate(before);
        entry = PartSymbol{};
        entry.name = name;
        plat::MessageBox(kMsgSymbolStoreFull);
        return 0;
    }
    computeExtents(entry);
    return 1;
}
