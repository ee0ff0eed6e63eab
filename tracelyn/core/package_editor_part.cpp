#include "tracelyn/core/package_editor_part.h"

#include "common/string_helpers.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_body.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>

namespace {

constexpr int kStyleOval = 1;
constexpr int kStyleSquare = 3;
constexpr int32_t kAllLayersPadWord = kKindPad | (kLayerAll << 10);

void deleteRecord(BoardObject& o)
{
    FreeObjectData(o);
    o = BoardObject{};
}

BoardObject textRecord(int32_t x, int32_t y, int32_t kindWord, int32_t sizeWord, std::string_view text)
{
    BoardObject o;
    o.w[0] = x;
    o.w[1] = y;
    o.w[2] = sizeWord;
    o.w[4] = kindWord;
    o.data = StrDupChecked(std::string(text));
    return o;
}

void setText(BoardObject& o, std::string_view text)
{
    char* copy = StrDupChecked(std::string(text));
    if (copy == nullptr)
        return;
    char* old = o.text();
    FreeStr(old);
    o.data = copy;
}

// A label on layer 0 hands its place to the editor's reserved record.
void takePlace(BoardObject& reserved, const BoardObject& label)
{
    if (label.layer() != kLayerTop || reserved.kind() != kKindText)
        return;
    reserved.w[0] = label.w[0];
    reserved.w[1] = label.w[1];
    reserved.w[4] = label.w[4];
}

bool isReferenceLabel(std::string_view text)
{
    return !text.empty() && text.back() == '?' && text.front() != ';';
}

// The texts that carry the part's labels, comment and edge-card mark.
bool isLabelText(std::string_view text)
{
    return text.find('?') != std::string_view::npos || text.starts_with(';') ||
           text.find("%cont") != std::string_view::npos;
}

int leadingNumber(std::string_view pin)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(pin.data(), pin.data() + pin.size(), value);
    if (error == std::errc::result_out_of_range)
        return INT_MAX - 1;
    if (error != std::errc() || end == pin.data())
        return 0;
    return static_cast<int>(std::clamp<long long>(value, 0, INT_MAX - 1));
}

void appendCopy(std::vector<OwnedObject>& image, BoardObject record)
{
    image.emplace_back(record);
    FreeObjectData(record);
}

}  // namespace

std::string ReferenceText(std::string_view designator)
{
    return "Ref(" + std::string(designator) + ")";
}

void ResetPartEditorStore(BoardObject* objects, int capacity, std::string_view designator, std::string_view name,
                          int32_t refX, int32_t refY, int32_t nameX, int32_t nameY, int32_t sizeWord)
{
    for (int i = 1; i < capacity; ++i)
        deleteRecord(objects[i]);
    objects[kRefTextIndex] = textRecord(refX, refY, kKindText, sizeWord, ReferenceText(designator));
    objects[kNameTextIndex] = textRecord(nameX, nameY, kKindText, sizeWord, name);
    g_board.count = kNameTextIndex;
}

void MovePinTextsIntoPads(BoardObject* objects, int count)
{
    for (int p = kPartEditorFirstFree; p <= count; ++p) {
        BoardObject& pad = objects[p];
        if (pad.kind() != kKindPad)
            continue;
        for (int t = kPartEditorFirstFree; t <= count; ++t) {
            BoardObject& text = objects[t];
            // The comment and the labels sit at the origin, where a pad may stand too.
            if (text.kind() != kKindText || text.text() == nullptr || isLabelText(text.text()))
                continue;
            if (pad.layer() != kLayerAll && text.layer() != pad.layer())
                continue;
            if (!PointsNear(text.w[0], text.w[1], pad.w[0], pad.w[1]))
                continue;
            pad.setPinNumber(text.text());
            deleteRecord(text);
            break;
        }
    }
}

void RecognisePartTexts(BoardObject* objects, int count, std::string_view partName, PackageLabels& labels)
{
    labels.edgeCard = false;
    for (int i = kPartEditorFirstFree; i <= count; ++i) {
        BoardObject& o = objects[i];
        if (o.kind() != kKindText || o.text() == nullptr)
            continue;
        const std::string text = o.text();
        bool label = false;
        if (text.find('?') != std::string::npos) {
            if (text.find("p?") != std::string::npos) {
                setText(objects[kNameTextIndex], partName);
                takePlace(objects[kNameTextIndex], o);
                label = true;
            } else if (isReferenceLabel(text)) {
                labels.designator = plat::upperCaseAscii(std::string_view(text).substr(0, text.size() - 1));
                setText(objects[kRefTextIndex], ReferenceText(labels.designator));
                takePlace(objects[kRefTextIndex], o);
                label = true;
            }
        }
        if (text.front() == ';') {
            labels.comment = text.substr(1);
            label = true;
        }
        if (text.find("%cont") != std::string::npos) {
            labels.edgeCard = true;
            label = true;
        }
        if (label)
            deleteRecord(o);
    }
}

void MakeThroughPadsAllLayer(BoardObject* objects, int count)
{
    for (int i = kPartEditorFirstFree; i <= count; ++i) {
        BoardObject& o = objects[i];
        const int style = o.w[5] & 7;
        if (o.kind() == kKindPad && o.w[6] > 0 && (style == 0 || style == kStyleOval || style == kStyleSquare))
            o.w[4] = kAllLayersPadWord;
    }
}

int NextPadNumber(const BoardObject* objects, int count)
{
    int highest = 0;
    for (int i = 1; i <= count; ++i)
        if (objects[i].kind() == kKindPad)
            highest = std::max(highest, leadingNumber(objects[i].pinNumber()));
    return highest + 1;
}

int LoadEditorPart(plat::Archive& file, std::string_view partName, PackageLabels& labels)
{
    const int read = ReadPartRecords(file);
    MovePinTextsIntoPads(g_board.objects, g_board.count);
    RecognisePartTexts(g_board.objects, g_board.count, partName, labels);
    MakeThroughPadsAllLayer(g_board.objects, g_board.count);
    return read;
}

std::vector<OwnedObject> PartLibraryImage(const BoardObject* objects, int count, const PackageLabels& labels)
{
    std::vector<OwnedObject> image;
    if (!labels.comment.empty())
        appendCopy(image, textRecord(kPackageOriginX, kPackageOriginY, kKindText, kPinTextStyle,
                                     ";" + labels.comment));
    for (int i = kPartEditorFirstFree; i <= count; ++i)
        if (IsPackageObject(objects[i]))
            image.emplace_back(objects[i]);
    for (int i = kPartEditorFirstFree; i <= count; ++i) {
        const BoardObject& pad = objects[i];
        if (pad.kind() == kKindPad && !pad.pinNumber().empty())
            appendCopy(image, textRecord(pad.w[0], pad.w[1], kKindText | (pad.layer() << 10), kPinTextStyle,
                                         pad.pinNumber()));
    }
    const BoardObject& ref = objects[kRefTextIndex];
    if (ref.kind() == kKindText)
        appendCopy(image, textRecord(ref.w[0], ref.w[1], ref.w[4], ref.w[2], labels.designator + "?"));
    const BoardObject& name = objects[kNameTextIndex];
    if (name.kind() == kKindText)
        appendCopy(image, textRecord(name.w[0], name.w[1], name.w[4], name.w[2], "p?"));
    if (labels.edgeCard)
        appendCopy(image, textRecord(kPackageOriginX, kPackageOriginY, kKindText, kPinTextStyle,
                                     "%cont"));
    return image;
}

ScopedPartImage::ScopedPartImage(const BoardObject* objects, int count, const PackageLabels& labels)
    : savedObjects_(g_board.objects), savedCapacity_(g_board.capacity), savedCount_(g_board.count)
{
    std::vector<OwnedObject> image = PartLibraryImage(objects, count, labels);
    records_.resize(image.size() + 1);
    for (size_t i = 0; i < image.size(); ++i) {
        records_[i + 1] = image[i].get();
        records_[i + 1].data = image[i].releaseData();
    }
    g_board.objects = records_.data();
    g_board.capacity = static_cast<int32_t>(records_.size());
    g_board.count = static_cast<int32_t>(image.size());
}

ScopedPartImage::~ScopedPartImage()
{
    for (BoardObject& o : records_)
        FreeObjectData(o);
    g_board.objects = savedObjects_;
    g_board.capacity = savedCapacity_;
    g_board.count = savedCount_;
}
