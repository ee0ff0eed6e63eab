#pragma once
// The signal bus tool (B): two clicks draw a horizontal or vertical bus; at the first click
// "Signal Bus Setup" asks for a root name and a starting index, and a vertical bus with a root
// name gets a ripper arc and a signal name (root name and running index) for every pin of the
// sheet's parts that reaches into the band beside it.

#include "platform/app/dialog.h"

#include <string>

// What the tool keeps between buses of a run.
struct BusToolState {
    int phase = 0;                 // 0 before the first click, 1 between the clicks
    int startX = 0, startY = 0;    // drawing units
    int busIndex = 0;              // the record taken at the first click
    const void* store = nullptr;   // the store that record belongs to
    bool rippers = false;
    std::string rootName;
    int startingIndex = 0;
    int rippersIndex = 0;          // the running index the next signal name takes
    bool storeFull = false;        // the store refused a ripper of this bus (reported once)
};
extern BusToolState g_busTool;

// The band the rippers are placed in: x from left to right, y from bottom (smaller) to top
// (greater); side 1 when the bus was drawn towards greater y.
struct BusBox {
    int left = 0, right = 0, top = 0, bottom = 0;
    int side = 0;
};
extern BusBox g_busBox;

inline constexpr int kBusBand = 108;
inline constexpr int kRipperRise = 54;
inline constexpr int kNameOffset = 162;
inline constexpr int kMaxRipperIndex = 32766;

// One click of the tool at the cursor: 0 when the setup was cancelled (or nothing could be
// added), 1 after a first click, 2 when a bus is finished.
int BusToolClick();

// Hands every line of the sheet's placed parts to AddBusRipper against the box of the two
// corners, in object order and, within a part, forwards for side 1 and backwards for side 0;
// moves a vertical bus (record busIndex) by 54 towards its rippers.
void PlaceBusRippers(bool vertical, int x1, int y1, int x2, int y2, int firstIndex, const std::string& rootName,
                     int busIndex);

// One wire against g_busBox: when exactly one end lies in the box the running index moves on
// and, when draw is set, a ripper arc and a name text are appended (nothing at a full store).
void AddBusRipper(bool draw, int& index, const std::string& rootName, int x1, int y1, int x2, int y2);

class CBusSetupDlg : public plat::Dialog {
public:
    explicit CBusSetupDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

    std::string rootName;
    std::string indexText;
};
