#include "tracelyn/core/board_document.h"

#include "platform/core/ui_host.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/open_documents.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <vector>

namespace {

void freeObjects(BoardDocumentData& doc)
{
    if (!doc.objects)
        return;
    const int last = std::clamp(doc.objectCount, 0, kBoardStoreSize - 1);
    for (int i = 1; i <= last; ++i)
        FreeObjectData((*doc.objects)[i]);
    doc.objectCount = 0;
}

bool allocateStore(BoardDocumentData& doc)
{
    g_active.viewActivation = 0;
    freeObjects(doc);
    doc.objects = AllocateBoardStore();
    doc.paintIndex.clear();
    if (!doc.objects) {
        plat::MessageBox("Not enough memory for arrays----quitting\n");
        return false;
    }
    doc.objectCount = 0;
    return true;
}

}  // namespace

BoardDocumentData::~BoardDocumentData()
{
    freeObjects(*this);
    if (g_active.data == this)
        g_active.data = nullptr;
}

bool InitNewBoard(BoardDocumentData& doc)
{
    if (!allocateStore(doc))
        return false;
    doc.viewOriginX = 0;
    doc.viewOriginY = 0;
    doc.zoomIndex = kNewBoardZoomIndex;
    doc.gridCommand = kNewBoardGridCommand;
    doc.sizeLetter = g_board.sizeLetter;
    LoadBoardGlobals(doc);
    CreateDefaultOutline();
    g_router.ratsNestCount = 0;
    return true;
}

bool PrepareBoardForOpen(BoardDocumentData& doc)
{
    if (!allocateStore(doc))
        return false;
    LoadBoardGlobals(doc);
    return true;
}

void CreateDefaultOutline()
{
    if (g_board.objects == nullptr || g_board.capacity < 2)
        return;
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t hx = area.width * 10 / 2 - 3000;
    const int32_t hy = area.height * 10 / 2 - 3000;
    BoardObject& outline = g_board.objects[1];
    FreeObjectData(outline);
    outline = BoardObject{};
    outline.w[4] = kLayerOutline * 1024 + kKindOutline;
    if (int32_t* block = NewPointBlock(kOutlineBlockWords)) {
        for (int s = 0; s < 4; ++s)
            block[s * kSegmentWords + 4] = 1;
        outline.data = block;
        outline.w[2] = 4;
    }
    g_board.count = 1;
    SetOutlineRectangle(-hx, -hy, hx, hy);
    if (g_active.data != nullptr)
        g_active.data->objectCount = 1;
}

void SetOutlineRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (g_board.objects == nullptr || g_board.count < 1)
        return;
    BoardObject& outline = g_board.objects[1];
    int32_t* segments = outline.points();
    if (outline.kind() != kKindOutline || segments == nullptr || outline.w[2] != 4)
        return;
    const int32_t corners[5][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    for (int s = 0; s < 4; ++s) {
        int32_t* segment = segments + s * kSegmentWords;
        segment[0] = corners[s][0];
        segment[1] = corners[s][1];
        segment[2] = corners[s + 1][0];
        segment[3] = corners[s + 1][1];
    }
}

void CloseBoardDocument(BoardDocumentData& doc, CTracelynDoc* document)
{
    freeObjects(doc);
    if (doc.objects && g_board.objects == doc.objects->data()) {
        g_board.objects = nullptr;
        g_board.count = 0;
    }
    doc.objects.reset();
    doc.paintIndex.clear();
    if (!g_active.programClosing)
        UnregisterOpenDocument(document);
    if (g_active.data == &doc)
        g_active.data = nullptr;
    if (document != nullptr && g_active.document == document)
        g_active.document = nullptr;
}

void LoadBoardGlobals(BoardDocumentData& doc)
{
    g_board.objects = doc.objects ? doc.objects->data() : nullptr;
    g_board.capacity = kBoardStoreSize;
    g_board.count = doc.objectCount;
    LoadViewGlobals(doc);
    g_active.data = &doc;
}

void LoadViewGlobals(const BoardDocumentData& doc)
{
    g_board.sizeLetter = doc.sizeLetter;
    g_board.viewOriginX = doc.viewOriginX;
    g_board.viewOriginY = doc.viewOriginY;
    g_board.zoomIndex = doc.zoomIndex;
    g_board.gridCommand = doc.gridCommand;
}

int SetObjectCount(int count)
{
    int n = count + 1;
    const int limit = StoreObjectLimit();
    if (n >= limit) {
        n = limit - 1;
        if (!g_countWarning.shown) {
            g_countWarning.shown = true;
            plat::MessageBox("Warning:Maximum memory used.\nSave work, close window and then re-load file.");
        }
    }
    if (g_footprintEditor.open) {
        g_footprintEditor.modified = 1;
    } else if (g_active.data != nullptr) {
        g_active.data->objectCount = n;
        g_active.data->modified = true;
    }
    return n;
}

void MarkBoardModified()
{
    if (g_footprintEditor.open)
        g_footprintEditor.modified = 1;
    else if (g_active.data != nullptr)
        g_active.data->modified = true;
}

std::string BoardOpenPath(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string result(path);
    if (name.find('.') == std::string_view::npos)
        result += ".TLZ";
    return result;
}

int BoardFileMode(std::string_view path)
{
    return plat::hasExtension(path, ".XPC") ? 4 : 1;
}

void RegisterOpenDocument(std::string_view name, CTracelynDoc* document, int untitled)
{
    for (OpenDocumentEntry& entry : g_openDocuments.entries) {
        if (!entry.name.empty())
            continue;
        entry.document = document;
        entry.name = std::string(name);
        entry.untitled = untitled;
        ++g_openDocuments.count;
        return;
    }
}

void UnregisterOpenDocument(CTracelynDoc* document)
{
    for (OpenDocumentEntry& entry : g_openDocuments.entries) {
        if (entry.name.empty() || entry.document != document)
            continue;
        entry = OpenDocumentEntry{};
        --g_openDocuments.count;
        return;
    }
}

int DropPackagesNoBoardUses()
{
    // Each store once: renumbering a store twice would give its parts the wrong packages.
    std::vector<BoardParts> boards;
    const auto add = [&boards](BoardObject* objects, int32_t count) {
        if (objects == nullptr)
            return;
        const auto same = [objects](const BoardParts& b) { return b.objects == objects; };
        if (auto it = std::find_if(boards.begin(), boards.end(), same); it != boards.end())
            it->count = std::max(it->count, count);
        else
            boards.push_back({objects, count});
    };
    add(g_board.objects, std::min(g_board.count, g_board.capacity - 1));
    for (const OpenDocumentEntry& entry : g_openDocuments.entries)
        if (!entry.name.empty() && entry.document != nullptr && entry.document->data().objects)
            add(entry.document->data().objects->data(), std::min(entry.document->data().objectCount, kBoardStoreSize - 1));
    return DropUnusedPackages(boards);
}
