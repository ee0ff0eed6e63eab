#include "schemora/netlist/signal_sources.h"

#include "common/string_helpers.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/netlist/netlist_text.h"

#include <cstdlib>
#include <cstring>

using namespace scm;
using netlist::Format;

SignalSourceState g_signalSource;

namespace {

constexpr int kFieldChars = 19;
constexpr int kReferenceChars = 20;
constexpr int kMaxReference = 511;
constexpr int kHideBit = 15;
constexpr int kFixFlag = 1 << 14;
constexpr int kPwlRows = 8;

DrawObject* clicked()
{
    const int index = g_signalSource.ClickedObjectIndex;
    if (index < 1 || index > g_current.count || index >= static_cast<int>(g_current.objects.size()))
        return nullptr;
    return &g_current.objects[static_cast<size_t>(index)];
}

std::string clickedText()
{
    const DrawObject* o = clicked();
    return o && o->text ? o->text : "";
}

std::string labelOf(const std::string& text) { return text.substr(0, text.find(':')); }

// The text after the first ":" (one "\" right after it skipped); empty without a ":".
std::string sourceOf(const std::string& text)
{
    const size_t colon = text.find(':');
    if (colon == std::string::npos)
        return {};
    std::string rest = text.substr(colon + 1);
    if (!rest.empty() && rest[0] == '\\')
        rest.erase(0, 1);
    return rest;
}

// The words after the first one (label, colon and keyword).
std::vector<std::string> waveformWords()
{
    std::vector<std::string> words = netlist::SplitWords(clickedText());
    if (!words.empty())
        words.erase(words.begin());
    return words;
}

std::string fieldOrZero(const plat::Dialog& d, unsigned id)
{
    const std::string text = d.GetDlgItemText(id, kFieldChars);
    return text.empty() ? "0" : text;
}

int referenceNumber(const plat::Dialog& d)
{
    const int number = std::atoi(d.GetDlgItemText(kIdcReferenceNumber, kReferenceChars).c_str());
    return number >= 0 && number <= kMaxReference ? number : 0;
}

void showReference(plat::Dialog& d, const DrawObject& o)
{
    d.SetDlgItemText(kIdcReferenceLabel, labelOf(o.text ? o.text : ""));
    const bool hidden = (o.w[5] >> kHideBit) & 1;
    if (hidden || o.w[6] >= 1)
        d.SetDlgItemText(kIdcReferenceNumber, Format("%d", o.w[6]));
    d.CheckDlgButton(kIdcHide, hidden ? 1 : 0);
    d.CheckDlgButton(kIdcFix, (o.w[4] & kFixFlag) ? 1 : 0);
}

void replaceText(DrawObject& o, const std::string& text)
{
    ReplaceObjectText(o, text);
    if (CSchemoraDoc* doc = g_current.activeDocument)
        doc->SetModifiedFlag(true);
}

void applyFix(const plat::Dialog& d, DrawObject& o)
{
    if (d.IsDlgButtonChecked(kIdcFix))
        o.w[4] |= kFixFlag;
    else
        o.w[4] &= kFixFlag - 1;
}

}  // namespace

// ---- waveforms ----

CWaveformDlg::CWaveformDlg(unsigned templateId, std::string keyword, std::vector<unsigned> fields)
    : plat::Dialog(templateId), keyword_(std::move(keyword)), fields_(std::move(fields))
{
}

bool CWaveformDlg::OnInitDialog()
{
    const std::vector<std::string> words = waveformWords();
    for (size_t i = 0; i < fields_.size() && i < words.size(); ++i)
        SetDlgItemText(fields_[i], words[i]);
    return true;
}

void CWaveformDlg::OnOK()
{
    std::string text = keyword_;
    for (unsigned id : fields_)
        text += " " + fieldOrZero(*this, id);
    g_signalSource.sourceText = text;
    plat::Dialog::OnOK();
}

CSineDlg::CSineDlg()
    : CWaveformDlg(kIddSine, "SINE", {kIdcSineOffset, kIdcSineAmplitude, kIdcSineFrequency, kIdcSineDelay, kIdcSineDamping})
{
}

CPulseDlg::CPulseDlg()
    : CWaveformDlg(kIddPulse, "PULSE",
                   {kIdcPulseInitial, kIdcPulseAmplitude, kIdcPulseDelay, kIdcPulseRise, kIdcPulseFall, kIdcPulseWidth,
                    kIdcPulsePeriod})
{
}

CSffmDlg::CSffmDlg()
    : CWaveformDlg(kIddSffm, "SFFM", {kIdcFmOffset, kIdcFmAmplitude, kIdcFmCarrier, kIdcFmIndex, kIdcFmSignal})
{
}

CPwlDlg::CPwlDlg() : plat::Dialog(kIddPwl) {}

bool CPwlDlg::OnInitDialog()
{
    const std::vector<std::string> words = waveformWords();
    for (size_t row = 0; row < kPwlRows && 2 * row < words.size(); ++row) {
        SetDlgItemText(kIdcPwlTimeFirst + static_cast<unsigned>(row), words[2 * row]);
        if (2 * row + 1 < words.size())
            SetDlgItemText(kIdcPwlValueFirst + static_cast<unsigned>(row), words[2 * row + 1]);
    }
    return true;
}

void CPwlDlg::OnOK()
{
    std::string text = "PWL";
    for (unsigned row = 0; row < kPwlRows; ++row) {
        const std::string time = GetDlgItemText(kIdcPwlTimeFirst + row, kFieldChars);
        const std::string value = GetDlgItemText(kIdcPwlValueFirst + row, kFieldChars);
        if (time.empty() || value.empty())
            break;   // the first incomplete row ends the list
        text += " " + time + " " + value;
    }
    g_signalSource.sourceText = text;
    plat::Dialog::OnOK();
}

// ---- function generator ----

CFuncGenDlg::CFuncGenDlg() : plat::Dialog(kIddFuncGen)
{
    onCommandRange(kIdcSineButton, kIdcPulseButton, &CFuncGenDlg::OnWaveform);
}

bool CFuncGenDlg::OnInitDialog()
{
    const DrawObject* o = clicked();
    if (!o)
        return true;
    showReference(*this, *o);
    g_signalSource.sourceText = sourceOf(o->text ? o->text : "");
    // Without a confirmed waveform dialog the part keeps the kind it had.
    kind_ = (o->w[5] >> 3) & 3;
    return true;
}

void CFuncGenDlg::OnWaveform(unsigned id)
{
    std::unique_ptr<plat::Dialog> dialog;
    int kind = 0;
    switch (id) {
    case kIdcSineButton: dialog = std::make_unique<CSineDlg>(); kind = 0; break;
    case kIdcPulseButton: dialog = std::make_unique<CPulseDlg>(); kind = 1; break;
    case kIdcPwlButton: dialog = std::make_unique<CPwlDlg>(); kind = 2; break;
    case kIdcFmButton: dialog = std::make_unique<CSffmDlg>(); kind = 3; break;
    default: return;
    }
    if (dialog->DoModal() == plat::kIdOk)
        kind_ = kind;
}

void CFuncGenDlg::OnOK()
{
    if (DrawObject* o = clicked()) {
        o->w[5] = (IsDlgButtonChecked(kIdcHide) << kHideBit) | (kind_ << 3);
        o->w[6] = referenceNumber(*this);
        applyFix(*this, *o);
        replaceText(*o, labelOf(o->text ? o->text : "") + ":" + g_signalSource.sourceText);
    }
    plat::Dialog::OnOK();
}

// ---- pattern generator ----

CPatternGenDlg::CPatternGenDlg() : plat::Dialog(kIddPatternGen) {}

bool CPatternGenDlg::OnInitDialog()
{
    const DrawObject* o = clicked();
    if (!o)
        return true;
    showReference(*this, *o);
    std::string source = sourceOf(o->text ? o->text : "");
    for (char& c : source)
        if (c == '=')
            c = ' ';
    const std::vector<std::string> words = netlist::SplitWords(source);
    const bool repeating = !words.empty() && netlist::Upper(words[0]) == "CLK";
    CheckDlgButton(kIdcRepeating, repeating ? 1 : 0);
    std::vector<unsigned> ids = {kIdcPatternStart, kIdcPatternStep};
    if (repeating)
        ids.push_back(kIdcPatternEnd);
    ids.push_back(kIdcPattern);
    for (size_t i = 0; i < ids.size() && i + 1 < words.size(); ++i)
        SetDlgItemText(ids[i], words[i + 1]);
    return true;
}

void CPatternGenDlg::OnOK()
{
    const std::string typed = GetDlgItemText(kIdcPattern, kFieldChars);
    const std::string pattern = typed.empty() ? "L" : typed;
    const std::string source =
        IsDlgButtonChecked(kIdcRepeating)
            ? Format("CLK %s %s %s = %s", fieldOrZero(*this, kIdcPatternStart).c_str(), fieldOrZero(*this, kIdcPatternStep).c_str(),
                     fieldOrZero(*this, kIdcPatternEnd).c_str(), pattern.c_str())
            : Format("INPUT %s %s = %s", fieldOrZero(*this, kIdcPatternStart).c_str(),
                     fieldOrZero(*this, kIdcPatternStep).c_str(), pattern.c_str());
    if (DrawObject* o = clicked()) {
        const int number = referenceNumber(*this);
        if (o->w[5] != -1) {
            o->w[5] = IsDlgButtonChecked(kIdcHide) << kHideBit;
            o->w[6] = number;
        }
        applyFix(*this, *o);
        replaceText(*o, labelOf(o->text ? o->text : "") + ":" + source);
    }
    plat::Dialog::OnOK();
}

bool OpenSignalSourceDialog(int objectIndex)
{
    if (objectIndex < 1 || objectIndex > g_current.count || objectIndex >= static_cast<int>(g_current.objects.size()))
        return false;
    const DrawObject& o = g_current.objects[static_cast<size_t>(objectIndex)];
    if (!o.isPart() || o.symbolIndex() < 1 || o.symbolIndex() >= kPartSymbolSlots)
        return false;
    const std::string name = netlist::Upper(g_partSymbols.entries[static_cast<size_t>(o.symbolIndex())].name);
    g_signalSource.ClickedObjectIndex = objectIndex;
    if (netlist::Contains(name, "FUNGEN")) {
        CFuncGenDlg dialog;
        dialog.DoModal();
        return true;
    }
    if (netlist::Contains(name, "PATGEN")) {
        CPatternGenDlg dialog;
        dialog.DoModal();
        return true;
    }
    return false;
}
