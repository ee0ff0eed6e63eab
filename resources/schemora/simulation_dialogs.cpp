// Templates and strings of the simulation prompts, the analysis sheet, the digital setup, the
// instrument windows and the signal source dialogs.
#include "resources/schemora/simulation_ids.h"

#include "platform/app/command_ids.h"
#include "platform/app/dialog_builder.h"
#include "platform/app/string_table.h"
#include "platform/core/ui_host.h"

#include <string>

namespace {

using namespace scm;
using K = plat::ControlKind;

// The edit boxes of the labelled fields take 19 characters.
constexpr int kFieldChars = 19;

plat::DialogTemplate prompt(unsigned id, const char* title, const char* text)
{
    return plat::DialogBuilder(id, title)
        .label(text, 0, 0)
        .add(plat::kIdOk, K::DefPushButton, "&Yes", 1, 0).group()
        .add(plat::kIdCancel, K::PushButton, "&No", 1, 1)
        .add(kIdcSetup, K::PushButton, "&Setup...", 1, 2)
        .take();
}

// The frequency sweep of the AC and noise analyses: start, stop, points and the spacing.
plat::DialogBuilder& frequencySweep(plat::DialogBuilder& b, int row)
{
    return b.field(kIdcAcStart, "Start frequency:", row)
        .field(kIdcAcStop, "Stop frequency:", row + 1)
        .field(kIdcAcPoints, "Points:", row + 2)
        .add(kIdcSweepDecade, K::RadioButton, "Decade", row + 3, 0).group()
        .add(kIdcSweepOctave, K::RadioButton, "Octave", row + 3, 1)
        .add(kIdcSweepLinear, K::RadioButton, "Linear", row + 3, 2);
}

plat::DialogTemplate acPage()
{
    plat::DialogBuilder b(kIddSpiceAc, "Frequency", kFieldChars);
    b.add(kIdcEnable, K::CheckBox, "Enable", 0);
    return frequencySweep(b, 1).take();
}

plat::DialogTemplate tranPage()
{
    return plat::DialogBuilder(kIddSpiceTran, "Transient/Fourier", kFieldChars)
        .add(kIdcEnable, K::CheckBox, "Enable", 0)
        .field(kIdcTranStart, "Start time:", 1)
        .field(kIdcTranStop, "Stop time:", 2)
        .field(kIdcTranStep, "Step time:", 3)
        .field(kIdcTranMaxStep, "Max. step:", 4)
        .add(kIdcTranUic, K::CheckBox, "UIC", 5)
        .add(plat::kIdStaticText, K::GroupBox, "Fourier", 6, 0, 2).rows(5)
        .add(kIdcFourierEnable, K::CheckBox, "Enable", 7)
        .labelled(kIdcOutputNode, K::ComboDropDown, "Output node:", 8)
        .labelled(kIdcOutputReference, K::ComboDropDown, "Reference:", 9)
        .field(kIdcFourierFrequency, "Frequency:", 10)
        .take();
}

plat::DialogTemplate dcPage()
{
    return plat::DialogBuilder(kIddSpiceDc, "Curve Trace", kFieldChars)
        .add(kIdcEnable, K::CheckBox, "Enable", 0)
        .label("Source 1", 1, 1).label("Source 2", 1, 2)
        .label("Name:", 2).add(kIdcDcSource1, K::Edit, "", 2, 1).add(kIdcDcSource2, K::Edit, "", 2, 2)
        .label("Start:", 3).add(kIdcDcStart1, K::Edit, "", 3, 1).add(kIdcDcStart2, K::Edit, "", 3, 2)
        .label("Stop:", 4).add(kIdcDcStop1, K::Edit, "", 4, 1).add(kIdcDcStop2, K::Edit, "", 4, 2)
        .label("Step:", 5).add(kIdcDcStep1, K::Edit, "", 5, 1).add(kIdcDcStep2, K::Edit, "", 5, 2)
        .take();
}

plat::DialogTemplate opPage()
{
    return plat::DialogBuilder(kIddSpiceOp, "Operating Point", kFieldChars)
        .add(kIdcEnable, K::CheckBox, "Enable", 0)
        .label("The DC operating point of the circuit.", 1)
        .take();
}

plat::DialogTemplate noisePage()
{
    plat::DialogBuilder b(kIddSpiceNoise, "Noise", kFieldChars);
    b.add(kIdcEnable, K::CheckBox, "Enable", 0)
        .labelled(kIdcOutputNode, K::ComboDropDown, "Output node:", 1)
        .labelled(kIdcNoiseReference, K::ComboDropDown, "Reference:", 2)
        .labelled(kIdcNoiseSource, K::ComboDropDown, "Noise source:", 3);
    return frequencySweep(b, 4).take();
}

plat::DialogTemplate pzPage()
{
    return plat::DialogBuilder(kIddSpicePz, "Pole Zero", kFieldChars)
        .add(kIdcEnable, K::CheckBox, "Enable", 0)
        .labelled(kIdcInputNode, K::ComboDropDown, "Input node:", 1)
        .labelled(kIdcInputReference, K::ComboDropDown, "Input reference:", 2)
        .labelled(kIdcOutputNode, K::ComboDropDown, "Output node:", 3)
        .labelled(kIdcOutputReference, K::ComboDropDown, "Output reference:", 4)
        .add(kIdcPoles, K::RadioButton, "Poles", 5, 0).group()
        .add(kIdcZeros, K::RadioButton, "Zeros", 5, 1)
        .add(kIdcPolesAndZeros, K::RadioButton, "Both", 5, 2)
        .add(kIdcImpedance, K::RadioButton, "Output voltage /Input current (Impedance)", 6, 0, 3).group()
        .add(kIdcGain, K::RadioButton, "Output voltage /Input voltage (Gain)", 7, 0, 3)
        .take();
}

plat::DialogTemplate tfPage()
{
    return plat::DialogBuilder(kIddSpiceTf, "Transfer Function", kFieldChars)
        .add(kIdcEnable, K::CheckBox, "Enable", 0)
        .labelled(kIdcOutputNode, K::ComboDropDown, "Output node:", 1)
        .labelled(kIdcOutputReference, K::ComboDropDown, "Reference:", 2)
        .labelled(kIdcInputNode, K::ComboDropDown, "Input source:", 3)
        .take();
}

plat::DialogTemplate digitalSetup()
{
    return plat::DialogBuilder(kIddDigSimSetup, "Digital Simulation Setup", kFieldChars)
        .field(kIdcDigStart, "Start Time:", 0)
        .field(kIdcDigStop, "Stop Time:", 1)
        .field(kIdcDigScale, "Scale:", 2)
        .field(kIdcDigDelay, "Global Delay:", 3)
        .okCancel(4)
        .take();
}

// The scope and the analyzer: trace buttons (with the scope's step and offset buttons) in a
// column beside the plot, the other buttons, the scroll bar and the time label below.
plat::DialogTemplate instrument(unsigned id, const char* title, int traces, bool scope)
{
    plat::DialogBuilder b(id, title, kFieldChars);
    const int plotColumn = scope ? 3 : 1;
    // The plot's least size leaves a small window room: the window hides the trace rows that
    // its plot has no height for.
    b.add(kIdcPlot, K::StaticFrame, "", 0, plotColumn, 6).rows(traces).size(100, 40);
    for (int i = 0; i < traces; ++i) {
        // Owner-drawn: the trace's name in the trace's colour.
        b.add(kIdcTraceFirst + static_cast<unsigned>(i), K::OwnerDrawButton, "trace " + std::to_string(i + 1), i, 0)
            .size(40, 12);
        if (scope) {
            b.add(kIdcStepFirst + static_cast<unsigned>(i), K::PushButton, " 1v/div", i, 1);
            b.add(kIdcOffsetFirst + static_cast<unsigned>(i), K::PushButton, "O", i, 2);
        }
    }
    const int row = traces;
    b.add(kIdcTime, K::PushButton, "Time", row, 0)
        .add(kIdcPrint, K::PushButton, "Print", row, 1)
        .add(kIdcInstrumentSetup, K::PushButton, "Setup", row, 2)
        .add(kIdcPlusMinus, K::PushButton, "+", row, scope ? 3 : 3);
    if (scope) {
        b.add(kIdcResetOffsets, K::PushButton, "Reset Offsets", row, 4)
            .add(kIdcFft, K::PushButton, "FFT", row, 5).style(plat::kCsHidden);
    }
    b.add(kIdcScroll, K::ScrollBarH, "", row + 1, 0, plotColumn + 6)
        .add(kIdcTimePerDiv, K::Static, scope ? "10 samples(s)/div" : "10 samples/div", row + 2, 0, 3);
    return b.take();
}

plat::DialogTemplate scopeSetup()
{
    return plat::DialogBuilder(kIddScopeSetup, "Oscilloscope Setup", kFieldChars)
        .add(kIdcGraticule, K::CheckBox, "Graticule", 0)
        .add(kIdcZeroLine, K::CheckBox, "Zero Line", 1)
        .add(plat::kIdStaticText, K::GroupBox, "Offset Increment", 2, 0, 3).rows(2)
        .add(kIdcIncrement1, K::RadioButton, "1", 3, 0).group()
        .add(kIdcIncrement10, K::RadioButton, "10", 3, 1)
        .add(kIdcIncrement20, K::RadioButton, "20", 3, 2)
        .add(kIdcOffsetHandles, K::CheckBox, "Offset handles", 4).group()
        .add(kIdcLogScale, K::CheckBox, "Log Scale (X)", 5)
        .add(kIdcUnitsDisplay, K::CheckBox, "Units display", 6)
        .okCancel(7)
        .take();
}

plat::DialogTemplate logicSetup()
{
    return plat::DialogBuilder(kIddAnalyzerSetup, "Logic Analyzer Setup", kFieldChars)
        .add(kIdcLogicGraticule, K::CheckBox, "Graticule", 0)
        .add(kIdcUnitsDisplay, K::CheckBox, "Time display", 1)
        .okCancel(2)
        .take();
}

plat::DialogTemplate fourierDisplay()
{
    return plat::DialogBuilder(kIddFourier, "Fourier Display", kFieldChars)
        // A least size a small window has room for: the plot takes the window's size.
        .add(kIdcPlot, K::StaticFrame, "", 0, 2, 1).rows(6).size(100, 60)
        .label("Phase", 0, 0)
        .add(kIdcPhaseSpin, K::Spin, "", 1, 0)
        .add(kIdcPhaseZoom, K::Static, "20X", 1, 1)
        .label("Magnitude", 2, 0)
        .add(kIdcMagnitudeSpin, K::Spin, "", 3, 0)
        .add(kIdcMagnitudeZoom, K::Static, "20X", 3, 1)
        .add(kIdcFourierPrint, K::PushButton, "Print", 4, 0)
        .take();
}

plat::DialogTemplate stepControl()
{
    return plat::DialogBuilder(kIddStepControl, "Step Control  (Digital Simulator)", kFieldChars)
        .field(kIdcDigStart, "Start time:", 0)
        .field(kIdcDigStop, "No. steps:", 1)
        .add(kIdcStepButton, K::PushButton, "Step", 2, 0)
        .add(kIdcCycleButton, K::PushButton, "Cycle", 2, 1)
        .add(kIdcResetButton, K::PushButton, "Reset", 3, 0)
        .add(plat::kIdOk, K::PushButton, "Stop", 3, 1)
        .label("Step:", 4, 0)
        .add(kIdcStepNumber, K::Static, "100", 4, 1)
        .take();
}

// The "Reference" group of the generators: label, number, Hide and Fix.
plat::DialogBuilder& referenceGroup(plat::DialogBuilder& b, int row, unsigned groupId)
{
    return b.add(groupId, K::GroupBox, "Reference", row, 0, 3)
        .rows(3)
        .add(kIdcReferenceLabel, K::Static, "U", row + 1, 0)
        .add(kIdcReferenceNumber, K::Edit, "", row + 1, 1)
        .add(kIdcHide, K::CheckBox, "Hide", row + 2, 0)
        .add(kIdcFix, K::CheckBox, "Fix", row + 2, 1);
}

plat::DialogTemplate functionGenerator()
{
    plat::DialogBuilder b(kIddFuncGen, "Function Generator Setup", kFieldChars);
    b.add(kIdcSineButton, K::PushButton, "Sine Wave...", 0, 0)
        .add(kIdcPulseButton, K::PushButton, "Pulse...", 0, 1)
        .add(kIdcPwlButton, K::PushButton, "Piece-Wise...", 1, 0)
        .add(kIdcFmButton, K::PushButton, "FM Signal...", 1, 1);
    referenceGroup(b, 2, plat::kIdStaticText);
    return b.okCancel(5).take();
}

plat::DialogTemplate waveform(unsigned id, const char* title, std::initializer_list<std::pair<unsigned, const char*>> fields)
{
    plat::DialogBuilder b(id, title, kFieldChars);
    int row = 0;
    for (const auto& [control, text] : fields)
        b.field(control, text, row++);
    return b.okCancel(row).take();
}

plat::DialogTemplate pwl()
{
    plat::DialogBuilder b(kIddPwl, "Piece-Wise Linear Setup", kFieldChars);
    b.label("Time", 0, 1).label("Amplitude", 0, 2);
    for (unsigned i = 0; i < 8; ++i) {
        const int row = static_cast<int>(i) + 1;
        b.label(std::to_string(i + 1) + ":", row, 0)
            .add(kIdcPwlTimeFirst + i, K::Edit, "", row, 1)
            .add(kIdcPwlValueFirst + i, K::Edit, "", row, 2);
    }
    return b.okCancel(9).take();
}

plat::DialogTemplate patternGenerator()
{
    plat::DialogBuilder b(kIddPatternGen, "Pattern Generator Setup", kFieldChars);
    b.field(kIdcPattern, "Pattern (HL):", 0)
        .field(kIdcPatternStart, "Start time:", 1)
        .field(kIdcPatternStep, "Time step:", 2)
        .field(kIdcPatternEnd, "End Time:", 3)
        .add(kIdcRepeating, K::CheckBox, "Repeating", 4);
    referenceGroup(b, 5, kIdcReferenceGroup);
    return b.okCancel(8).take();
}

constexpr plat::StringEntry kStrings[] = {
    {kStrCantRunDigital, "Can't execute Pulsarim:\nCheck file locations."},
    {kStrFourierNotSelected, "Warning Fourier analysis not selected\nThis is selected in SPICE setup."},
    {kCmdAnalogSimulation, "Run the analog simulation of the drawing\nAnalog simulation"},
    {kCmdDigitalSimulation, "Run the digital simulation of the drawing\nDigital simulation"},
    {kCmdScope, "Show the analog results on the oscilloscope\nScope"},
    {kCmdAnalyzer, "Show the digital results on the logic analyzer\nAnalyzer"},
    {kCmdStep, "Replay the digital simulation on the drawing\nStep"},
    {kCmdSpectrum, "Show the Fourier analysis\nSpectrum"},
    {kCmdOutputFile, "View the analog simulation results\nOutput File"},
};

}  // namespace

std::vector<plat::DialogTemplate> SimulationDialogTemplates()
{
    return {
        prompt(kIddRunSpice, "Run Voltessa", "Run analog (SPICE) simulation?"),
        prompt(kIddRunDigSim, "Run Pulsarim", "Run digital simulation?"),
        acPage(), tranPage(), dcPage(), opPage(), noisePage(), pzPage(), tfPage(),
        digitalSetup(),
        instrument(kIddScope, "Oscilloscope", 8, true),
        instrument(kIddAnalyzer, "Logic Analyzer", 16, false),
        scopeSetup(), logicSetup(), fourierDisplay(), stepControl(),
        functionGenerator(), pwl(), patternGenerator(),
        waveform(kIddSine, "Sine Wave Setup",
                 {{kIdcSineOffset, "Offset:"}, {kIdcSineAmplitude, "Amplitude:"}, {kIdcSineFrequency, "Frequency:"},
                  {kIdcSineDelay, "Delay:"}, {kIdcSineDamping, "Damping:"}}),
        waveform(kIddPulse, "Pulse Setup",
                 {{kIdcPulseInitial, "Initial Amplitude:"}, {kIdcPulseAmplitude, "Amplitude:"}, {kIdcPulseDelay, "Delay:"},
                  {kIdcPulseRise, "Rise Time:"}, {kIdcPulseFall, "Fall Time:"}, {kIdcPulseWidth, "Pulse Width:"},
                  {kIdcPulsePeriod, "Period:"}}),
        waveform(kIddSffm, "Single-Frequency FM Setup",
                 {{kIdcFmOffset, "Offset:"}, {kIdcFmAmplitude, "Amplitude:"}, {kIdcFmCarrier, "Carrier Frequency:"},
                  {kIdcFmIndex, "Modulation Index:"}, {kIdcFmSignal, "Signal Frequency:"}}),
    };
}

std::span<const plat::StringEntry> SimulationStrings() { return kStrings; }
