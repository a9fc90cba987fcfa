#pragma once

#include "panes/MessageAsker.h"

#include <QList>

// Answers the panes' message boxes from a script and keeps what they said.
class RecordingAsker : public panes::MessageAsker
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString text;
    };

    explicit RecordingAsker(bool answerYes = true)
        : m_answerYes(answerYes)
    {
    }

    void tell(QWidget*, QMessageBox::Icon icon, const QString& text) override { m_told.append({ icon, text }); }
    bool askYesNo(QWidget*, const QString& text) override
    {
        m_asked.append(text);
        return m_answerYes;
    }

    const QList<Message>& told() const { return m_told; }
    const QStringList& asked() const { return m_asked; }

private:
    bool m_answerYes;
    QList<Message> m_told;
    QStringList m_asked;
};
