#pragma once
// The sample program started headless through the test UI host, with a fresh handler log and
// keyboard state.

#include "platform/app/keys.h"
#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "sample_app.h"

#include <gtest/gtest.h>

#include <memory>

namespace sample {

struct SampleRunTest : ::testing::Test {
    plat::TestUiHost host;
    std::unique_ptr<plat::AppHarness> harness;

    // Starts the program; with `idle`, runs its first idle work (update-UI, paints) before the
    // log is cleared.
    void startSample(bool idle)
    {
        registerSampleResources();
        log().clear();
        plat::resetKeyboardState();
        harness = std::make_unique<plat::AppHarness>([] { return std::make_unique<SampleApp>(); });
        ASSERT_TRUE(harness->start());
        if (idle)
            harness->idle();
        log().clear();
    }
    SampleApp& app() { return harness->appAs<SampleApp>(); }
    SampleView* view() { return static_cast<SampleView*>(app().mainFrame()->GetActiveView()); }
};

}  // namespace sample
