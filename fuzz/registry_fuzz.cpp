// The per-user registry store file, read as the programs read their settings from it.

#include "fuzz/fuzz_support.h"
#include "platform/system/registry.h"

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("registry.store", data, size);
    plat::Registry store(path);
    store.keyExists("Software\\Quillmere\\Schemora");
    store.queryString("Software\\Quillmere\\Schemora\\Settings", "Library");
    store.queryDword("Software\\Quillmere\\Tracelyn\\Settings", "Units");
    // A value written into a damaged store must not lose the store's readable keys either.
    store.setValue("Software\\Fuzz", "Value", plat::RegistryValue{std::string("text")});
}
