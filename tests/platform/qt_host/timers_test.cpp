#include "platform/qt_host/qt_ui_host.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Ticks : plat::TimerTarget {
    std::vector<unsigned> fired;
    std::function<void(unsigned)> onTick;
    void OnTimer(unsigned id) override
    {
        fired.push_back(id);
        if (onTick)
            onTick(id);
    }
    int count(unsigned id) const { return static_cast<int>(std::count(fired.begin(), fired.end(), id)); }
};

// Runs the event loop until done() holds or two seconds pass.
template <typename Done>
void runUntil(Done done)
{
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

TEST(QtTimers, TicksReachTheirTargetByIdUntilKilled)
{
    plat::QtUiHost host;
    Ticks a, b;
    host.setTimer(&a, 185, 20);
    host.setTimer(&a, 1027, 30);
    host.setTimer(&b, 185, 0);     // runs at the shortest period
    runUntil([&] { return a.count(185) >= 2 && a.count(1027) >= 1 && b.count(185) >= 1; });
    EXPECT_GE(a.count(185), 2);
    EXPECT_GE(a.count(1027), 1);
    EXPECT_GE(b.count(185), 1);

    host.killTimer(&a, 185);
    host.killTimers(&b);
    a.fired.clear();
    b.fired.clear();
    runUntil([&] { return a.count(1027) >= 2; });
    EXPECT_EQ(a.count(185), 0);
    EXPECT_GE(a.count(1027), 2);
    EXPECT_TRUE(b.fired.empty());
    host.killTimers(&a);
}

TEST(QtTimers, AHandlerMayKillOrRestartItsOwnTimer)
{
    plat::QtUiHost host;
    Ticks once, restarted;
    once.onTick = [&](unsigned id) { host.killTimer(&once, id); };
    restarted.onTick = [&](unsigned id) { host.setTimer(&restarted, id, 15); };
    host.setTimer(&once, 7, 10);
    host.setTimer(&restarted, 8, 10);
    runUntil([&] { return restarted.count(8) >= 3; });
    EXPECT_EQ(once.fired, std::vector<unsigned>{7});
    EXPECT_GE(restarted.count(8), 3);
    host.killTimers(&restarted);
}

TEST(QtTimers, TickCountMovesForward)
{
    plat::QtUiHost host;
    const uint32_t start = host.tickCount();
    runUntil([&] { return host.tickCount() - start >= 10; });
    EXPECT_GE(host.tickCount() - start, 10u);
}

}  // namespace
