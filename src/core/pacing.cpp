#include "core/pacing.h"

#include "state/module1.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

Pacing_Host* current_host = nullptr;

}  // namespace

Pacing_Host* Set_Pacing_Host(Pacing_Host* host)
{
    return std::exchange(current_host, host);
}

Pacing_Host& Pacing()
{
    if (!current_host) {
        std::fputs("delvano: a wait before the event loop was set up\n", stderr);
        std::abort();
    }
    return *current_host;
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
