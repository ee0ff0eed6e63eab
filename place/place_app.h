#pragma once
// The placement program. Started with a reference list, its netlist and a board name it places
// the parts and ends (exit code 0 when the board was written, 1 when not). Started without
// arguments (as the board program's Process > Placement starts it) it asks for the reference
// list and the board to write, takes the netlist of the same name beside the reference list,
// places, and opens the board in the board program. Whatever could not be placed is shown.

#include "platform/app/win_app.h"

#include <optional>
#include <string>
#include <vector>

struct PlacementRequest;

class CPlaceApp : public plat::WinApp {
public:
    CPlaceApp();
    bool InitInstance() override;
    int ExitInstance() override;

private:
    int exitCode_ = 1;
};

// The request the command line gives: three files, or nothing (nullopt and an empty usage
// text) when the program is to ask; anything else gives the usage text.
std::optional<PlacementRequest> RequestFromArguments(const std::vector<std::string>& args, std::string& usage);

// Asks for the reference list and the board; nullopt when a dialog is cancelled.
std::optional<PlacementRequest> AskForRequest();

// Places, shows the report, and returns the exit code.
int RunPlacement(const PlacementRequest& request, bool openInBoardProgram);

// The package folder the board program uses beside this program.
std::string PlacePackageFolder();
