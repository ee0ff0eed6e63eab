#pragma once
// The framework's File menu as both editors show it, its keys and its status-bar prompts.

#include "platform/app/resources.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// New and Open, with a document also Close, Save, Save As and the print commands; Print Setup,
// the recent files and Exit.
plat::MenuItem StandardFileMenu(bool withDocument);

// Ctrl+N, Ctrl+O, Ctrl+S and Ctrl+P.
std::vector<plat::Accelerator> StandardFileKeys();

// The prompts of New, Open and Save, naming the program's document ("drawing", "board").
void AddStandardFilePrompts(std::map<unsigned, std::string>& strings, std::string_view document);
