#pragma once

#include <optional>
#include <string>
#include <unordered_map>

namespace engine {

// Which input of a run writes which PDF. Inputs are claimed in list order: the first input whose
// output is a given file owns it, and a later one is refused, as is an input whose output would be
// the input itself. Paths are compared once made absolute and normal, with symbolic links followed,
// so "a.txt" and "./a.log", or a PDF reached through a link, name one output.
class OutputClaims
{
public:
    // Nothing when input may write output (it owns it from now on), else why not.
    std::optional<std::string> claim(const std::string& input, const std::string& output);

private:
    std::unordered_map<std::string, std::string> m_owners; // output identity -> input that owns it
};

} // namespace engine
