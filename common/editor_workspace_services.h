#pragma once
// Services each editor's core calls above itself, declared once for both programs: each program
// defines them (its main frame and child frames, its tips of the day, its status icons and
// sounds). Routines of common/ never call them, so common/ links on its own.

#include <memory>
#include <string_view>

namespace plat {
class MDIChildWnd;
}
namespace quill {
class EditorMainFrame;
}
struct TipOfTheDay;

// The main frame and the child frame of a document, made by the workspace for start-up and the
// document template.
std::unique_ptr<quill::EditorMainFrame> CreateMainFrame();
std::unique_ptr<plat::MDIChildWnd> CreateChildFrame();
// The program's tips of the day and the settings the tip dialog keeps them in.
TipOfTheDay ProgramTips();

// Shows the icon of that resource id in a pane of the main frame's status bar.
void SetStatusIcon(int iconId, int pane);
// Plays a sound file of the sound folder when sounds are on ("filedone.wav", ...).
void PlaySoundFile(std::string_view name);
