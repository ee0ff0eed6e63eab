#include "schemora/core/part_library_form.h"

#include "common/scoped_replace.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"

#include <utility>

namespace {

constexpr int kRecordReference = 0;
constexpr int kRecordName = 1;
// Height and width code of the pin texts the starter libraries carry.
constexpr int kPinTextSize = 0x0A01;

DrawObject textAt(int x, int y, int layerWord, const std::string& text)
{
    auto words = ObjectWords(kObjText, x, y, kPinTextSize);
    words[4] |= layerWord & (15 << 10);
    return MakeDrawObject(words, text.c_str());
}

DrawObject placeholder(const DrawObject& record, const std::string& text)
{
    auto words = record.w;
    words[10] = 0;
    return MakeDrawObject(words, text.c_str());
}

// The terminal as a plain line; its pin number and label follow as texts.
void addTerminal(OwnedElements& out, const DrawObject& t)
{
    auto words = t.w;
    words[5] = 0;
    for (int i = 11; i <= 22; ++i)
        words[static_cast<size_t>(i)] = 0;
    words[10] = 0;
    out.add(MakeDrawObject(words, nullptr));
    out.add(textAt(t.w[11], t.w[12], t.w[4], SplitPinText(TerminalPinText(t), 0)));
    if (const std::string label = TerminalLabel(t); !label.empty())
        out.add(textAt(t.w[16], t.w[17], t.w[4], label));
}

// The current drawing as the library writer reads a part: the records, at origin 0, 0.
CurrentDrawing partDrawing(std::span<DrawObject> objects, int count)
{
    CurrentDrawing drawing = g_current;
    drawing.objects = objects;
    drawing.count = count;
    drawing.viewCentreX = 0;
    drawing.viewCentreY = 0;
    drawing.sheetSize = 'A';
    return drawing;
}

}  // namespace

OwnedElements::~OwnedElements()
{
    for (DrawObject& o : items_)
        ReleaseObjectData(o);
}

std::vector<DrawObject> OwnedElements::release() { return std::exchange(items_, {}); }

OwnedElements LibraryElementsOfEditorPart(std::span<const DrawObject> records, const PartAttributeFields& fields)
{
    OwnedElements out;
    for (size_t i = 0; i < records.size(); ++i) {
        const DrawObject& o = records[i];
        if (o.type() == kObjDeleted)
            continue;
        if (i == kRecordReference)
            out.add(placeholder(o, fields.reference + "?"));
        else if (i == kRecordName) {
            if (fields.namePlaceholder)
                out.add(placeholder(o, "p?"));
        }
        else if (IsTerminal(o))
            addTerminal(out, o);
        else
            out.add(CloneDrawObject(o));
    }
    const int x = records.empty() ? -1000 : records[0].w[0];
    const int y = records.empty() ? -700 : records[0].w[1];
    if (!fields.package.empty())
        out.add(textAt(x, y - 100, 0, "%package " + fields.package));
    if (!fields.comment.empty())
        out.add(textAt(x, y - 150, 0, ";" + fields.comment));
    if (fields.partsPerPackage > 1)
        out.add(textAt(x, y - 200, 0, "p=" + std::to_string(fields.partsPerPackage)));
    int line = 1;
    if (fields.partsPerPackage > 1)
        for (const std::string& list : fields.pinLists)
            out.add(textAt(x, y - 200 - 50 * line++, 0, list));
    for (int s = 1; s < fields.symbols; ++s)
        out.add(textAt(x, y - 200 - 50 * line++, 0, "%cont"));
    static constexpr const char* kHiddenPinKeys[] = {"v=", "g=", "v+=", "v-="};
    for (const auto& [type, text] : fields.hiddenPins) {
        const int key = type - kFirstHiddenPowerPinType;
        if (key >= 0 && key < 4)
            out.add(textAt(x, y - 200 - 50 * line++, 0, kHiddenPinKeys[key] + text));
    }
    return out;
}

namespace {

using PartWrite = int (*)(std::string_view library, std::string_view part);

// Lends the library elements of the editor's records to the current drawing while write runs.
int withEditorPart(std::span<const DrawObject> records, const PartAttributeFields& fields, PartWrite write,
                   std::string_view library, std::string_view part)
{
    OwnedElements elements = LibraryElementsOfEditorPart(records, fields);
    if (static_cast<int>(elements.items().size()) >= kObjectStoreSlots - 1)
        return 0;
    DrawObjectStore store;
    store.allocate();
    std::vector<DrawObject> owned = elements.release();
    for (size_t i = 0; i < owned.size(); ++i)
        store[static_cast<int>(i) + 1] = owned[i];   // the store frees their data from here on
    const ScopedReplace<CurrentDrawing> lent(g_current, partDrawing(store.slots(), static_cast<int>(owned.size())));
    return write(library, part);
}

int addOrReplace(std::string_view library, std::string_view part)
{
    return RewriteLibrary(library, part, kRewriteAddOrReplace);
}

}  // namespace

DrawObject PartEditorTextRecord(int x, int y, const char* text)
{
    auto words = ObjectWords(kObjText, x, y, 0);
    words[23] = 1;
    return MakeDrawObject(words, text);
}

std::vector<std::pair<int, std::string>> HiddenPowerPinFields(const PartPinTable& pins)
{
    std::vector<std::pair<int, std::string>> hidden;
    for (const EditorPin& p : pins.pins())
        if (p.type >= kFirstHiddenPowerPinType)
            hidden.emplace_back(p.type, p.name.empty() ? p.number : p.number + "," + p.name);
    return hidden;
}

int SaveEditorPartToLibrary(std::span<const DrawObject> records, const PartAttributeFields& fields,
                            std::string_view library, std::string_view part)
{
    return withEditorPart(records, fields, addOrReplace, library, part);
}

int WriteBuiltEditorPart(std::span<const DrawObject> records, const PartAttributeFields& fields,
                         std::string_view library, std::string_view part)
{
    return withEditorPart(records, fields, WriteBuiltPart, library, part);
}
