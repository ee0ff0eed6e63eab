#include "tracelyn/core/package_wizard.h"

#include "common/rounding.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_editor_part.h"
#include "tracelyn/core/package_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

PackageWizardMemory g_packageWizardMemory;

namespace {

using namespace tly;

constexpr int32_t kMaxSeparation = 40000;    // 4 inches: past it nothing is a package
constexpr int32_t kMaxPadsPerSide = 200;
constexpr int32_t kMaxCircularPads = 100;
constexpr int32_t kMinPadSize = 80;
constexpr int32_t kMinSeparation = 580;
constexpr int32_t kMaxSurfacePad = 200;
constexpr int32_t kOutlineWidth = 70;
constexpr int32_t kThroughHoleKindWord = kKindPad | (kLayerAll << 10);   // 31757
constexpr int kStyleRound = 0;
constexpr int kStyleSurface = 2;
constexpr int kStyleFinger = 4;

constexpr std::array<std::string_view, kGridRowLabels> kRowLabels = {
    "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "J",  "K",  "L",  "M",  "N",  "P",  "R",
    "T",  "U",  "V",  "W",  "Y",  "AA", "AB", "AC", "AD", "AE", "AF", "AG", "AH", "AJ", "AK",
    "AL", "AM", "AN", "AP", "AR", "AT", "AU", "AV", "AW", "AY", "BA", "BB", "BC"};

PackageCheck refuse(unsigned message)
{
    plat::MessageBox(plat::LoadString(message));
    return PackageCheck::Stay;
}

void warn(unsigned message)
{
    plat::MessageBox(plat::LoadString(message));
}

struct UsedFields {
    bool padsX, padsY, spacing, xSeparation, ySeparation;
};

UsedFields fieldsOf(int type)
{
    switch (type) {
    case kPackageDip: return {true, true, true, true, false};
    case kPackageQuad: return {true, true, true, true, true};
    case kPackageEdgeConnector: return {true, false, true, false, false};
    case kPackageCircular: return {true, false, false, true, false};
    case kPackageDiscrete: return {false, false, false, true, false};
    default: return {true, true, true, false, false};
    }
}

// Counts and lengths that no package can have: none at all, negative ones, and ones whose pad
// coordinates would run past what a board holds.
PackageCheck checkRanges(const PackageRequest& r)
{
    const UsedFields used = fieldsOf(r.type);
    if (r.padsX > kMaxPadsPerSide || r.padsY > kMaxPadsPerSide)
        return refuse(kStrTooManyPins);
    if ((used.padsX && r.padsX < 1) || (used.padsY && r.padsY < 1))
        return refuse(kStrTooManyPins);
    if ((used.spacing && r.spacing <= 0) || (used.xSeparation && r.xSeparation < 0) ||
        (used.ySeparation && r.ySeparation < 0))
        return refuse(kStrSpacingTooSmall);
    if ((used.spacing && r.spacing > kMaxSeparation) || (used.xSeparation && r.xSeparation > kMaxSeparation))
        return refuse(kStrXSeparationTooLarge);
    if (used.ySeparation && r.ySeparation > kMaxSeparation)
        return refuse(kStrYSeparationTooLarge);
    return PackageCheck::Go;
}

// The drill of a pad that is spacing - 80 wide: 60 % of it, but never less than 80.
void holeForPitch(const PackageRequest& r, PackagePads& pads, bool warnSmall)
{
    pads.sizeX = r.spacing - 80;
    pads.hole = RoundHalfUp(pads.sizeX * 0.6);
    if (pads.sizeX - pads.hole < kMinPadSize) {
        pads.hole = kMinPadSize;
        if (pads.sizeX - kMinPadSize < kMinPadSize && warnSmall)
            plat::MessageBox("Warning small pad");
    }
}

PackageCheck checkDip(PackageRequest& r, PackagePads& pads)
{
    const bool throughHole = r.padType == kPadThroughHole;
    holeForPitch(r, pads, throughHole);
    if (throughHole) {
        pads.sizeX = r.spacing - 40;
        if (pads.sizeX < kMinPadSize)
            return refuse(kStrSpacingTooSmall);
        if (r.xSeparation < r.spacing + 40) {
            warn(kStrAdjustingX);
            r.xSeparation += r.spacing + 40;
        }
    } else {
        pads.sizeY = std::min(r.spacing - 40, kMaxSurfacePad);
        if (pads.sizeY < kMinPadSize)
            return refuse(kStrSpacingTooSmall);
        pads.sizeX = 3 * pads.sizeY;
        if (r.xSeparation < pads.sizeX + 80) {
            warn(kStrAdjustingX);
            r.xSeparation += pads.sizeX + 80;
        }
        if (pads.sizeY + 80 > r.spacing) {
            pads.sizeY = r.spacing - 40;
            plat::MessageBox("Spacing to small");
            return PackageCheck::Stay;
        }
    }
    if (r.xSeparation < pads.sizeX + 80)
        return refuse(kStrSpacingTooSmall);
    return PackageCheck::Go;
}

PackageCheck checkQuad(PackageRequest& r, PackagePads& pads)
{
    pads.sizeX = r.spacing - 40;
    if (r.padType == kPadThroughHole)
        return pads.sizeX < kMinPadSize ? refuse(kStrSpacingTooSmall) : PackageCheck::Go;
    pads.sizeX = std::min(pads.sizeX, kMaxSurfacePad);
    if (pads.sizeX < kMinPadSize)
        return refuse(kStrSpacingTooSmall);
    pads.sizeY = 3 * pads.sizeX;
    const int32_t minX = (r.padsX - 1) * r.spacing + pads.sizeY + pads.sizeX + 160;
    if (r.xSeparation < minX) {
        warn(kStrAdjustingX);
        r.xSeparation = minX;
    }
    const int32_t minY = (r.padsY - 1) * r.spacing + pads.sizeY + pads.sizeX;
    if (r.ySeparation < minY) {
        warn(kStrAdjustingY);
        r.ySeparation = minY;
    }
    return PackageCheck::Go;
}

PackageCheck checkCircular(const PackageRequest& r)
{
    if (r.padsX > kMaxCircularPads)
        return refuse(kStrTooManyCircularPins);
    if (RoundHalfUp(r.xSeparation * std::numbers::pi) / r.padsX < kMinSeparation)
        return refuse(kStrInsufficientPadSpacing);
    return PackageCheck::Go;
}

PackageCheck checkByType(PackageRequest& r, PackagePads& pads)
{
    switch (r.type) {
    case kPackageDip:
        return checkDip(r, pads);
    case kPackageQuad:
        return checkQuad(r, pads);
    case kPackageEdgeConnector:
        if (r.xSeparation < kMinSeparation)
            r.xSeparation += kMinSeparation;
        return PackageCheck::Go;
    case kPackageCircular:
        return checkCircular(r);
    case kPackageDiscrete:
        if (r.xSeparation < kMinSeparation) {
            warn(kStrAdjustingX);
            r.xSeparation += kMinSeparation;
        }
        return PackageCheck::Go;
    case kPackageGridArray:
        holeForPitch(r, pads, r.padType == kPadThroughHole);
        // A pad of no size cannot be drawn or drilled.
        return pads.sizeX <= 0 ? refuse(kStrSpacingTooSmall) : PackageCheck::Go;
    default:
        return PackageCheck::Stay;
    }
}

// ---- generation ----

class PackageWriter {
public:
    explicit PackageWriter() : before_(g_board.count) {}

    bool pad(int32_t x, int32_t y, int32_t kindWord, int style, int32_t hole, int32_t sizeX, int32_t sizeY,
             std::string_view number)
    {
        BoardObject* o = append(kindWord, x, y, sizeX, sizeY);
        if (o == nullptr)
            return false;
        o->w[5] = style;
        o->w[6] = hole;
        o->setPinNumber(number);
        return true;
    }
    bool throughHole(int32_t x, int32_t y, const PackagePads& p, std::string_view number)
    {
        return pad(x, y, kThroughHoleKindWord, kStyleRound, p.hole, p.sizeX, p.sizeX, number);
    }
    bool surface(int32_t x, int32_t y, int32_t sizeX, int32_t sizeY, std::string_view number)
    {
        return pad(x, y, kKindPad, kStyleSurface, 0, sizeX, sizeY, number);
    }
    bool shape(int32_t kindWord, int32_t x, int32_t y, int32_t a, int32_t b)
    {
        BoardObject* o = append(kindWord, x, y, a, b);
        if (o == nullptr)
            return false;
        o->w[7] = kOutlineWidth;
        return true;
    }
    void takeBack()
    {
        for (int i = g_board.count; i > before_; --i)
            TakeBackAppendedObject(i);
        g_board.count = before_;
    }

private:
    // A new object of the kind with its first four words; null when the store is full.
    static BoardObject* append(int32_t kindWord, int32_t w0, int32_t w1, int32_t w2, int32_t w3)
    {
        BoardObject* o = AppendedObject(AppendObject());
        if (o != nullptr) {
            o->w[0] = w0;
            o->w[1] = w1;
            o->w[2] = w2;
            o->w[3] = w3;
            o->w[4] = kindWord;
        }
        return o;
    }

    int before_;
};

std::string number(int n)
{
    return std::to_string(n);
}

bool generateDip(PackageWriter& out, const PackageRequest& r, const PackagePads& p)
{
    const int n = r.padsX * r.padsY;
    const bool throughHole = r.padType == kPadThroughHole;
    int32_t y = kPackageOriginY;
    for (int k = 0; k < n; ++k) {
        const int32_t x = k < n / 2 ? kPackageOriginX : kPackageOriginX + r.xSeparation;
        const bool ok = throughHole ? out.throughHole(x, y, p, number(k + 1)) : out.surface(x, y, p.sizeX, p.sizeY, number(k + 1));
        if (!ok)
            return false;
        if (k < n / 2 - 1)
            y += r.spacing;
        else if (k > n / 2 - 1)
            y -= r.spacing;
    }
    const int32_t margin = (p.sizeX + 200) / 2;
    return out.shape(kKindRectangle, margin + kPackageOriginX, kPackageOriginY - margin, r.xSeparation - p.sizeX - 200,
                     (n / 2 - 1) * r.spacing + p.sizeX + 200);
}

bool generateQuad(PackageWriter& out, const PackageRequest& r, const PackagePads& p)
{
    const bool throughHole = r.padType == kPadThroughHole;
    const int32_t s = r.spacing, nx = r.padsX, ny = r.padsY;
    const int32_t middle = ((ny - 1) * s + 2 * kPackageOriginY) / 2;
    const int32_t sideB = r.ySeparation / 2 + middle;
    const int32_t sideD = middle - r.ySeparation / 2;
    const int32_t inset = (r.xSeparation - (nx - 1) * s) / 2;
    int pin = 1;
    // Sides A and C run along y: their surface pads lie across the row.
    auto place = [&](int32_t x, int32_t y, bool alongY) {
        const std::string text = number(pin++);
        if (throughHole)
            return out.throughHole(x, y, p, text);
        return alongY ? out.surface(x, y, p.sizeY, p.sizeX, text) : out.surface(x, y, p.sizeX, p.sizeY, text);
    };
    for (int32_t i = 0; i < ny; ++i)
        if (!place(kPackageOriginX, kPackageOriginY + i * s, true))
            return false;
    for (int32_t i = 0; i < nx; ++i)
        if (!place(kPackageOriginX + inset + i * s, sideB, false))
            return false;
    for (int32_t i = 0; i < ny; ++i)
        if (!place(kPackageOriginX + r.xSeparation, kPackageOriginY + (ny - 1 - i) * s, true))
            return false;
    for (int32_t i = 0; i < nx; ++i)
        if (!place(kPackageOriginX + r.xSeparation - inset - i * s, sideD, false))
            return false;
    const int32_t reach = throughHole ? p.sizeX : 600;
    return out.shape(kKindRectangle, reach / 2 - 9800, sideD + reach / 2 + 200, r.xSeparation - reach - 400,
                     r.ySeparation - reach - 400);
}

bool generateEdgeConnector(PackageWriter& out, const PackageRequest& r, const PackagePads& p, bool doubleSided)
{
    const int sides = doubleSided ? 2 : 1;
    for (int side = 0; side < sides; ++side) {
        for (int32_t i = 0; i < r.padsX; ++i)
            if (!out.pad(kPackageOriginX + i * r.spacing, kPackageOriginY, kKindPad | (side << 10), kStyleFinger, 0,
                         p.sizeX, 4 * p.sizeX, number(side * r.padsX + i + 1)))
                return false;
        // The outline goes round the fingers (round ends included), 20 mils clear, so that no
        // silk lies on their copper.
        if (!out.shape(kKindRectangle | (side << 10), -10200 - p.sizeX / 2, kPackageOriginY - p.sizeX / 2 - 200,
                       p.sizeX + (r.padsX - 1) * r.spacing + 400, 4 * p.sizeX + p.sizeX / 2 + 400))
            return false;
    }
    return true;
}

bool generateCircular(PackageWriter& out, const PackageRequest& r, const PackagePads& p)
{
    const int32_t radius = r.xSeparation / 2;
    for (int k = 1; k <= r.padsX; ++k) {
        const double a = k * 2 * std::numbers::pi / r.padsX;
        if (!out.throughHole(RoundHalfUp(std::sin(a) * radius) + kPackageOriginX,
                             RoundHalfUp(std::cos(a) * radius) + kPackageOriginY, p, number(k)))
            return false;
    }
    const int32_t outline = radius + p.sizeX / 2 + 200;
    return out.shape(kKindEllipse, kPackageOriginX, kPackageOriginY, outline, outline);
}

bool generateDiscrete(PackageWriter& out, const PackageRequest& r, const PackagePads& p)
{
    for (int k = 0; k < 2; ++k) {
        const int32_t x = kPackageOriginX + k * r.xSeparation;
        const bool ok = r.padType == kPadThroughHole ? out.throughHole(x, kPackageOriginY, p, number(k + 1))
                                                     : out.surface(x, kPackageOriginY, 200, 600, number(k + 1));
        if (!ok)
            return false;
    }
    return true;
}

bool generateGridArray(PackageWriter& out, const PackageRequest& r, const PackagePads& p)
{
    const int32_t hole = r.padType == kPadThroughHole ? p.hole : 0;
    for (int32_t row = 0; row < r.padsY; ++row)
        for (int32_t column = 0; column < r.padsX; ++column)
            if (!out.pad(kPackageOriginX + column * r.spacing, kPackageOriginY + row * r.spacing, kThroughHoleKindWord,
                         kStyleRound, hole, p.sizeX, p.sizeX, GridRowLabel(row) + number(column + 1)))
                return false;
    const int32_t half = p.sizeX / 2;
    return out.shape(kKindRectangle, -10200 - half, -5200 - half, (r.padsX - 1) * r.spacing + 2 * half + 400,
                     (r.padsY - 1) * r.spacing + 2 * half + 400);
}

}  // namespace

void PlacePackageLabels()
{
    // Beyond the text's box: half the stroke pen, a silk line's width and a margin.
    constexpr int32_t kLabelGap = 300;
    if (g_board.objects == nullptr || g_board.count < kPartEditorFirstFree)
        return;
    BoardBox package = GetObjectExtent(kPartEditorFirstFree, kExtentPlain);
    for (int i = kPartEditorFirstFree + 1; i <= g_board.count; ++i) {
        const BoardBox b = GetObjectExtent(i, kExtentPlain);
        package = {std::min(package.left, b.left), std::min(package.top, b.top), std::max(package.right, b.right),
                   std::max(package.bottom, b.bottom)};
    }
    // A text's anchor is the left end of its baseline; its box reaches up from there.
    if (BoardObject& ref = g_board.objects[kRefTextIndex]; ref.kind() == kKindText) {
        ref.w[0] = package.left;
        ref.w[1] = package.top - kLabelGap;
    }
    if (BoardObject& name = g_board.objects[kNameTextIndex]; name.kind() == kKindText) {
        const BoardBox box = UnrotatedTextBox(kNameTextIndex);
        name.w[0] = package.left;
        name.w[1] = package.bottom + kLabelGap + (box.bottom - box.top);
    }
}

std::string GridRowLabel(int row)
{
    return row >= 0 && row < kGridRowLabels ? std::string(kRowLabels[static_cast<size_t>(row)]) : std::string();
}

PackageCheck CheckPackageRequest(PackageRequest& request, PackagePads& pads)
{
    pads = PackagePads{};
    if (request.type == kPackageGridArray && request.padsY > kGridRowLabels)
        return refuse(kStrGridRowsTooMany);
    if (checkRanges(request) == PackageCheck::Stay || checkByType(request, pads) == PackageCheck::Stay)
        return PackageCheck::Stay;
    // The part's two label records stay in front of the package.
    if (kPartEditorFirstFree - 1 + PackageRecordCount(request, false) >= kPartEditorStoreSize)
        return refuse(kStrTooManyPins);
    return PackageCheck::Go;
}

int PackageRecordCount(const PackageRequest& r, bool doubleSided)
{
    switch (r.type) {
    case kPackageDip: return r.padsX * r.padsY + 1;
    case kPackageQuad: return 2 * (r.padsX + r.padsY) + 1;
    case kPackageEdgeConnector: return (doubleSided ? 2 : 1) * (r.padsX + 1);
    case kPackageCircular: return r.padsX + 1;
    case kPackageDiscrete: return 2;
    case kPackageGridArray: return r.padsX * r.padsY + 1;
    default: return 0;
    }
}

bool GeneratePackage(const PackageRequest& request, const PackagePads& pads, bool doubleSided)
{
    PackageWriter out;
    bool ok = false;
    switch (request.type) {
    case kPackageDip: ok = generateDip(out, request, pads); break;
    case kPackageQuad: ok = generateQuad(out, request, pads); break;
    case kPackageEdgeConnector: ok = generateEdgeConnector(out, request, pads, doubleSided); break;
    case kPackageCircular: ok = generateCircular(out, request, pads); break;
    case kPackageDiscrete: ok = generateDiscrete(out, request, pads); break;
    case kPackageGridArray: ok = generateGridArray(out, request, pads); break;
    default: break;
    }
    if (!ok)
        out.takeBack();
    return ok;
}
