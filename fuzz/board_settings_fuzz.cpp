// The board program's settings file ("Tracelyn.ini") read as at start-up.

#include "fuzz/fuzz_support.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_settings.h"

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::writeInput("Tracelyn.ini", data, size);
    LoadSettings();
    g_boardSettings = BoardSettings{};
    g_boardColors = BoardColors{};
    fuzz::host().clearEvents();
}
