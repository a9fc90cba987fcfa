#pragma once

#include <functional>
#include <string>

// Runs check in a child process, for a test that must change what is process-wide (limits, users)
// or may end the process. Returns what check returned (empty when everything held), or why the
// child ended abnormally.
std::string RunInChild(const std::function<std::string()>& check);
