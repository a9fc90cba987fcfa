#include "ChildProcess.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0) {
            return;
        }
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

std::string RunInChild(const std::function<std::string()>& check)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        return "cannot create a pipe";
    }
    pid_t child = ::fork();
    if (child < 0) {
        return "cannot fork";
    }
    if (child == 0) {
        ::close(channel[0]);
        WriteAll(channel[1], check());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string verdict;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        verdict.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return verdict + " (the child process ended by signal " + std::to_string(WTERMSIG(status)) + ")";
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return verdict + " (the child process ended with status " + std::to_string(WEXITSTATUS(status)) + ")";
    }
    return verdict;
}
