#pragma once
// Documents: one open file with its views. A document may be constructed on the stack without
// a template to read a file through OnOpenDocument / Serialize and never be shown.
//
//   class CSchemoraDoc : public plat::Document {
//   public:
//       bool OnNewDocument() override;        // call plat::Document::OnNewDocument() first
//       bool OnOpenDocument(const std::string& path) override;
//       void OnCloseDocument() override;      // free the store, then plat::Document::OnCloseDocument()
//       void Serialize(plat::Archive& ar) override;
//       bool IsModified() override;
//       void SetModifiedFlag(bool modified = true) override;
//   };

#include "platform/app/cmd_target.h"
#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class DocTemplate;
class View;
class FrameWnd;

class Document : public CmdTarget {
public:
    Document();
    ~Document() override;

    // ---- life cycle ----
    // New document: DeleteContents, clears the modified flag and the path. False refuses.
    virtual bool OnNewDocument();
    // Opens path: resolves it (case-insensitively, per component), reads the whole file into a
    // loading Archive and calls Serialize. A file that cannot be read shows "Unable to open
    // document <path>." and returns false; the document is then empty. A file larger than
    // maxFileBytes() is refused unread with a message that says so, and running out of memory
    // while reading or serializing is a message too ("Not enough memory to open document
    // <path>."), never an exception. A file the reader refused (it said why) returns false too;
    // one it read only in part opens, and its next Save to the same file asks before replacing it.
    virtual bool OnOpenDocument(const std::string& path);
    // The largest file a document of this kind reads (the largest its format holds, with room
    // to spare); unlimited unless the document says.
    virtual std::uintmax_t maxFileBytes() const { return kAnyFileSize; }
    // Saves to path: Serialize into a storing Archive, then writes the bytes atomically, so a
    // failed save leaves the old file as it was. Clears the modified flag on success; a failure
    // shows "Unable to save document <path>." and returns false.
    virtual bool OnSaveDocument(const std::string& path);
    // Closes the document: destroys its frames and views, DeleteContents, and removes it from
    // its template (the object is deleted later, outside the caller's stack).
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    virtual void Serialize(Archive& ar) { (void)ar; }
    virtual void OnIdle() {}

    // ---- modified flag ----
    virtual bool IsModified();
    virtual void SetModifiedFlag(bool modified = true);
    // When modified: "Save changes to <title>?" Yes/No/Cancel. Yes saves (Save As for a
    // document without a path); true when the caller may go on closing.
    virtual bool SaveModified();
    // The framework's save steps: to the current path, or asking for one. Saving a document that
    // was read only in part over its own file asks first ("... Replace the whole file ...?"),
    // and so does saving over its file when something else has written the file since this
    // document read or saved it ("... changed on disk ... Save over it?").
    virtual bool DoFileSave();
    virtual bool DoSave(const std::string& path, bool replace = true);   // empty path: ask

    // ---- names ----
    virtual void SetTitle(std::string_view title);
    const std::string& GetTitle() const { return title_; }
    // Sets the full path (kept as given after resolving) and, with addToMru, the recent-file
    // list; the title becomes the file name. A document of a template (one shown in a window)
    // is held under its path for the suite's other programs (see answerOtherProgram).
    virtual void SetPathName(std::string_view path, bool addToMru = true);
    const std::string& GetPathName() const { return path_; }
    // True while the document holds a file that was read only in part.
    bool partlyRead() const { return partlyRead_; }

    // ---- views and template ----
    const std::vector<View*>& views() const { return views_; }
    View* firstView() const { return views_.empty() ? nullptr : views_.front(); }
    void AddView(View* view);
    void RemoveView(View* view);
    void UpdateAllViews(View* sender, long hint = 0);
    DocTemplate* GetDocTemplate() const { return template_; }
    // For the template.
    void setDocTemplate(DocTemplate* t) { template_ = t; }
    // Closes the frames holding the views (the child frames of a program).
    void closeFrames();

    // The framework's file commands handled by every document: Save, Save As, Close.
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    bool OnCmdMsg(unsigned id, CmdUI* ui) override;

    // Another program of the suite asks about this document's file: whether it has changes of
    // its own (Unsaved), and to read it again and show it in front. A document with changes is
    // never read again; nor is one while a long operation runs (Busy).
    DocumentOwnerAnswer answerOtherProgram(DocumentOwnerRequest request);

private:
    void holdPath(const std::string& path);
    void noteFileStamp(const std::string& path);
    bool fileChangedSinceRead() const;

    std::string title_;
    std::string path_;
    bool modified_ = false;
    bool partlyRead_ = false;
    std::string heldPath_;                   // published to the suite's other programs
    // Each file this document read or wrote, as it left it; a save over one of them that has
    // changed since then asks first.
    std::map<std::string, FileStamp, std::less<>> stamps_;
    std::vector<View*> views_;
    DocTemplate* template_ = nullptr;
};

}  // namespace plat
