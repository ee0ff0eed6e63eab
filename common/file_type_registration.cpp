#include "common/file_type_registration.h"

#include "platform/system/registry.h"

#include <string>

void RegisterDocumentFileType(std::string_view extension, std::string_view ownClass, std::string_view command)
{
    const std::string root(plat::kHkeyClassesRoot);
    auto ext = plat::RegistryKey::create(root + "\\" + std::string(extension));
    if (!ext)
        return;
    // The command goes under the class registered before this start (read into a 200-byte
    // buffer by the original registration).
    std::string className = ext->queryString().value_or("");
    if (className.size() > 200)
        className.resize(200);
    if (!ext->setString({}, ownClass))
        return;
    if (className.empty())
        className = ownClass;
    auto key = plat::RegistryKey::create(root + "\\" + className + "\\Shell\\load\\command");
    if (key)
        key->setString({}, command);
}
