#include "platform/core/ui_host.h"

#include <cstdio>
#include <cstdlib>

namespace plat {
namespace {

UiHost* g_host = nullptr;
std::string g_appTitle;

}  // namespace

UiHost& uiHost()
{
    if (!g_host) {
        std::fputs("internal error: no UI host installed\n", stderr);
        std::abort();
    }
    return *g_host;
}

UiHost* installedUiHost() { return g_host; }

void setUiHost(UiHost* host) { g_host = host; }

int MessageBox(std::string_view text, unsigned type, std::string_view caption)
{
    return uiHost().messageBox(text, caption.empty() ? std::string_view(g_appTitle) : caption, type);
}

void MessageBeep() { uiHost().messageBeep(); }

int closedMessageBoxAnswer(unsigned type)
{
    switch (type & 0xF) {
    case kMbOkCancel:
    case kMbYesNoCancel: return kIdCancel;
    case kMbYesNo: return kIdNo;
    default: return kIdOk;
    }
}

uint32_t UiHost::sysColor(int index)
{
    switch (index) {
    case kColorWindow: return 0xFFFFFF;
    case kColorWindowText:
    case kColorBtnText: return 0x000000;
    case kColorBtnFace: return 0xC0C0C0;
    case kColorBtnShadow: return 0x808080;
    case kColorBtnHighlight: return 0xFFFFFF;
    default: return 0xC0C0C0;
    }
}

void UiHost::publishDocument(std::string_view, DocumentOwnerHandler) {}
DocumentOwnerAnswer UiHost::askDocumentOwner(std::string_view, DocumentOwnerRequest) { return DocumentOwnerAnswer::NotOpen; }

std::optional<PrintTarget> UiHost::defaultPrinter() { return std::nullopt; }
bool UiHost::printDialog(PrintDialogRequest&) { return false; }
bool UiHost::printSetupDialog(PrintTarget&) { return false; }
PreviewAction UiHost::showPrintPreview(const PrintPreviewRequest&) { return PreviewAction::Close; }

void UiHost::showWaitCursor(bool) {}

uint32_t GetSysColor(int index) { return uiHost().sysColor(index); }

void setApplicationTitle(std::string title) { g_appTitle = std::move(title); }
const std::string& applicationTitle() { return g_appTitle; }

}  // namespace plat
