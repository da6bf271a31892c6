#include "shell/pad_event.h"

QEvent::Type Pad_Event::Kind()
{
    static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}
