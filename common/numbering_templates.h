#pragma once
// The numbering dialogs both editors have, each program passing its ids: Ref No's type and first
// index of the reference designators, and the text and first index of auto-incremented text.

#include "platform/app/dialog_builder.h"

// The type and first index rows of "Set Reference Designators"; the caller adds the rows its
// program has besides, and its buttons.
plat::DialogBuilder ReferenceNumberingBuilder(unsigned templateId, unsigned typeId, unsigned startId);

// "Auto Increment Text": the text, the first index, and OK and Cancel from `buttonColumn`.
plat::DialogTemplate AutoIncrementTemplate(unsigned templateId, unsigned textId, unsigned startId, int buttonColumn);
