#include "platform/app/win_app.h"

#include "platform/app/command_ids.h"
#include "platform/app/doc_template.h"
#include "platform/app/document.h"
#include "platform/app/file_dialog_folder.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/message_pump.h"
#include "platform/app/resources.h"
#include "platform/app/view.h"
#include "platform/app/wnd_state.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "platform/system/registry.h"

#include <QCoreApplication>

namespace plat {
namespace {

WinApp* g_app = nullptr;

std::string executablePath(const WinApp& app)
{
    if (QCoreApplication::instance())
        return pathFromQt(QCoreApplication::applicationFilePath());
    return joinPath(app.programFolder(), app.appName());
}

}  // namespace

WinApp* GetApp() { return g_app; }
FrameWnd* GetMainWnd() { return g_app ? g_app->GetMainWnd() : nullptr; }

WinApp::WinApp(std::string appName) : appName_(std::move(appName)), profile_(std::make_unique<MemoryProfileStore>())
{
    g_app = this;
    setApplicationTitle(appName_);
    programFolder_ = plat::programFolder();
    onCommand(kIdFileNew, &WinApp::OnFileNew);
    onCommand(kIdFileOpen, &WinApp::OnFileOpen);
    onCommand(kIdFilePrintSetup, &WinApp::OnFilePrintSetup);
    onCommand(kIdAppExit, &WinApp::OnAppExit);
    addCommand(kIdFileMruFile1, kIdFileMruLast, [this](unsigned id) { return OnOpenRecentFile(id); });
    onUpdateCommandUIRange(kIdFileMruFile1, kIdFileMruLast, &WinApp::OnUpdateRecentFileMenu);
}

WinApp::~WinApp()
{
    // Windows refer to documents: they go first, then the documents with their templates.
    if (mainWnd_ && mainWnd_->IsWindow())
        mainWnd_->DestroyWindow();
    mainWnd_.reset();
    collectGarbage();
    templates_.clear();
    collectGarbage();
    if (g_app == this)
        g_app = nullptr;
}

int WinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

bool WinApp::OnIdle(long) { return false; }

void WinApp::SetMainWnd(std::unique_ptr<FrameWnd> frame) { mainWnd_ = std::move(frame); }
std::unique_ptr<FrameWnd> WinApp::takeMainWnd() { return std::move(mainWnd_); }

void WinApp::mainWindowDestroyed()
{
    deferDelete(std::move(mainWnd_));
    if (QCoreApplication::instance())
        QCoreApplication::quit();
}

// ---- profile ----

void WinApp::SetRegistryKey(std::string_view key)
{
    registryKey_ = std::string(key);
    if (!profileInjected_)
        profile_ = std::make_unique<RegistryProfileStore>(registryKey_, appName_);
}

void WinApp::setProfileStore(std::unique_ptr<ProfileStore> store)
{
    profile_ = std::move(store);
    profileInjected_ = true;
}

ProfileStore& WinApp::profile() { return *profile_; }

std::string WinApp::GetProfileString(std::string_view section, std::string_view entry, std::string_view def)
{
    std::string value;
    return profile_->getString(section, entry, value) ? value : std::string(def);
}

bool WinApp::WriteProfileString(std::string_view section, std::string_view entry, std::string_view value)
{
    return profile_->writeString(section, entry, value);
}

int WinApp::GetProfileInt(std::string_view section, std::string_view entry, int def)
{
    int value = def;
    return profile_->getInt(section, entry, value) ? value : def;
}

bool WinApp::WriteProfileInt(std::string_view section, std::string_view entry, int value)
{
    return profile_->writeInt(section, entry, value);
}

void WinApp::LoadStdProfileSettings(int maxMru)
{
    if (maxMru <= 0) {
        mru_.reset();
        return;
    }
    mru_ = std::make_unique<RecentFileList>("Recent File List", "File%d", maxMru);
    mru_->ReadList(*profile_);
    updateRecentFileMenus();
}

void WinApp::SaveStdProfileSettings()
{
    if (mru_)
        mru_->WriteList(*profile_);
}

// ---- documents ----

void WinApp::AddDocTemplate(std::unique_ptr<DocTemplate> t)
{
    templates_.push_back(std::move(t));
    updateRecentFileMenus();
}

Document* WinApp::OpenDocumentFile(const std::string& path)
{
    if (templates_.empty() || path.empty())
        return nullptr;
    std::string full = resolvePath(path);
    if (!isAbsolutePath(full))
        full = joinPath(currentFolder(), full);
    DocTemplate* best = nullptr;
    DocTemplate::Confidence bestConfidence = DocTemplate::noAttempt;
    for (const auto& t : templates_) {
        Document* open = nullptr;
        const auto confidence = t->MatchDocType(full, open);
        if (confidence == DocTemplate::yesAlreadyOpen) {
            // Already open: bring its window forward.
            if (View* v = open->firstView())
                if (MDIChildWnd* frame = v->childFrame())
                    frame->ActivateFrame();
            return open;
        }
        if (confidence > bestConfidence) {
            bestConfidence = confidence;
            best = t.get();
        }
    }
    return best ? best->OpenDocumentFile(full) : nullptr;
}

bool WinApp::SaveAllModified()
{
    for (const auto& t : templates_)
        if (!t->SaveAllModified())
            return false;
    return true;
}

void WinApp::CloseAllDocuments(bool endSession)
{
    for (const auto& t : templates_)
        t->CloseAllDocuments(endSession);
}

int WinApp::openDocumentCount() const
{
    int n = 0;
    for (const auto& t : templates_)
        n += t->documentCount();
    return n;
}

// ---- command line and shell ----

void WinApp::ParseCommandLine(CommandLineInfo& info) { parseCommandLine(args_, info); }

bool WinApp::ProcessShellCommand(CommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CommandLineInfo::FileNew:
        if (!OnCmdMsg(kIdFileNew, nullptr))
            OnFileNew();
        return GetMainWnd() != nullptr;
    case CommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CommandLineInfo::FilePrint:
    case CommandLineInfo::FilePrintTo: {
        Document* doc = OpenDocumentFile(info.m_strFileName);
        if (!doc)
            return false;
        if (View* v = doc->firstView())
            v->OnCommand(info.m_nShellCommand == CommandLineInfo::FilePrint ? kIdFilePrintDirect : kIdFilePrint);
        doc->OnCloseDocument();
        // A print from the command line is the whole job: start-up ends here and so does the
        // program.
        return false;
    }
    default:
        return true;
    }
}

// There is no DDE: a second program start opens its own window.
void WinApp::EnableShellOpen() {}

// Each template's file type is recorded under HKEY_CLASSES_ROOT of the registry store. An
// extension that already names another type keeps it.
void WinApp::RegisterShellFileTypes(bool compat)
{
    Registry& reg = Registry::shared();
    const std::string exe = executablePath(*this);
    const std::string root(kHkeyClassesRoot);
    for (const auto& t : templates_) {
        const std::string ext = t->docString(DocTemplate::filterExt);
        const std::string typeId = t->docString(DocTemplate::regFileTypeId);
        if (ext.empty() || typeId.empty())
            continue;
        const std::string typeKey = root + "\\" + typeId;
        reg.setString(typeKey, "", t->docString(DocTemplate::regFileTypeName));
        reg.setString(typeKey + "\\shell\\open\\command", "", "\"" + exe + "\" \"%1\"");
        if (compat) {
            reg.setString(typeKey + "\\shell\\print\\command", "", "\"" + exe + "\" /p \"%1\"");
            reg.setString(typeKey + "\\shell\\printto\\command", "", "\"" + exe + "\" /pt \"%1\" \"%2\" \"%3\" \"%4\"");
            reg.setString(typeKey + "\\DefaultIcon", "", exe + ",1");
        }
        const std::string extKey = root + "\\" + ext;
        const auto current = reg.queryString(extKey, "");
        if (!current || current->empty() || *current == typeId)
            reg.setString(extKey, "", typeId);
    }
}

void WinApp::UnregisterShellFileTypes()
{
    Registry& reg = Registry::shared();
    const std::string root(kHkeyClassesRoot);
    for (const auto& t : templates_) {
        const std::string ext = t->docString(DocTemplate::filterExt);
        const std::string typeId = t->docString(DocTemplate::regFileTypeId);
        if (typeId.empty())
            continue;
        reg.deleteKey(root + "\\" + typeId);
        if (!ext.empty() && reg.queryString(root + "\\" + ext, "") == typeId)
            reg.deleteKey(root + "\\" + ext);
    }
}

// ---- recent files ----

void WinApp::AddToRecentFileList(std::string_view path)
{
    if (!mru_)
        return;
    mru_->Add(path);
    updateRecentFileMenus();
}

void WinApp::updateRecentFileMenus()
{
    if (!mru_)
        return;
    for (const auto& t : templates_)
        if (Menu* m = t->menu())
            mru_->UpdateMenu(*m);
    if (auto* frame = dynamic_cast<MDIFrameWnd*>(mainWnd_.get())) {
        if (Menu* m = frame->frameMenu())
            mru_->UpdateMenu(*m);
        frame->menuChanged();
    }
}

// ---- standard commands ----

void WinApp::OnFileNew()
{
    if (!templates_.empty())
        templates_.front()->OpenDocumentFile({});
}

void WinApp::OnFileOpen()
{
    std::string path;
    if (DoPromptFileName(path, kIdsOpenFileTitle, true, nullptr))
        OpenDocumentFile(path);
}

void WinApp::OnFilePrintSetup()
{
    PrintTarget target = printer_ ? *printer_ : uiHost().defaultPrinter().value_or(PrintTarget{});
    if (uiHost().printSetupDialog(target))
        printer_ = std::move(target);
}

void WinApp::OnAppExit()
{
    if (FrameWnd* main = GetMainWnd())
        main->SendMessage(kWmClose);
}

bool WinApp::OnOpenRecentFile(unsigned id)
{
    if (!mru_)
        return false;
    const int index = static_cast<int>(id - kIdFileMruFile1);
    if (index < 0 || index >= mru_->count())
        return false;
    const std::string path = (*mru_)[index];
    if (!OpenDocumentFile(path)) {
        mru_->Remove(index);
        updateRecentFileMenus();
    }
    return true;
}

void WinApp::OnUpdateRecentFileMenu(CmdUI& ui) { ui.Enable(mru_ && mru_->count() > 0); }

bool WinApp::DoPromptFileName(std::string& path, unsigned, bool open, DocTemplate* only)
{
    FileDialogRequest request;
    request.open = open;
    request.defaultName = path;
    request.initialFolder = FileDialogFolder();
    for (const auto& t : templates_) {
        if (only && t.get() != only)
            continue;
        const std::string name = t->docString(DocTemplate::filterName);
        const std::string ext = t->docString(DocTemplate::filterExt);
        if (!name.empty() && !ext.empty())
            request.filter += name + "|*" + ext + "|";
    }
    request.filter += LoadString(kIdsAllFilter) + "|*.*||";
    const FileDialogResult result = uiHost().fileDialog(request);
    if (result.path.empty())
        return false;
    path = result.path;
    return true;
}

void WinApp::WinHelp(unsigned long data, unsigned command)
{
    const std::string file = helpFile_.empty() ? joinPath(programFolder_, appName_ + ".hlp") : helpFile_;
    uiHost().showHelp(file, command, data);
}

void WinApp::setCommandLine(std::vector<std::string> args, std::string folder)
{
    args_ = std::move(args);
    cmdLine_.clear();
    for (const auto& a : args_) {
        if (!cmdLine_.empty())
            cmdLine_ += ' ';
        cmdLine_ += a;
    }
    programFolder_ = std::move(folder);
}

}  // namespace plat
