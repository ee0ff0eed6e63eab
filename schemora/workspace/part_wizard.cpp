#include "schemora/workspace/part_wizard.h"

#include "platform/app/resources.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/system/files.h"
#include "resources/schemora/part_wizard_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/part_library.h"
#include "schemora/workspace/model_package_pickers.h"
#include "schemora/workspace/pin_description_file.h"
#include "schemora/workspace/wizard_pictures.h"

#include <algorithm>
#include <cstdlib>

using namespace scm;

PartWizardAnswers g_partWizard;

namespace {

constexpr const char* kTypeNames[kWizardPinTypes] = {"Input",     "Output",         "Tristate",     "Bi-directional",
                                                     "Analog In", "Analog Out",     "Hidden",       "Open Collect.",
                                                     "Programmable", "Don't Care", "Unknown", "VCC", "Ground"};
constexpr const char* kSideNames[kWizardPinSides] = {"Left", "Right", "Top", "Bottom", "None"};
constexpr unsigned kSideIds[kWizardRows] = {kIdcWizSideRow0, kIdcWizSideRow1, kIdcWizSideRow1 + 1, kIdcWizSideRow1 + 2};
constexpr unsigned kTypeIds[] = {kIdcWizBlock, kIdcWizGate, kIdcWizAmplifier, kIdcWizDiscrete};
constexpr int kMinBlockPins = 4, kMaxBlockPins = 499;
constexpr int kMinAmplifierPins = 3, kMaxAmplifierPins = 7;
constexpr int kMinLoadedPins = 8;
constexpr const char* kGateLibrary = "Symbol";
constexpr size_t kPartNameChars = 80;
constexpr unsigned kRowIds[] = {kIdcWizPinFirst, kIdcWizLabelFirst, kIdcWizTypeFirst};

int signedNumber(const plat::Dialog& page, unsigned id)
{
    return static_cast<int>(std::strtol(page.GetDlgItemText(id, 20).c_str(), nullptr, 10));
}

}  // namespace

// ---- page 1: symbol type ----

CPwiz1::CPwiz1(PartWizardAnswers& answers) : plat::PropertyPage(kIddWizardType), a_(answers)
{
    onCommandRange(kIdcWizBlock, kIdcWizDiscrete, &CPwiz1::OnType);
}

bool CPwiz1::OnInitDialog()
{
    a_.kind = SymbolKind::Block;
    CheckRadioButton(kIdcWizBlock, kIdcWizDiscrete, kIdcWizBlock);
    // Without a "Symbol" library the list stays empty; Finish tells that the gate is missing.
    std::vector<std::string> gates;
    if (plat::fileExists(LibraryFilePath(kGateLibrary, false)))
        FillLibraryPartList(gates, kGateLibrary, false);
    if (plat::Control* list = GetDlgItem(kIdcWizGateList)) {
        for (const std::string& gate : gates)
            list->AddString(gate);
        list->SetCurSel(gates.empty() ? -1 : 0);
    }
    showType();
    return true;
}

bool CPwiz1::OnSetActive()
{
    SetWizardButtons(plat::kPswizbNext);
    return true;
}

void CPwiz1::OnType(unsigned id)
{
    const auto* at = std::find(std::begin(kTypeIds), std::end(kTypeIds), id);
    if (at == std::end(kTypeIds))
        return;
    a_.kind = static_cast<SymbolKind>(at - std::begin(kTypeIds));
    showType();
}

void CPwiz1::showType()
{
    ShowDlgItem(kIdcWizGateList, a_.kind == SymbolKind::LogicGate ? plat::kSwShow : plat::kSwHide);
    SetDlgItemText(kIdcWizTypeText, plat::LoadString(kStrBlockText + static_cast<unsigned>(a_.kind)));
    if (plat::Control* picture = GetDlgItem(kIdcWizPicture))
        picture->Invalidate();
}

long CPwiz1::OnWizardNext()
{
    if (const plat::Control* list = GetDlgItem(kIdcWizGateList); list && list->GetCurSel() >= 0)
        a_.gate = list->GetItemText(list->GetCurSel());
    else
        a_.gate.clear();
    return 0;
}

void CPwiz1::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId == kIdcWizPicture && item.dc)
        DrawSymbolTypePicture(*item.dc, item.rcItem, a_.kind);
}

// ---- page 2: part information ----

CPwiz2::CPwiz2(PartWizardAnswers& answers) : plat::PropertyPage(kIddWizardInfo), a_(answers)
{
    onCommand(kIdcWizBrowsePackage, &CPwiz2::OnBrowsePackage);
}

// The board program's package catalogues: the chosen package is named "LIBRARY\PART".
void CPwiz2::OnBrowsePackage()
{
    if (const std::optional<std::string> chosen = ChooseBoardPackage(this))
        SetDlgItemText(kIdcWizPackage, *chosen);
}

bool CPwiz2::OnInitDialog()
{
    if (plat::Control* letters = GetDlgItem(kIdcWizDesignator)) {
        for (char c = 'a'; c <= 'z'; ++c)
            if (c != 'p')
                letters->AddString(std::string(1, c));
        letters->SetCurSel(19);
    }
    SetDlgItemText(kIdcWizDescription, "Enter part description here");
    const int pins = a_.kind == SymbolKind::Amplifier ? 7 : a_.kind == SymbolKind::Discrete ? 2 : 20;
    SetDlgItemInt(kIdcWizPins, pins);
    SetDlgItemText(kIdcWizName, "untitled");
    SetDlgItemText(kIdcWizPackage, "NONE");
    return true;
}

bool CPwiz2::OnSetActive()
{
    const bool discrete = a_.kind == SymbolKind::Discrete;
    if (discrete)
        SetDlgItemInt(kIdcWizPins, 2);
    // The label names the counts the symbol type can draw, so that none is refused unasked.
    SetDlgItemText(kIdcWizPinsLabel, a_.kind == SymbolKind::Amplifier ? "Number of pins (3 to 7):"
                                     : a_.kind == SymbolKind::Block   ? "Number of pins (4 to 499):"
                                                                      : "Number of pins:");
    // A count typed for another symbol type gives way to the amplifier's own.
    if (const int pins = signedNumber(*this, kIdcWizPins); a_.kind == SymbolKind::Amplifier && shownFor_ != a_.kind &&
                                                           (pins < kMinAmplifierPins || pins > kMaxAmplifierPins))
        SetDlgItemInt(kIdcWizPins, kMaxAmplifierPins);
    shownFor_ = a_.kind;
    for (const unsigned id : {kIdcWizPins, kIdcWizPinsLabel})
        ShowDlgItem(id, discrete ? plat::kSwHide : plat::kSwShow);
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbNext);
    return true;
}

long CPwiz2::OnWizardNext()
{
    int pins = signedNumber(*this, kIdcWizPins);
    // An amplifier's count decides its triangle: another count is refused, not changed.
    if (a_.kind == SymbolKind::Amplifier && (pins < kMinAmplifierPins || pins > kMaxAmplifierPins)) {
        plat::MessageBox("An amplifier has 3 to 7 pins.", plat::kMbIconExclamation);
        return -1;
    }
    if (a_.kind == SymbolKind::Block)
        pins = std::clamp(pins, kMinBlockPins, kMaxBlockPins);
    else if (a_.kind == SymbolKind::Discrete)
        pins = 2;
    SetDlgItemInt(kIdcWizPins, pins);
    a_.pins = pins;
    if (const plat::Control* letters = GetDlgItem(kIdcWizDesignator); letters && letters->GetCurSel() >= 0)
        a_.designator = letters->GetItemText(letters->GetCurSel());
    a_.description = GetDlgItemText(kIdcWizDescription);
    a_.package = GetDlgItemText(kIdcWizPackage);
    a_.name = GetDlgItemText(kIdcWizName);
    if (a_.kind == SymbolKind::Block)
        return kIddWizardPins;
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbFinish);
    return kIddWizardOutput;
}

void CPwiz2::showLoaded()
{
    if (!created())
        return;
    SetDlgItemInt(kIdcWizPins, a_.pins);
    SetDlgItemText(kIdcWizDescription, a_.description);
    SetDlgItemText(kIdcWizPackage, a_.package);
    SetDlgItemText(kIdcWizName, a_.name);
}

// ---- page 3: pin table ----

CPwiz3::CPwiz3(PartWizardAnswers& answers, CPwiz2& information)
    : plat::PropertyPage(kIddWizardPins), a_(answers), information_(information)
{
    onCommand(kIdcWizSortNames, &CPwiz3::OnSortNames);
    onCommand(kIdcWizLoadPins, &CPwiz3::OnLoadPins);
    onCommand(kIdcWizSavePins, &CPwiz3::OnSavePins);
}

bool CPwiz3::OnInitDialog()
{
    FillDefaultWizardPins(a_.table, a_.pins);
    for (int r = 0; r < kWizardRows; ++r) {
        plat::Control* type = GetDlgItem(kIdcWizTypeFirst + static_cast<unsigned>(r));
        plat::Control* side = GetDlgItem(kSideIds[r]);
        for (const char* name : kTypeNames)
            if (type)
                type->AddString(name);
        for (const char* name : kSideNames)
            if (side)
                side->AddString(name);
    }
    CheckDlgButton(kIdcWizSortNames, a_.noSort ? 0 : 1);
    resetScroll();
    return true;
}

bool CPwiz3::OnSetActive()
{
    resetScroll();
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbNext);
    return true;
}

// What the rows show belongs to the table as soon as the page is left.
bool CPwiz3::OnKillActive()
{
    storeRows();
    return true;
}

long CPwiz3::OnWizardNext()
{
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbFinish);
    return kIddWizardOutput;
}

void CPwiz3::resetScroll()
{
    first_ = std::clamp(first_, 0, std::max(0, a_.pins - kWizardRows));
    if (plat::Control* bar = GetDlgItem(kIdcWizScroll))
        bar->SetScrollInfo({plat::kSifAll, 0, std::max(0, a_.pins - 1), static_cast<unsigned>(kWizardRows), first_, 0});
    showRows(first_);
}

void CPwiz3::showRows(int first)
{
    shown_ = first;
    for (int r = 0; r < kWizardRows; ++r) {
        const int i = first + r;
        const bool used = i < a_.pins;
        const WizardPin* p = used ? &a_.table[static_cast<size_t>(i)] : nullptr;
        SetDlgItemText(kIdcWizPinFirst + static_cast<unsigned>(r), p ? p->number : "");
        SetDlgItemText(kIdcWizLabelFirst + static_cast<unsigned>(r), p ? p->label : "");
        if (plat::Control* type = GetDlgItem(kIdcWizTypeFirst + static_cast<unsigned>(r)))
            type->SetCurSel(p ? p->type : -1);
        if (plat::Control* side = GetDlgItem(kSideIds[r]))
            side->SetCurSel(p ? p->side : -1);
        for (const unsigned id : kRowIds)
            EnableDlgItem(id + static_cast<unsigned>(r), used);
        EnableDlgItem(kSideIds[r], used);
    }
}

void CPwiz3::storeRows()
{
    for (int r = 0; r < kWizardRows; ++r) {
        const int i = shown_ + r;
        if (i >= a_.pins)
            continue;
        WizardPin& p = a_.table[static_cast<size_t>(i)];
        p.number = FirstChars(GetDlgItemText(kIdcWizPinFirst + static_cast<unsigned>(r)), kWizardPinNumberChars);
        p.label = FirstChars(GetDlgItemText(kIdcWizLabelFirst + static_cast<unsigned>(r)), kWizardLabelChars);
        if (const plat::Control* type = GetDlgItem(kIdcWizTypeFirst + static_cast<unsigned>(r)); type && type->GetCurSel() >= 0)
            p.type = type->GetCurSel();
        if (const plat::Control* side = GetDlgItem(kSideIds[r]); side && side->GetCurSel() >= 0)
            p.side = side->GetCurSel();
    }
}

void CPwiz3::OnVScroll(unsigned code, unsigned pos, plat::Control*)
{
    const int last = std::max(0, a_.pins - kWizardRows);
    switch (code) {
    case plat::kSbLineUp: first_ = std::max(0, first_ - 1); break;
    case plat::kSbLineDown: first_ = std::min(last, first_ + 1); break;
    case plat::kSbPageUp: first_ = std::max(0, first_ - kWizardRows); break;
    case plat::kSbPageDown: first_ = std::min(last, first_ + kWizardRows); break;
    case plat::kSbThumbPosition:
    case plat::kSbThumbTrack: first_ = std::clamp(static_cast<int>(pos), 0, last); break;
    case plat::kSbEndScroll:
        storeRows();
        showRows(first_);
        break;
    default: break;
    }
    if (plat::Control* bar = GetDlgItem(kIdcWizScroll))
        bar->SetPos(first_);
}

void CPwiz3::OnSortNames() { a_.noSort = IsDlgButtonChecked(kIdcWizSortNames) == 0; }

void CPwiz3::OnLoadPins()
{
    storeRows();
    plat::FileDialogRequest request;
    request.filter = plat::LoadString(kStrPinDescriptionFilter);
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (!chosen.path.empty() && ReadPinDescriptions(chosen.path, a_))
        CheckDlgButton(kIdcWizSortNames, a_.noSort ? 0 : 1);
    a_.pins = std::clamp(a_.pins, kMinLoadedPins, kWizardPinRecords);
    information_.showLoaded();
    first_ = 0;
    resetScroll();
}

void CPwiz3::OnSavePins()
{
    storeRows();
    std::string name = FirstChars(a_.name, kPartNameChars);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos)
        name.resize(dot);
    plat::FileDialogRequest request;
    request.open = false;
    request.filter = plat::LoadString(kStrPinDescriptionFilter);
    request.defaultName = name + ".LIB";
    // Beside the libraries the file is listed for the build utility.
    request.initialFolder = g_folders.libraryFolder;
    const plat::FileDialogResult chosen = plat::uiHost().fileDialog(request);
    if (!chosen.path.empty())
        WritePinDescriptions(chosen.path, a_);
}

// ---- page 4: output ----

CPwiz4::CPwiz4(PartWizardAnswers& answers, PartWizardFinish finish)
    : quill::WizardOutputPage(kIddWizardOutput, kIdcWizSaveToLibrary, kIdcWizEditFirst), a_(answers),
      finish_(std::move(finish))
{
}

long CPwiz4::previousPage() const { return a_.kind == SymbolKind::Block ? kIddWizardPins : kIddWizardInfo; }

bool CPwiz4::OnWizardFinish()
{
    if (a_.package == "NONE")
        plat::MessageBox("Warning: Package part name not entered.", plat::kMbIconExclamation);
    a_.pins = std::min(a_.pins, kWizardPinRecords);
    a_.saveToLibrary = GetCheckedRadioButton(kIdcWizSaveToLibrary, kIdcWizEditFirst) == kIdcWizSaveToLibrary;
    return !finish_ || finish_(a_);
}

// ---- the sheet ----

PartWizardPages::PartWizardPages(PartWizardAnswers& answers, PartWizardFinish finish)
    : type_(answers), information_(answers), pins_(answers, information_), output_(answers, std::move(finish))
{
}

CPartWizard::CPartWizard(PartWizardAnswers& answers, PartWizardFinish finish, plat::Wnd* parent)
    : PartWizardPages(answers, std::move(finish)), plat::PropertySheet("Library Part Wizard", parent)
{
    AddPage(&type_);
    AddPage(&information_);
    AddPage(&pins_);
    AddPage(&output_);
    SetWizardMode();
    removeApplyButton();
}
