#pragma once

#include <string>

namespace platform {

// Adds a temporary file to those RemoveTemporaryFiles() removes; returns the slot it took, or -1 when
// every slot is taken or the path is too long to keep (the file is then not removed on a signal).
int RememberTemporaryFile(const std::string& path);

// Takes a file out of the list again, once it is renamed or removed.
void ForgetTemporaryFile(int slot);

} // namespace platform
