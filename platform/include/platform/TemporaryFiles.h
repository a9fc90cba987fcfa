#pragma once

namespace platform {

// The temporary files of AtomicFile that are open at this moment are kept where a signal handler can
// reach them, so that a process ended by a signal leaves none of them behind.

// Removes every temporary file open now. Async-signal-safe.
void RemoveTemporaryFiles() noexcept;

// Removes the temporary files, then ends the process through the signal's default action, as if the
// signal had not been caught. Async-signal-safe: for a handler of SIGINT, SIGTERM or SIGHUP.
[[noreturn]] void EndBySignal(int signal) noexcept;

} // namespace platform
