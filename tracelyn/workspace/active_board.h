#pragma once
// The board a frame command works on.

namespace plat { class FrameWnd; }
class CTracelynView;

// The frame's active board view with its board loaded into the current-board values; null
// when no board is open.
CTracelynView* ActiveBoardView(plat::FrameWnd& frame);
