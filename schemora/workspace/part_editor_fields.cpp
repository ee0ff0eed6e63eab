// The part editor's property fields (reference letter, package, comments), Save Part and New
// Part.
#include "schemora/workspace/part_editor.h"

#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/workspace/library_parts_dialog.h"
#include "schemora/workspace/library_save_dialogs.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kDefaultReference = 19;   // "U"
constexpr int kMaxReferenceChars = 10;
constexpr int kAllSymbolsLayer = 4;
const unsigned kAdvancedControls[] = {scm::kIdcEditorPartsLabel,  scm::kIdcEditorPartsPerPackage,
                                      scm::kIdcEditorPartLabel,   scm::kIdcEditorPartLetter,
                                      scm::kIdcEditorSymbolsLabel, scm::kIdcEditorSymbolCount,
                                      scm::kIdcEditorHiddenPins};

// The reference combo lists A to Z without P, which names no part.
char letterOfSelection(int sel) { return static_cast<char>('A' + sel + (sel >= 15 ? 1 : 0)); }

}  // namespace

void CPartEditorDlg::fillFieldControls()
{
    plat::Control* ref = GetDlgItem(scm::kIdcEditorReference);
    ref->ResetContent();
    for (int i = 0; i < 25; ++i)
        ref->AddString(std::string(1, letterOfSelection(i)));
    ref->SetCurSel(kDefaultReference);
    reference_ = "U";
    for (const unsigned id : {scm::kIdcEditorPartsPerPackage, scm::kIdcEditorSymbolCount}) {
        plat::Control* combo = GetDlgItem(id);
        combo->ResetContent();
        for (int i = 1; i <= (id == scm::kIdcEditorSymbolCount ? 4 : 8); ++i)
            combo->AddString(std::to_string(i));
        combo->SetCurSel(0);
    }
    fillPartLetters(1);
    partsChoice_ = 0;
    RebuildSymbolTabs(1);
}

void CPartEditorDlg::OnReferenceChosen()
{
    const int sel = GetDlgItem(scm::kIdcEditorReference)->GetCurSel();
    if (sel < 0 || sel >= 25)
        return;
    reference_ = std::string(1, letterOfSelection(sel));
    writeNameRecordText(1);
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::OnReferenceFocusLost()
{
    SetEditFocus(false);
    std::string typed = GetDlgItemText(scm::kIdcEditorReference, kMaxReferenceChars);
    if (typed.empty())
        return;
    // Designators are capitals: a letter typed in lower case is taken as its capital.
    if (std::ranges::any_of(typed, [](char c) { return c >= 'a' && c <= 'z'; })) {
        std::ranges::transform(typed, typed.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        GetDlgItem(scm::kIdcEditorReference)->setText(typed);
    }
    if (!std::ranges::all_of(typed, [](char c) { return c >= 'A' && c <= 'Z'; })) {
        plat::MessageBox("Only letters are allowed in reference designator");
        return;
    }
    if (typed[0] == 'P' || typed == reference_)
        return;
    reference_ = typed;
    writeNameRecordText(1);
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::OnCommentsChanged() { SetModified(); }

void CPartEditorDlg::OnAdvanced()
{
    const bool shown = IsDlgButtonChecked(scm::kIdcEditorAdvanced) != 0;
    for (const unsigned id : kAdvancedControls)
        ShowDlgItem(id, shown ? plat::kSwShow : plat::kSwHide);
}

// Record 1 shows "Ref(U)", record 2 the part's name.
void CPartEditorDlg::writeNameRecordText(int record)
{
    std::string text = partName_.empty() ? std::string("Name") : partName_;
    if (record == 1) {
        text = "Ref(";
        text.append(reference_).push_back(')');
    }
    const auto words = store_[record].w;
    ReleaseObjectData(store_[record]);
    store_[record] = MakeDrawObject(words, text.c_str());
}

// ---- Save Part and New Part ----

// Save Library Part proposes the part's own names: the library it came from (a new part: the
// library chosen last) and its name (none yet for a new part, so that no stored part is
// replaced by a mere OK).
bool CPartEditorDlg::savePart()
{
    quill::LibraryChoiceState names{library_.empty() ? g_libraryChoice.library : library_, partName_};
    CSaveLibPartDlg dialog(this, names, [this](std::string_view library, std::string_view part) {
        return SaveEditorPartToLibrary(objects(), fields(), library, part);
    });
    if (dialog.DoModal() != plat::kIdOk)
        return false;
    partName_ = names.part;
    library_ = names.library;
    g_libraryChoice = names;
    writeNameRecordText(2);
    // The saved part is the part on screen; only a later change asks again before closing.
    SetModified(false);
    InvalidatePartArea();
    return true;
}

void CPartEditorDlg::OnSavePart() { savePart(); }

void CPartEditorDlg::OnNewPart()
{
    if (plat::MessageBox("Start a new part?", plat::kMbYesNo) != plat::kIdYes)
        return;
    // The part on screen goes only after it was saved or the person chose not to save it.
    if (isModified()) {
        const int answer = plat::MessageBox("Save current part?", plat::kMbYesNo);
        if (answer == plat::kIdYes && !savePart())
            return;
    }
    ResetEditInteraction();
    ClearUndoRing();
    partName_.clear();
    library_.clear();
    fillFieldControls();
    clearPart();
    SetDlgItemText(scm::kIdcEditorPackage, "");
    SetDlgItemText(scm::kIdcEditorComments, "");
    SetModified(false);
    InvalidatePartArea();
}

// Fewer parts per package take pins away: asked first, and No keeps the number there was.
void CPartEditorDlg::OnPartsPerPackage()
{
    plat::Control* parts = GetDlgItem(scm::kIdcEditorPartsPerPackage);
    const int sel = parts->GetCurSel();
    if (sel < partsChoice_ &&
        plat::MessageBox("You have decreased the number of parts.\nThis will remove pins. Proceed?", plat::kMbYesNo) !=
            plat::kIdYes) {
        parts->SetCurSel(partsChoice_);
        return;
    }
    if (sel < partsChoice_)
        pins_.RemovePinsOfPartsFrom(sel + 1);
    fillPartLetters(sel + 1);
    partsChoice_ = sel;
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::fillPartLetters(int parts)
{
    plat::Control* letters = GetDlgItem(scm::kIdcEditorPartLetter);
    letters->ResetContent();
    for (int i = 0; i < parts; ++i)
        letters->AddString(std::string(1, static_cast<char>('A' + i)));
    letters->SetCurSel(0);
    shownLetter_ = 0;
}

// The terminals show the chosen part's pin numbers; the drawing itself keeps part A's.
void CPartEditorDlg::OnPartLetter()
{
    shownLetter_ = std::max(GetDlgItem(scm::kIdcEditorPartLetter)->GetCurSel(), 0);
    InvalidatePartArea();
}

std::string CPartEditorDlg::ShownPinText(int index, std::string ownText) const
{
    if (shownLetter_ == 0 || index < 1 || index > objectCount_)
        return ownText;
    const EditorPin* pin = pins_.PinOfPart(index, SymbolVariantOf(store_[index]), shownLetter_);
    return pin ? pin->number : std::string("?");
}

// One tab per symbol, and "All" to see and edit them together when there are several.
void CPartEditorDlg::RebuildSymbolTabs(int symbols)
{
    static constexpr const char* kTabNames[] = {"Symbol 1 (Normal)", "Symbol 2 (De Morgan)", "Symbol 3", "Symbol 4"};
    symbols = std::clamp(symbols, 1, kSymbolVariants);
    FillViewTabs(scm::kIdcEditorTabs, kTabNames, symbols, "All");
    GetDlgItem(scm::kIdcEditorSymbolCount)->SetCurSel(symbols - 1);
    showSymbol(0, 0);
}

void CPartEditorDlg::OnSymbolCount()
{
    RebuildSymbolTabs(GetDlgItem(scm::kIdcEditorSymbolCount)->GetCurSel() + 1);
    SetModified();
    InvalidatePartArea();
}

void CPartEditorDlg::OnSymbolTab()
{
    const int tab = GetDlgItem(scm::kIdcEditorTabs)->GetCurSel();
    const int symbols = std::clamp(GetDlgItem(scm::kIdcEditorSymbolCount)->GetCurSel() + 1, 1, kSymbolVariants);
    if (tab < 0 || tab > symbols)
        return;
    // "All" shows every symbol and draws on the layer they share; new pins still number in
    // the symbol chosen last.
    showSymbol(tab == symbols ? variant_ : tab, tab == symbols ? kAllSymbolsLayer : tab);
    InvalidatePartArea();
}

// The drawing engine works on the symbol's layer; nothing stays selected or half-dragged.
void CPartEditorDlg::showSymbol(int variant, int layer)
{
    variant_ = variant;
    g_sheetView.layerFilter = layer;
    g_editState.CurrentTool = kToolSelect;
    ResetEditInteraction();
}
