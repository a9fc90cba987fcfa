#include "run/OutputClaims.h"

#include <filesystem>

namespace engine {
namespace {

namespace fs = std::filesystem;

// The file a path names: absolute, without "." and "..", with the links of its existing part followed.
std::string Identity(const std::string& path)
{
    std::error_code error;
    auto absolute = fs::absolute(path, error);
    auto canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal().string() : canonical.string();
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error; // a path that does not exist is no other file
    return fs::equivalent(a, b, error);
}

bool WritesOver(const ConversionJob& job, const std::string& outputIdentity, const std::string& output)
{
    return !job.standardInput && (outputIdentity == Identity(job.path) || SameFile(job.path, output));
}

base::Failure Refused(std::string reason)
{
    return { base::FailureKind::Output, std::move(reason) };
}

} // namespace

base::Result<> OutputClaims::claim(const ConversionJob& job, const std::string& output)
{
    auto outputIdentity = Identity(output);
    if (WritesOver(job, outputIdentity, output)) {
        return Refused("not converted: its PDF " + output + " would be written over the file itself");
    }
    auto [owner, added] = m_owners.try_emplace(outputIdentity, job.path);
    if (!added) {
        return Refused("not converted: its PDF " + output + " is the PDF of " + owner->second + ", which comes first");
    }
    return {};
}

base::Result<> ClaimCombinedOutput(const std::vector<ConversionJob>& jobs, const std::string& output)
{
    auto outputIdentity = Identity(output);
    for (const auto& job : jobs) {
        if (WritesOver(job, outputIdentity, output)) {
            return Refused("not combined: the combined PDF " + output + " would be written over the input "
                           + job.path);
        }
    }
    return {};
}

} // namespace engine
