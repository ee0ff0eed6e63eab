// Stand-ins for the view topics that are not written yet: page breaks, net names and the fit
// frame draw nothing; the status panes and scroll bars stay as they are.
#include "tracelyn/core/board_view_services.h"


void RefreshStatusPanes() {}
void DrawFitFrame(plat::Dc&) {}
void DrawPageBreaks(plat::Dc&) {}
void DrawNetNames(plat::Dc&) {}
void UpdateScrollBars() {}
