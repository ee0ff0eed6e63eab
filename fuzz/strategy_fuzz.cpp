// A router strategy file (".str"), read beside a board as opening the board reads it.

#include "fuzz/fuzz_support.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_strategy.h"

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string board = fuzz::writeInput("input.tlz", nullptr, 0);
    fuzz::writeInput("input.str", data, size);
    const RouterState saved = g_router;
    ReadRouterStrategy(board);
    g_router = saved;
    fuzz::host().clearEvents();
}
