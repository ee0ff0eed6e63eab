#pragma once
// The library part editor window's template, menu, accelerators, toolbar and tool tips.

#include "platform/app/resources.h"

namespace scm {

void AddPartEditorResources(plat::ResourceSet& set);

}  // namespace scm
