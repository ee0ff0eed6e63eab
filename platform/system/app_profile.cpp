#include "platform/system/app_profile.h"

#include "platform/system/registry.h"

namespace plat {

std::string profileKeyPath(std::string_view company, std::string_view app, std::string_view section)
{
    std::string path(kHkeyCurrentUser);
    for (const std::string_view name : {std::string_view("Software"), company, app, section}) {
        path += '\\';
        path += name;
    }
    return path;
}

std::string GetProfileString(std::string_view company, std::string_view app,
                             std::string_view section, std::string_view entry,
                             std::string_view defaultValue)
{
    auto value = Registry::shared().queryString(profileKeyPath(company, app, section), entry);
    return value ? std::move(*value) : std::string(defaultValue);
}

bool WriteProfileString(std::string_view company, std::string_view app, std::string_view section,
                        OptionalText entry, OptionalText value)
{
    Registry& store = Registry::shared();
    const std::string key = profileKeyPath(company, app, section);
    if (entry.isNull()) {
        store.deleteKey(key);
        return true;
    }
    if (value.isNull()) {
        store.deleteValue(key, entry.text());
        return true;
    }
    return store.setString(key, entry.text(), value.text());
}

int GetProfileInt(std::string_view company, std::string_view app, std::string_view section,
                  std::string_view entry, int defaultValue)
{
    const auto value = Registry::shared().queryDword(profileKeyPath(company, app, section), entry);
    return value ? static_cast<int>(*value) : defaultValue;
}

bool WriteProfileInt(std::string_view company, std::string_view app, std::string_view section,
                     std::string_view entry, int value)
{
    return Registry::shared().setDword(profileKeyPath(company, app, section), entry,
                                       static_cast<uint32_t>(value));
}

}  // namespace plat
