// The schematic program's settings file ("schemora.ini") read as at start-up.

#include "fuzz/fuzz_support.h"
#include "platform/core/test_ui_host.h"
#include "schemora/core/settings.h"

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::writeInput("schemora.ini", data, size);
    LoadSettings();
    g_settings = SchematicSettings{};
    fuzz::host().clearEvents();
}
