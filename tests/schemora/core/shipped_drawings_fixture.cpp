// The example drawings of the title-block tool, built in memory for the painting tests.
#include "tools/make_title_block/shipped_drawings.cpp"
