#pragma once
// The main window both editors build on: the dockable toolbars with View > Toolbars and its
// Default, the status bar with its activity animation, the item height of the toolbar combos,
// the timers every running window serves (animation, backup, blinking marker), the keys held
// back while a text is typed, Help > Tip of the Day and the maker's web page. Each program passes
// in its bars, ids, panes and icons and the routines of its own documents, and adds its commands.

#include "common/frame_toolbars.h"
#include "common/parts_bin.h"
#include "common/tip_dialog.h"
#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace quill {

// The toolbars and the commands that show, hide and reset them.
struct EditorFrameBars {
    std::span<const ToolBarSpec> bars;
    unsigned firstToggle = 0;               // View > Toolbars: the first bar's command, the rest follow
    unsigned restoreDefault = 0;            // View > Toolbars > Default
    std::span<const ToolBarDock> docking;   // the start arrangement, kept as "Default"
    std::span<const unsigned> hidden;
};

// The status bar: pane 0 (messages) takes what panes 1 to n leave.
struct EditorFrameStatus {
    std::span<const int> paneWidths;        // panes 1 to n
    std::string_view cursorPaneTip;         // the tip of pane 1; empty: none
    std::array<int, 2> animationIcons{};
    int animationPane = 2;
};

// The timers the main window serves itself.
struct EditorFrameTimers {
    unsigned statusAnimation = 0;
    unsigned backup = 0;
    unsigned blinkMarker = 0;
};

// What the frame asks of the program it runs in.
struct EditorFrameRoutines {
    bool (*typingText)() = nullptr;                 // a text is being typed into a document
    bool (*animationHeld)() = nullptr;              // the animation stands still; null: never
    void (*setStatusIcon)(int icon, int pane) = nullptr;
    void (*backUpOpenDocuments)() = nullptr;
    void (*advanceBlinkMarker)() = nullptr;
    TipOfTheDay (*tips)() = nullptr;
};

// The parts bin the frame opens: the command that opens it, the program's one bin, and what
// the program does once it opened the bin (null: nothing more).
struct EditorFramePartsBin {
    unsigned command = 0;
    PartsBinDlg& (*bin)() = nullptr;
    void (*opened)() = nullptr;
};

// What differs between the two editors' main windows.
struct EditorFrameSpec {
    EditorFrameBars bars;
    EditorFrameStatus status;
    EditorFrameTimers timers;
    EditorFrameRoutines routines;
    EditorFramePartsBin partsBin;
    unsigned tipOfTheDayCommand = 0;
    unsigned websiteCommand = 0;
    bool startMaximised = false;
};

class EditorMainFrame : public plat::MDIFrameWnd {
public:
    explicit EditorMainFrame(const EditorFrameSpec& spec);
    ~EditorMainFrame() override;

    // The window, its toolbars in the layout of the last run and the status bar.
    int OnCreate() override;
    // The activity animation, the backup and the blinking marker; other timers go on.
    void OnTimer(unsigned id) override;
    // While a text is typed into a document, keys go to the text, not to the accelerators.
    bool PreTranslateMessage(plat::Msg& msg) override;
    // The toolbar combos' items are one size; other owner-drawn items go on.
    void OnMeasureItem(unsigned ctlId, plat::MeasureItem& item) override;

    // Greys a command while no document is open.
    void OnUpdateNeedsDocument(plat::CmdUI& ui);
    void OnToggleToolBar(unsigned id);
    void OnUpdateToggleToolBar(plat::CmdUI& ui);
    void OnDefaultToolBars();
    void OnTipOfTheDay();
    // The parts bin (P, Main toolbar): opens the program's bin; checked while it is open.
    void OnPartsBin();
    void OnUpdatePartsBin(plat::CmdUI& ui);
    void OnWebsite();

    // The window starts running: the ready icon in the animation's pane, the animation ticking
    // every half second, sounds looked for in "SOUNDS" below the current folder, the backup
    // timer started (StartBackupTimer) and the window shown maximised.
    void startRunning(int readyIcon, int backupMinutes, std::string& soundFolder);

    FrameToolBars& toolBarTable() { return bars_; }
    plat::StatusBar& statusBarPanes() { return status_; }
    int animationPhase() const { return animation_.phase(); }

protected:
    // A command on the active document: its handler, and the command greyed while no document
    // is open.
    template <class T> void onDocumentCommand(unsigned id, void (T::*fn)())
    {
        onCommand(id, fn);
        onUpdateCommandUI(id, &EditorMainFrame::OnUpdateNeedsDocument);
    }
    // Greys these commands while no document is open; their handlers are registered apart.
    void needsDocument(std::initializer_list<unsigned> ids);

    // Fills the toolbar combos whose items the program computes; runs once the bars exist.
    virtual void fillToolBarCombos() {}

    FrameToolBars bars_;
    plat::StatusBar status_;

private:
    bool createStatusBar();

    const EditorFrameSpec spec_;
    StatusAnimation animation_;
};

}  // namespace quill
