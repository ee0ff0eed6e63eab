#pragma once
// The framework's File menu as both editors show it.

#include "platform/app/resources.h"

// New and Open, with a document also Close, Save, Save As and the print commands; Print Setup,
// the recent files and Exit.
plat::MenuItem StandardFileMenu(bool withDocument);
