#include "Cli.h"

#include "CliArguments.h"
#include "OptionOverrides.h"
#include "ProgressPrinter.h"

#include "engine/ConversionRun.h"
#include "engine/SettingsFile.h"
#include "platform/FolderWalk.h"
#include "platform/SettingsLocation.h"

#include <csignal>
#include <filesystem>
#include <ostream>
#include <thread>

namespace cli {
namespace {

// The files the inputs stand for: a folder gives its .txt files; anything else is taken as it is,
// so that a missing file fails with its reason like any other.
std::vector<engine::ConversionJob> CollectJobs(const CliArguments& arguments, std::ostream& err)
{
    std::vector<engine::ConversionJob> jobs;
    auto add = [&](const std::string& path) {
        jobs.push_back({ path, arguments.ownerPassword, arguments.userPassword });
    };
    for (const auto& input : arguments.inputs) {
        std::error_code ignored;
        if (!std::filesystem::is_directory(input, ignored)) {
            add(input);
            continue;
        }
        std::vector<std::string> unreadable;
        auto files = platform::ListTextFiles(input, &unreadable);
        for (const auto& folder : unreadable) {
            err << "marlowen-cli: " << folder << ": warning: the folder cannot be read\n";
        }
        if (files.empty()) {
            err << "marlowen-cli: " << input << ": warning: no .txt files in this folder\n";
        }
        for (const auto& file : files) {
            add(file);
        }
    }
    return jobs;
}

// While alive, the first Ctrl+C asks the run to stop after the file under way (so no PDF is left
// half-written); a second one ends the program at once.
class StopOnInterrupt
{
public:
    explicit StopOnInterrupt(engine::ConversionRun& run)
    {
        s_run = &run;
        m_previous = std::signal(SIGINT, &StopOnInterrupt::onInterrupt);
    }
    ~StopOnInterrupt()
    {
        std::signal(SIGINT, m_previous);
        s_run = nullptr;
    }
    StopOnInterrupt(const StopOnInterrupt&) = delete;
    StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

private:
    static void onInterrupt(int)
    {
        if (s_run) {
            s_run->requestStop();
        }
        std::signal(SIGINT, SIG_DFL);
    }

    static inline engine::ConversionRun* s_run = nullptr;
    void (*m_previous)(int) = SIG_DFL;
};

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool stderrIsTerminal)
{
    CliArguments arguments;
    if (auto problem = ParseArguments(args, arguments)) {
        err << "marlowen-cli: " << *problem << "\nTry 'marlowen-cli --help'.\n";
        return ExitUsage;
    }
    if (arguments.help) {
        out << UsageText();
        return ExitConverted;
    }

    engine::ConversionOptions options;
    std::string settings = arguments.settingsPath ? *arguments.settingsPath
                                                  : platform::SettingsFilePath(platform::ExecutableFolder());
    std::error_code ignored;
    if (arguments.settingsPath && !std::filesystem::exists(settings, ignored)) {
        err << "marlowen-cli: " << settings << ": the settings file does not exist\nTry 'marlowen-cli --help'.\n";
        return ExitUsage;
    }
    auto load = engine::LoadOptions(settings, options);
    if (!load) {
        err << "marlowen-cli: warning: " << load.error << "; the defaults are used\n";
    }
    for (const auto& problem : load.problems) {
        err << "marlowen-cli: " << settings << ": warning: [" << problem.section << "] " << problem.key << "="
            << problem.value << " is " << problem.reason << "; " << problem.usedInstead << " is used\n";
    }
    for (const auto& [flag, values] : arguments.overrides) {
        if (auto problem = ApplyOverride(options, flag, values)) {
            err << "marlowen-cli: " << *problem << "\nTry 'marlowen-cli --help'.\n";
            return ExitUsage;
        }
    }

    auto style = arguments.quiet ? ProgressStyle::Quiet : stderrIsTerminal ? ProgressStyle::Bar : ProgressStyle::Lines;
    ProgressPrinter printer(err, style);
    int workers = arguments.jobs > 0 ? arguments.jobs : static_cast<int>(std::thread::hardware_concurrency());
    engine::ConversionRun run(options, CollectJobs(arguments, err), workers);
    StopOnInterrupt stopOnInterrupt(run);
    auto summary = run.execute(printer);
    return summary.failed == 0 && summary.end == engine::RunEnd::Finished ? ExitConverted : ExitSomeFailed;
}

} // namespace cli
