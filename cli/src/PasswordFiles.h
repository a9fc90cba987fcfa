#pragma once

#include "CliArguments.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace cli {

// Fills in the passwords the command line names files for: the first line of each file, without its
// line end; "-" reads that line from standard input. Passwords read so stay out of the process list,
// where every user of the machine can see a command line. Returns the reason when a file cannot be
// read or its first line is empty, when a password is given both as a flag and as a file, or when
// both files are standard input.
std::optional<std::string> ReadPasswordFiles(CliArguments& arguments, std::istream& standardInput);

} // namespace cli
