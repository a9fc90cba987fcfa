#include "Unprivileged.h"

#include "ChildProcess.h"

#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;
const std::string CannotDropRoot = "\x01";

} // namespace

std::optional<std::string> RunUnprivileged(const std::function<std::string()>& check)
{
    auto verdict = testsupport::RunInChild([&check]() -> std::string {
        if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
            return CannotDropRoot;
        }
        return check();
    });
    if (verdict == CannotDropRoot) {
        return std::nullopt;
    }
    return verdict;
}
