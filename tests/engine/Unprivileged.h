#pragma once

#include <functional>
#include <optional>
#include <string>

// Runs check in a child process without the privileges that make permission faults impossible to
// inject: as the user "nobody" when the tests run as root (root passes every permission check),
// else as the current user. Returns what check returned (empty when everything held), or nothing
// when the child could not give up root.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& check);
