#include "schemora/workspace/edit_part_dialog.h"

#include "common/part_edit_fields.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "resources/schemora/part_dialog_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_folder.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/schemora_doc.h"
#include "common/string_helpers.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/undo_ring.h"
#include "schemora/workspace/model_package_pickers.h"
#include "schemora/workspace/part_editor.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMirrorFlag = 4096;
constexpr int kFixedBit = 1 << 14;
constexpr int kKeptKindBits = 0x3FFF;
constexpr int kSurfaceBit = 32;
constexpr int kHiddenBit = 32768;
constexpr int kLeftAlone = -1;
constexpr int kMaxValue = 50;
constexpr char kMicroSign = '\xB5';
constexpr int kVariantRadios = 4;

// The fields of a label: "PREFIX", "PREFIX:VALUE", "PREFIX:\VALUE" (value below), each
// optionally followed by "!PACKAGE".
struct LabelFields {
    std::string prefix;
    std::string value;
    std::string package;
    bool below = false;
};

LabelFields splitLabel(std::string_view label)
{
    LabelFields f;
    const size_t bang = label.find('!');
    if (bang != std::string_view::npos)
        f.package = std::string(label.substr(bang + 1));
    const std::string_view head = label.substr(0, bang);
    const size_t colon = head.find(':');
    f.prefix = std::string(head.substr(0, colon));
    if (colon != std::string_view::npos) {
        std::string_view value = head.substr(colon + 1);
        f.below = !value.empty() && value.front() == '\\';
        f.value = std::string(f.below ? value.substr(1) : value);
    }
    return f;
}

// The gates of the symbol's package and the body variants it draws.
int gateCount(int symbolIndex)
{
    int gates = 1, count = 0, first = 0;
    if (FindPartPin(symbolIndex, &gates, &count, &first, 0, nullptr) == 0)
        return 1;
    return std::max(1, gates);
}

int variantCount(const PartSymbol& symbol)
{
    int variants = 0;
    const int end = symbol.w[1] + symbol.w[2];
    for (int h = symbol.w[1]; h >= 1 && h < end && h <= g_symbolElements.count && variants < kVariantRadios;) {
        ++variants;
        const int last = g_symbolElements[h].w[1];
        if (last < h)
            break;
        h = last + 1;
    }
    return std::max(1, variants);
}

std::string withMicroSigns(std::string value)
{
    std::replace(value.begin(), value.end(), 'u', kMicroSign);
    return value;
}

std::string libraryOf(const std::string& symbolFile) { return symbolFile.substr(0, symbolFile.find('\\')); }

DrawObject* partAt(int index)
{
    if (index < 1 || index > g_current.count || static_cast<size_t>(index) >= g_current.objects.size())
        return nullptr;
    DrawObject& o = g_current.objects[static_cast<size_t>(index)];
    return o.isPart() ? &o : nullptr;
}

}  // namespace

CEditPartDlg::CEditPartDlg(int index, plat::Wnd* parent) : plat::Dialog(scm::kIddEditPart, parent), index_(index)
{
    onCommand(scm::kIdcPartThruHole, &CEditPartDlg::OnThruHole);
    onCommand(scm::kIdcPartSurface, &CEditPartDlg::OnSurface);
    onCommand(scm::kIdcPartDefaultPackage, &CEditPartDlg::OnDefaultPackage);
    onCommand(scm::kIdcPartUserPackage, &CEditPartDlg::OnUserPackage);
    onCommand(scm::kIdcPartBrowse, &CEditPartDlg::OnBrowse);
    onCommand(scm::kIdcPartFindModel, &CEditPartDlg::OnFindModel);
    onCommand(scm::kIdcPartReset, &CEditPartDlg::OnReset);
    onCommand(scm::kIdcPartExpand, &CEditPartDlg::OnExpand);
}

bool CEditPartDlg::OnInitDialog()
{
    const DrawObject* part = partAt(index_);
    const PartSymbol* symbol = part ? SymbolOfInstance(*part) : nullptr;
    if (!symbol)
        return true;
    const LabelFields label = splitLabel(part->text ? part->text : "");
    const int w5 = part->w[5];
    const bool hidden = w5 != kLeftAlone && (w5 & kHiddenBit) != 0;
    SetDlgItemText(scm::kIdcPartPrefix, label.prefix);
    if (hidden || part->w[6] > 0)
        SetDlgItemInt(scm::kIdcPartNumber, part->w[6]);
    SetDlgItemText(scm::kIdcPartValue, label.value);
    CheckDlgButton(scm::kIdcPartAlignBelow, label.below);
    CheckDlgButton(scm::kIdcPartFix, (part->w[4] & kFixedBit) != 0);
    CheckDlgButton(scm::kIdcPartHide, hidden);

    const int gates = gateCount(part->symbolIndex());
    char of[32];
    std::snprintf(of, sizeof of, "of %d", gates);
    SetDlgItemText(scm::kIdcPartOf, of);
    const int fields = w5 == kLeftAlone ? 0 : w5;
    SetDlgItemInt(scm::kIdcPartInstance, (fields & 7) + 1);
    CheckRadioButton(scm::kIdcPartThruHole, scm::kIdcPartSurface,
                     (fields & kSurfaceBit) ? scm::kIdcPartSurface : scm::kIdcPartThruHole);
    const int variants = variantCount(*symbol);
    CheckRadioButton(scm::kIdcPartSymbolFirst, scm::kIdcPartSymbolLast,
                     scm::kIdcPartSymbolFirst + static_cast<unsigned>(std::min((fields >> 3) & 3, variants - 1)));
    for (int v = variants; v < kVariantRadios; ++v)
        EnableDlgItem(scm::kIdcPartSymbolFirst + static_cast<unsigned>(v), false);

    const bool user = !label.package.empty();
    CheckRadioButton(scm::kIdcPartDefaultPackage, scm::kIdcPartUserPackage,
                     user ? scm::kIdcPartUserPackage : scm::kIdcPartDefaultPackage);
    SetDlgItemText(scm::kIdcPartPackage, user ? label.package : "None");
    EnableDlgItem(scm::kIdcPartBrowse, user);

    SetDlgItemText(scm::kIdcPartRotation, quill::AngleText(PartOrientation(part->w[7])));
    CheckDlgButton(scm::kIdcPartMirror, PartMirror(part->w[7]));
    SetDlgItemText(scm::kIdcPartSymbolFile, symbol->name);
    fillModel(*symbol, label.prefix);
    return true;
}

void CEditPartDlg::fillModel(const PartSymbol& symbol, const std::string& prefix)
{
    const std::string library = plat::upperCaseAscii(libraryOf(symbol.name));
    std::string family = library;
    bool digital = false;
    if (library.find("GENXX") != std::string::npos || library == "TTL") {
        family = "TTL";
        digital = true;
    } else if (library.find("CMOS") != std::string::npos) {
        family = "CMOS";
        digital = true;
    } else if (library.rfind("10", 0) == 0) {
        family = "ECL";
        digital = true;
    } else if (library.find("DEVICE") != std::string::npos && !prefix.empty() &&
               (prefix[0] == 'D' || prefix[0] == 'Q' || prefix[0] == 'J')) {
        family = "SEMICON";
        deviceLetter_ = prefix[0];
        modelType_ = PartNameOf(symbol);
    }
    SetDlgItemText(scm::kIdcPartModelFile, family + (digital ? ".LIB" : ".MOD"));
    SetDlgItemText(scm::kIdcPartSimKind, digital ? "(Digital)" : "(SPICE or unknown)");
}

void CEditPartDlg::OnThruHole()
{
    const DrawObject* part = partAt(index_);
    const PartSymbol* symbol = part ? SymbolOfInstance(*part) : nullptr;
    if (symbol)
        SetDlgItemText(scm::kIdcPartPackage, symbol->package.substr(0, symbol->package.find(',')));
}

void CEditPartDlg::OnSurface()
{
    const DrawObject* part = partAt(index_);
    const PartSymbol* symbol = part ? SymbolOfInstance(*part) : nullptr;
    if (!symbol)
        return;
    const size_t comma = symbol->package.find(',');
    SetDlgItemText(scm::kIdcPartPackage, comma == std::string::npos ? symbol->package : symbol->package.substr(comma + 1));
}

void CEditPartDlg::OnDefaultPackage() { EnableDlgItem(scm::kIdcPartBrowse, false); }

void CEditPartDlg::OnUserPackage() { EnableDlgItem(scm::kIdcPartBrowse, true); }

void CEditPartDlg::OnBrowse()
{
    if (const std::optional<std::string> package = ChooseBoardPackage(this))
        SetDlgItemText(scm::kIdcPartPackage, *package);
}

void CEditPartDlg::OnFindModel()
{
    const std::string model = ProgramFilePath(GetDlgItemText(scm::kIdcPartModelFile, 80));
    if (deviceLetter_ == 0) {
        plat::uiHost().showTextFile(model);
        return;
    }
    if (const std::optional<std::string> chosen = ChooseSemiconductorModel(model, deviceLetter_, modelType_, this))
        SetDlgItemText(scm::kIdcPartValue, *chosen);
}

void CEditPartDlg::OnReset() { resetLabel_ = true; }

void CEditPartDlg::OnExpand()
{
    const DrawObject* part = partAt(index_);
    const PartSymbol* symbol = part ? SymbolOfInstance(*part) : nullptr;
    if (!symbol)
        return;
    const std::string& name = symbol->name;
    const size_t slash = name.rfind('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == name.size()) {
        plat::MessageBox("Part not found: " + name);
        return;
    }
    // The editor borrows the drawing's current-document values and gives them back when it
    // closes, and a save there may load the drawing's part types again: what this dialog shows
    // is stale by then, so Expand always ends it as Cancel.
    RunLibraryPartEditor(this, std::string_view(name).substr(0, slash), std::string_view(name).substr(slash + 1));
    EndDialog(plat::kIdCancel);
}

void CEditPartDlg::applyLabel(DrawObject& part) const
{
    const LabelFields old = splitLabel(part.text ? part.text : "");
    // Only a label that starts with a capital letter is one this dialog rebuilds.
    if (old.prefix.empty() || old.prefix[0] < 'A' || old.prefix[0] > 'Z')
        return;
    const std::string value = withMicroSigns(GetDlgItemText(scm::kIdcPartValue, kMaxValue));
    std::string label = IsDlgButtonChecked(scm::kIdcPartAlignBelow) && !value.empty()
                            ? quill::PrefixValueLabel(old.prefix, "\\" + value)
                            : quill::PrefixValueLabel(old.prefix, value);
    const std::string package = GetDlgItemText(scm::kIdcPartPackage, kMaxValue);
    if (IsDlgButtonChecked(scm::kIdcPartUserPackage) && !package.empty() && package != "None")
        label += (label.find(':') == std::string::npos ? ":!" : "!") + package;
    char* text = StrDupChecked(label);
    if (!text)
        return;
    FreeStr(part.text);
    part.text = text;
}

int CEditPartDlg::symbolOfValue(const DrawObject& part) const
{
    const std::string value = withMicroSigns(GetDlgItemText(scm::kIdcPartValue, kMaxValue));
    if (value == splitLabel(part.text ? part.text : "").value)
        return part.symbolIndex();
    const size_t slash = value.rfind('\\');
    const std::string library = slash == std::string::npos ? "DEVICE" : value.substr(0, slash);
    const std::string name = slash == std::string::npos ? value : value.substr(slash + 1);
    if (value.empty() || name.empty() || LoadLibraryPart(library, name) != 1 || g_partSymbols.current > kMaxPlaceableSymbol) {
        plat::MessageBox("No library part is named " + (value.empty() ? std::string("by an empty value") : value) +
                         "\nThe value names the part the drawing keeps.");
        return 0;
    }
    return g_partSymbols.current;
}

void CEditPartDlg::OnOK()
{
    DrawObject* found = partAt(index_);
    const PartSymbol* symbol = found ? SymbolOfInstance(*found) : nullptr;
    if (!symbol) {
        EndDialog(plat::kIdCancel);
        return;
    }
    // Nothing changes unless the part will still be found when the drawing is read again.
    const int newSymbol = symbolOfValue(*found);
    if (newSymbol == 0)
        return;
    PushUndoSnapshotOf(std::span<const int>(&index_, 1));
    DrawObject& part = *found;
    part.setType(kObjPart + newSymbol);
    symbol = SymbolOfInstance(part);
    const int rotation = quill::TypedAngleTenths(GetDlgItemText(scm::kIdcPartRotation, 20), true);
    part.w[7] = rotation + (IsDlgButtonChecked(scm::kIdcPartMirror) ? kMirrorFlag : 0);
    part.w[4] = IsDlgButtonChecked(scm::kIdcPartFix) ? (part.w[4] | kFixedBit) : (part.w[4] & kKeptKindBits);
    if (part.w[5] != kLeftAlone) {
        // The instance counts from 1 to the package's number of parts; anything else would
        // spill into the variant bits or mark the part as never renumbered.
        const int instance = std::clamp(GetDlgItemInt(scm::kIdcPartInstance), 1, gateCount(part.symbolIndex())) - 1;
        const unsigned radio = GetCheckedRadioButton(scm::kIdcPartSymbolFirst, scm::kIdcPartSymbolLast);
        const int variant = std::min(radio == 0 ? 0 : static_cast<int>(radio - scm::kIdcPartSymbolFirst), variantCount(*symbol) - 1);
        part.w[5] = instance + 8 * variant + (IsDlgButtonChecked(scm::kIdcPartSurface) ? kSurfaceBit : 0) +
                    (IsDlgButtonChecked(scm::kIdcPartHide) ? kHiddenBit : 0);
    }
    part.w[6] = GetDlgItemInt(scm::kIdcPartNumber);
    applyLabel(part);
    if (resetLabel_)
        SetPartLabelAnchor(part);
    EndDialog(plat::kIdOk);
}

bool RunEditPartDialog(int index)
{
    const DrawObject* part = partAt(index);
    const PartSymbol* symbol = part ? SymbolOfInstance(*part) : nullptr;
    if (!symbol)
        return false;
    const std::string name = plat::upperCaseAscii(symbol->name);
    for (const char* special : {"FUNGEN", "PATGEN", "GND"})
        if (name.find(special) != std::string::npos)
            return false;
    CEditPartDlg dialog(index);
    return dialog.DoModal() == plat::kIdOk;
}
