// Opening a stored part in the part editor: its records are read behind the reference and name
// records, its attribute texts fill the fields and the pin table and leave the drawing, and the
// pin texts of older parts become terminals.
#include "schemora/workspace/part_editor.h"

#include "common/scoped_replace.h"
#include "platform/app/resources.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_pin_lists.h"
#include "schemora/core/part_text_alignment.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/wizard_pins.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kStrTooManyParts = 857;
constexpr int kMaxPartsPerPackage = 8;
constexpr int kTakeOverReach = 10;
constexpr int kCharShift = 48;
// Texts are measured in the font of the pin texts: this high, and as wide as MeasureTextWidth says.
constexpr int kMeasuredTextHeight = 54;

std::string textOf(const DrawObject& o) { return o.text ? std::string(o.text) : std::string(); }

void deleteRecord(DrawObject& o)
{
    ReleaseObjectData(o);
    o.w[4] = 0;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// What follows a "%package" key ("%PACKAGE=DIP14" or "%package DIP14"), or nothing.
std::optional<std::string> packageOf(std::string_view text)
{
    const size_t at = text.find('%');
    if (at == std::string_view::npos || !startsWithNoCase(text.substr(at), "%package"))
        return std::nullopt;
    std::string_view rest = text.substr(at + 8);
    while (!rest.empty() && (rest.front() == '=' || rest.front() == ' '))
        rest.remove_prefix(1);
    return std::string(rest);
}

// Distance from a point to the segment (x1, y1)-(x2, y2), in drawing units.
double distanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double len = dx * dx + dy * dy;
    const double t = len == 0 ? 0 : std::clamp(((px - x1) * dx + (py - y1) * dy) / len, 0.0, 1.0);
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

// The pin type an older part's pin text names by its last letter ("12o": an output); 0, an
// input, for any other last character.
int pinTypeOfText(std::string_view t)
{
    const size_t at = t.empty() ? std::string_view::npos : kPinTypeLetters.find(t.back());
    return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

bool boxHolds(const plat::Rect& box, int x, int y)
{
    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

// A text that may be an older part's pin number: no attribute marks, a capital or a digit 1-9
// first.
bool looksLikePinText(const std::string& t)
{
    if (t.empty() || t.find_first_of("=%?") != std::string::npos || t[0] == ';')
        return false;
    return (t[0] >= 'A' && t[0] <= 'Z') || (t[0] >= '1' && t[0] <= '9');
}

}  // namespace

bool CPartEditorDlg::openStoredPart()
{
    std::optional<plat::Archive> archive = OpenPartLibrary(existing_->library, existing_->part, false);
    if (!archive)
        return false;
    int read = 0;
    {
        // The part's records land behind the reference and name records.
        const ScopedReplace<std::span<DrawObject>> behind(g_current.objects, store_.slots().subspan(2));
        read = ReadPartRecords(*archive);
    }
    if (read <= 0)
        return false;
    objectCount_ = 2 + read;
    g_current.count = objectCount_;
    partName_ = existing_->part;
    library_ = existing_->library;
    writeNameRecordText(2);
    AlignTextsToBody(store_.slots(), objectCount_);
    const PinListTexts lists = readPartAttributes();
    const TakenPins taken = takeOverPinTexts();
    keepHiddenPins();
    pins_.RebuildPinTable(store_.slots(), objectCount_);
    for (const auto& [terminal, type] : taken)
        pins_.SetTypeOfTerminal(terminal, type);
    readPinLists(lists);
    HideHint();
    g_editState.CurrentTool = kToolSelect;
    return true;
}

// The attribute texts of symbol 1 fill the fields and the hidden pins and leave the drawing; the
// "%pins" texts of a package of several parts leave it too and are handed back, for once the pin
// table is built.
CPartEditorDlg::PinListTexts CPartEditorDlg::readPartAttributes()
{
    hiddenPins_.clear();
    namePlaceholder_ = false;
    int symbols = 1;
    std::vector<int> listRecords;
    for (int i = 3; i <= objectCount_; ++i) {
        DrawObject& o = store_[i];
        if (o.type() != kObjText || !o.text)
            continue;
        if (std::string_view(o.text).find("%cont") != std::string_view::npos) {
            symbols = std::min(symbols + 1, kSymbolVariants);
            deleteRecord(o);
            continue;
        }
        if (std::string_view(o.text).find("%pins") != std::string_view::npos) {
            listRecords.push_back(i);
            continue;
        }
        // The other symbols keep their own placeholders and texts: they are written back as
        // they were, so the part places as before.
        if (SymbolVariantOf(o) != 0)
            continue;
        const std::string t = textOf(o);
        if (t == "p?") {
            store_[2].w[0] = o.w[0];
            store_[2].w[1] = o.w[1];
            namePlaceholder_ = true;
        } else if (const auto package = packageOf(t)) {
            SetDlgItemText(scm::kIdcEditorPackage, *package);
        } else if (t[0] == ';') {
            SetDlgItemText(scm::kIdcEditorComments, t.substr(1));
        } else if (t.find("p=") != std::string::npos) {
            readPartsPerPackage(t.substr(t.find("p=") + 2));
        } else if (const int type = hiddenPinType(t); type != 0) {
            addHiddenPin(t.substr(t.find('=') + 1), type);
        } else if (t.back() == '?') {
            readReferencePlaceholder(o, t.substr(0, t.size() - 1));
        } else {
            continue;
        }
        deleteRecord(o);
    }
    RebuildSymbolTabs(symbols);
    // A single-part package has no further parts: its lists stay ordinary texts.
    PinListTexts lists;
    if (partsChoice_ == 0)
        return lists;
    for (const int i : listRecords) {
        lists.emplace_back(SymbolVariantOf(store_[i]), textOf(store_[i]));
        deleteRecord(store_[i]);
    }
    return lists;
}

// The lists of each symbol variant are parts B, C, ... in order, as the part loader reads them:
// variant 0's add the further parts' pins, later variants' link their terminals to them.
void CPartEditorDlg::readPinLists(const PinListTexts& lists)
{
    const std::span<const DrawObject> slots = store_.slots().first(static_cast<size_t>(objectCount_) + 1);
    std::array<int, kSymbolVariants> ordinal{};
    for (const auto& [variant, text] : lists) {
        if (variant < 0 || variant >= kSymbolVariants)
            continue;
        // Lists past the package's last part are read by no one: the loader ignores them too.
        const int letter = ++ordinal[static_cast<size_t>(variant)];
        if (letter > partsChoice_)
            continue;
        if (!ReadPartPinList(pins_, slots, text, variant, letter))
            break;
    }
}

void CPartEditorDlg::readReferencePlaceholder(const DrawObject& placeholder, std::string letters)
{
    std::ranges::transform(letters, letters.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (letters.empty())
        return;
    reference_ = letters;
    plat::Control* combo = GetDlgItem(scm::kIdcEditorReference);
    const int at = combo->FindStringExact(-1, letters);
    if (at >= 0)
        combo->SetCurSel(at);
    else
        combo->setText(letters);
    store_[1].w[0] = placeholder.w[0];
    store_[1].w[1] = placeholder.w[1];
    writeNameRecordText(1);
}

// "p=" takes 1 to 8 parts, the most the package combo and the part loader know.
void CPartEditorDlg::readPartsPerPackage(const std::string& value)
{
    const int parts = std::atoi(value.c_str());
    if (parts < 1 || parts > kMaxPartsPerPackage) {
        plat::MessageBox(plat::LoadString(kStrTooManyParts), plat::kMbIconStop);
        return;
    }
    GetDlgItem(scm::kIdcEditorPartsPerPackage)->SetCurSel(parts - 1);
    partsChoice_ = parts - 1;
    fillPartLetters(parts);
}

int CPartEditorDlg::hiddenPinType(const std::string& t)
{
    if (t.find("v+=") != std::string::npos)
        return 13;
    if (t.find("v-=") != std::string::npos)
        return 14;
    if (t.find("v=") != std::string::npos)
        return 11;
    if (t.find("g=") != std::string::npos)
        return 12;
    return 0;
}

void CPartEditorDlg::addHiddenPin(const std::string& text, int type)
{
    EditorPin pin;
    pin.number = SplitPinText(text, 0);
    pin.name = SplitPinText(text, 1);
    pin.type = type;
    hiddenPins_.push_back(pin);
}

// The hidden pins just read go into the table first: rebuilding it from the terminals keeps
// them, also where a drawn terminal has the same number.
void CPartEditorDlg::keepHiddenPins()
{
    pins_.clear();
    for (const EditorPin& p : hiddenPins_)
        if (pins_.AddPartPin(p.number + (p.name.empty() ? "" : "," + p.name), p.type, "", 0, 0, 0) == PinAddResult::TableFull)
            break;
    hiddenPins_.clear();
}

// Older parts carry their pin numbers as texts beside plain lines: each such line becomes a
// terminal with that number, the pin type the text's last letter names, and the text goes. A
// text takes a line when its anchor lies on it; what is left, when the text covers an end of
// the line. Returns the terminals made, with their types.
CPartEditorDlg::TakenPins CPartEditorDlg::takeOverPinTexts()
{
    TakenPins taken;
    const auto takeOver = [&](int l, DrawObject& text, int ax, int ay) {
        DrawObject& line = store_[l];
        const std::string s = textOf(text);
        line.w[11] = ax;
        line.w[12] = ay;
        SetTerminalPinText(line, s.substr(0, s.find_first_of(",;")));
        taken.emplace_back(l, pinTypeOfText(s));
        deleteRecord(text);
        LayoutTerminal(l, TerminalLayoutMode::MeasureBody);
    };
    // The texts that may name the pin of line l.
    const auto candidates = [&](int l) {
        std::vector<int> texts;
        for (int t = 3; t <= objectCount_; ++t) {
            const DrawObject& text = store_[t];
            if (text.type() == kObjText && text.text && SymbolVariantOf(text) == SymbolVariantOf(store_[l]) &&
                looksLikePinText(textOf(text)))
                texts.push_back(t);
        }
        return texts;
    };
    const auto plainLine = [&](int l) { return store_[l].type() == kObjLine && !IsTerminal(store_[l]); };
    for (int l = 3; l <= objectCount_; ++l) {
        if (!plainLine(l))
            continue;
        for (const int t : candidates(l)) {
            DrawObject& text = store_[t];
            const std::string s = textOf(text);
            const size_t comma = s.find(',');
            const int shift = comma == std::string::npos ? 0 : kCharShift * static_cast<int>(comma + 1);
            const int ax = text.w[0] + shift, ay = text.w[1];
            const DrawObject& line = store_[l];
            if (distanceToSegment(ax, ay, line.w[0], line.w[1], line.w[2], line.w[3]) <= kTakeOverReach) {
                takeOver(l, text, ax, ay);
                break;
            }
        }
    }
    for (int l = 3; l <= objectCount_; ++l) {
        if (!plainLine(l))
            continue;
        for (const int t : candidates(l)) {
            DrawObject& text = store_[t];
            const plat::Rect box{text.w[0], text.w[1] - kMeasuredTextHeight, text.w[0] + MeasureTextWidth(textOf(text)),
                                 text.w[1]};
            const DrawObject& line = store_[l];
            if (boxHolds(box, line.w[0], line.w[1]) || boxHolds(box, line.w[2], line.w[3])) {
                takeOver(l, text, text.w[0], text.w[1]);
                break;
            }
        }
    }
    return taken;
}

void RunLibraryPartEditor(plat::Wnd* parent, std::string_view library, std::string_view part)
{
    if (thePartEditor)
        return;
    CPartEditorDlg editor(parent, StoredPartName{std::string(library), std::string(part)});
    editor.DoModal();
}
