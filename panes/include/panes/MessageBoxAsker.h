#pragma once

#include "panes/MessageAsker.h"

namespace panes {

// Caption of every message box of the program.
inline constexpr const char* ApplicationTitle = "Quenby";

// Asks through real modal message boxes captioned with the application title.
class MessageBoxAsker : public MessageAsker
{
public:
    void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    // A window-modal box that deletes itself when closed.
    QWidget* show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                  std::function<void()> closed = {}) override;

    // The asker used where no other one was set.
    static MessageBoxAsker& instance();
};

} // namespace panes
