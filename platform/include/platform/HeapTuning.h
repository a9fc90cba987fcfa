#pragma once

namespace platform {

// Keeps freed heap memory in the process for reuse instead of handing it back to the system at once.
//
// The PDF library sets up and frees a compression state for every page it writes; with the C
// library's default the freed heap goes back to the system and is taken again page after page, which
// costs a third of a conversion's time. ConversionRun calls this when it is made, so every program
// that converts through it gets the speed; calling it again does no harm.
void KeepFreedHeapForReuse();

} // namespace platform
