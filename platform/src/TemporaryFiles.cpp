#include "platform/TemporaryFiles.h"

#include "TemporaryFileList.h"

#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// Files first, then folders, which are empty only once their files are gone; unlink refuses a folder
// and rmdir a file.
void RemoveTemporaryFiles() noexcept
{
    for (auto& slot : Slots) {
        if (slot.state.load() == Ready) {
            ::unlink(slot.path);
        }
    }
    for (auto& slot : Slots) {
        if (slot.state.load() == Ready) {
            ::rmdir(slot.path);
        }
    }
}

TemporaryFolder::~TemporaryFolder()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
        ForgetTemporaryFile(m_slot);
    }
}

base::Result<> TemporaryFolder::create(const std::string& prefix)
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        return base::Failure { base::FailureKind::Output,
                               "cannot create a temporary folder in " + pattern.substr(0, pattern.rfind('/')) + ": "
                                   + ErrnoText(errno) };
    }
    m_path = std::move(pattern);
    m_slot = RememberTemporaryFile(m_path);
    return {};
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
