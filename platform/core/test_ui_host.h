#pragma once
// The headless face of the UI host: answers come from a script, everything asked is recorded
// as one line of text, and timers run on a clock that the test advances by hand.
//
//   plat::TestUiHost host;                    // installs itself, uninstalls on destruction
//   host.answerMessageBox(plat::kIdYes);      // the next message box returns Yes
//   ... run the code ...
//   EXPECT_TRUE(host.shown("message box: Parameter Error!"));

#include "platform/core/ui_host.h"

#include <deque>
#include <map>

namespace plat {

class TestUiHost : public UiHost {
public:
    // ---- script ----
    // Queued answers are used first in, first out; without one a message box answers kIdOk
    // (kIdYes for a yes/no box is never assumed: it answers kIdNo / kIdCancel).
    void answerMessageBox(int result);
    // The next modal run of a dialog is handed to this function (which may set controls and
    // press buttons through the dialog's own interface); without one a dialog returns kIdCancel.
    void answerDialog(std::function<int(Dialog&)> script);
    void answerFileDialog(FileDialogResult result);
    // Every file dialog asked for, in order.
    const std::vector<FileDialogRequest>& fileDialogRequests() const { return fileRequests_; }
    void answerFontDialog(std::optional<FontChoice> choice);
    void answerFolderDialog(std::optional<std::string> folder);
    void setSoundWorks(bool works) { soundWorks_ = works; }
    void setProgramsStart(bool start) { programsStart_ = start; }
    // What a program run by runProgram does: the function gets the command line and returns
    // the exit code. Without one a run answers 0, or -1 when programs do not start.
    void answerProgramRun(std::function<int(std::string_view)> run) { programRun_ = std::move(run); }
    void setSysColor(int index, uint32_t bgr) { sysColors_[index] = bgr; }
    // Another running program's answers to askDocumentOwner, first in, first out; without one
    // a document this host has published answers through its own handler (as if held by
    // another program), and any other answers NotOpen.
    void answerDocumentOwner(DocumentOwnerAnswer answer) { ownerAnswers_.push_back(answer); }
    // The documents published and not withdrawn.
    std::vector<std::string> publishedDocuments() const;
    // Printing: the host's printer writes "printout.pdf" into the folder the test chooses;
    // without a folder the desktop has no printer. The print and setup dialogs are handed to
    // their scripts (which may change the request) and are cancelled without one; a preview
    // answers Close unless told otherwise.
    void setPrintFolder(std::string folder) { printFolder_ = std::move(folder); }
    std::string printoutPath() const;            // empty without a print folder
    void answerPrintDialog(std::function<bool(PrintDialogRequest&)> script);
    void answerPrintSetup(std::function<bool(PrintTarget&)> script);
    void answerPrintPreview(PreviewAction action);
    // What the last print dialog was asked and the last preview was shown.
    const std::optional<PrintDialogRequest>& lastPrintDialog() const { return lastPrintDialog_; }
    const std::optional<PrintPreviewRequest>& lastPreview() const { return lastPreview_; }

    // ---- record ----
    // Lines such as "message box: <text>", "message box caption: <caption>", "beep",
    // "dialog <id>", "file dialog open: <filter>", "text viewer: <path>", "program: <cmd>",
    // "sound: <path>", "help: <file> <command>", "timer set <id> <ms>", "timer killed <id>",
    // "print dialog", "print setup", "print preview", "exit <code>",
    // "document owner <state|reload>: <path>".
    const std::vector<std::string>& events() const { return events_; }
    bool shown(std::string_view line) const;      // some event equals line
    int count(std::string_view line) const;
    std::vector<std::string> messageBoxes() const; // texts of the message boxes, in order
    void clearEvents() { events_.clear(); }
    // The data (context number) of each help request, in order.
    const std::vector<unsigned long>& helpData() const { return helpData_; }
    void record(std::string line) { events_.push_back(std::move(line)); }

    // ---- clock ----
    // Advances the clock, firing every due timer tick in time order.
    void advance(uint32_t ms);
    // Period of a running timer, or 0 when (target, id) is not running.
    unsigned timerPeriod(const TimerTarget* target, unsigned id) const;
    unsigned timerPeriod(unsigned id) const;    // any target

    // ---- UiHost ----
    int messageBox(std::string_view text, std::string_view caption, unsigned type) override;
    void messageBeep() override;
    int runModal(Dialog& dialog) override;
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial) override;
    std::optional<std::string> folderDialog(std::string_view title, std::string_view start) override;
    bool showTextFile(std::string_view path) override;
    bool startProgram(std::string_view commandLine) override;
    int runProgram(std::string_view commandLine, unsigned timeoutMs) override;
    // Recorded as "program: <program>" and "program run: <program>" followed by each argument
    // in double quotes; a run is answered as above with that line.
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    int runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   unsigned timeoutMs) override;
    void showHelp(std::string_view helpFile, unsigned command, unsigned long data) override;
    bool openWebPage(std::string_view url) override;
    bool playSound(std::string_view path) override;
    void setClipboard(std::string_view format, std::vector<uint8_t> bytes) override;
    std::optional<std::vector<uint8_t>> clipboard(std::string_view format) override;
    void clearClipboard() override;
    void setTimer(TimerTarget* target, unsigned id, unsigned periodMs) override;
    void killTimer(TimerTarget* target, unsigned id) override;
    void killTimers(TimerTarget* target) override;
    uint32_t tickCount() override { return now_; }
    uint32_t sysColor(int index) override;
    void showWaitCursor(bool on) override;   // "wait cursor shown" / "wait cursor ended"
    std::optional<PrintTarget> defaultPrinter() override;
    bool printDialog(PrintDialogRequest& request) override;
    bool printSetupDialog(PrintTarget& target) override;
    PreviewAction showPrintPreview(const PrintPreviewRequest& preview) override;
    [[noreturn]] void exitProcess(int code) override;
    void publishDocument(std::string_view path, DocumentOwnerHandler handler) override;
    DocumentOwnerAnswer askDocumentOwner(std::string_view path, DocumentOwnerRequest request) override;

    // The template id of a dialog, for the record; set by platform/app when it is linked.
    static inline int (*dialogIdOf)(const Dialog&) = nullptr;

private:
    // Records "<request>: <detail>"; noted also gives back the host's answer to the request.
    void note(std::string_view request, std::string_view detail);
    bool noted(std::string_view request, std::string_view detail, bool answer);

    struct Timer {
        TimerTarget* target;
        unsigned id;
        unsigned period;
        uint64_t due;
    };

    std::vector<std::string> events_;
    std::vector<unsigned long> helpData_;
    std::deque<int> messageAnswers_;
    std::deque<std::function<int(Dialog&)>> dialogScripts_;
    std::deque<FileDialogResult> fileAnswers_;
    std::vector<FileDialogRequest> fileRequests_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::deque<std::optional<std::string>> folderAnswers_;
    std::map<std::string, std::vector<uint8_t>, std::less<>> clipboard_;
    std::vector<Timer> timers_;
    std::map<int, uint32_t> sysColors_;
    std::string printFolder_;
    std::deque<std::function<bool(PrintDialogRequest&)>> printDialogScripts_;
    std::deque<std::function<bool(PrintTarget&)>> printSetupScripts_;
    std::deque<PreviewAction> previewAnswers_;
    std::optional<PrintDialogRequest> lastPrintDialog_;
    std::optional<PrintPreviewRequest> lastPreview_;
    uint64_t now_ = 0;
    bool soundWorks_ = true;
    bool programsStart_ = true;
    std::function<int(std::string_view)> programRun_;
    std::deque<DocumentOwnerAnswer> ownerAnswers_;
    std::map<std::string, DocumentOwnerHandler, std::less<>> published_;
    UiHostInstallation installation_{this};
};

}  // namespace plat
