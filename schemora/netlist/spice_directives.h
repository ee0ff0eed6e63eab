#pragma once
// The analysis directives of a drawing as the analysis sheet and the Fourier display find them.

#include <array>
#include <string>
#include <vector>

inline constexpr int kAnalysisCodes = 9;
inline constexpr size_t kAnalysisFieldChars = 20;
// Sweep buttons of the analysis sheet.
inline constexpr int kSweepDecade = 20120;
inline constexpr int kSweepOctave = 20121;
inline constexpr int kSweepLinear = 20122;

struct AnalysisDirectives {
    int selected = 0;                                         // the last analysis found
    std::array<int, kAnalysisCodes> objectIndex{};            // the directive text of each analysis
    int fourierIndex = 0;                                     // the "#.FOUR" text
    int sweepButton = 0;
    bool uic = false;                                         // the transient asks for "UIC"
    std::array<std::vector<std::string>, kAnalysisCodes> fields{};   // the words after each directive
    std::vector<std::string> fourierFields;
};
extern AnalysisDirectives g_analysisDirectives;

// Examines every text object of the current drawing for analysis directives, remembers each
// one's object index and its following words (20 characters each), and returns the analysis
// selected (the last one found; 0 when none).
int FindAnalysisDirectives();
