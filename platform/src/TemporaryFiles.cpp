#include "platform/TemporaryFiles.h"

#include "TemporaryFileList.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace platform {
namespace {

// A signal handler may neither lock nor free memory, so the paths live in fixed slots whose state is
// a lock-free atomic: a slot is claimed, filled, then marked ready for the handler.
constexpr std::size_t SlotCount = 256;
constexpr std::size_t PathCapacity = 4096;

enum SlotState : int { Free, Filling, Ready };

struct Slot
{
    std::atomic<int> state { Free };
    char path[PathCapacity];
};

Slot Slots[SlotCount];

static_assert(std::atomic<int>::is_always_lock_free);

} // namespace

int RememberTemporaryFile(const std::string& path)
{
    if (path.size() >= PathCapacity) {
        return -1;
    }
    for (std::size_t i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (Slots[i].state.compare_exchange_strong(expected, Filling)) {
            std::memcpy(Slots[i].path, path.c_str(), path.size() + 1);
            Slots[i].state.store(Ready);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ForgetTemporaryFile(int slot)
{
    if (slot >= 0) {
        Slots[slot].state.store(Free);
    }
}

void RemoveTemporaryFiles() noexcept
{
    for (auto& slot : Slots) {
        if (slot.state.load() == Ready) {
            ::unlink(slot.path);
        }
    }
}

void EndBySignal(int signal) noexcept
{
    RemoveTemporaryFiles();
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    ::sigaction(signal, &action, nullptr);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
    ::raise(signal);
    ::_exit(128 + signal); // only for a signal whose default action does not end the process
}

} // namespace platform
