#pragma once

#include "base/Result.h"
#include "engine/ConversionJob.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace engine {

// Which input of a run writes which PDF. Inputs are claimed in list order: the first input whose
// output is a given file owns it, and a later one is refused, as is an input whose output would be
// the input itself. Paths are compared once made absolute and normal, with symbolic links followed,
// so "a.txt" and "./a.log", or a PDF reached through a link, name one output.
class OutputClaims
{
public:
    // Ok when the job may write output (it owns it from now on); else why not, of the kind Output.
    // Standard input is no file that could be written over.
    base::Result<> claim(const ConversionJob& job, const std::string& output);

private:
    std::unordered_map<std::string, std::string> m_owners; // output identity -> input that owns it
};

// Ok when the one PDF that every job goes into is none of their inputs; else why not, of the kind
// Output.
base::Result<> ClaimCombinedOutput(const std::vector<ConversionJob>& jobs, const std::string& output);

} // namespace engine
