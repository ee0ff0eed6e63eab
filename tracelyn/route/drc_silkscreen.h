#pragma once
// The silk screen of both sides as the check sees it, and the rule that keeps it off the
// solderable surface: silk (board objects on layers 16 and 17, the packages' drawings, texts
// and labels) that overlaps the solder-mask opening of a pad on the same side. A package text
// beginning "p?" marks where the part's name goes and is never silk.

#include "tracelyn/route/drc_artwork.h"
#include "tracelyn/route/drc_findings.h"

#include <vector>

struct BoardSilk {
    ArtworkSourceIds ids;   // what each piece's tag stands for
    ShapeSet top;
    ShapeSet bottom;
};

BoardSilk CollectBoardSilk();

// Whether a package text is the part-name placeholder.
bool IsNamePlaceholder(const char* text);

bool CheckSilkscreen(const BoardSilk& silk, DrcWork& work, std::vector<DrcFinding>& findings);
