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

std::string CommandLineAnswer(const std::vector<std::string>& arguments)
{
    for (const auto& argument : arguments) {
        if (argument == "--version") {
            return "marlowen " MARLOWEN_VERSION "\n";
        }
        if (argument == "--help" || argument == "-h") {
            return "Usage: marlowen [-Embedding] [FILE_OR_FOLDER...]\n"
                   "Opens the desktop program with the files, and the text files below the folders, in its list.\n"
                   "A copy already running on the same display and login session takes them instead.\n"
                   "\n"
                   "  -Embedding, -Automation  start without the splash window and the tip of the day\n"
                   "  -h, --help               show this text\n"
                   "  --version                show the program's name and version\n"
                   "\n"
                   "marlowen-cli converts text files into PDFs from scripts and terminals.\n";
        }
    }
    return {};
}

} // namespace app
