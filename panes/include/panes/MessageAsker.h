#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace panes {

// The modal message boxes the panes raise, behind one interface so that tests can answer them.
class MessageAsker
{
public:
    virtual ~MessageAsker() = default;

    // Shows text with an OK button and the given icon.
    virtual void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text) = 0;
    // Asks a question with Yes and No and the question icon; true means Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // Shows text with an OK button without waiting for it: calls closed, if given, once the box is closed. Returns
    // the box, so that its owner can close it early, or null when nothing stays shown. By default this tells and
    // then calls closed.
    virtual QWidget* show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                          std::function<void()> closed = {})
    {
        tell(parent, icon, text);
        if (closed) {
            closed();
        }
        return nullptr;
    }
};

} // namespace panes
