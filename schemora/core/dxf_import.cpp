#include "schemora/core/dxf_import.h"

#include "common/dxf_reader.h"
#include "common/string_helpers.h"
#include "platform/app/doc_template.h"
#include "platform/app/win_app.h"
#include "platform/core/archive.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/dxf_reader.h"
#include "schemora/core/object_scaling.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/text_style.h"
#include "schemora/core/text_width_estimate.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr float kImportScale = 0.5f;
constexpr int kPinTableLineLength = 161;
constexpr int kNumberRise = 15;
constexpr int kNameShift = 25;
constexpr int kNameClearance = 100;
constexpr int kClassNumber = 1;
constexpr int kClassName = 2;
// One object read from the file as the drawing's next record; false, with nothing appended,
// when the store is full.
bool appendImportedObject(const DxfObject& object)
{
    if (!ObjectsFit(1))
        return false;
    const int index = AppendObjects(1);
    g_current.objects[static_cast<std::size_t>(index)] =
        MakeDrawObject(object.words, object.words[4] == kObjText ? object.text.c_str() : nullptr);
    return true;
}

bool askToContinue(std::string_view name)
{
    const std::string question = "DXF command \"" + std::string(name) + "\" not implemented.\nContinue loading?";
    return plat::MessageBox(question, plat::kMbYesNo) == plat::kIdYes;
}

// The lowest corner of the imported objects: the point they are halved about.
std::pair<int, int> lowestCorner(int first, int last)
{
    long long minX = INT_MAX, minY = INT_MAX;
    auto add = [&](long long x, long long y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
    };
    for (int i = first; i <= last; ++i) {
        const DrawObject& o = g_current.at(i);
        switch (o.type()) {
        case kObjLine:
        case kObjRectangle:
        case kObjArrow:
        case kObjArc:
            add(o.w[0], o.w[1]);
            add(o.w[2], o.w[3]);
            break;
        case kObjEllipse:
            add(static_cast<long long>(o.w[0]) - o.w[2], static_cast<long long>(o.w[1]) - o.w[3]);
            break;
        default: add(o.w[0], o.w[1]); break;
        }
    }
    return {static_cast<int>(std::max<long long>(minX, INT_MIN)), static_cast<int>(std::max<long long>(minY, INT_MIN))};
}

void rememberPinTableLine(PinTableLines& lines, const DrawObject& o)
{
    const long long dx = std::llabs(static_cast<long long>(o.w[2]) - o.w[0]);
    const long long dy = std::llabs(static_cast<long long>(o.w[3]) - o.w[1]);
    if (o.w[1] == o.w[3] && dx >= kPinTableLineLength && lines.horizontalCount < 2)
        lines.horizontalY[lines.horizontalCount++] = o.w[1];
    else if (o.w[0] == o.w[2] && dy >= kPinTableLineLength && lines.verticalCount < 2)
        lines.verticalX[lines.verticalCount++] = o.w[0];
}

}  // namespace

PinTableLines ClassifyImportedObjects()
{
    PinTableLines lines;
    const int count = g_current.liveCount();
    for (int i = 1; i <= count; ++i) {
        DrawObject& o = g_current.at(i);
        if (o.hasSecondPoint()) {
            rememberPinTableLine(lines, o);
        } else if (o.type() == kObjText) {
            if (IsNumericText(o.text ? o.text : "")) {
                o.w[1] += o.w[1] < INT_MAX - kNumberRise ? kNumberRise : 0;
                o.w[3] = kClassNumber;
            } else {
                o.w[0] -= o.w[0] > INT_MIN + kNameShift ? kNameShift : 0;
                o.w[3] = kClassName;
            }
        } else if (o.isPart()) {
            plat::MessageBeep();
        }
    }
    return lines;
}

void AlignImportedPinNames(const PinTableLines& lines)
{
    // Without both pairs there is no table to align against.
    if (lines.horizontalCount < 2 || lines.verticalCount < 2)
        return;
    const int top = std::min(lines.horizontalY[0], lines.horizontalY[1]);
    const int bottom = std::max(lines.horizontalY[0], lines.horizontalY[1]);
    const int left = std::min(lines.verticalX[0], lines.verticalX[1]);
    const int right = std::max(lines.verticalX[0], lines.verticalX[1]);
    const int count = g_current.liveCount();
    for (int i = 1; i <= count; ++i) {
        DrawObject& o = g_current.at(i);
        if (o.type() != kObjText || o.w[3] != kClassName || o.w[1] <= top || o.w[1] >= bottom)
            continue;
        if (std::llabs(static_cast<long long>(o.w[0]) - left) <= kNameClearance)
            continue;
        o.w[0] = right - EstimateTextWidth(o.text ? o.text : "");
    }
}

int ImportDxf(std::string_view path)
{
    const std::optional<plat::Archive> file = LoadDxfFile(path, "Can't open file " + std::string(path));
    if (!file)
        return 0;
    DxfObjects read = ReadDxfObjects(DxfText(*file), g_textStyle.word(), askToContinue);
    const int first = g_current.count + 1;
    int appended = 0;
    for (const DxfObject& object : read.objects) {
        if (!appendImportedObject(object)) {
            plat::MessageBox("Schematic FULL--objects not loaded");
            break;
        }
        ++appended;
    }
    const int last = first + appended - 1;
    std::vector<int> selection;
    for (int i = first; i <= last; ++i)
        selection.push_back(i);
    if (!selection.empty()) {
        const auto [x, y] = lowestCorner(first, last);
        ScaleObjects(selection, kImportScale, kImportScale, x, y);
    }
    AlignImportedPinNames(ClassifyImportedObjects());
    g_editState.selectionCount = 0;
    RedrawActiveFrame();
    return appended;
}

bool ImportDxfIntoNewDrawing(std::string_view path)
{
    // The file is read before a drawing is made for it: an unreadable file leaves no empty window.
    if (!plat::fileExists(path)) {
        // A folder or pipe of that name is said by its kind, as every reader says it.
        plat::MessageBox(plat::pathExists(path) ? plat::notAFileText(plat::resolvePath(path))
                                                : "Can't open file " + std::string(path),
                         plat::kMbIconStop);
        return false;
    }
    plat::WinApp* app = plat::GetApp();
    if (!app || app->docTemplates().empty())
        return false;
    auto* doc = dynamic_cast<CSchemoraDoc*>(app->docTemplates().front()->OpenDocumentFile({}));
    if (!doc)
        return false;
    ImportDxf(path);
    return true;
}
