#pragma once
// Which kind of file a path names, from its file name's own extension (never from a dot in a
// folder name): what File Open does with it and what Save As writes.

#include <string_view>

// File Open: drawings open as documents, DXF files are imported into a new drawing, the text
// outputs of the netlister and simulators go to the text viewer.
enum class OpenKind { Drawing, Dxf, TextViewer };
OpenKind OpenKindOf(std::string_view path);

// Save As, by extension or by the chosen file type (1-based, as in the dialog's filter).
enum class SaveAsKind { Drawing, Dxf, Encapsulated, PreviousVersion };
SaveAsKind SaveAsKindOf(std::string_view path, int filterIndex);

// The file types of the Open and Save As dialogs.
inline constexpr std::string_view kOpenFilter =
    "Schemora (*.PIC)|*.pic|Netlist (*.NET)|*.net|Parts (*.PRT)|*.prt|Reference (*.REF)|*.ref|"
    "SPICE (*.CIR)|*.cir|SIM (*.CKT)|*.ckt|Encapsulated (*.EPC)|*.epc|AutoCAD (*.DXF)|*.dxf|"
    "Check(*.RPT)|*.rpt|Models(*.MOD)|*.mod|";
inline constexpr std::string_view kSaveAsFilter =
    "Schemora (*.PIC)|*.pic|AutoCAD (*.DXF)|*.dxf|Encapsulated (*.EPC)|*.epc|Schemora V4.0 (*.PIC)|*.pic|";
