#pragma once

#include "engine/ConversionObserver.h"

#include <cstdint>

namespace engine {

// Hands a file's progress positions to the observer only when the whole percentage of the range
// they stand for changes, so that a file of any length makes at most a hundred calls, however
// many lines it has.
class ProgressThrottle
{
public:
    ProgressThrottle(ConversionObserver& observer, std::int64_t high);

    void advance(std::int64_t position);

private:
    ConversionObserver& m_observer;
    std::int64_t m_high;
    std::int64_t m_nextReport; // the first position of the next percentage
};

} // namespace engine
