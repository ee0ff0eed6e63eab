#pragma once
// The desktop face of the UI host: real message boxes, common dialogs, the text and help
// windows, detached programs, WAV sound, the desktop clipboard and Qt timers. The program start
// creates one after the QApplication and installs it; it installs itself on construction and
// puts back the previous host on destruction.
//
// Ending the process (exitProcess): output streams are flushed, then
//   - before the event loop runs (start-up), ProcessExit{code} is thrown; the program start
//     catches it and returns code from main;
//   - while an event loop runs, every loop of the UI thread is told to end with code
//     (QCoreApplication::exit) and ProcessExit{code} is thrown as well, so the program's code
//     stops where it is; the framework catches it where it called into the program (command,
//     message or timer dispatch) and returns to the loop, which then ends, and main returns code.
//     A loop that is not running yet cannot be told to end (an exit from a timer inside a
//     start-up message box): exitRequested() keeps the code for the program start to check
//     before it enters the main loop.
// The process is never aborted.

#include "platform/core/ui_host.h"

#include <memory>

namespace plat {

class QtUiHost : public UiHost {
public:
    QtUiHost();
    ~QtUiHost() override;

    // The framework's way of running a dialog modally; without one, runModal answers kIdCancel.
    static void setModalRunner(std::function<int(Dialog&)> runner);

    int messageBox(std::string_view text, std::string_view caption, unsigned type) override;
    void messageBeep() override;
    int runModal(Dialog& dialog) override;
    // Opens on initialFolder (else the current folder) with the request's filter selected; no
    // extension is added; saving over a file asks first. A chosen file makes its folder the
    // current folder.
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial) override;
    std::optional<std::string> folderDialog(std::string_view title, std::string_view start) override;

    // One text window per file; opening a file again raises its window (re-read unless edited).
    // False when the file cannot be read.
    bool showTextFile(std::string_view path) override;
    // The line is split like a shell splits plain words (see command_line.h); a program named
    // without a folder is looked for beside this program, then in the current folder, then on
    // the PATH. Started detached in the current folder.
    bool startProgram(std::string_view commandLine) override;
    bool openWebPage(std::string_view url) override;
    int runProgram(std::string_view commandLine, unsigned timeoutMs) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    int runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   unsigned timeoutMs) override;
    // Shows an HTML help file (helpFile, or the same name with ".html"/".htm") in the help
    // window; a context-help command scrolls to the anchor named by the context number; the
    // quit command closes the window. "Help is not installed." when there is no such file.
    void showHelp(std::string_view helpFile, unsigned command, unsigned long data) override;
    // Plays and waits until the sound ends (events keep flowing meanwhile). False when the file
    // is missing or no playable WAV file (wav_header.h); a machine without an audio output
    // plays nothing and answers true.
    bool playSound(std::string_view path) override;

    // Formats this host places are kept together until clearClipboard or until another
    // program takes the clipboard.
    void setClipboard(std::string_view format, std::vector<uint8_t> bytes) override;
    std::optional<std::vector<uint8_t>> clipboard(std::string_view format) override;
    void clearClipboard() override;

    // Ticks arrive through the UI thread's event loop (also while a long operation pumps
    // messages); a period under 10 ms runs at 10 ms.
    void setTimer(TimerTarget* target, unsigned id, unsigned periodMs) override;
    void killTimer(TimerTarget* target, unsigned id) override;
    void killTimers(TimerTarget* target) override;
    uint32_t tickCount() override;

    // Printing: the desktop's default printer (none when the print system knows none), the
    // print dialog (printer or PDF file, page range, copies), the setup dialog (printer or PDF
    // file and paper) and a modal preview window with page navigation, zoom, Print and Close.
    std::optional<PrintTarget> defaultPrinter() override;
    bool printDialog(PrintDialogRequest& request) override;
    bool printSetupDialog(PrintTarget& target) override;
    PreviewAction showPrintPreview(const PrintPreviewRequest& preview) override;

    // Each held document has a local socket named after its canonical path (and the user), so
    // any program of the suite finds its holder; a socket left by a program that ended is
    // taken over. A request waits at most a few seconds for the holder's answer; a holder
    // showing a modal window answers Busy.
    void publishDocument(std::string_view path, DocumentOwnerHandler handler) override;
    DocumentOwnerAnswer askDocumentOwner(std::string_view path, DocumentOwnerRequest request) override;

    // From the application palette: window and text colours, button face, shadow, highlight.
    uint32_t sysColor(int index) override;
    void showWaitCursor(bool on) override;

    [[noreturn]] void exitProcess(int code) override;
    // The code exitProcess was given while an event loop ran; nothing before that.
    std::optional<int> exitRequested() const { return exitRequested_; }

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
    std::optional<int> exitRequested_;
    UiHostInstallation installation_{this};
};

}  // namespace plat
