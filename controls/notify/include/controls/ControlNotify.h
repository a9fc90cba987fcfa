#pragma once

#include <QtGlobal>

class QWidget;

namespace controls {

// Header that opens every notification record a control sends to its owner.
// Records of a control derive from it, so a receiver can look at the code and
// then cast to the record type the sending control documents.
struct NotifyHeader
{
    QWidget* sender = nullptr; // the control that sends
    int controlId = 0;         // identifier the owner gave the control
    int code = 0;              // the notification code, as the control defines it
};

// Receiver of a control's notifications. The call is synchronous: the control
// waits for the answer, and the owner may fill fields of the record (display
// requests) or veto the action where the control says a non-zero answer does.
class NotifyTarget
{
public:
    virtual ~NotifyTarget() = default;
    virtual qintptr notify(NotifyHeader& record) = 0;
};

} // namespace controls
