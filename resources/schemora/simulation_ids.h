#pragma once
// Ids of the simulation prompts, the analysis sheet, the instrument windows and the signal
// source dialogs of the schematic program.

namespace scm {

enum : unsigned {
    // Commands
    kCmdAnalyzer = 600,
    kCmdScope = 601,
    kCmdStep = 608,
    kCmdDigitalSimulation = 7008,
    kCmdAnalogSimulation = 7009,
    kCmdSpectrum = 32889,
    kCmdOutputFile = 32890,
    kCmdEditNetsOnly = 723,

    // Dialogs
    kIddScope = 142,
    kIddScopeSetup = 143,
    kIddAnalyzer = 144,
    kIddAnalyzerSetup = 145,
    kIddStepControl = 156,
    kIddRunSpice = 158,
    kIddRunDigSim = 160,
    kIddDigSimSetup = 161,
    kIddFuncGen = 168,
    kIddSffm = 169,
    kIddPulse = 170,
    kIddSine = 171,
    kIddPwl = 172,
    kIddPatternGen = 173,
    kIddSpiceAc = 208,
    kIddSpiceTran = 209,
    kIddSpiceNoise = 210,
    kIddSpiceOp = 211,
    kIddSpiceTf = 212,
    kIddSpiceDc = 213,
    kIddSpiceDisto = 214,
    kIddSpicePz = 215,
    kIddFourier = 232,

    // Prompts
    kIdcSetup = 20097,

    // Analysis pages
    kIdcEnable = 1057,
    kIdcAcStart = 20116,
    kIdcAcStop = 20117,
    kIdcAcPoints = 20118,
    kIdcSweepDecade = 20120,
    kIdcSweepOctave = 20121,
    kIdcSweepLinear = 20122,
    kIdcTranStart = 20113,
    kIdcTranStop = 20114,
    kIdcTranStep = 20115,
    kIdcTranMaxStep = 20130,
    kIdcTranUic = 20150,
    kIdcFourierEnable = 1048,
    kIdcOutputNode = 1059,
    kIdcOutputReference = 1069,
    kIdcFourierFrequency = 1077,
    kIdcDcSource1 = 20132,
    kIdcDcStart1 = 20535,
    kIdcDcStop1 = 22408,
    kIdcDcStep1 = 20135,
    kIdcDcSource2 = 20133,
    kIdcDcStart2 = 20046,
    kIdcDcStop2 = 20134,
    kIdcDcStep2 = 20136,
    kIdcNoiseReference = 230,
    kIdcNoiseSource = 1058,
    kIdcInputNode = 1063,
    kIdcInputReference = 1067,
    kIdcPoles = 1054,
    kIdcZeros = 1055,
    kIdcPolesAndZeros = 1056,
    kIdcImpedance = 1064,
    kIdcGain = 1065,

    // Digital setup
    kIdcDigStart = 20098,
    kIdcDigStop = 20099,
    kIdcDigScale = 20100,
    kIdcDigDelay = 20101,

    // Instruments
    kIdcPlot = 610,
    kIdcTimePerDiv = 612,
    kIdcStepFirst = 613,       // 613-620 volts per division
    kIdcTraceFirst = 621,      // 621-628 (scope), 621-636 (analyzer)
    kIdcOffsetFirst = 641,     // 641-648
    kIdcPrint = 650,
    kIdcTime = 651,
    kIdcPlusMinus = 652,
    kIdcResetOffsets = 1029,
    kIdcInstrumentSetup = 1075,
    kIdcFft = 1025,
    kIdcScroll = 6110,
    kIdcGraticule = 690,
    kIdcZeroLine = 611,
    kIdcIncrement1 = 606,
    kIdcIncrement10 = 607,
    kIdcIncrement20 = 609,
    kIdcOffsetHandles = 1097,
    kIdcLogScale = 1113,
    kIdcUnitsDisplay = 1098,
    kIdcLogicGraticule = 606,
    kIdcPhaseSpin = 1078,
    kIdcMagnitudeSpin = 1079,
    kIdcPhaseZoom = 1087,
    kIdcMagnitudeZoom = 1088,
    kIdcFourierPrint = 1089,

    // Step control
    kIdcStepButton = 20105,
    kIdcStepNumber = 20106,
    kIdcCycleButton = 20107,
    kIdcResetButton = 20108,

    // Signal sources
    kIdcReferenceLabel = 100,
    kIdcReferenceNumber = 101,
    kIdcHide = 105,
    kIdcFix = 120,
    kIdcSineButton = 20015,
    kIdcFmButton = 20016,
    kIdcPwlButton = 20017,
    kIdcPulseButton = 20018,
    kIdcSineOffset = 20009,
    kIdcSineAmplitude = 20012,
    kIdcSineFrequency = 20010,
    kIdcSineDelay = 20003,
    kIdcSineDamping = 20011,
    kIdcPulseInitial = 20002,
    kIdcPulseAmplitude = 20001,
    kIdcPulseDelay = 20004,
    kIdcPulseRise = 20006,
    kIdcPulseFall = 20007,
    kIdcPulseWidth = 20008,
    kIdcPulsePeriod = 20005,
    kIdcPwlTimeFirst = 20020,    // 20020-20027
    kIdcPwlValueFirst = 20040,   // 20040-20047
    kIdcFmOffset = 20065,
    kIdcFmAmplitude = 20013,
    kIdcFmCarrier = 20014,
    kIdcFmIndex = 20063,
    kIdcFmSignal = 20019,
    kIdcPattern = 20090,
    kIdcRepeating = 20091,
    kIdcPatternStep = 20092,
    kIdcPatternStart = 20093,
    kIdcPatternEnd = 20096,
    kIdcReferenceGroup = 5001,

    // Strings
    kStrFourierNotSelected = 2243,
    kStrCantRunDigital = 924,
};

}  // namespace scm

// The templates and strings of the simulation dialogs, added to the program's resources.
#include "platform/app/resources.h"
#include "platform/app/string_table.h"
#include <span>
#include <string>
#include <vector>
std::vector<plat::DialogTemplate> SimulationDialogTemplates();
std::span<const plat::StringEntry> SimulationStrings();
