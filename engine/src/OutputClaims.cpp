#include "OutputClaims.h"

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

} // namespace

std::optional<std::string> OutputClaims::claim(const std::string& input, const std::string& output)
{
    auto outputIdentity = Identity(output);
    if (outputIdentity == Identity(input) || SameFile(input, output)) {
        return "not converted: its PDF " + output + " would be written over the file itself";
    }
    auto [owner, added] = m_owners.try_emplace(outputIdentity, input);
    if (!added) {
        return "not converted: its PDF " + output + " is the PDF of " + owner->second + ", which comes first";
    }
    return std::nullopt;
}

} // namespace engine
