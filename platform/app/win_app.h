#pragma once
// The application object. A program derives its application class, builds it in the factory
// it hands to RunProgram, and does its start-up in InitInstance:
//
//   class CSchemoraApp : public plat::WinApp {
//   public:
//       CSchemoraApp() : plat::WinApp("Schemora") { onCommand(plat::kIdAppAbout, &CSchemoraApp::OnAppAbout); }
//       bool InitInstance() override;
//       void OnAppAbout();
//   };
//
// The standard file commands (New 57600, Open 57601, Print Setup 57606, the recent files,
// Exit) are handled here; a program that wants them says so with the framework's handlers,
// which are registered by default.

#include "platform/app/cmd_target.h"
#include "platform/app/command_line.h"
#include "platform/app/recent_files.h"
#include "platform/core/ui_host.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class DocTemplate;
class Document;
class FrameWnd;
class Wnd;

class WinApp : public CmdTarget {
public:
    explicit WinApp(std::string appName);
    ~WinApp() override;

    // ---- start and end ----
    // False ends the program before the event loop runs.
    virtual bool InitInstance() { return true; }
    // Runs when the program ends; returns the exit code.
    virtual int ExitInstance();
    // Called when the event loop is idle (count = pass since the last input); true asks for more.
    virtual bool OnIdle(long count);

    const std::string& appName() const { return appName_; }
    // The command-line arguments after the program name (file arguments already absolute), and
    // the same joined by blanks (empty when the program was started without arguments).
    const std::vector<std::string>& args() const { return args_; }
    const std::string& m_lpCmdLine() const { return cmdLine_; }
    // The folder of the executable, ending without a separator.
    const std::string& programFolder() const { return programFolder_; }

    // ---- main window ----
    FrameWnd* GetMainWnd() const { return mainWnd_.get(); }
    void SetMainWnd(std::unique_ptr<FrameWnd> frame);
    std::unique_ptr<FrameWnd> takeMainWnd();

    // ---- profile and registry ----
    // Keeps the profile in the registry store under "Software\<key>\<appName>".
    void SetRegistryKey(std::string_view key);
    const std::string& registryKey() const { return registryKey_; }
    // Replaces the profile store (tests); the application owns it.
    void setProfileStore(std::unique_ptr<ProfileStore> store);
    ProfileStore& profile();
    std::string GetProfileString(std::string_view section, std::string_view entry, std::string_view def = {});
    bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value);
    int GetProfileInt(std::string_view section, std::string_view entry, int def);
    bool WriteProfileInt(std::string_view section, std::string_view entry, int value);
    // Reads the recent-file list of maxMru entries (0: none) from the profile.
    void LoadStdProfileSettings(int maxMru = 4);
    void SaveStdProfileSettings();

    // The framework menus the recent files are listed in follow the list.
    void updateRecentFileMenus();

    // ---- documents ----
    void AddDocTemplate(std::unique_ptr<DocTemplate> t);
    const std::vector<std::unique_ptr<DocTemplate>>& docTemplates() const { return templates_; }
    // Opens a file as a document (an open one is activated instead); null on failure.
    virtual Document* OpenDocumentFile(const std::string& path);
    // Asks to save every modified document; false when the user cancelled.
    virtual bool SaveAllModified();
    void CloseAllDocuments(bool endSession);
    int openDocumentCount() const;

    // ---- command line and shell ----
    void ParseCommandLine(CommandLineInfo& info);
    // Carries out the shell command: new document, open, or print ("/p": open the file, print
    // it without the dialog, close it, and return false so that start-up, and the program, end
    // there); false also when the new document or the file could not be made or opened. DDE,
    // unregister and "nothing" return true without doing anything.
    bool ProcessShellCommand(CommandLineInfo& info);
    // Shell integration: there is no DDE here; association data is recorded in the registry store.
    void EnableShellOpen();
    void RegisterShellFileTypes(bool compat = false);
    void UnregisterShellFileTypes();

    // ---- printing ----
    // The printer chosen in Print Setup or in the last print dialog; null before any choice
    // (jobs then go to the desktop's default printer).
    const PrintTarget* printerSetup() const { return printer_ ? &*printer_ : nullptr; }
    void setPrinterSetup(PrintTarget target) { printer_ = std::move(target); }
    // The page orientation of jobs whose printer the user has not set up (the program's own
    // printing preference); the print dialog can still change it.
    void SetDefaultPageOrientation(bool landscape) { defaultLandscape_ = landscape; }
    bool defaultLandscape() const { return defaultLandscape_; }

    // ---- recent files ----
    virtual void AddToRecentFileList(std::string_view path);
    RecentFileList* recentFileList() const { return mru_.get(); }

    // ---- standard command handlers ----
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    bool OnOpenRecentFile(unsigned id);
    void OnUpdateRecentFileMenu(CmdUI& ui);
    // Shows the open-file dialog with the templates' filters; false when cancelled.
    bool DoPromptFileName(std::string& path, unsigned titleId, bool open, DocTemplate* t);

    // Help (through the UI host): the help file beside the program, "<appName>.hlp" by default.
    void WinHelp(unsigned long data, unsigned command = 3);
    const std::string& helpFile() const { return helpFile_; }
    void setHelpFile(std::string path) { helpFile_ = std::move(path); }

    // For the main frame: its window has been destroyed (the program ends).
    void mainWindowDestroyed();
    // For the program start: the arguments and the program folder.
    void setCommandLine(std::vector<std::string> args, std::string programFolder);

private:
    std::string appName_;
    std::string registryKey_;
    std::vector<std::string> args_;
    std::string cmdLine_;
    std::string programFolder_;
    std::string helpFile_;
    std::unique_ptr<FrameWnd> mainWnd_;
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    std::unique_ptr<ProfileStore> profile_;
    std::unique_ptr<RecentFileList> mru_;
    bool profileInjected_ = false;
    std::optional<PrintTarget> printer_;
    bool defaultLandscape_ = false;
};

// The running application (null before one is made and after it is gone).
WinApp* GetApp();
// The application's main window (null without one).
FrameWnd* GetMainWnd();

}  // namespace plat
