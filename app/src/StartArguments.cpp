#include "app/StartArguments.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace app {

namespace {

bool SameLetters(const std::string& text, const std::string& lowerCase)
{
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool TurnsOffStartupWindows(const std::string& argument)
{
    auto name = argument.substr(argument.rfind("--", 0) == 0 ? 2 : 1);
    return SameLetters(name, "embedding") || SameLetters(name, "automation");
}

} // namespace

StartArguments ParseStartArguments(const std::vector<std::string>& arguments, const std::string& currentFolder)
{
    StartArguments start;
    for (const auto& argument : arguments) {
        if (argument.empty()) {
            continue;
        }
        if (argument.front() == '-') {
            if (TurnsOffStartupWindows(argument)) {
                start.startupWindows = false;
            }
            continue;
        }
        start.paths.push_back((std::filesystem::path(currentFolder) / argument).lexically_normal().string());
    }
    return start;
}

} // namespace app
