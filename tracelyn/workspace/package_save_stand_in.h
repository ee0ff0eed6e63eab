#pragma once
// The package editor's way to "Save Library Part" until the shared library dialogs are in this
// branch: writes the current object store as the part named in the package choice
// (g_packageChoice) of the library named there, after asking for both. True when written.

namespace plat { class Wnd; }

bool RunSaveLibraryPartDialog(plat::Wnd* parent);
