#pragma once
// The dialog both editors' Ref No command opens: the reference designator type to renumber and
// the first index. Each program passes its ids, adds the rows it has besides and its buttons.

#include "platform/app/dialog_builder.h"

plat::DialogBuilder ReferenceNumberingBuilder(unsigned templateId, unsigned typeId, unsigned startId);
