#pragma once
// The UI host of a program that works without talking to anyone and tells what happened once
// it is done (the build utility): each message box becomes a line of its log and gets the
// answer that does nothing; dialogs are cancelled, no program starts, and there is no
// clipboard, sound, help or timer.

#include "platform/core/ui_host.h"

#include <string>
#include <vector>

namespace plat {

class MessageLogHost : public UiHost {
public:
    // The texts of the message boxes, in the order they were asked for.
    const std::vector<std::string>& messages() const { return messages_; }

    int messageBox(std::string_view text, std::string_view caption, unsigned type) override;
    void messageBeep() override {}
    int runModal(Dialog&) override { return kIdCancel; }
    FileDialogResult fileDialog(const FileDialogRequest&) override { return {}; }
    std::optional<FontChoice> fontDialog(const FontChoice&) override { return std::nullopt; }
    std::optional<std::string> folderDialog(std::string_view, std::string_view) override { return std::nullopt; }
    bool showTextFile(std::string_view) override { return false; }
    bool startProgram(std::string_view) override { return false; }
    int runProgram(std::string_view, unsigned) override { return -1; }
    bool startProgram(const std::string&, const std::vector<std::string>&) override { return false; }
    int runProgram(const std::string&, const std::vector<std::string>&, unsigned) override { return -1; }
    void showHelp(std::string_view, unsigned, unsigned long) override {}
    bool openWebPage(std::string_view) override { return false; }
    bool playSound(std::string_view) override { return false; }
    void setClipboard(std::string_view, std::vector<uint8_t>) override {}
    std::optional<std::vector<uint8_t>> clipboard(std::string_view) override { return std::nullopt; }
    void clearClipboard() override {}
    void setTimer(TimerTarget*, unsigned, unsigned) override {}
    void killTimer(TimerTarget*, unsigned) override {}
    void killTimers(TimerTarget*) override {}
    uint32_t tickCount() override;
    [[noreturn]] void exitProcess(int code) override { throw ProcessExit{code}; }

private:
    std::vector<std::string> messages_;
    UiHostInstallation installation_{this};
};

}  // namespace plat
