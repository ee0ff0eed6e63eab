#pragma once
// Document templates: how a program makes its documents, child frames and views. Factories
// take the place of run-time class records:
//
//   AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(129,
//       [] { return std::make_unique<CSchemoraDoc>(); },
//       [] { return std::make_unique<CChildFrame>(); },
//       [] { return std::make_unique<CSchemoraView>(); }));
//
// The resource id names the document string ("\nuntitled\nSchemora\nSchemora Files (*.pic)\n
// .pic\nSchemora.Document\nSchemora Document"), the child frames' menu and their icon.

#include "platform/app/cmd_target.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Document;
class MDIChildWnd;
class View;
class Menu;

class DocTemplate : public CmdTarget {
public:
    // Fields of the document string, in order.
    enum DocStringIndex { windowTitle = 0, docName, fileNewName, filterName, filterExt, regFileTypeId,
                          regFileTypeName };

    using DocFactory = std::function<std::unique_ptr<Document>()>;
    using FrameFactory = std::function<std::unique_ptr<MDIChildWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<View>()>;

    DocTemplate(unsigned resourceId, DocFactory doc, FrameFactory frame, ViewFactory view);
    ~DocTemplate() override;

    unsigned resourceId() const { return resourceId_; }
    bool GetDocString(std::string& out, DocStringIndex index) const;
    std::string docString(DocStringIndex index) const;

    // Makes a document: a new untitled one (path empty) or one read from path. Shows its frame
    // when makeVisible. Returns null on failure (the document and frame are gone again).
    virtual Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) = 0;
    // How well this template fits a file (by its extension).
    enum Confidence { noAttempt, maybeAttemptForeign, maybeAttemptNative, yesAttemptForeign,
                      yesAttemptNative, yesAlreadyOpen };
    virtual Confidence MatchDocType(const std::string& path, Document*& match) const;

    // Pieces of OpenDocumentFile, for programs that create by hand.
    std::unique_ptr<Document> CreateNewDocument();
    MDIChildWnd* CreateNewFrame(Document* doc);
    void InitialUpdateFrame(MDIChildWnd* frame, Document* doc, bool makeVisible = true);
    // The next untitled title: docName followed by 1, 2, ... ("untitled1").
    void SetDefaultTitle(Document* doc);

    // Open documents of this template.
    virtual void AddDocument(std::unique_ptr<Document> doc);
    virtual std::unique_ptr<Document> RemoveDocument(Document* doc);
    const std::vector<std::unique_ptr<Document>>& documents() const { return docs_; }
    int documentCount() const { return static_cast<int>(docs_.size()); }
    bool SaveAllModified();
    void CloseAllDocuments(bool endSession);

    // The child frames' menu (resource id of the template); null when there is none.
    Menu* menu() const { return menu_.get(); }

protected:
    unsigned resourceId_;
    DocFactory makeDoc_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::vector<std::string> docStrings_;
    std::vector<std::unique_ptr<Document>> docs_;
    std::unique_ptr<Menu> menu_;
    unsigned untitledCount_ = 0;
};

class MultiDocTemplate : public DocTemplate {
public:
    using DocTemplate::DocTemplate;
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) override;
};

}  // namespace plat
