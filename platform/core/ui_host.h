#pragma once
// Every place where the programs talk to a person or to the desktop goes through one UiHost:
// message boxes, modal dialogs, common dialogs, starting programs, the clipboard, sound, help,
// timers and ending the process. The Qt host shows real widgets and uses real timers; the test
// host answers from a script, records what was asked, and runs timers on a hand-advanced clock.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Dialog;    // platform/app: a dialog built from a template, with its controls by id
class TimerTarget;

// Message-box types and results, with the values the programs' code compares against.
enum : unsigned {
    kMbOk = 0x0, kMbOkCancel = 0x1, kMbYesNoCancel = 0x3, kMbYesNo = 0x4,
    kMbIconStop = 0x10, kMbIconQuestion = 0x20, kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };
// What a box of this type answers when it is closed without a button, cannot be shown, or is
// not answered by a test's script: the answer that does nothing (Cancel, or No where there is
// no Cancel; OK for a box with OK alone).
int closedMessageBoxAnswer(unsigned type);

// Desktop colour indexes of sysColor.
enum : int { kColorWindow = 5, kColorWindowText = 8, kColorBtnFace = 15, kColorBtnShadow = 16,
             kColorBtnText = 18, kColorBtnHighlight = 20 };

// Receives timer ticks; windows derive from it.
class TimerTarget {
public:
    virtual void OnTimer(unsigned id) = 0;
protected:
    ~TimerTarget() = default;
};

struct FileDialogRequest {
    bool open = true;                   // open or save
    std::string filter;                 // "Name (*.ext)|*.ext|...|" as the programs write it
    std::string defaultName;
    std::string initialFolder;
    int filterIndex = 1;                // 1-based
};
struct FileDialogResult {
    std::string path;                   // empty when cancelled
    int filterIndex = 1;                // 1-based index of the chosen filter
};

struct FontChoice {
    std::string face;
    int height = 0;                     // negative: character height
    int weight = 400;
    bool italic = false;
    uint8_t pitchAndFamily = 0;
    uint8_t charSet = 0;
};

// Where a print job goes: a printer of the desktop by name, or a PDF file. The page setup
// travels with it, so a later job prints on the same paper.
struct PrintTarget {
    std::string printerName;            // a desktop printer (empty with a PDF file)
    std::string pdfPath;                // not empty: the job is written to this PDF file
    bool landscape = false;
    double paperWidthMm = 0;            // 0: the printer's own paper (Letter for a PDF file)
    double paperHeightMm = 0;
    int copies = 1;
};

// The print dialog's question and answer: the pages the document has, the pages to print
// and the printer, changed in place when the person confirms.
struct PrintDialogRequest {
    PrintTarget target;
    unsigned minPage = 1;
    unsigned maxPage = 0xFFFF;
    unsigned fromPage = 1;
    unsigned toPage = 0xFFFF;
    std::string docName;
};

// One page of a print preview: the printable area's pixels and where it lies on the paper,
// all in pixels of the preview's resolution.
struct PreviewPage {
    unsigned number = 1;
    int paperWidth = 0;
    int paperHeight = 0;
    int left = 0;                       // the printable area's offset on the paper
    int top = 0;
    int width = 0;                      // the printable area, `width` pixels per row
    int height = 0;
    std::vector<uint32_t> pixels;       // 0xFFRRGGBB
};
struct PrintPreviewRequest {
    std::string docName;
    int resolution = 0;                 // pixels per inch of the pages
    std::vector<PreviewPage> pages;
};
enum class PreviewAction { Close, Print };

// A question one program of the suite asks another that holds a document open.
enum class DocumentOwnerRequest {
    State,    // whether it holds the document, and with changes of its own
    Reload,   // read the document again from its file and show it in front
};
enum class DocumentOwnerAnswer {
    NotOpen,     // no running program holds it
    Unchanged,   // held, as its file was read or last saved
    Unsaved,     // held with changes that are not in its file (nothing was reloaded)
    Busy,        // held, but its program is in a dialog or a long operation
    Reloaded,    // read again and shown in front
    Failed,      // the program could not read it again (it said why)
};
using DocumentOwnerHandler = std::function<DocumentOwnerAnswer(DocumentOwnerRequest)>;

// The clipboard format of plain text, as the desktop's other programs put it there.
inline constexpr std::string_view kClipboardTextFormat = "text";

// What the programs ask of the world outside their documents.
class UiHost {
public:
    virtual ~UiHost() = default;

    virtual int messageBox(std::string_view text, std::string_view caption, unsigned type) = 0;
    virtual void messageBeep() = 0;
    // Runs a dialog modally; returns what EndDialog was given (kIdOk, kIdCancel, ...).
    virtual int runModal(Dialog& dialog) = 0;
    virtual FileDialogResult fileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FontChoice> fontDialog(const FontChoice& initial) = 0;
    virtual std::optional<std::string> folderDialog(std::string_view title, std::string_view start) = 0;

    // Opens a text file in the text viewer (where the programs would start a text editor).
    virtual bool showTextFile(std::string_view path) = 0;
    // Starts another program by command line; false when it could not be started.
    virtual bool startProgram(std::string_view commandLine) = 0;
    // Runs another program by command line and waits for it (at most timeoutMs, then it is
    // stopped); its exit code, or -1 when it could not be started or did not finish.
    virtual int runProgram(std::string_view commandLine, unsigned timeoutMs) = 0;
    // The same with the program and each argument given apart: no word splitting, quoting or
    // shell ever sees them, so any file name passes as it is. A program named without a folder
    // is looked for beside this program first.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
    virtual int runProgram(const std::string& program, const std::vector<std::string>& arguments,
                           unsigned timeoutMs) = 0;
    virtual void showHelp(std::string_view helpFile, unsigned command, unsigned long data) = 0;
    // Opens a web address with the desktop's default handler; false when none took it.
    virtual bool openWebPage(std::string_view url) = 0;
    // Plays a WAV file synchronously; false when the file is missing or unreadable.
    virtual bool playSound(std::string_view path) = 0;

    // Clipboard: named formats ("TLYN"), text (kClipboardTextFormat) and images (as encoded PNG
    // bytes).
    virtual void setClipboard(std::string_view format, std::vector<uint8_t> bytes) = 0;
    virtual std::optional<std::vector<uint8_t>> clipboard(std::string_view format) = 0;
    virtual void clearClipboard() = 0;

    // Timers by (target, id); setting an existing pair restarts it with the new period.
    virtual void setTimer(TimerTarget* target, unsigned id, unsigned periodMs) = 0;
    virtual void killTimer(TimerTarget* target, unsigned id) = 0;
    virtual void killTimers(TimerTarget* target) = 0;
    virtual uint32_t tickCount() = 0;      // milliseconds since an arbitrary start

    // Printing. The bases stand for a desktop without printing: no printer, dialogs that are
    // cancelled, a preview that closes at once.
    // The printer a job without a dialog goes to; nullopt when the desktop has none.
    virtual std::optional<PrintTarget> defaultPrinter();
    // The print dialog; false when cancelled.
    virtual bool printDialog(PrintDialogRequest& request);
    // The printer and page setup dialog; false when cancelled.
    virtual bool printSetupDialog(PrintTarget& target);
    // Shows rendered pages until the person closes the preview or asks to print.
    virtual PreviewAction showPrintPreview(const PrintPreviewRequest& preview);

    // Documents held open across the suite's running programs, one window per file. publish
    // makes this program the holder of path (absolute), answering other programs through
    // handler; an empty handler withdraws it. ask puts a request to whichever running program
    // holds path. The bases stand for a desktop of one program: nothing is held elsewhere.
    virtual void publishDocument(std::string_view path, DocumentOwnerHandler handler);
    virtual DocumentOwnerAnswer askDocumentOwner(std::string_view path, DocumentOwnerRequest request);

    // A desktop colour (kColor* index) as 0x00BBGGRR. The base answers the classic desktop's
    // colours; the Qt host answers from the desktop's palette.
    virtual uint32_t sysColor(int index);

    // The wait cursor over every window of the program while on is true (see WaitCursor). The
    // base shows nothing.
    virtual void showWaitCursor(bool on);

    // Ends the program with an exit code from anywhere (start-up, a document constructor).
    [[noreturn]] virtual void exitProcess(int code) = 0;
};

// The host the programs use. Set once by the program start (Qt host) or by a test (test host).
UiHost& uiHost();
UiHost* installedUiHost();   // null when none is installed
void setUiHost(UiHost* host);

// Installs a host for as long as it lives, then puts back the host installed before it (when
// the host is still the installed one). A host keeps it as its last member, so that it is whole
// whenever it is installed.
class UiHostInstallation {
public:
    explicit UiHostInstallation(UiHost* host) : host_(host), previous_(installedUiHost()) { setUiHost(host); }
    ~UiHostInstallation()
    {
        if (installedUiHost() == host_)
            setUiHost(previous_);
    }
    UiHostInstallation(const UiHostInstallation&) = delete;
    UiHostInstallation& operator=(const UiHostInstallation&) = delete;

private:
    UiHost* host_;
    UiHost* previous_;
};

// Shows the wait cursor for as long as it lives (nothing when no host is installed).
class WaitCursor {
public:
    WaitCursor() : host_(installedUiHost())
    {
        if (host_)
            host_->showWaitCursor(true);
    }
    ~WaitCursor()
    {
        if (host_)
            host_->showWaitCursor(false);
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UiHost* host_;
};

// Thrown by exitProcess so that the program start (or a test) unwinds to a defined place;
// the program start turns it into the process exit code.
struct ProcessExit {
    int code;
};

// Conveniences with the platform's defaults: the caption is the application title.
uint32_t GetSysColor(int index);
int MessageBox(std::string_view text, unsigned type = kMbOk, std::string_view caption = {});
void MessageBeep();
void setApplicationTitle(std::string title);
const std::string& applicationTitle();

}  // namespace plat
