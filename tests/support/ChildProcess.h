#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

namespace testsupport {

// A child process running body and ending with the code it returns, for a test that signals it.
// Destruction kills a child that is still running.
class ChildProcess
{
public:
    explicit ChildProcess(const std::function<int()>& body);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // Waits for the end; returns the wait status (WIFSIGNALED and the like read it).
    int wait();

private:
    pid_t m_pid = -1;
};

// Runs check in a child process, for a test that must change what is process-wide (limits, users)
// or may end the process. Returns what check returned (empty when everything held), or why the
// child ended abnormally.
std::string RunInChild(const std::function<std::string()>& check);

} // namespace testsupport
