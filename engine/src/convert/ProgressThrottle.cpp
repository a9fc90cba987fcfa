#include "convert/ProgressThrottle.h"

#include <limits>

namespace engine {
namespace {

// The first position whose percentage is above percent.
std::int64_t FirstPositionAbove(std::int64_t percent, std::int64_t high)
{
    if (high <= 0 || percent >= 100) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return ((percent + 1) * high + 99) / 100;
}

} // namespace

ProgressThrottle::ProgressThrottle(ConversionObserver& observer, std::int64_t high)
    : m_observer(observer)
    , m_high(high)
    , m_nextReport(FirstPositionAbove(0, high))
{
}

void ProgressThrottle::advance(std::int64_t position)
{
    if (position < m_nextReport) {
        return;
    }
    m_observer.progressPosition(position);
    m_nextReport = FirstPositionAbove(position * 100 / m_high, m_high);
}

} // namespace engine
