#pragma once
// The one store of instrument traces: what the result readers load from the simulators'
// files and what the oscilloscope, the logic analyzer, the step control and the Fourier
// display show. All sizes are fixed; every reader bounds its writes by them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kTraceChannels = 16;
inline constexpr int kScopeChannels = 8;
inline constexpr int kChannelSlots = 2000;
inline constexpr int kShownSamples = 400;
inline constexpr int kRawSamples = 4000;
inline constexpr int kRawValues = 3999;          // values read from one ".out" table
inline constexpr int kMaxDevices = 16;
inline constexpr int kHarmonics = 10;
inline constexpr int kStepCount = 9;             // volts-per-division steps
inline constexpr int kZoomCount = 4;             // horizontal zoom factors

// Which simulator's results the instruments show.
enum InstrumentModeValue : int { kInstrumentClosed = 0, kInstrumentDigital = 1, kInstrumentAnalog = 2 };
// What the last ".out" table was.
enum AnalysisKindValue : int { kKindTransient = 0, kKindAc = 1, kKindDc = 2 };
inline constexpr int kSweepLinearKind = 0;
inline constexpr int kSweepDecadeKind = 1113;    // also the "Log Scale (X)" check box

inline constexpr std::array<int, kStepCount> kStepThresholds = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000};
inline constexpr std::array<const char*, kStepCount> kStepTexts = {".1", ".2", ".5", " 1", " 2",
                                                                   " 5", "10", "20", "50"};
inline constexpr std::array<int, kZoomCount> kZoomFactors = {1, 2, 5, 10};

struct DeviceRecord {
    std::array<std::string, 4> signals;
    std::array<int, 4> channels{};     // channel of each signal; the channel limit when none
    std::string name;
    int objectIndex = 0;               // the drawing object that shows the device
    int signalCount = 0;
};

struct SimTraceStore {
    std::array<std::string, kTraceChannels> names;
    std::array<std::array<int32_t, kChannelSlots>, kTraceChannels> samples{};
    std::array<float, kShownSamples> x{};             // display x of each shown sample
    std::array<float, kRawSamples> rawX{};
    std::array<int32_t, kRawSamples> rawSamples{};
    std::array<double, kRawValues> rawValues{};        // kept for noise results only
    std::array<int32_t, kShownSamples> digitalTimes{};
    std::array<int, kScopeChannels> stepIndex{};       // volts-per-division step of each trace
    std::array<int, kScopeChannels> phase{};           // the trace shows phase (AC)

    int analysisKind = kKindTransient;                 // AnalysisKind
    int sweepKind = kSweepLinearKind;
    int points = 0;
    float startFrequency = 0;
    float stopFrequency = 0;
    float printStep = 0;                               // transient print step, seconds
    int sampleCount = 0;                               // of the last analog read
    int digitalCount = 0;
    int digitalSpan = 0;
    float digitalScale = 1e-8f;
    const char* unitLabel = "v/div";
    int specialAnalysis = 0;                           // SpecialAnalysis
    int instrumentMode = kInstrumentClosed;            // InstrumentMode
    int lastModeDrawn = kInstrumentClosed;

    std::array<DeviceRecord, kMaxDevices> devices;
    int deviceCount = 0;

    std::array<double, kHarmonics> fourierPhase{};
    std::array<double, kHarmonics> fourierMagnitude{};

    SimTraceStore() { stepIndex.fill(3); }
};
extern SimTraceStore g_simTraces;

// Set by the scope setup: AC traces show their phase instead of their magnitude.
struct PhaseDisplay {
    int on = 0;
};
extern PhaseDisplay g_phaseDisplay;

// The instruments' shared settings (oscilloscope, logic analyzer, Fourier display); set by
// their setup dialogs and buttons, read by the painters and the readers.
struct InstrumentSettings {
    int graticule = 1;                 // dots instead of axis ticks
    int zeroLine = 0;
    int offsetHandles = 1;
    int unitsDisplay = 1;              // also the analyzer's "Time display"
    int logScale = 0;
    int offsetIncrement = 10;          // 1, 10 or 20
    std::array<int, kScopeChannels> offsets{};
    int zoomIndex = 0;                 // kZoomFactors
    int scrollPosition = 0;            // first sample shown
    int plus = 1;                      // "+" (1) or "-" (0) for the Time and trace buttons
    int cursorX = 0;                   // time cursor, plot pixels
    int draggedTrace = -1;
    int phaseZoom = 1;                 // Fourier display
    int magnitudeZoom = 3;
};
extern InstrumentSettings g_instrumentSettings;

// The texts the readers leave for the instrument labels (volts per division, time per division).
struct TraceLabelText {
    std::string text;
};
extern TraceLabelText g_traceLabel;

// ---- readers (trace_readers.cpp, digital_readers.cpp, fourier_results.cpp) ----

// The base path of the simulation files: the active drawing's path with its file name's
// extension removed (a dot in a folder name stays).
std::string SimulationBasePath();
// Cuts a path at its file name's extension.
std::string CutFileExtension(std::string_view path);

// 5 noise, 6 pole-zero, 7 transfer function, 8 distortion, 0 none.
int FindSpecialAnalysis();
// Names and loads every channel of the current instrument from the drawing's probe texts;
// reportFlag 1 shows missing files, 2 stays silent.
void LoadTraces(int reportFlag);
void LoadTraceData(int channel, int reportFlag);
// The digital form of LoadTraceData: the probe's position in ".ckt", its levels from ".lst".
void LoadDigitalTrace(int channel, int reportFlag);
void PickVoltsPerDiv(int largest, int channel);
void ScaleNoiseTrace(int channel);
void ResampleTransient(int channel, int count);
// Time (0), frequency (1) or voltage (2) text, padded and cut to 11 characters, into
// g_traceLabel; any other kind leaves it.
void FormatAxisLabel(double value, int kind);
void ReadDeviceFile(int reportFlag);
// 1 on success, 0 when the ".out" file is missing.
int ReadFourierResults();
// A reader's "Can't find signal %s in buffer" and "file not found" messages go through here.
void ShowReaderError(std::string_view text);
