#pragma once
// A small program built on the framework the way the suite's programs are: an application with
// one document template, a main frame with a toolbar and status bar, a child frame and a view.
// Every handler appends to a shared log so tests can see what ran and in which order.

#include "platform/app/command_ids.h"
#include "platform/app/control_bars.h"
#include "platform/app/doc_template.h"
#include "platform/app/document.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"

#include <string>
#include <vector>

namespace sample {

inline constexpr unsigned kCmdViewOnly = 300;     // handled by the view
inline constexpr unsigned kCmdDocOnly = 301;      // handled by the document
inline constexpr unsigned kCmdChildOnly = 302;    // handled by the child frame
inline constexpr unsigned kCmdMainOnly = 303;     // handled by the main frame
inline constexpr unsigned kCmdAppOnly = 304;      // handled by the application
inline constexpr unsigned kCmdEverywhere = 305;   // handled by all of them
inline constexpr unsigned kCmdGridFirst = 700;    // a range on the view
inline constexpr unsigned kCmdGridLast = 703;
inline constexpr unsigned kCmdUnhandled = 399;
inline constexpr unsigned kCmdQuit = 306;         // the main frame ends the process with code 4

std::vector<std::string>& log();
void registerSampleResources();

class SampleDoc : public plat::Document {
public:
    SampleDoc();
    bool OnNewDocument() override;
    void Serialize(plat::Archive& ar) override;
    void DeleteContents() override { text.clear(); }
    // The sample's files hold at most 1 MB.
    std::uintmax_t maxFileBytes() const override { return 1u << 20; }
    std::string text;   // the document's contents, stored as the file's bytes
    void OnDocOnly() { log().push_back("doc 301"); }
    void OnEverywhere() { log().push_back("doc 305"); }
    void OnUpdateSave(plat::CmdUI& ui) { ui.Enable(IsModified()); }
};

class SampleView : public plat::ScrollView {
public:
    SampleView();
    SampleDoc* GetDocument() const { return static_cast<SampleDoc*>(plat::View::GetDocument()); }
    void OnDraw(plat::Dc& dc) override;
    bool OnCommand(unsigned id) override;
    void OnViewOnly() { log().push_back("view 300"); }
    void OnEverywhere() { log().push_back("view 305"); }
    void OnLButtonDown(unsigned flags, plat::Point p) override
    {
        log().push_back("press " + std::to_string(flags) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void OnGrid(unsigned id) { log().push_back("view grid " + std::to_string(id)); grid = id; }
    void OnUpdateGrid(plat::CmdUI& ui) { ui.SetCheck(ui.id() == grid ? 1 : 0); }

    bool swallowCommands = false;   // the text-entry flag of a real view
    unsigned grid = 700;
    int draws = 0;
    uint32_t fill = 0x0000FF;       // the colour OnDraw fills the client area with (0xBBGGRR)
};

class SampleChild : public plat::MDIChildWnd {
public:
    SampleChild();
    bool PreCreateWindow(plat::CreateStruct& cs) override;
    void OnChildOnly() { log().push_back("child 302"); }
    void OnEverywhere() { log().push_back("child 305"); }
};

class SampleMainFrame : public plat::MDIFrameWnd {
public:
    SampleMainFrame();
    int OnCreate() override;
    bool PreTranslateMessage(plat::Msg& msg) override;
    void OnTimer(unsigned id) override { log().push_back("main timer " + std::to_string(id)); }
    void OnMainOnly() { log().push_back("main 303"); }
    void OnQuit() { plat::uiHost().exitProcess(4); }
    void OnEverywhere() { log().push_back("main 305"); }

    bool skipAccelerators = false;
    plat::ToolBar toolBar;
    plat::StatusBar statusBar;
};

class SampleApp : public plat::WinApp {
public:
    SampleApp();
    bool InitInstance() override;
    void OnAppOnly() { log().push_back("app 304"); }
    void OnEverywhere() { log().push_back("app 305"); }
    SampleMainFrame* mainFrame() const { return static_cast<SampleMainFrame*>(GetMainWnd()); }
};

}  // namespace sample
