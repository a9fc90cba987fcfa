#include "run/LockedFileObserver.h"

namespace engine {

LockedFileObserver::LockedFileObserver(ConversionObserver& observer, std::mutex& lock)
    : m_observer(observer)
    , m_lock(lock)
{
}

void LockedFileObserver::progressRange(std::int64_t low, std::int64_t high)
{
    std::lock_guard guard(m_lock);
    m_observer.progressRange(low, high);
}

void LockedFileObserver::progressPosition(std::int64_t position)
{
    std::lock_guard guard(m_lock);
    m_observer.progressPosition(position);
}

void LockedFileObserver::warning(const std::string& message)
{
    std::lock_guard guard(m_lock);
    m_observer.warning(message);
}

} // namespace engine
