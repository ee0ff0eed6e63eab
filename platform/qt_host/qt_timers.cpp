// Timers by (target, id) on Qt timers of the UI thread.
#include "platform/qt_host/qt_host_impl.h"

#include <algorithm>

namespace plat {
namespace {

// The shortest period the programs' timers ever had; 0 would tick on every idle pass.
constexpr unsigned kMinimumPeriodMs = 10;

// A handler may kill its own timer while the timer is still emitting, so a killed timer is
// stopped and cut off at once and deleted later.
void retire(QTimer* timer)
{
    timer->stop();
    QObject::disconnect(timer, nullptr, nullptr, nullptr);
    timer->deleteLater();
}

}  // namespace

void QtUiHost::setTimer(TimerTarget* target, unsigned id, unsigned periodMs)
{
    const int period = static_cast<int>(std::clamp(periodMs, kMinimumPeriodMs, 0x7FFFFFFFu));
    QTimer*& timer = impl_->timers[{target, id}];
    if (!timer) {
        timer = new QTimer(&impl_->timerOwner);
        QObject::connect(timer, &QTimer::timeout, [target, id] { target->OnTimer(id); });
    }
    timer->start(period);   // restarts a running timer with the new period
}

void QtUiHost::killTimer(TimerTarget* target, unsigned id)
{
    const auto it = impl_->timers.find({target, id});
    if (it == impl_->timers.end())
        return;
    retire(it->second);
    impl_->timers.erase(it);
}

void QtUiHost::killTimers(TimerTarget* target)
{
    auto& timers = impl_->timers;
    for (auto it = timers.lower_bound({target, 0}); it != timers.end() && it->first.first == target;) {
        retire(it->second);
        it = timers.erase(it);
    }
}

}  // namespace plat
