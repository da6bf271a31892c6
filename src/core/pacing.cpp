#include "core/pacing.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "core/module1.h"

namespace {

constexpr int Longest_Alarm_Ms = 60 * 60 * 1000;

class Qt_Pacing_Host final : public Pacing_Host {
public:
    double Seconds() override
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }

    void Yield_Once() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }

    void Yield_Until(double deadline) override
    {
        const double left = deadline - Seconds();
        // A deadline years away would not fit the timer's int; the caller's loop re-arms
        // the alarm every time round, so waking early is harmless.
        const double ms = std::clamp(std::ceil(left * 1000.0), 0.0, double{Longest_Alarm_Ms});
        // A wake-up at the deadline lets processEvents block instead of spinning.
        QTimer alarm;
        alarm.setSingleShot(true);
        alarm.setTimerType(Qt::PreciseTimer);
        alarm.start(static_cast<int>(ms));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void Yield_Idle() override { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }
};

Qt_Pacing_Host& real_host()
{
    static Qt_Pacing_Host host;
    return host;
}

Pacing_Host* current_host = nullptr;

}  // namespace

void Set_Pacing_Host(Pacing_Host* host)
{
    current_host = host;
}

Pacing_Host& Pacing()
{
    return current_host ? *current_host : real_host();
}

void Wait_Prog(int slot)
{
    Pacing_Host& host = Pacing();
    const double start = host.Seconds();
    const uint64_t serial = Game_Serial;
    const int32_t value = Wait_Value[static_cast<size_t>(slot)];
    if (value == 0) {
        host.Yield_Once();
        return;
    }
    if (value == 1) {
        const double tick = std::floor(start * Clock_Ticks_Per_Second);
        for (;;) {
            if (std::floor(host.Seconds() * Clock_Ticks_Per_Second) != tick)
                return;
            host.Yield_Until((tick + 1.0) / Clock_Ticks_Per_Second);
            // An overtaken sequence stops at this wait anyway; it need not sit it out.
            if (Game_Serial != serial)
                return;
        }
    }
    for (;;) {
        // In double: a hand-edited -2147483648 minus one must stay negative, not wrap into
        // a wait of years.
        const double deadline =
            start + (static_cast<double>(Wait_Value[static_cast<size_t>(slot)]) - 1.0) / 10.0;
        if (deadline < host.Seconds())
            return;
        host.Yield_Until(deadline);
        if (Game_Serial != serial)
            return;
    }
}
