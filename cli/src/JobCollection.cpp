#include "JobCollection.h"

#include "platform/FolderWalk.h"

#include "TerminalText.h"

#include <filesystem>

namespace cli {
namespace {

// "no .txt files in this folder", as it has always read, or which patterns found nothing.
std::string NothingFound(const std::vector<std::string>& patterns)
{
    if (patterns.empty()) {
        return "no .txt files in this folder";
    }
    std::string text;
    for (const auto& pattern : patterns) {
        text += (text.empty() ? "" : ", ") + pattern;
    }
    return "no files matching " + text + " in this folder";
}

} // namespace

CollectedJobs CollectJobs(const std::vector<InputName>& inputs, const std::vector<std::string>& patterns,
                          const engine::ConversionJob& passwords, std::ostream& err)
{
    const std::vector<std::string> wanted = patterns.empty() ? std::vector<std::string> { platform::TextFilePattern }
                                                             : patterns;
    CollectedJobs collected;
    auto add = [&](std::string path, std::string relativePath, bool standardInput) {
        auto& job = collected.jobs.emplace_back(passwords);
        job.path = std::move(path);
        job.relativePath = std::move(relativePath);
        job.standardInput = standardInput;
    };
    for (const auto& input : inputs) {
        if (input.name == "-" && !input.listed) {
            add(engine::StandardInputName, {}, true);
            continue;
        }
        std::error_code ignored;
        if (!std::filesystem::is_directory(input.name, ignored)) {
            add(input.name, {}, false);
            continue;
        }
        auto listing = platform::WalkFolder(input.name, wanted);
        for (const auto& problem : listing.problems) {
            PrintProblem(err, problem.path, problem.reason);
            collected.folderFailed = true;
        }
        if (listing.files.empty() && listing.problems.empty()) {
            PrintProblem(err, input.name, NothingFound(patterns));
            collected.folderFailed = true;
        }
        for (auto& file : listing.files) {
            add(std::move(file.path), std::move(file.relativePath), false);
        }
    }
    return collected;
}

} // namespace cli
