#pragma once
// Adds the package editor's resources to the board program's set: the editor's dialog, menu,
// keys and toolbar, the Package Design Wizard's pages and pictures, the editor's property
// dialogs and their strings.

#include "platform/app/resources.h"

void AddPackageEditorResources(plat::ResourceSet& set);
