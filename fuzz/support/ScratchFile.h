#pragma once

#include <string>

namespace fuzzsupport {

// A path for the file a fuzz target writes and reads on every input: in memory (/dev/shm) where
// available, so that the syncs of atomic writes cost little, else in /tmp; one per process, removed
// when the process ends normally.
std::string ScratchPath(const std::string& name);

} // namespace fuzzsupport
