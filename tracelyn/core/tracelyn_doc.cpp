#include "tracelyn/core/tracelyn_doc.h"

#include "platform/app/command_ids.h"
#include "platform/app/resources.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_file_commands.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/workspace_services.h"

namespace {

// Saving an untitled board gives its open-document entry the path it was saved under.
void nameSavedBoard(const CTracelynDoc* document, const std::string& path)
{
    for (OpenDocumentEntry& entry : g_openDocuments.entries) {
        if (entry.document == document && !entry.name.empty() && entry.untitled == 1) {
            entry.name = path;
            entry.untitled = 0;
            return;
        }
    }
}

void writeBoardDocument(CTracelynDoc& doc, plat::Archive& ar)
{
    const BoardDocumentData& data = doc.data();
    g_board.count = data.objectCount;
    g_board.sizeLetter = data.sizeLetter;
    g_board.objects = data.objects ? data.objects->data() : nullptr;
    g_board.capacity = kBoardStoreSize;
    WriteBoard(ar, BoardFileMode(ar.GetFilePath()));
    if (!ar.GetFilePath().empty())
        nameSavedBoard(&doc, ar.GetFilePath());
    // The framework clears the modified flag once the bytes are on disk: a save that fails to
    // write must leave the board marked as changed.
}

void readBoardDocument(CTracelynDoc& doc, plat::Archive& ar)
{
    ReadBoard(0, &g_board.count, ar, BoardFileMode(ar.GetFilePath()));
    doc.SetModifiedFlag(false);
}

void closeBoardDocument(CTracelynDoc& doc)
{
    ClearUndoRing();
    CloseBoardDocument(doc.data(), &doc);
}

constexpr quill::DocumentStorage<CTracelynDoc> kBoardStorage{
    &writeBoardDocument, &readBoardDocument, &closeBoardDocument};

}  // namespace

CTracelynDoc::CTracelynDoc() : EditorDocument(kBoardStorage)
{
    onCommand(plat::kIdFileSaveAs, &CTracelynDoc::OnFileSaveAs);
    onUpdateCommandUI(plat::kIdFileSave, &CTracelynDoc::OnUpdateFileSave);
}

CTracelynDoc::~CTracelynDoc()
{
    // The current-document values must not keep pointing into a store that is going away.
    if (data_.objects && g_board.objects == data_.objects->data()) {
        g_board.objects = nullptr;
        g_board.count = 0;
    }
    // A later board may get the same memory; the loaded nets are not its nets.
    if (data_.objects && g_netlist.loadedBoard == data_.objects->data())
        g_netlist.loadedBoard = nullptr;
    if (g_active.document == this)
        g_active.document = nullptr;
    // A temporary document read on the stack is never closed through the framework.
    UnregisterOpenDocument(this);
}

bool CTracelynDoc::OnNewDocument()
{
    if (!plat::Document::OnNewDocument())
        return false;
    // A new board may take the address of a closed one: no old step may reach it.
    ClearUndoRing();
    if (!InitNewBoard(data_))
        return false;
    g_active.document = this;
    RegisterOpenDocument(GetTitle(), this, 1);
    SetModifiedFlag(false);
    // What the status line said of an earlier board does not describe the new one.
    SetStatusText(plat::LoadString(plat::kIdsIdleMessage), kPaneMessage);
    return true;
}

std::uintmax_t CTracelynDoc::maxFileBytes() const { return kMaxBoardFileBytes; }

bool CTracelynDoc::OnOpenDocument(const std::string& path)
{
    const std::string boardPath = BoardOpenPath(path);
    const CurrentBoard previousBoard = g_board;
    const ActiveDocument previousActive = g_active;
    if (!PrepareBoardForOpen(data_))
        return false;
    g_active.document = this;
    if (!plat::Document::OnOpenDocument(boardPath)) {
        // The framework discards a document it could not open without closing it: leave no
        // global pointing at its store, and the board that was current current as it was.
        CloseBoardDocument(data_, this);
        g_board = previousBoard;
        g_active = previousActive;
        return false;
    }
    data_.objectCount = g_board.count;
    RegisterOpenDocument(boardPath, this, 0);
    return true;
}

void CTracelynDoc::OnFileSaveAs()
{
    SaveBoardAs(*this);
}
