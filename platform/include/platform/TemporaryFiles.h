#pragma once

#include "base/Result.h"

#include <string>

namespace platform {

// The temporary files of AtomicFile that are open at this moment, and the TemporaryFolders alive, are
// kept where a signal handler can reach them, so that a process ended by a signal leaves none of them
// behind.

// A folder of its own under $TMPDIR (or /tmp), made empty and removed with what it holds when the
// object goes, or when the process ends by a signal through EndBySignal (the files AtomicFile makes in
// it are removed first).
class TemporaryFolder
{
public:
    TemporaryFolder() = default;
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Makes the folder, its name starting with prefix; fails with the system's reason (kind Output).
    base::Result<> create(const std::string& prefix);
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    int m_slot = -1;
};

// Removes every temporary file open now, then the temporary folders. Async-signal-safe.
void RemoveTemporaryFiles() noexcept;

// Removes the temporary files, then ends the process through the signal's default action, as if the
// signal had not been caught. Async-signal-safe: for a handler of SIGINT, SIGTERM or SIGHUP.
[[noreturn]] void EndBySignal(int signal) noexcept;

} // namespace platform
