#pragma once

#include "panes/MessageAsker.h"

#include <QList>

#include <functional>

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

    // Boxes shown without waiting are recorded as told; their closing is called at once unless holdShown() is on,
    // then closeShown() calls it.
    QWidget* show(QWidget*, QMessageBox::Icon icon, const QString& text, std::function<void()> closed) override
    {
        m_told.append({ icon, text });
        if (closed && m_holdShown) {
            m_held.append(std::move(closed));
        } else if (closed) {
            closed();
        }
        return nullptr;
    }
    void answerYes(bool yes) { m_answerYes = yes; }
    void holdShown(bool hold) { m_holdShown = hold; }
    int heldCount() const { return int(m_held.size()); }
    void closeShown()
    {
        const auto held = std::exchange(m_held, {});
        for (const auto& closed : held) {
            closed();
        }
    }

    const QList<Message>& told() const { return m_told; }
    const QStringList& asked() const { return m_asked; }

private:
    bool m_answerYes;
    bool m_holdShown = false;
    QList<std::function<void()>> m_held;
    QList<Message> m_told;
    QStringList m_asked;
};
