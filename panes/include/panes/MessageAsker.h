#pragma once

#include <QMessageBox>
#include <QString>

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
};

} // namespace panes
