#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace cli {

// A file name or message as it may be printed on a terminal: control characters (C0, DEL and C1)
// and bytes that are not UTF-8 become escapes ("\n", "\t", "\r", "\x1B"), so that a name can neither
// move the cursor, recolour the terminal nor split a line.
std::string Printable(std::string_view text);

// The longest front of a printable text that takes at most `columns` columns on a terminal; wide East
// Asian characters take two.
std::string_view FitColumns(std::string_view text, std::size_t columns);

// Prints "marlowen-cli: <subject>: <message>" on a line of its own, both made printable.
void PrintProblem(std::ostream& err, std::string_view subject, std::string_view message);

} // namespace cli
