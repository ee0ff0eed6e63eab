// Process > Placement: the placement program runs on its own (it asks for the reference list
// and the board, places and opens the board here); this program does not wait for it.
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/workspace/main_frame.h"

void CMainFrame::OnPlacement()
{
    const std::string program = plat::joinPath(plat::programFolder(), "place");
    if (!plat::uiHost().startProgram(program, {}))
        plat::MessageBox(plat::LoadString(tly::kStrPlaceFailed), plat::kMbIconStop);
}
