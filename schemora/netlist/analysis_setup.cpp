#include "schemora/netlist/analysis_setup.h"

#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/netlist/netlist_state.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/spice_directives.h"

#include <cstring>

using namespace scm;
using netlist::Format;

SelectedAnalysis g_selectedAnalysis;

namespace {

constexpr int kDirectiveKindWord = 1028;   // a text on drawing layer 4
constexpr int kFieldChars = 19;

DrawObject* objectAt(int index)
{
    if (index < 1 || index > g_current.count || index >= static_cast<int>(g_current.objects.size()))
        return nullptr;
    return &g_current.objects[static_cast<size_t>(index)];
}

std::string fieldAt(const std::vector<std::string>& fields, size_t i) { return i < fields.size() ? fields[i] : std::string(); }

// "V(OUT,REF)" or "V(OUT)": the node and the reference.
std::pair<std::string, std::string> nodePair(const std::string& word)
{
    const size_t open = word.find('(');
    const size_t close = word.rfind(')');
    if (open == std::string::npos)
        return {word, {}};
    const std::string inside = word.substr(open + 1, (close == std::string::npos ? word.size() : close) - open - 1);
    const size_t comma = inside.find(',');
    if (comma == std::string::npos)
        return {inside, {}};
    return {inside.substr(0, comma), inside.substr(comma + 1)};
}

void markModified()
{
    if (CSchemoraDoc* doc = g_current.activeDocument)
        doc->SetModifiedFlag(true);
}

// ---- the pages ----

class CSpiceAC : public CSpicePage {
public:
    CSpiceAC() : CSpicePage(kIddSpiceAc, kAnalysisAc) {}

protected:
    std::string directiveText() override { return "#.AC " + sweepText(); }
    void showFields(const std::vector<std::string>& f) override { showSweep(f, 1); }
};

class CSpiceTRAN : public CSpicePage {
public:
    CSpiceTRAN() : CSpicePage(kIddSpiceTran, kAnalysisTransient) {}
    bool OnInitDialog() override
    {
        fillNodePair(kIdcOutputNode, kIdcOutputReference);
        CSpicePage::OnInitDialog();
        enableChanged(IsDlgButtonChecked(kIdcEnable) != 0);
        const std::vector<std::string>& four = g_analysisDirectives.fourierFields;
        if (g_analysisDirectives.fourierIndex > 0) {
            CheckDlgButton(kIdcFourierEnable, 1);
            SetDlgItemText(kIdcFourierFrequency, fieldAt(four, 0));
            showNodePair(fieldAt(four, 1), kIdcOutputNode, kIdcOutputReference);
        }
        return true;
    }
    void OnOK() override
    {
        CSpicePage::OnOK();
        if (g_selectedAnalysis.code != code() || IsDlgButtonChecked(kIdcFourierEnable) == 0)
            return;
        const std::string reference = GetDlgItemText(kIdcOutputReference, kFieldChars);
        const std::string text = reference.empty()
                                     ? Format("#.FOUR %s V(%s)", field(kIdcFourierFrequency).c_str(), field(kIdcOutputNode).c_str())
                                     : Format("#.FOUR %s V(%s,%s)", field(kIdcFourierFrequency).c_str(),
                                              field(kIdcOutputNode).c_str(), reference.c_str());
        WriteDirectiveText(g_analysisDirectives.fourierIndex, 0, 0, text);
    }

protected:
    std::string directiveText() override
    {
        std::string text = Format("#.TRAN %s %s %s %s", field(kIdcTranStep).c_str(), field(kIdcTranStop).c_str(),
                                  field(kIdcTranStart).c_str(), field(kIdcTranMaxStep).c_str());
        if (IsDlgButtonChecked(kIdcTranUic))
            text += " UIC";
        return text;
    }
    void showFields(const std::vector<std::string>& f) override
    {
        SetDlgItemText(kIdcTranStep, fieldAt(f, 0));
        SetDlgItemText(kIdcTranStop, fieldAt(f, 1));
        SetDlgItemText(kIdcTranStart, fieldAt(f, 2) == "UIC" ? std::string() : fieldAt(f, 2));
        SetDlgItemText(kIdcTranMaxStep, fieldAt(f, 3) == "UIC" ? std::string() : fieldAt(f, 3));
        CheckDlgButton(kIdcTranUic, g_analysisDirectives.uic ? 1 : 0);
    }
    void enableChanged(bool on) override
    {
        for (unsigned id : {kIdcTranStart, kIdcTranStop, kIdcTranStep, kIdcTranMaxStep, kIdcTranUic})
            EnableDlgItem(id, on);
    }
};

class CSpiceDC : public CSpicePage {
public:
    CSpiceDC() : CSpicePage(kIddSpiceDc, kAnalysisDcSweep) {}

protected:
    std::string directiveText() override
    {
        std::string text = Format("#.DC %s %s %s %s", field(kIdcDcSource1).c_str(), field(kIdcDcStart1).c_str(),
                                  field(kIdcDcStop1).c_str(), field(kIdcDcStep1).c_str());
        if (!GetDlgItemText(kIdcDcSource2, kFieldChars).empty())
            text += Format(" %s %s %s %s", field(kIdcDcSource2).c_str(), field(kIdcDcStart2).c_str(),
                           field(kIdcDcStop2).c_str(), field(kIdcDcStep2).c_str());
        return text;
    }
    void showFields(const std::vector<std::string>& f) override
    {
        static constexpr unsigned ids[] = {kIdcDcSource1, kIdcDcStart1, kIdcDcStop1, kIdcDcStep1,
                                           kIdcDcSource2, kIdcDcStart2, kIdcDcStop2, kIdcDcStep2};
        showFieldList(ids, f, 0);
    }
};

class CSpiceOP : public CSpicePage {
public:
    CSpiceOP() : CSpicePage(kIddSpiceOp, kAnalysisOperatingPoint) {}

protected:
    // The choice is kept in the drawing, so the netlister finds an analysis next time.
    std::string directiveText() override { return "#.OP"; }
    void showFields(const std::vector<std::string>&) override {}
};

// A page that measures at an output node against its reference, driven from a source: the
// noise and transfer-function analyses. The directive's first words are "V(OUT,REF) SOURCE".
class CSpiceOutputPage : public CSpicePage {
public:
    bool OnInitDialog() override
    {
        fillNodePair(kIdcOutputNode, referenceId_);
        fillSources(sourceId_);
        return CSpicePage::OnInitDialog();
    }

protected:
    CSpiceOutputPage(unsigned templateId, int code, unsigned referenceId, unsigned sourceId)
        : CSpicePage(templateId, code), referenceId_(referenceId), sourceId_(sourceId)
    {
    }
    std::string outputAndSource() const
    {
        return Format("V(%s,%s) %s", field(kIdcOutputNode).c_str(), field(referenceId_).c_str(),
                      field(sourceId_).c_str());
    }
    void showOutputAndSource(const std::vector<std::string>& f)
    {
        showNodePair(fieldAt(f, 0), kIdcOutputNode, referenceId_);
        SetDlgItemText(sourceId_, fieldAt(f, 1));
    }

private:
    unsigned referenceId_;
    unsigned sourceId_;
};

class CSpiceNOISE : public CSpiceOutputPage {
public:
    CSpiceNOISE() : CSpiceOutputPage(kIddSpiceNoise, kAnalysisNoise, kIdcNoiseReference, kIdcNoiseSource) {}

protected:
    std::string directiveText() override
    {
        return "#.NOISE " + outputAndSource() + " " + sweepText();
    }
    void showFields(const std::vector<std::string>& f) override
    {
        showOutputAndSource(f);
        showSweep(f, 3);
    }
};

class CSpicePZ : public CSpicePage {
public:
    CSpicePZ() : CSpicePage(kIddSpicePz, kAnalysisPoleZero) {}
    bool OnInitDialog() override
    {
        fillNodePair(kIdcInputNode, kIdcInputReference);
        fillNodePair(kIdcOutputNode, kIdcOutputReference);
        CheckRadioButton(kIdcPoles, kIdcPolesAndZeros, kIdcPolesAndZeros);
        CheckRadioButton(kIdcImpedance, kIdcGain, kIdcGain);
        return CSpicePage::OnInitDialog();
    }

protected:
    std::string directiveText() override
    {
        const unsigned kind = GetCheckedRadioButton(kIdcPoles, kIdcPolesAndZeros);
        return Format("#.PZ %s %s %s %s %s %s", field(kIdcInputNode).c_str(), field(kIdcInputReference).c_str(),
                      field(kIdcOutputNode).c_str(), field(kIdcOutputReference).c_str(),
                      GetCheckedRadioButton(kIdcImpedance, kIdcGain) == kIdcImpedance ? "CUR" : "VOL",
                      kind == kIdcPoles ? "POL" : kind == kIdcZeros ? "ZER" : "PZ");
    }
    void showFields(const std::vector<std::string>& f) override
    {
        static constexpr unsigned pairs[] = {kIdcInputNode, kIdcInputReference, kIdcOutputNode, kIdcOutputReference};
        showFieldList(pairs, f, 0);
        CheckRadioButton(kIdcImpedance, kIdcGain, fieldAt(f, 4) == "CUR" ? kIdcImpedance : kIdcGain);
        const std::string kind = fieldAt(f, 5);
        CheckRadioButton(kIdcPoles, kIdcPolesAndZeros,
                         kind == "POL" ? kIdcPoles : kind == "ZER" ? kIdcZeros : kIdcPolesAndZeros);
    }
};

class CSpiceTF : public CSpiceOutputPage {
public:
    CSpiceTF() : CSpiceOutputPage(kIddSpiceTf, kAnalysisTransferFunction, kIdcOutputReference, kIdcInputNode) {}

protected:
    std::string directiveText() override { return "#.TF " + outputAndSource(); }
    void showFields(const std::vector<std::string>& f) override { showOutputAndSource(f); }
};

}  // namespace

// ---- directive objects ----

bool AddDirectiveText(int x, int y, int kindWord, const std::string& text)
{
    if (g_current.objects.empty())
        return false;
    const int index = AppendObjects(1);
    if (index == 0)
        return false;
    auto words = ObjectWords(kObjText, x, y);
    words[4] = kindWord;
    g_current.objects[static_cast<size_t>(index)] = MakeDrawObject(words, text.c_str());
    return true;
}

void WriteDirectiveText(int index, int x, int y, const std::string& text)
{
    if (DrawObject* o = objectAt(index); o && o->type() == kObjText) {
        char* copy = StrDupChecked(text);
        if (!copy)
            return;
        FreeStr(o->text);
        o->text = copy;
        markModified();
        return;
    }
    AddDirectiveText(x, y, kDirectiveKindWord, text);
}

void ClearOtherAnalyses(int code)
{
    auto clear = [](int index) {
        if (DrawObject* o = objectAt(index); o && o->type() == kObjText) {
            FreeStr(o->text);
            o->setType(kObjDeleted);
            markModified();
        }
    };
    const auto& found = g_analysisDirectives;
    for (int analysis : {kAnalysisDcSweep, kAnalysisTransient, kAnalysisOperatingPoint, kAnalysisAc, kAnalysisNoise,
                         kAnalysisDistortion, kAnalysisPoleZero}) {
        if (analysis != code)
            clear(found.objectIndex[static_cast<size_t>(analysis)]);
    }
    if (code != kAnalysisTransient)
        clear(found.fourierIndex);
}

// ---- CSpicePage ----

CSpicePage::CSpicePage(unsigned templateId, int code) : plat::PropertyPage(templateId), code_(code)
{
    onCommand(kIdcEnable, &CSpicePage::OnEnable);
}

bool CSpicePage::OnInitDialog()
{
    if (g_selectedAnalysis.code == code_) {
        CheckDlgButton(kIdcEnable, 1);
        showFields(g_analysisDirectives.fields[static_cast<size_t>(code_)]);
    }
    return true;
}

void CSpicePage::OnEnable()
{
    const bool on = IsDlgButtonChecked(kIdcEnable) != 0;
    if (on)
        g_selectedAnalysis.code = code_;
    else if (g_selectedAnalysis.code == code_)
        g_selectedAnalysis.code = 0;   // a page switched off writes nothing
    enableChanged(on);
}

void CSpicePage::OnOK()
{
    if (g_selectedAnalysis.code != code_)
        return;
    WriteDirectiveText(g_analysisDirectives.objectIndex[static_cast<size_t>(code_)], 0, 0, directiveText());
    ClearOtherAnalyses(code_);
}

std::string CSpicePage::field(unsigned id) const
{
    const std::string text = GetDlgItemText(id, kFieldChars);
    return text.empty() ? "0" : text;
}

void CSpicePage::fillNodes(unsigned id, bool reference)
{
    plat::Control* list = GetDlgItem(id);
    if (!list)
        return;
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() != kObjText || !o.text || (o.w[4] & 0x3C00) != 0 || o.text[0] == ';')
            continue;
        list->AddString(std::string(o.text, std::strcspn(o.text, "*")));
    }
    if (reference)
        list->AddString("0");
}

void CSpicePage::fillNodePair(unsigned nodeId, unsigned referenceId)
{
    fillNodes(nodeId, false);
    fillNodes(referenceId, true);
}

void CSpicePage::showNodePair(const std::string& word, unsigned nodeId, unsigned referenceId)
{
    const auto [node, reference] = nodePair(word);
    SetDlgItemText(nodeId, node);
    SetDlgItemText(referenceId, reference);
}

void CSpicePage::showFieldList(std::span<const unsigned> ids, const std::vector<std::string>& fields, size_t first)
{
    for (size_t i = 0; i < ids.size(); ++i)
        SetDlgItemText(ids[i], fieldAt(fields, first + i));
}

void CSpicePage::fillSources(unsigned id)
{
    plat::Control* list = GetDlgItem(id);
    if (!list)
        return;
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (!o.isPart() || !o.text)
            continue;
        const std::string designator = Format("%s%d", std::string(o.text, std::strcspn(o.text, ":")).c_str(), o.w[6]);
        if (!designator.empty() && designator[0] == 'V')
            list->AddString(designator);
    }
}

void CSpicePage::showSweep(const std::vector<std::string>& fields, size_t first)
{
    static constexpr unsigned ids[] = {kIdcAcPoints, kIdcAcStart, kIdcAcStop};
    showFieldList(ids, fields, first);
    CheckRadioButton(kIdcSweepDecade, kIdcSweepLinear,
                     g_analysisDirectives.sweepButton ? static_cast<unsigned>(g_analysisDirectives.sweepButton)
                                                      : static_cast<unsigned>(kIdcSweepDecade));
}

std::string CSpicePage::sweepText() const
{
    const char* kind = "DEC";
    switch (GetCheckedRadioButton(kIdcSweepDecade, kIdcSweepLinear)) {
    case kIdcSweepOctave: kind = "OCT"; break;
    case kIdcSweepLinear: kind = "LIN"; break;
    default: break;
    }
    return Format("%s %s %s %s", kind, field(kIdcAcPoints).c_str(), field(kIdcAcStart).c_str(),
                  field(kIdcAcStop).c_str());
}

// ---- CSpiceProp ----

CSpiceProp::CSpiceProp() : plat::PropertySheet("Spice Analysis Setup")
{
    removeApplyButton();
    pages_.push_back(std::make_unique<CSpiceAC>());
    pages_.push_back(std::make_unique<CSpiceTRAN>());
    pages_.push_back(std::make_unique<CSpiceDC>());
    pages_.push_back(std::make_unique<CSpiceOP>());
    pages_.push_back(std::make_unique<CSpiceNOISE>());
    pages_.push_back(std::make_unique<CSpicePZ>());
    pages_.push_back(std::make_unique<CSpiceTF>());
    for (auto& page : pages_)
        AddPage(page.get());
}

CSpiceProp::~CSpiceProp()
{
    // The sheet lets go of its pages before this object's members (the pages) are destroyed.
    while (GetPageCount() > 0)
        RemovePage(0);
}

int CSpiceProp::DoModal()
{
    g_selectedAnalysis.code = FindAnalysisDirectives();
    // Distortion has no page of its own: the sheet opens on its first page.
    const int page = g_selectedAnalysis.code >= 1 && g_selectedAnalysis.code <= GetPageCount() ? g_selectedAnalysis.code - 1 : 0;
    SetActivePage(page);
    return plat::PropertySheet::DoModal();
}

// ---- CDigSimSetupDlg ----

namespace {

struct DigitalField {
    unsigned id;
    const char* key;       // first word of the directive
    const char* format;
    int y;
};
constexpr DigitalField kDigitalFields[] = {
    {kIdcDigStart, "#.START", "#.START %s", 0},
    {kIdcDigStop, "#.TIME", "#.TIME %s", 50},
    {kIdcDigScale, "#.SCALE", "#.SCALE %s", 100},
    {kIdcDigDelay, "#.DELAY", "#.DELAY ALL %s", 150},
};

}  // namespace

CDigSimSetupDlg::CDigSimSetupDlg() : plat::Dialog(kIddDigSimSetup) {}

bool CDigSimSetupDlg::OnInitDialog()
{
    remembered_.fill(0);
    for (int i = 1; i <= g_current.count && i < static_cast<int>(g_current.objects.size()); ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() != kObjText || !o.text)
            continue;
        const std::vector<std::string> words = netlist::SplitWords(netlist::Upper(o.text));
        for (size_t f = 0; f < std::size(kDigitalFields) && !words.empty(); ++f) {
            if (words[0] != kDigitalFields[f].key)
                continue;
            // Only "#.DELAY ALL value" is the global delay; "#.DELAY 7400 10" sets one part's
            // and stays as the user wrote it.
            const bool delay = kDigitalFields[f].id == kIdcDigDelay;
            if (delay && (words.size() < 2 || words[1] != "ALL"))
                continue;
            remembered_[f] = i;
            const size_t at = delay ? 2 : 1;
            SetDlgItemText(kDigitalFields[f].id, at < words.size() ? words[at] : std::string());
        }
    }
    return true;
}

void CDigSimSetupDlg::OnOK()
{
    for (size_t f = 0; f < std::size(kDigitalFields); ++f) {
        const std::string typed = GetDlgItemText(kDigitalFields[f].id, kFieldChars);
        const std::string value = typed.empty() ? std::string("0") : typed;
        WriteDirectiveText(remembered_[f], 0, kDigitalFields[f].y, Format(kDigitalFields[f].format, value.c_str()));
    }
    plat::Dialog::OnOK();
}
