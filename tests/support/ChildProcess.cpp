#include "ChildProcess.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
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

ChildProcess::ChildProcess(const std::function<int()>& body)
    : m_pid(::fork())
{
    if (m_pid == 0) {
        ::_exit(body());
    }
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        wait();
    }
}

int ChildProcess::wait()
{
    int status = 0;
    if (m_pid > 0) {
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    return status;
}

std::string RunInChild(const std::function<std::string()>& check)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        return "cannot create a pipe";
    }
    ChildProcess child([&] {
        ::close(channel[0]);
        WriteAll(channel[1], check());
        return 0;
    });
    ::close(channel[1]);
    std::string verdict;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        verdict.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = child.wait();
    if (WIFSIGNALED(status)) {
        return verdict + " (the child process ended by signal " + std::to_string(WTERMSIG(status)) + ")";
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return verdict + " (the child process ended with status " + std::to_string(WEXITSTATUS(status)) + ")";
    }
    return verdict;
}

} // namespace testsupport
