#include "platform/core/test_ui_host.h"

#include <algorithm>

namespace plat {
namespace {

// The next scripted answer, taken off its queue; fallback when none is queued.
template <typename T>
T takeNext(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}

}  // namespace

void TestUiHost::answerMessageBox(int result) { messageAnswers_.push_back(result); }
void TestUiHost::answerDialog(std::function<int(Dialog&)> script) { dialogScripts_.push_back(std::move(script)); }
void TestUiHost::answerFileDialog(FileDialogResult result) { fileAnswers_.push_back(std::move(result)); }
void TestUiHost::answerFontDialog(std::optional<FontChoice> choice) { fontAnswers_.push_back(std::move(choice)); }
void TestUiHost::answerFolderDialog(std::optional<std::string> folder) { folderAnswers_.push_back(std::move(folder)); }

void TestUiHost::note(std::string_view request, std::string_view detail)
{
    events_.push_back(std::string(request) + ": " + std::string(detail));
}

bool TestUiHost::noted(std::string_view request, std::string_view detail, bool answer)
{
    note(request, detail);
    return answer;
}

bool TestUiHost::shown(std::string_view line) const { return count(line) > 0; }

int TestUiHost::count(std::string_view line) const
{
    return static_cast<int>(std::count(events_.begin(), events_.end(), line));
}

std::vector<std::string> TestUiHost::messageBoxes() const
{
    constexpr std::string_view kPrefix = "message box: ";
    std::vector<std::string> texts;
    for (const auto& e : events_)
        if (e.starts_with(kPrefix))
            texts.push_back(e.substr(kPrefix.size()));
    return texts;
}

int TestUiHost::messageBox(std::string_view text, std::string_view caption, unsigned type)
{
    note("message box", text);
    note("message box caption", caption);
    return takeNext(messageAnswers_, closedMessageBoxAnswer(type));
}

void TestUiHost::messageBeep() { events_.push_back("beep"); }

int TestUiHost::runModal(Dialog& dialog)
{
    events_.push_back("dialog " + std::to_string(dialogIdOf ? dialogIdOf(dialog) : 0));
    const auto script = takeNext(dialogScripts_, {});
    return script ? script(dialog) : kIdCancel;
}

FileDialogResult TestUiHost::fileDialog(const FileDialogRequest& request)
{
    note(request.open ? "file dialog open" : "file dialog save", request.filter);
    fileRequests_.push_back(request);
    return takeNext(fileAnswers_, {});
}

std::optional<FontChoice> TestUiHost::fontDialog(const FontChoice& initial)
{
    note("font dialog", initial.face);
    return takeNext(fontAnswers_, {});
}

std::optional<std::string> TestUiHost::folderDialog(std::string_view title, std::string_view)
{
    note("folder dialog", title);
    return takeNext(folderAnswers_, {});
}

bool TestUiHost::showTextFile(std::string_view path) { return noted("text viewer", path, true); }

bool TestUiHost::startProgram(std::string_view commandLine) { return noted("program", commandLine, programsStart_); }

int TestUiHost::runProgram(std::string_view commandLine, unsigned)
{
    note("program run", commandLine);
    if (!programsStart_)
        return -1;
    return programRun_ ? programRun_(commandLine) : 0;
}

namespace {

std::string programLine(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string line = program;
    for (const std::string& argument : arguments)
        line += " \"" + argument + "\"";
    return line;
}

}  // namespace

bool TestUiHost::startProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    return startProgram(programLine(program, arguments));
}

int TestUiHost::runProgram(const std::string& program, const std::vector<std::string>& arguments, unsigned timeoutMs)
{
    return runProgram(programLine(program, arguments), timeoutMs);
}

void TestUiHost::showHelp(std::string_view helpFile, unsigned command, unsigned long data)
{
    helpData_.push_back(data);
    note("help", std::string(helpFile) + " " + std::to_string(command));
}

bool TestUiHost::openWebPage(std::string_view url) { return noted("web page", url, true); }

bool TestUiHost::playSound(std::string_view path) { return noted("sound", path, soundWorks_); }

void TestUiHost::setClipboard(std::string_view format, std::vector<uint8_t> bytes)
{
    note("clipboard set", format);
    clipboard_[std::string(format)] = std::move(bytes);
}

std::optional<std::vector<uint8_t>> TestUiHost::clipboard(std::string_view format)
{
    const auto it = clipboard_.find(format);
    if (it == clipboard_.end())
        return std::nullopt;
    return it->second;
}

void TestUiHost::clearClipboard() { clipboard_.clear(); }

void TestUiHost::setTimer(TimerTarget* target, unsigned id, unsigned periodMs)
{
    // A restart replaces the running timer: one event, not a kill and a set.
    std::erase_if(timers_, [&](const Timer& t) { return t.target == target && t.id == id; });
    events_.push_back("timer set " + std::to_string(id) + " " + std::to_string(periodMs));
    timers_.push_back({target, id, periodMs, now_ + std::max(periodMs, 1u)});
}

void TestUiHost::killTimer(TimerTarget* target, unsigned id)
{
    const auto it = std::find_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.target == target && t.id == id; });
    if (it == timers_.end())
        return;
    timers_.erase(it);
    events_.push_back("timer killed " + std::to_string(id));
}

void TestUiHost::killTimers(TimerTarget* target)
{
    std::erase_if(timers_, [&](const Timer& t) { return t.target == target; });
}

void TestUiHost::advance(uint32_t ms)
{
    const uint64_t end = now_ + ms;
    for (;;) {
        // The earliest due tick; a handler may set or kill timers, so search again each time.
        auto next = std::min_element(timers_.begin(), timers_.end(),
                                     [](const Timer& a, const Timer& b) { return a.due < b.due; });
        if (next == timers_.end() || next->due > end)
            break;
        now_ = next->due;
        next->due += std::max(next->period, 1u);
        TimerTarget* target = next->target;
        const unsigned id = next->id;
        target->OnTimer(id);
    }
    now_ = end;
}

unsigned TestUiHost::timerPeriod(const TimerTarget* target, unsigned id) const
{
    for (const auto& t : timers_)
        if (t.target == target && t.id == id)
            return t.period;
    return 0;
}

unsigned TestUiHost::timerPeriod(unsigned id) const
{
    for (const auto& t : timers_)
        if (t.id == id)
            return t.period;
    return 0;
}

void TestUiHost::showWaitCursor(bool on) { record(on ? "wait cursor shown" : "wait cursor ended"); }

uint32_t TestUiHost::sysColor(int index)
{
    const auto it = sysColors_.find(index);
    return it != sysColors_.end() ? it->second : UiHost::sysColor(index);
}

std::string TestUiHost::printoutPath() const
{
    return printFolder_.empty() ? std::string() : printFolder_ + "/printout.pdf";
}

void TestUiHost::answerPrintDialog(std::function<bool(PrintDialogRequest&)> script)
{
    printDialogScripts_.push_back(std::move(script));
}

void TestUiHost::answerPrintSetup(std::function<bool(PrintTarget&)> script)
{
    printSetupScripts_.push_back(std::move(script));
}

void TestUiHost::answerPrintPreview(PreviewAction action) { previewAnswers_.push_back(action); }

std::optional<PrintTarget> TestUiHost::defaultPrinter()
{
    if (printFolder_.empty())
        return std::nullopt;
    PrintTarget target;
    target.pdfPath = printoutPath();
    return target;
}

bool TestUiHost::printDialog(PrintDialogRequest& request)
{
    events_.push_back("print dialog");
    lastPrintDialog_ = request;
    const auto script = takeNext(printDialogScripts_, {});
    return script && script(request);
}

bool TestUiHost::printSetupDialog(PrintTarget& target)
{
    events_.push_back("print setup");
    const auto script = takeNext(printSetupScripts_, {});
    return script && script(target);
}

PreviewAction TestUiHost::showPrintPreview(const PrintPreviewRequest& preview)
{
    events_.push_back("print preview");
    lastPreview_ = preview;
    return takeNext(previewAnswers_, PreviewAction::Close);
}

void TestUiHost::exitProcess(int code)
{
    events_.push_back("exit " + std::to_string(code));
    throw ProcessExit{code};
}

void TestUiHost::publishDocument(std::string_view path, DocumentOwnerHandler handler)
{
    if (handler)
        published_.insert_or_assign(std::string(path), std::move(handler));
    else if (const auto held = published_.find(path); held != published_.end())
        published_.erase(held);
}

std::vector<std::string> TestUiHost::publishedDocuments() const
{
    std::vector<std::string> paths;
    for (const auto& [path, handler] : published_)
        paths.push_back(path);
    return paths;
}

DocumentOwnerAnswer TestUiHost::askDocumentOwner(std::string_view path, DocumentOwnerRequest request)
{
    events_.push_back(std::string("document owner ") + (request == DocumentOwnerRequest::Reload ? "reload" : "state") +
                      ": " + std::string(path));
    if (!ownerAnswers_.empty())
        return takeNext(ownerAnswers_, DocumentOwnerAnswer::NotOpen);
    const auto held = published_.find(path);
    if (held == published_.end())
        return DocumentOwnerAnswer::NotOpen;
    // A copy: the handler may withdraw (and so destroy) its own entry while it answers.
    const DocumentOwnerHandler handler = held->second;
    return handler(request);
}

}  // namespace plat
