#pragma once
// Utilities > Printed Circuit Board: the "Make Printed Circuit Board" dialog and what Make
// does with it. Make writes the drawing's netlist and reference list (when asked, or when
// either is missing), has the placement program put the parts on the board named in the
// dialog (a new board, or the parts an existing one lacks, with the netlist's rats nest), and
// opens that board in the board program.

#include "platform/app/dialog.h"

#include <string>
#include <string_view>

// What the dialog keeps between runs (whole paths: nothing is cut to a fixed length).
struct MakeBoardChoice {
    std::string schematic;      // the drawing's path
    std::string artwork;        // the board: a name without extension to generate, or a file
    int useExisting = 0;        // 0 generate with the placement program, 1 use an existing file
    int newNetlist = 1;
};
extern MakeBoardChoice g_makeBoard;

// The drawing's path without its own extension (a dot in a folder is no extension), with "#"
// appended when what is left is shorter than eight characters.
std::string DefaultArtworkName(std::string_view schematicPath);
// The board file Make writes or opens: a generated artwork gets ".tlz" unless its name has an
// extension of its own.
std::string ArtworkBoardPath(const MakeBoardChoice& choice);

class CMakePcbDlg : public plat::Dialog {
public:
    CMakePcbDlg(plat::Wnd* parent, std::string schematicPath);
    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    void OnOK() override;

private:
    void enableName(bool existing);
    std::string schematic_;
    std::string defaultName_;
};

// Make: runs the steps for the drawing open in the current-document globals. sheetCount is
// its number of sheets. False when a step failed (its message has been shown).
bool MakeBoardFromDrawing(const MakeBoardChoice& choice, int sheetCount);
