#include "schemora/core/schemora_doc.h"

#include "platform/app/command_ids.h"
#include "platform/system/clock.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/junction_dots.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/title_block.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

ProgramClosing g_programClosing;

namespace {

void releaseStore(DrawingDocData& data)
{
    // The current-document values must not keep pointing into a store that is going away.
    if (!data.objects.empty() && g_current.objects.data() == data.objects.data()) {
        g_current.objects = {};
        g_current.count = 0;
    }
    data.objectCount = 0;
    data.objects.release();
}

void writeDrawingDocument(CSchemoraDoc& doc, plat::Archive& ar)
{
    DrawingDocData& data = doc.data();
    g_current.count = data.objectCount;
    g_current.sheetSize = static_cast<char>(data.sheetSize);
    g_current.objects = data.objects.slots();
    WriteDrawing(data, ar, kWriteDrawing, ar.GetFilePath());
}

void readDrawingDocument(CSchemoraDoc& doc, plat::Archive& ar)
{
    ClearUndoRing();
    ReadDrawing(doc.data(), 0, &g_current.count, ar, doc.data().objects.slots());
    if (!ar.refused()) {
        // The drawing read is the one about to be shown; its dots are put right on every sheet
        // before the first paint, as after any edit.
        g_current.activeDocument = &doc;
        g_current.objects = doc.data().objects.slots();
        doc.data().objectCount = g_current.count;
        RefreshJunctionDots();
    }
    // The first repaint of the drawing read says it is done with "filedone.wav".
    g_paintRecord.fileDoneSoundPending = !ar.refused();
}

void closeDrawingDocument(CSchemoraDoc& doc)
{
    releaseStore(doc.data());
    ReleaseOpenDocument(&doc, g_programClosing.closing);
    if (g_current.activeDocument == &doc)
        g_current.activeDocument = nullptr;
}

constexpr quill::DocumentStorage<CSchemoraDoc> kDrawingStorage{
    &writeDrawingDocument, &readDrawingDocument, &closeDrawingDocument};

}  // namespace

CSchemoraDoc::CSchemoraDoc() : EditorDocument(kDrawingStorage)
{
    LoadTitleBlockOnce();
    registerFileCommands();
}

CSchemoraDoc::~CSchemoraDoc()
{
    // A document deleted without being closed (a failed open, a temporary document) must not
    // leave the current-document values pointing into its store.
    releaseStore(data_);
    if (g_current.activeDocument == this)
        g_current.activeDocument = nullptr;
}

bool CSchemoraDoc::OnNewDocument()
{
    if (!plat::Document::OnNewDocument())
        return false;
    ClearUndoRing();
    ClosePartsBinMarker();
    data_.objects.allocate();
    data_.objectCount = 0;
    data_.setTitle("");
    data_.sheetSize = 'A';
    data_.revision = 'A';
    data_.documentNumber = 1;
    data_.numberOfSheets = 1;
    data_.headerFlag = 1;
    data_.viewCentreX = 0;
    data_.viewCentreY = 0;
    data_.zoomLevel = kDefaultZoomLevel;
    data_.grid = kDefaultGridCommand;
    data_.date = plat::currentTime();
    SetModifiedFlag(false);
    g_current.activeDocument = this;
    RegisterOpenDocument(GetTitle(), this);
    // What the status line said was about the drawing shown before.
    SetStatusTextId(plat::kIdsIdleMessage, 0);
    return true;
}

std::uintmax_t CSchemoraDoc::maxFileBytes() const { return kMaxDrawingFileBytes; }

bool CSchemoraDoc::OnOpenDocument(const std::string& path)
{
    ToggleActivityIcon();
    // Another document's drawing that was current (never this document's old store, which
    // allocate() frees).
    const bool ownStoreCurrent = !data_.objects.empty() && g_current.objects.data() == data_.objects.data();
    const std::span<DrawObject> previousObjects = ownStoreCurrent ? std::span<DrawObject>() : g_current.objects;
    const int previousCount = ownStoreCurrent ? 0 : g_current.count;
    data_.objects.allocate();
    g_current.objects = data_.objects.slots();
    ClosePartsBinMarker();
    g_current.count = data_.objectCount;
    if (!plat::Document::OnOpenDocument(path)) {
        // The file was not read and this document goes away with its store: the drawing that
        // was current stays current.
        g_current.objects = previousObjects;
        g_current.count = previousCount;
        return false;
    }
    data_.objectCount = g_current.count;
    data_.sheetSize = g_current.sheetSize;
    RegisterOpenDocument(path, this);
    // "Loading part ..." of the reading is over.
    SetStatusTextId(plat::kIdsIdleMessage, 0);
    return true;
}
