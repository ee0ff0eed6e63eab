#pragma once
// The signal source dialogs: the Function Generator (with its Sine, Pulse, Piece-Wise Linear
// and FM waveform dialogs) and the Pattern Generator edit the waveform that a source part keeps
// in its own text ("label:source text"), its reference number and its flags.

#include "platform/app/dialog.h"

#include <string>

struct SignalSourceState {
    int ClickedObjectIndex = 0;     // the part the right-button click opened a dialog for
    std::string sourceText;         // what the waveform dialogs write, the generator's OK reads
};
extern SignalSourceState g_signalSource;

// A waveform dialog: fills its edits from the clicked part's text and writes its source text.
class CWaveformDlg : public plat::Dialog {
public:
    CWaveformDlg(unsigned templateId, std::string keyword, std::vector<unsigned> fields);
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    std::string keyword_;
    std::vector<unsigned> fields_;
};

class CSineDlg : public CWaveformDlg {
public:
    CSineDlg();
};
class CPulseDlg : public CWaveformDlg {
public:
    CPulseDlg();
};
class CSffmDlg : public CWaveformDlg {
public:
    CSffmDlg();
};
class CPwlDlg : public plat::Dialog {
public:
    CPwlDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CFuncGenDlg : public plat::Dialog {
public:
    CFuncGenDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void OnWaveform(unsigned id);

private:
    int kind_ = 0;
};

class CPatternGenDlg : public plat::Dialog {
public:
    CPatternGenDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

// Opens the Function Generator or the Pattern Generator for a placed part of that kind
// ("FUNGEN" or "PATGEN" in its part name); false for any other object.
bool OpenSignalSourceDialog(int objectIndex);
