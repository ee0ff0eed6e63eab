// The schematic program's toolbars, status icons, pointers and window icon as a person sees
// them: drawn pictures, one per command, with tooltips that name the command and its key.
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/main_frame.h"

// Qt's headers come after the program's: Qt's keyword macros would rename its members.
#include "platform/app/wnd_state.h"
#include "support/toolbar_pictures_suite.h"

#include <QMainWindow>

#include <array>

namespace quill_test {

struct SchemoraToolbar {
    using Fixture = schemora_test::SchemoraAppTest;
    static constexpr const char* kIni = "DoTips=0\nAutoDots=0\n";
    static constexpr const char* kShippedIcon = "schemora.svg";
    static constexpr const char* kTooltips[] = {
        "Enter text (T)", "Draw data bus (B)", "Draw line (L)", "Draw arc (K)", "Draw connector dot (C)",
        "Draw rectangle (R)", "Draw polygon (Y)", "Draw ellipse (E)", "Insert library part (F5)", "Edit mode (F9)",
        "Erase (Del)", "Rotate (X)", "Mirror (M)", "Undo (Ctrl+Z)"};
    static constexpr unsigned kPointers[] = {scm::kCursorA, scm::kCursorB, scm::kCursorView};
    static constexpr unsigned kStatusIcons[] = {scm::kIconReady, scm::kIconActivityA, scm::kIconActivityB};
    static constexpr std::array<unsigned, 2> kAnimation = {scm::kIconActivityA, scm::kIconActivityB};
    // With automatic dots off the connector-dot button is on the bar.
    static void showEveryButton() { SyncDotToolButton(); }
};
INSTANTIATE_TYPED_TEST_SUITE_P(SchemoraToolbarPictures, ToolbarPictures, SchemoraToolbar);

}  // namespace quill_test
