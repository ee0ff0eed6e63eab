#include "sample_app.h"

#include "platform/app/keys.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/dc.h"

#include <new>

namespace sample {

std::vector<std::string>& log()
{
    static std::vector<std::string> entries;
    return entries;
}

void registerSampleResources()
{
    using plat::menuItem;
    using plat::menuPopup;
    using plat::menuSeparator;
    plat::ResourceSet set;
    set.name = "Sample";
    set.strings = {
        {128, "Sample"},
        {129, "\nuntitled\nSample\nSample Files (*.smp)\n.smp\nSample.Document\nSample Document"},
        {kCmdViewOnly, "Only the view\nView only"},
    };
    set.menus.push_back({128, {menuPopup("&File", {menuItem(plat::kIdFileNew, "&New\tCtrl+N"),
                                                   menuItem(plat::kIdFileOpen, "&Open...\tCtrl+O"), menuSeparator(),
                                                   menuItem(plat::kIdFileMruFile1, "Recent File"), menuSeparator(),
                                                   menuItem(plat::kIdAppExit, "E&xit")})}});
    set.menus.push_back({129, {menuPopup("&File", {menuItem(plat::kIdFileNew, "&New\tCtrl+N"),
                                                   menuItem(plat::kIdFileSave, "&Save\tCtrl+S"),
                                                   menuItem(plat::kIdFileMruFile1, "Recent File")}),
                               menuPopup("&View", {menuItem(kCmdViewOnly, "View &only"),
                                                   menuItem(kCmdGridFirst, "Grid &1"),
                                                   menuItem(kCmdGridFirst + 1, "Grid &2"),
                                                   menuItem(kCmdUnhandled, "&Nothing")})}});
    set.accelerators.push_back({128, {{plat::kFVirtKey | plat::kFControl, 'N', plat::kIdFileNew},
                                      {plat::kFVirtKey, plat::kVkF9, kCmdViewOnly},
                                      {0, 'w', kCmdMainOnly}}});
    set.toolbars.push_back({128, {plat::kIdFileNew, plat::kIdFileOpen, plat::kIdSeparator, kCmdViewOnly, kCmdUnhandled}});
    set.dialogs.push_back({260,
                           "Align Thermal Pads",
                           {{0xFFFF, plat::ControlKind::Static, "Enter capture threshold for thermal pad (mils):"},
                            {1031, plat::ControlKind::Edit, "", -1, 0, 1, false, 0, 0, 0, 0, 20},
                            {plat::kIdOk, plat::ControlKind::DefPushButton, "OK", 2, 0},
                            {plat::kIdCancel, plat::ControlKind::PushButton, "Cancel", 2, 1}}});
    plat::registerResources(std::move(set));
}

// ---- document ----

SampleDoc::SampleDoc()
{
    onCommand(kCmdDocOnly, &SampleDoc::OnDocOnly);
    onCommand(kCmdEverywhere, &SampleDoc::OnEverywhere);
    onUpdateCommandUI(plat::kIdFileSave, &SampleDoc::OnUpdateSave);
}

bool SampleDoc::OnNewDocument()
{
    if (!plat::Document::OnNewDocument())
        return false;
    text = "new";
    return true;
}

void SampleDoc::Serialize(plat::Archive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(text);
    } else {
        text.resize(ar.size());
        ar.Read(text.data(), text.size());
        // The sample reader refuses files that begin "refuse", reads "part..." only in part and
        // runs out of memory on "no memory...".
        if (text.starts_with("no memory"))
            throw std::bad_alloc();
        if (text.starts_with("refuse"))
            ar.refuse();
        else if (text.starts_with("part"))
            ar.markDamaged();
    }
}

// ---- view ----

SampleView::SampleView()
{
    onCommand(kCmdViewOnly, &SampleView::OnViewOnly);
    onCommand(kCmdEverywhere, &SampleView::OnEverywhere);
    onCommandRange(kCmdGridFirst, kCmdGridLast, &SampleView::OnGrid);
    onUpdateCommandUIRange(kCmdGridFirst, kCmdGridLast, &SampleView::OnUpdateGrid);
}

void SampleView::OnDraw(plat::Dc& dc)
{
    ++draws;
    const plat::Rect r = clientRect();
    dc.FillRect(r, plat::Brush::solid(fill));
}

bool SampleView::OnCommand(unsigned id)
{
    if (swallowCommands) {
        log().push_back("view swallowed " + std::to_string(id));
        return true;
    }
    return plat::ScrollView::OnCommand(id);
}

// ---- frames ----

SampleChild::SampleChild()
{
    onCommand(kCmdChildOnly, &SampleChild::OnChildOnly);
    onCommand(kCmdEverywhere, &SampleChild::OnEverywhere);
}

bool SampleChild::PreCreateWindow(plat::CreateStruct& cs)
{
    cs.style |= plat::kWsMaximize;   // documents open maximised
    return plat::MDIChildWnd::PreCreateWindow(cs);
}

SampleMainFrame::SampleMainFrame()
{
    onCommand(kCmdMainOnly, &SampleMainFrame::OnMainOnly);
    onCommand(kCmdQuit, &SampleMainFrame::OnQuit);
    onCommand(kCmdEverywhere, &SampleMainFrame::OnEverywhere);
}

int SampleMainFrame::OnCreate()
{
    if (!toolBar.Create(this) || !toolBar.LoadToolBar(128))
        return -1;
    static const unsigned indicators[] = {0, 0, 0, 0, 0};
    if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators))
        return -1;
    return 0;
}

bool SampleMainFrame::PreTranslateMessage(plat::Msg& msg)
{
    if (skipAccelerators)
        return false;
    return plat::MDIFrameWnd::PreTranslateMessage(msg);
}

// ---- application ----

SampleApp::SampleApp() : plat::WinApp("Sample")
{
    onCommand(kCmdAppOnly, &SampleApp::OnAppOnly);
    onCommand(kCmdEverywhere, &SampleApp::OnEverywhere);
}

bool SampleApp::InitInstance()
{
    setProfileStore(std::make_unique<plat::MemoryProfileStore>());
    SetRegistryKey("Quillmere");
    LoadStdProfileSettings(4);
    AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(
        129, [] { return std::make_unique<SampleDoc>(); }, [] { return std::make_unique<SampleChild>(); },
        [] { return std::make_unique<SampleView>(); }));
    auto frame = std::make_unique<SampleMainFrame>();
    if (!frame->LoadFrame(128, plat::kWsOverlappedWindow | plat::kFwsAddToTitle))
        return false;
    SetMainWnd(std::move(frame));
    GetMainWnd()->DragAcceptFiles();
    plat::CommandLineInfo info;
    ParseCommandLine(info);
    if (info.m_nShellCommand != plat::CommandLineInfo::FileNew && info.m_nShellCommand != plat::CommandLineInfo::FileOpen &&
        info.m_nShellCommand != plat::CommandLineInfo::FilePrint) {
        plat::MessageBox("Parameter Error!");
        plat::uiHost().exitProcess(1);
    }
    if (!ProcessShellCommand(info))
        return false;
    GetMainWnd()->ShowWindow(plat::kSwShowMaximized);
    GetMainWnd()->UpdateWindow();
    return true;
}

}  // namespace sample
