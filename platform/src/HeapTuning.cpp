#include "platform/HeapTuning.h"

#include <malloc.h>

namespace platform {

void KeepFreedHeapForReuse()
{
    // Up to this much free memory at the top of the heap is kept; more is still given back.
    constexpr int KeptBytes = 64 << 20;
    mallopt(M_TRIM_THRESHOLD, KeptBytes);
}

} // namespace platform
