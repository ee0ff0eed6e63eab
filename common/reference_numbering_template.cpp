#include "common/reference_numbering_template.h"

plat::DialogBuilder ReferenceNumberingBuilder(unsigned templateId, unsigned typeId, unsigned startId)
{
    constexpr int kTypedChars = 20;
    plat::DialogBuilder b(templateId, "Set Reference Designators", kTypedChars);
    b.field(typeId, "Enter type (a-z):", 0).field(startId, "Enter starting index:", 1);
    return b;
}
