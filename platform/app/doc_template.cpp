#include "platform/app/doc_template.h"

#include "platform/app/command_ids.h"
#include "platform/app/document.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/resources.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd_state.h"
#include "platform/system/ascii_case.h"
#include "platform/system/paths.h"

#include <algorithm>

namespace plat {

DocTemplate::DocTemplate(unsigned resourceId, DocFactory doc, FrameFactory frame, ViewFactory view)
    : resourceId_(resourceId), makeDoc_(std::move(doc)), makeFrame_(std::move(frame)), makeView_(std::move(view))
{
    const std::string text = LoadString(resourceId);
    size_t start = 0;
    for (;;) {
        const size_t nl = text.find('\n', start);
        docStrings_.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    auto menu = std::make_unique<Menu>();
    if (menu->LoadMenu(resourceId))
        menu_ = std::move(menu);
}

DocTemplate::~DocTemplate() = default;

bool DocTemplate::GetDocString(std::string& out, DocStringIndex index) const
{
    const auto i = static_cast<size_t>(index);
    out = i < docStrings_.size() ? docStrings_[i] : std::string();
    return !out.empty();
}

std::string DocTemplate::docString(DocStringIndex index) const
{
    std::string s;
    GetDocString(s, index);
    return s;
}

DocTemplate::Confidence DocTemplate::MatchDocType(const std::string& path, Document*& match) const
{
    match = nullptr;
    for (const auto& d : docs_) {
        if (!d->GetPathName().empty() && equalsNoCase(d->GetPathName(), path)) {
            match = d.get();
            return yesAlreadyOpen;
        }
    }
    const std::string ext = docString(filterExt);
    if (!ext.empty() && hasExtension(path, ext))
        return yesAttemptNative;
    return yesAttemptForeign;
}

std::unique_ptr<Document> DocTemplate::CreateNewDocument()
{
    std::unique_ptr<Document> doc = makeDoc_ ? makeDoc_() : nullptr;
    if (doc)
        doc->setDocTemplate(this);
    return doc;
}

MDIChildWnd* DocTemplate::CreateNewFrame(Document* doc)
{
    auto* main = dynamic_cast<MDIFrameWnd*>(GetMainWnd());
    if (!main || !main->IsWindow() || !makeFrame_)
        return nullptr;
    std::unique_ptr<MDIChildWnd> frame = makeFrame_();
    if (!frame)
        return nullptr;
    CreateContext context;
    context.newView = makeView_;
    context.currentDoc = doc;
    context.newDocTemplate = this;
    MDIChildWnd* raw = main->adoptChild(std::move(frame));
    if (!raw->LoadFrame(resourceId_, kWsOverlappedWindow | kFwsAddToTitle, main, &context)) {
        if (raw->IsWindow())
            raw->DestroyWindow();
        else
            main->childDestroyed(raw);
        return nullptr;
    }
    return raw;
}

void DocTemplate::InitialUpdateFrame(MDIChildWnd* frame, Document* doc, bool makeVisible)
{
    if (View* v = frame->view())
        v->OnInitialUpdate();
    if (makeVisible)
        frame->ActivateFrame();
    if (doc && frame->state() && frame->state()->widget)
        frame->state()->widget->setWindowTitle(toQt(doc->GetTitle()));
}

void DocTemplate::SetDefaultTitle(Document* doc)
{
    std::string name = docString(docName);
    if (name.empty())
        name = LoadString(kIdsUntitled);
    doc->SetTitle(name + std::to_string(untitledCount_ + 1));
}

void DocTemplate::AddDocument(std::unique_ptr<Document> doc)
{
    doc->setDocTemplate(this);
    docs_.push_back(std::move(doc));
}

std::unique_ptr<Document> DocTemplate::RemoveDocument(Document* doc)
{
    const auto it = std::find_if(docs_.begin(), docs_.end(), [doc](const auto& d) { return d.get() == doc; });
    if (it == docs_.end())
        return nullptr;
    std::unique_ptr<Document> taken = std::move(*it);
    docs_.erase(it);
    return taken;
}

bool DocTemplate::SaveAllModified()
{
    std::vector<Document*> list;
    for (const auto& d : docs_)
        list.push_back(d.get());
    for (Document* d : list)
        if (!d->SaveModified())
            return false;
    return true;
}

void DocTemplate::CloseAllDocuments(bool)
{
    std::vector<Document*> list;
    for (const auto& d : docs_)
        list.push_back(d.get());
    for (Document* d : list)
        d->OnCloseDocument();
}

Document* MultiDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    std::unique_ptr<Document> owned = CreateNewDocument();
    if (!owned) {
        MessageBoxId(kIdpFailedToCreateDoc, kMbOk | kMbIconExclamation);
        return nullptr;
    }
    Document* doc = owned.get();
    AddDocument(std::move(owned));
    MDIChildWnd* frame = nullptr;
    if (dynamic_cast<MDIFrameWnd*>(GetMainWnd())) {
        frame = CreateNewFrame(doc);
        if (!frame) {
            deferDelete(RemoveDocument(doc));
            return nullptr;
        }
    }
    auto fail = [&]() -> Document* {
        if (frame && frame->IsWindow())
            frame->DestroyWindow();
        deferDelete(RemoveDocument(doc));
        return nullptr;
    };
    if (path.empty()) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument())
            return fail();
        ++untitledCount_;
    } else {
        if (!doc->OnOpenDocument(path))
            return fail();
        doc->SetPathName(path);
    }
    if (frame)
        InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}

}  // namespace plat
