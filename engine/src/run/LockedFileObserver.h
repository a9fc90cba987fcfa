#pragma once

#include "engine/ConversionObserver.h"

#include <mutex>

namespace engine {

// Passes one file's calls on to the run's observer while holding the run's lock, so that files
// converted at once never call the observer at the same time.
class LockedFileObserver : public ConversionObserver
{
public:
    LockedFileObserver(ConversionObserver& observer, std::mutex& lock);

    void progressRange(std::int64_t low, std::int64_t high) override;
    void progressPosition(std::int64_t position) override;
    void warning(const std::string& message) override;

private:
    ConversionObserver& m_observer;
    std::mutex& m_lock;
};

} // namespace engine
