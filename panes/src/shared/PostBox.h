#pragma once

#include <QObject>

#include <functional>
#include <mutex>

namespace panes {

// Hands work from any thread to the thread of a receiver object, for as long as the receiver wants it: the
// receiver closes the box before it is destroyed, and work posted after that is dropped.
class PostBox
{
public:
    explicit PostBox(QObject* receiver)
        : m_receiver(receiver)
    {
    }

    // Queues work to run on the receiver's thread; false when the box is closed.
    bool post(std::function<void()> work);
    void close();

private:
    std::mutex m_mutex;
    QObject* m_receiver;
};

} // namespace panes
