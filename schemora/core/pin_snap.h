#pragma once
// Pin snapping of the wire tool ("pinsnap"): near a part's side the cursor jumps to the
// connection end of a pin there, shown by an inverting marker box until the next search or the
// button release.

namespace plat {
class Dc;
}

// ShowPinSnapMarker: erases a shown marker, then searches at the cursor; on a pin end the cursor
// point moves there and the marker is drawn. Returns whether it snapped.
bool ShowPinSnapMarker(plat::Dc& dc);
// Erases the marker when it is shown.
void ErasePinSnapMarker(plat::Dc& dc);
