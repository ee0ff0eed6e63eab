#include "tracelyn/route/board_dxf.h"

#include "common/dxf_entities.h"
#include "platform/app/resources.h"
#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/manufacturing_services.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr float kInchesPerBoardUnit = 0.0001f;

bool exported(int objectLayer, int exportLayer)
{
    return exportLayer == kLayerAll || objectLayer == kLayerAll || objectLayer == exportLayer;
}

void cross(std::string& out, int x, int y, int width, int height)
{
    DxfWriteLine(out, x - width / 2, y, x + width / 2, y);
    DxfWriteLine(out, x, y - height / 2, x, y + height / 2);
}

// The rectangle x1..x2 by y1..y2, turned about (x, y) for an angle code.
void padRect(std::string& out, int x, int y, int x1, int y1, int x2, int y2, int rotation)
{
    if (rotation >= 8)
        DxfWriteRotatedRect(out, x, y, x1, y1, x2, y2, 0, 0, 0, 0, rotation * kTenthDegree, false);
    else
        DxfWriteRect(out, x1, y1, x2, y2);
}

// A rectangle with its corner at (x, y), w x h, turned about the corner.
void rectangle(std::string& out, const BoardObject& o)
{
    const int rotation = (o.w[5] >> 2) & 0xFFF;
    const int mirror = (o.w[5] >> 15) & 1;
    if (rotation == 0)
        DxfWriteRect(out, o.w[0], o.w[1], o.w[0] + o.w[2], o.w[1] + o.w[3]);
    else
        DxfWriteRotatedRect(out, o.w[0], o.w[1], o.w[0], o.w[1], o.w[0] + o.w[2], o.w[1] + o.w[3], 0, 0, 0, 0,
                            rotation * kTenthDegree, mirror != 0);
}

void boardObject(std::string& out, const BoardObject& o, int exportLayer)
{
    switch (o.kind()) {
    case kKindLine:
        DxfWriteTrace(out, o.w[0], o.w[1], o.w[2], o.w[3], o.layer(), o.w[5], o.w[7]);
        break;
    case kKindRectangle:
        rectangle(out, o);
        break;
    case kKindText:
        DxfWriteText(out, o.w[0], o.w[1], o.text() ? o.text() : "", o.w[2], o.w[3]);
        break;
    case kKindEllipse:
        DxfWriteCircle(out, o.w[0], o.w[1], o.w[2], o.w[3]);
        break;
    case kKindArc:
        DxfWriteArc(out, o.w[0], o.w[1], o.w[2], o.w[3]);
        break;
    case kKindPad:
        DxfWritePad(out, o.w[0], o.w[1], o.layer(), o.w[5] & 15, o.w[2], o.w[3], o.w[6], o.w[5] >> 3);
        break;
    default:
        if (o.kind() > kKindPart)
            DxfWriteComponent(out, o, exportLayer);
        break;
    }
}

class PackageWriter {
public:
    PackageWriter(std::string& out, const BoardObject& part, int exportLayer)
        : out_(out), exportLayer_(exportLayer), angle_(part.w[6] & 0xFFF), mirror_((part.w[6] >> 12) & 1)
    {
    }

    void write(const PartSection& range)
    {
        for (int i = std::max(range.first, 0); i <= range.last; ++i) {
            const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
            if (exported(o.layer(), exportLayer_))
                object(o);
        }
    }

    std::array<int32_t, 2> place(int32_t x, int32_t y) const
    {
        int32_t ox = 0, oy = 0;
        TransformPoint(x, y, ox, oy, angle_, mirror_, true);
        return {ox, oy};
    }

    int textAngle() const
    {
        if (mirror_)
            return angle_;
        return angle_ == 0 ? 0 : 3600 - angle_;
    }

private:
    void object(const BoardObject& o)
    {
        const auto a = place(o.w[0], o.w[1]);
        switch (o.kind()) {
        case kKindLine: {
            const auto b = place(o.w[2], o.w[3]);
            DxfWriteTrace(out_, a[0], a[1], b[0], b[1], o.layer(), 0, o.w[7]);
            break;
        }
        case kKindRectangle: {
            if (angle_ == 0 && !mirror_) {
                DxfWriteRect(out_, a[0], a[1], a[0] + o.w[2], a[1] + o.w[3]);
            } else {
                DxfWriteRotatedRect(out_, a[0], a[1], a[0], a[1], a[0] + o.w[2], a[1] + o.w[3], 0, 0, 0, 0,
                                    angle_ * kTenthDegree, mirror_ != 0);
            }
            break;
        }
        case kKindText:
            if (!IsNamePlaceholder(o))
                DxfWriteText(out_, a[0], a[1], o.text() ? o.text() : "", o.w[2], textAngle());
            break;
        case kKindEllipse:
            DxfWriteCircle(out_, a[0], a[1], o.w[2], o.w[3]);
            break;
        case kKindArc: {
            const auto b = place(o.w[2], o.w[3]);
            DxfWriteArc(out_, a[0], a[1], b[0], b[1]);
            break;
        }
        case kKindPad: {
            // A part's turn turns its pads: quarter turns exchange the sizes, other angles
            // turn the rectangles.
            int rotation = (o.w[5] >> 3) & 7;
            if (angle_ == 900 || angle_ == 2700)
                rotation = rotation == 0 ? 2 : rotation;
            else if (angle_ != 0 && angle_ != 1800)
                rotation = angle_;
            DxfWritePad(out_, a[0], a[1], o.layer(), o.w[5] & 15, o.w[2], o.w[3], o.w[6], rotation);
            break;
        }
        default:
            break;
        }
    }

    std::string& out_;
    int exportLayer_;
    int angle_;
    int mirror_;
};

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

void DxfWriteTrace(std::string& out, int x1, int y1, int x2, int y2, int /*layer*/, int /*flags*/, int width)
{
    DxfBeginEntity(out, "LINE");
    DxfAppendInches(out, 39, width);
    DxfAppendInches(out, 10, x1);
    DxfAppendInches(out, 20, -static_cast<long long>(y1));
    DxfAppendInches(out, 11, x2);
    DxfAppendInches(out, 21, -static_cast<long long>(y2));
}

void DxfWritePad(std::string& out, int x, int y, int /*layer*/, int shape, int width, int height, int hole,
                 int rotation)
{
    if (rotation == 2 || rotation == 3 || rotation == 6 || rotation == 7)
        std::swap(width, height);
    const int hw = width / 2, hh = height / 2;
    switch (shape) {
    case 0: {
        // The copper ring: a circle at its mean radius, as wide as the ring.
        const int ring = (width - hole - 2) / 2;
        DxfWriteCircle(out, x, y, (width + hole) / 4, (width + hole) / 4, 0, 0, 0, ring);
        break;
    }
    case 7:
        DxfWriteCircle(out, x, y, (width - 1) / 2, (width - 1) / 2, 0, 0, 0, 1);
        cross(out, x, y, width, height);
        break;
    case 1:
        DxfWriteCircle(out, x, y, hole / 2, hole / 2);
        break;
    case 2:
    case 3:
        padRect(out, x, y, x - hw, y - hh, x + hw, y + hh, rotation);
        if (shape == 3)
            DxfWriteCircle(out, x, y, hole / 2, hole / 2);
        break;
    case 4: {
        // The finger reaches out from the centre on the side of its rotation code.
        switch (rotation & 3) {
        case 0: padRect(out, x, y, x - hw, y, x + hw, y + height, rotation); break;
        case 1: padRect(out, x, y, x, y - hh, x + width, y + hh, rotation); break;
        case 2: padRect(out, x, y, x - hw, y - height, x + hw, y, rotation); break;
        default: padRect(out, x, y, x - width, y - hh, x, y + hh, rotation); break;
        }
        DxfWriteCircle(out, x, y, (width + hole) / 4, (width + hole) / 4, 0, 0, 0, (width - hole) / 2);
        if (hole >= 2)
            DxfWriteCircle(out, x, y, hole / 2, hole / 2);
        break;
    }
    case 5:
    case 6: {
        const int half = width == 0 ? 5 : width / 2;
        const int r = (hole == 0 ? 5 : hole) / 2;
        DxfWriteRect(out, x - half, y - half, x + half, y + half);
        DxfWriteCircle(out, x, y, r, r);
        break;
    }
    default:
        break;
    }
}

void DxfWriteComponent(std::string& out, const BoardObject& part, int exportLayer)
{
    PartSection range;
    if (!PartSectionRange(part, range))
        return;
    const CurrentPart saved = g_partPosition;
    g_partPosition = {part.w[0], part.w[1]};
    PackageWriter writer(out, part, exportLayer);
    writer.write(range);
    bool valueOnlyEmpty = false;
    std::string label = PartReferenceLabel(part, range.sections, range.section, valueOnlyEmpty);
    label = upper(label.substr(0, label.find('!')));
    if (!label.empty() && !valueOnlyEmpty) {
        const auto at = writer.place(part.w[2], part.w[3]);
        DxfWriteText(out, at[0], at[1], label, 0, PartLabelAngle(part));
    }
    g_partPosition = saved;
}

std::string BoardDxfText()
{
    const DxfUnitScope units(kInchesPerBoardUnit);
    std::string out;
    out.reserve(1 << 16);
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const long long hw = static_cast<long long>(area.width) * 5, hh = static_cast<long long>(area.height) * 5;
    DxfBeginFile(out, hw, hh);
    const int exportLayer = g_edit.currentLayer;
    const int last = g_board.objects ? std::min(g_board.count, g_board.capacity - 1) : 0;
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindDeleted && exported(o.layer(), exportLayer))
            boardObject(out, o, exportLayer);
    }
    DxfEndFile(out);
    return out;
}

void CDxfFile::ExportDxf(std::string_view path)
{
    const std::string text = BoardDxfText();
    const std::string target(path);
    if (const plat::WriteResult written = plat::writeFileAtomically(target, text); !written) {
        plat::MessageBox(written.message(plat::FormatString1(tly::kStrCantOpenFile, target)), plat::kMbIconStop);
        return;
    }
    char message[64];
    std::snprintf(message, sizeof message, "Saved %d DXF elements", g_board.count);
    plat::MessageBox(message);
}

void ExportBoardDxf(std::string_view path)
{
    CDxfFile file;
    file.ExportDxf(path);
}
