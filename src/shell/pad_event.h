// A controller's input that stands for no key, pressed while a dialog is active. Like the keys,
// it goes to whatever holds the keyboard there; a control that has no use for it ignores it.
#pragma once

#include "core/controller_keys.h"

#include <QEvent>

class Pad_Event : public QEvent {
public:
    explicit Pad_Event(Pad_Input input) : QEvent(Kind()), input_(input) {}
    static QEvent::Type Kind();
    Pad_Input input() const { return input_; }

private:
    Pad_Input input_;
};
