#pragma once
// The File commands of the board program that need more than the framework: Open by the kind
// of file, Save As with its four forms, Close All Windows and the diagnostic dump.

#include <string>

class CTracelynDoc;

inline constexpr const char* kOpenFilter =
    "Tracelyn (*.TLZ)|*.tlz|Schematic Netlist (*.NET)|*.net|PCB Netlist (*.NTO)|*.nto|"
    "Unconnected (*.UNC)|*.unc|Encapsulated (*.XPC)|*.xpc|";
inline constexpr const char* kSaveAsFilter =
    "Tracelyn (*.TLZ)|*.tlz|AutoCAD (*.DXF)|*.dxf|Tracelyn V4.0 (*.TLZ)|*.tlz|Encapsulated (*.XPC)|*.xpc|";
inline constexpr const char* kDxfWithoutBoardMessage = "Open a board to import a DXF file into.";

// Save As filters, 1-based as the dialog reports them.
inline constexpr int kSaveAsBoard = 1;
inline constexpr int kSaveAsDxf = 2;
inline constexpr int kSaveAsV4 = 3;

// File > Open: text files to the text viewer, DXF into the open board, anything else opened as
// a board ("File Error" and an empty board state when that fails).
// A DXF file's line work goes into the open board; with no board open it says so.
void ImportDxfIntoBoard(const std::string& path);
void OpenBoardFileByKind();

// File > Save As for the document.
void SaveBoardAs(CTracelynDoc& document);

// Window > Close All Windows: the framework's save prompt for every changed board, then all of
// them closed.
void CloseAllBoards();

// Ctrl+Q: the open boards, the main window's rectangle and handles.
std::string DiagnosticDumpText();
