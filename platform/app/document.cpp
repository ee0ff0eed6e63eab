#include "platform/app/document.h"

#include "platform/app/command_ids.h"
#include "platform/app/doc_template.h"
#include "platform/app/file_dialog_folder.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/message_pump.h"
#include "platform/app/resources.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd_state.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

#include <algorithm>
#include <new>

namespace plat {

namespace {

std::string openFailureText(const std::string& path, LoadFailure failure, std::uintmax_t limit)
{
    switch (failure) {
    case LoadFailure::TooLarge: return FormatString2(kIdpFileTooLarge, path, sizeText(limit));
    case LoadFailure::OutOfMemory: return FormatString1(kIdpNoMemoryToOpen, path);
    case LoadFailure::NotAFile: return notAFileText(path);
    case LoadFailure::CannotOpen: break;
    }
    return FormatString1(kIdpFailedToOpenDoc, path);
}

}  // namespace

Document::Document()
{
    onCommand(kIdFileSave, &Document::OnFileSave);
    onCommand(kIdFileSaveAs, &Document::OnFileSaveAs);
    onCommand(kIdFileClose, &Document::OnFileClose);
}

Document::~Document()
{
    holdPath({});
    for (View* v : views_)
        v->SetDocument(nullptr);
}

bool Document::OnNewDocument()
{
    DeleteContents();
    path_.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    const std::string resolved = resolvePath(path);
    const std::uintmax_t limit = maxFileBytes();
    LoadFailure failure = LoadFailure::CannotOpen;
    std::optional<Archive> archive = Archive::loadFile(resolved, limit, &failure);
    if (!archive) {
        MessageBox(openFailureText(path, failure, limit), kMbOk | kMbIconExclamation);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true);   // a half-read document is not the file's contents
    try {
        Serialize(*archive);
    } catch (const std::bad_alloc&) {
        // What was read stays with the document until DeleteContents; the reader said nothing yet.
        archive->refuse();
        MessageBox(FormatString1(kIdpNoMemoryToOpen, path), kMbOk | kMbIconExclamation);
    }
    if (archive->refused()) {
        DeleteContents();
        SetModifiedFlag(false);
        return false;
    }
    partlyRead_ = archive->damaged();
    noteFileStamp(resolved);
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const std::string& path)
{
    const std::string resolved = resolvePath(path);
    Archive archive(Archive::Mode::Store, {}, resolved);
    Serialize(archive);
    if (const WriteResult written = writeFileAtomically(resolved, archive.bytes()); !written) {
        MessageBox(FormatString1(kIdpFailedToSaveDoc, path) + "\n" + written.message(), kMbOk | kMbIconExclamation);
        return false;
    }
    noteFileStamp(resolved);
    SetModifiedFlag(false);
    return true;
}

void Document::OnCloseDocument()
{
    holdPath({});
    closeFrames();
    DeleteContents();
    if (template_)
        deferDelete(template_->RemoveDocument(this));
}

void Document::closeFrames()
{
    const std::vector<View*> views = views_;
    for (View* v : views) {
        if (MDIChildWnd* frame = v->childFrame(); frame && frame->IsWindow())
            frame->DestroyWindow();
        else
            RemoveView(v);
    }
}

bool Document::IsModified() { return modified_; }
void Document::SetModifiedFlag(bool modified) { modified_ = modified; }

bool Document::SaveModified()
{
    if (!IsModified())
        return true;
    const std::string name = title_.empty() ? fileNameOf(path_) : title_;
    switch (MessageBox(FormatString1(kIdpAskToSave, name), kMbYesNoCancel | kMbIconExclamation)) {
    case kIdCancel: return false;
    case kIdNo: return true;
    default: return DoFileSave();
    }
}

bool Document::DoFileSave()
{
    // What was read of a damaged file is less than the file: replacing it loses the rest.
    if (partlyRead_ && !path_.empty()
        && MessageBox(FormatString1(kIdpReplacePartlyRead, path_), kMbYesNo | kMbIconExclamation) != kIdYes)
        return false;
    // Another program (or another run of this one) wrote the file: saving would drop its work.
    if (!path_.empty() && fileChangedSinceRead()
        && MessageBox(FormatString1(kIdpReplaceChangedOnDisk, path_), kMbYesNo | kMbIconExclamation) != kIdYes)
        return false;
    return DoSave(path_);
}

void Document::noteFileStamp(const std::string& path)
{
    if (const std::optional<FileStamp> stamp = fileStampOf(path))
        stamps_.insert_or_assign(path, *stamp);
}

bool Document::fileChangedSinceRead() const
{
    const std::string resolved = resolvePath(path_);
    const auto known = stamps_.find(resolved);
    if (known == stamps_.end())
        return false;
    const std::optional<FileStamp> now = fileStampOf(resolved);
    return now && *now != known->second;
}

void Document::holdPath(const std::string& path)
{
    if (path == heldPath_)
        return;
    UiHost* host = installedUiHost();
    if (!host)
        return;
    if (!heldPath_.empty())
        host->publishDocument(heldPath_, {});
    heldPath_ = path;
    if (!heldPath_.empty())
        host->publishDocument(heldPath_, [this](DocumentOwnerRequest request) {
            DocumentOwnerAnswer answer = DocumentOwnerAnswer::Failed;
            guarded([&] { answer = answerOtherProgram(request); });
            return answer;
        });
}

DocumentOwnerAnswer Document::answerOtherProgram(DocumentOwnerRequest request)
{
    if (IsModified())
        return DocumentOwnerAnswer::Unsaved;
    if (request == DocumentOwnerRequest::State)
        return DocumentOwnerAnswer::Unchanged;
    WinApp* app = GetApp();
    if (!app || longOperationRunning())
        return DocumentOwnerAnswer::Busy;
    // Read again as a fresh open does, so every table the program keeps of the document is
    // built from the new file; this object goes once the close has run.
    const std::string path = path_;
    OnCloseDocument();
    if (!app->OpenDocumentFile(path))
        return DocumentOwnerAnswer::Failed;
    if (FrameWnd* main = GetMainWnd())
        main->SetForegroundWindow();
    return DocumentOwnerAnswer::Reloaded;
}

bool Document::DoSave(const std::string& path, bool replace)
{
    std::string target = path;
    if (target.empty()) {
        FileDialogRequest request;
        request.open = false;
        request.defaultName = title_;
        request.initialFolder = FileDialogFolder(this);
        std::string ext;
        if (template_) {
            ext = template_->docString(DocTemplate::filterExt);
            const std::string filterName = template_->docString(DocTemplate::filterName);
            if (!filterName.empty() && !ext.empty())
                request.filter = filterName + "|*" + ext + "|";
        }
        request.filter += LoadString(kIdsAllFilter) + "|*.*||";
        const FileDialogResult result = uiHost().fileDialog(request);
        if (result.path.empty())
            return false;
        target = result.path;
        if (!ext.empty() && extensionOf(target).empty())
            target += ext;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace) {
        SetPathName(target);
        partlyRead_ = false;   // the document's file now holds all of it
    }
    return true;
}

void Document::SetTitle(std::string_view title)
{
    title_ = std::string(title);
    for (View* v : views_) {
        if (MDIChildWnd* frame = v->childFrame(); frame && frame->IsWindow()) {
            frame->SetTitle(title_);
            if (MDIFrameWnd* main = frame->GetMDIFrame())
                main->updateWindowList();
            if (frame->state()->widget)
                frame->state()->widget->setWindowTitle(toQt(title_));
        }
    }
    if (FrameWnd* main = GetMainWnd(); main && main->IsWindow())
        main->OnUpdateFrameTitle(true);
}

void Document::SetPathName(std::string_view path, bool addToMru)
{
    std::string full(path);
    if (!full.empty() && !isAbsolutePath(full))
        full = joinPath(currentFolder(), full);
    path_ = full;
    if (template_)
        holdPath(full);
    SetTitle(fileNameOf(full));
    if (addToMru)
        if (WinApp* app = GetApp())
            app->AddToRecentFileList(path_);
}

void Document::AddView(View* view)
{
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
    view->document_ = this;
}

void Document::RemoveView(View* view)
{
    std::erase(views_, view);
    if (view->document_ == this)
        view->document_ = nullptr;
}

void Document::UpdateAllViews(View* sender, long hint)
{
    for (View* v : views_)
        if (v != sender)
            v->OnUpdate(sender, hint);
}

void Document::OnFileSave() { DoFileSave(); }
void Document::OnFileSaveAs() { DoSave({}); }

void Document::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

bool Document::OnCmdMsg(unsigned id, CmdUI* ui)
{
    if (dispatchOwn(id, ui))
        return true;
    return template_ && template_->OnCmdMsg(id, ui);
}

}  // namespace plat
