#include "shell/event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr int Longest_Alarm_Ms = 60 * 60 * 1000;

}  // namespace

double Event_Loop_Pacing::Seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Event_Loop_Pacing::Yield_Once()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Event_Loop_Pacing::Yield_Until(double deadline)
{
    const double left = deadline - Seconds();
    // A deadline years away would not fit the timer's int; the caller's loop re-arms the alarm
    // every time round, so waking early is harmless.
    const double ms = std::clamp(std::ceil(left * 1000.0), 0.0, double{Longest_Alarm_Ms});
    // A wake-up at the deadline lets processEvents block instead of spinning.
    QTimer alarm;
    alarm.setSingleShot(true);
    alarm.setTimerType(Qt::PreciseTimer);
    alarm.start(static_cast<int>(ms));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Event_Loop_Pacing::Yield_Idle()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
