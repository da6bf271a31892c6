// The desktop's event loop and a monotonic clock, as frame pacing waits on them.
#pragma once

#include "core/pacing.h"

class Event_Loop_Pacing final : public Pacing_Host {
public:
    double Seconds() override;
    void Yield_Once() override;
    void Yield_Until(double deadline) override;
    void Yield_Idle() override;
};
