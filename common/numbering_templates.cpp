#include "common/numbering_templates.h"

#include "platform/core/ui_host.h"

namespace {

constexpr int kTypedChars = 20;

}  // namespace

plat::DialogBuilder ReferenceNumberingBuilder(unsigned templateId, unsigned typeId, unsigned startId)
{
    plat::DialogBuilder b(templateId, "Set Reference Designators", kTypedChars);
    b.field(typeId, "Enter type (a-z):", 0).field(startId, "Enter starting index:", 1);
    return b;
}

plat::DialogTemplate AutoIncrementTemplate(unsigned templateId, unsigned textId, unsigned startId, int buttonColumn)
{
    using K = plat::ControlKind;
    return plat::DialogBuilder(templateId, "Auto Increment Text", kTypedChars)
        .field(textId, "Text:", 0)
        .field(startId, "Starting Index:", 1)
        .add(plat::kIdOk, K::DefPushButton, "OK", 2, buttonColumn)
        .add(plat::kIdCancel, K::PushButton, "Cancel", 2, buttonColumn + 1)
        .take();
}
