#include "cli/Cli.h"

#include "engine/ConversionRun.h"
#include "engine/OptionTable.h"
#include "engine/SettingsFile.h"
#include "platform/FolderWalk.h"
#include "platform/SettingsLocation.h"
#include "platform/TemporaryFiles.h"

#include "CliArguments.h"
#include "CliFlags.h"
#include "PasswordFiles.h"
#include "ProgressPrinter.h"
#include "TerminalText.h"

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <thread>

namespace cli {
namespace {

struct CollectedJobs
{
    std::vector<engine::ConversionJob> jobs;
    bool folderFailed = false; // a folder named on the command line held no text file
};

// The files the inputs stand for: a folder gives its .txt files; anything else is taken as it is,
// so that a missing file fails with its reason like any other. A folder without a text file fails
// too: the user named it to have something converted.
CollectedJobs CollectJobs(const CliArguments& arguments, std::ostream& err)
{
    CollectedJobs collected;
    auto add = [&](const std::string& path) {
        collected.jobs.push_back({ path, arguments.ownerPassword, arguments.userPassword });
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
            PrintProblem(err, folder, "warning: the folder cannot be read");
        }
        if (files.empty()) {
            PrintProblem(err, input, "no .txt files in this folder");
            collected.folderFailed = true;
        }
        for (const auto& file : files) {
            add(file);
        }
    }
    return collected;
}

// While alive, the first Ctrl+C asks the run to stop after the file under way (so no PDF is left
// half-written); a second one, SIGTERM or SIGHUP ends the program at once, after removing the
// temporary file of a PDF being saved (the older PDF stays).
class StopOnInterrupt
{
public:
    explicit StopOnInterrupt(engine::ConversionRun& run)
    {
        s_run.store(&run);
        s_interrupts.store(0);
        struct sigaction action {};
        action.sa_handler = &StopOnInterrupt::onSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            ::sigaction(Signals[i], &action, &m_previous[i]);
        }
    }
    ~StopOnInterrupt()
    {
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            ::sigaction(Signals[i], &m_previous[i], nullptr);
        }
        s_run.store(nullptr);
    }
    StopOnInterrupt(const StopOnInterrupt&) = delete;
    StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

private:
    static constexpr int Signals[] = { SIGINT, SIGTERM, SIGHUP };

    static void onSignal(int signal)
    {
        engine::ConversionRun* run = s_run.load();
        if (signal == SIGINT && s_interrupts.fetch_add(1) == 0 && run) {
            run->requestStop();
            return;
        }
        platform::EndBySignal(signal);
    }

    // The handler touches only lock-free atomics: these two, and the run's stop flag.
    static inline std::atomic<engine::ConversionRun*> s_run { nullptr };
    static inline std::atomic<int> s_interrupts { 0 };
    static_assert(std::atomic<engine::ConversionRun*>::is_always_lock_free && std::atomic<int>::is_always_lock_free
                  && std::atomic<bool>::is_always_lock_free);
    struct sigaction m_previous[std::size(Signals)] {};
};

int UsageError(std::ostream& err, const std::string& problem)
{
    err << "marlowen-cli: " << Printable(problem) << "\nTry 'marlowen-cli --help'.\n";
    return ExitUsage;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool stderrIsTerminal,
        std::function<int()> terminalColumns)
{
    auto parsed = ParseArguments(args);
    if (!parsed) {
        return UsageError(err, parsed.error());
    }
    CliArguments& arguments = *parsed;
    if (arguments.help) {
        out << UsageText();
        return ExitConverted;
    }
    if (arguments.version) {
        out << "marlowen-cli " MARLOWEN_VERSION "\n";
        return ExitConverted;
    }
    if (auto read = ReadPasswordFiles(arguments, std::cin); !read) {
        return UsageError(err, read.error());
    }

    engine::ConversionOptions options;
    std::string settings = arguments.settingsPath ? *arguments.settingsPath
                                                  : platform::SettingsFileToRead(platform::ExecutableFolder());
    std::error_code ignored;
    if (arguments.settingsPath && !std::filesystem::exists(settings, ignored)) {
        return UsageError(err, settings + ": the settings file does not exist");
    }
    if (arguments.settingsPath && std::filesystem::is_directory(settings, ignored)) {
        return UsageError(err, settings + ": a folder, not a settings file");
    }
    auto load = engine::LoadOptions(settings, options);
    if (!load) {
        PrintProblem(err, settings, "warning: " + load.error() + "; the defaults are used");
    } else {
        for (const auto& problem : *load) {
            PrintProblem(err, settings, "warning: [" + problem.section + "] " + problem.key + "=" + problem.value
                                            + " is " + problem.reason + "; " + problem.usedInstead + " is used");
        }
    }
    for (const auto& [flag, values] : arguments.overrides) {
        if (auto applied = ApplyOverride(options, flag, values); !applied) {
            return UsageError(err, applied.error());
        }
    }

    // Values each within its range can still leave no room for text: judged once for the whole run.
    if (auto refused = engine::RefusedOptions(options); !refused.empty()) {
        return UsageError(err, refused);
    }

    auto style = arguments.quiet ? ProgressStyle::Quiet : stderrIsTerminal ? ProgressStyle::Bar : ProgressStyle::Lines;
    ProgressPrinter printer(err, style, std::move(terminalColumns));
    int workers = arguments.jobs > 0 ? arguments.jobs : static_cast<int>(std::thread::hardware_concurrency());
    auto collected = CollectJobs(arguments, err);
    engine::ConversionRun run(options, std::move(collected.jobs), workers);
    StopOnInterrupt stopOnInterrupt(run);
    auto summary = run.execute(printer);
    return summary.failed == 0 && summary.end == engine::RunEnd::Finished && !collected.folderFailed
        ? ExitConverted
        : ExitSomeFailed;
}

} // namespace cli
