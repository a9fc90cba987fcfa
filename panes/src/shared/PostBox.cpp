#include "shared/PostBox.h"

#include <QMetaObject>

namespace panes {

bool PostBox::post(std::function<void()> work)
{
    std::lock_guard lock(m_mutex);
    if (!m_receiver) {
        return false;
    }
    return QMetaObject::invokeMethod(m_receiver, std::move(work), Qt::QueuedConnection);
}

void PostBox::close()
{
    std::lock_guard lock(m_mutex);
    m_receiver = nullptr;
}

} // namespace panes
