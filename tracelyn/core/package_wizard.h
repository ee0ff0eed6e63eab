#pragma once
// Footprints generated from a few numbers: the package type, the pad type, the pad counts, the
// pad spacing and the row separations. The checks adjust or refuse the numbers (with their
// messages); the generator appends the numbered pads and the outline to the current store,
// around the package origin (-10000, -5000). Lengths are design units (0.1 mil).

#include <cstdint>
#include <string>

enum PackageType : int {
    kPackageDip = 1094,
    kPackageQuad = 1095,
    kPackageEdgeConnector = 1097,
    kPackageCircular = 1099,
    kPackageDiscrete = 1100,
    kPackageGridArray = 1101,
};

enum PadType : int {
    kPadThroughHole = 1065,
    kPadSurfaceMount = 1066,
};

// What the first page holds; the checks may change the separations.
struct PackageRequest {
    int type = kPackageDip;
    int padType = kPadThroughHole;
    int32_t spacing = 1000;
    int32_t xSeparation = 3000;
    int32_t ySeparation = 3000;
    int32_t padsX = 2;
    int32_t padsY = 10;
};

// The pad sizes the checks work out.
struct PackagePads {
    int32_t hole = 290;
    int32_t sizeX = 500;
    int32_t sizeY = 500;
};

enum class PackageCheck { Go, Stay };

// Checks and adjusts the request, showing each warning and error; Stay when an error refuses it.
// Every pad count and length the type uses must be of a size whose pads and coordinates make
// sense, and the package must fit the footprint editor's store.
PackageCheck CheckPackageRequest(PackageRequest& request, PackagePads& pads);

// The records the package takes: its pads and its outlines.
int PackageRecordCount(const PackageRequest& request, bool doubleSided);

// Appends the package's records to the current store through the store's append routine.
// False when the store refused a record; the records appended so far are then taken back.
bool GeneratePackage(const PackageRequest& request, const PackagePads& pads, bool doubleSided);

// Moves the part's reference text (record 1) above everything after the two label records and
// its name text (record 2) below it, left-aligned with the package, so that no label lies on a
// pad when the part is placed. Call it once the two texts hold their final strings.
void PlacePackageLabels();

// The label of grid-array row r (0-based): "A" ... "Y", "AA" ... "BC"; empty past the last.
std::string GridRowLabel(int row);
inline constexpr int kGridRowLabels = 43;

// The first page's values that carry over to the wizard's next run within one run of the
// program, and its unit mode (725 mils, 726 millimetres).
struct PackageWizardMemory {
    PackageRequest request;
    int unitMode = 725;
};
extern PackageWizardMemory g_packageWizardMemory;
