#include "cli/Cli.h"

#include "engine/ConversionRun.h"
#include "engine/OptionTable.h"
#include "engine/SettingsFile.h"
#include "platform/SettingsLocation.h"
#include "platform/TemporaryFiles.h"

#include "CliArguments.h"
#include "CliFlags.h"
#include "InputList.h"
#include "JobCollection.h"
#include "PasswordFiles.h"
#include "ProgressPrinter.h"
#include "StandardOutputPdf.h"
#include "TerminalText.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <thread>

namespace cli {
namespace {

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

// Standard input can be read once: as an input, a list of inputs or a password.
base::Result<> CheckStandardInputUse(const CliArguments& arguments)
{
    const auto readers = std::count(arguments.inputs.begin(), arguments.inputs.end(), "-")
        + (arguments.filesFrom == "-") + (arguments.ownerPasswordFile == "-" || arguments.userPasswordFile == "-");
    if (readers > 1) {
        return base::Failure { base::FailureKind::Options,
                               "standard input (\"-\") can be read only once: as one input, the list of "
                               "--files-from or one password file" };
    }
    return {};
}

// The inputs of the command line, then those of the --files-from list.
base::Result<std::vector<InputName>> InputNames(const CliArguments& arguments)
{
    std::vector<InputName> names;
    for (const auto& input : arguments.inputs) {
        names.push_back({ input, false });
    }
    if (arguments.filesFrom) {
        auto listed = ReadInputList(*arguments.filesFrom, arguments.nullSeparated, std::cin);
        if (!listed) {
            return listed.failure();
        }
        for (auto& name : *listed) {
            names.push_back({ std::move(name), true });
        }
    }
    return names;
}

// Where -o sends the output: the one job's PDF or the combined PDF; "-" through a temporary file.
base::Result<> ApplyOutputFile(const CliArguments& arguments, engine::ConversionOptions& options,
                               std::vector<engine::ConversionJob>& jobs, StandardOutputPdf& standardOutput)
{
    auto target = arguments.outputFile ? *arguments.outputFile : options.CombineInto;
    if (target == "-") {
        auto path = standardOutput.create();
        if (!path) {
            return path.failure();
        }
        target = *path;
    }
    if (!options.CombineInto.empty()) {
        options.CombineInto = target;
        return {};
    }
    if (!arguments.outputFile) {
        return {};
    }
    if (jobs.size() != 1) {
        return base::Failure { base::FailureKind::Options,
                               "-o names the PDF of one input file; for more, use --output-dir or --combine" };
    }
    jobs.front().outputPath = target;
    return {};
}

bool ReadsStandardInput(const std::vector<engine::ConversionJob>& jobs)
{
    return std::any_of(jobs.begin(), jobs.end(), [](const engine::ConversionJob& job) { return job.standardInput; });
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
    if (auto once = CheckStandardInputUse(arguments); !once) {
        return UsageError(err, once.error());
    }
    if (auto read = ReadPasswordFiles(arguments, std::cin); !read) {
        return UsageError(err, read.error());
    }
    auto inputs = InputNames(arguments);
    if (!inputs) {
        return UsageError(err, inputs.error());
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

    engine::ConversionJob passwords;
    passwords.ownerPassword = arguments.ownerPassword;
    passwords.userPassword = arguments.userPassword;
    auto collected = CollectJobs(*inputs, arguments.patterns, passwords, err);
    if (ReadsStandardInput(collected.jobs) && !arguments.outputFile && options.CombineInto.empty()) {
        return UsageError(err, "standard input (\"-\") needs -o FILE or --combine FILE to name its PDF");
    }
    StandardOutputPdf standardOutput;
    if (auto applied = ApplyOutputFile(arguments, options, collected.jobs, standardOutput); !applied) {
        if (applied.failure().kind == base::FailureKind::Options) {
            return UsageError(err, applied.error());
        }
        PrintProblem(err, "-", applied.error());
        return ExitSomeFailed;
    }

    auto style = arguments.quiet ? ProgressStyle::Quiet : stderrIsTerminal ? ProgressStyle::Bar : ProgressStyle::Lines;
    ProgressPrinter printer(err, style, std::move(terminalColumns));
    if (standardOutput.created()) {
        printer.showAsStandardOutput(standardOutput.path());
    }
    int workers = arguments.jobs > 0 ? arguments.jobs : static_cast<int>(std::thread::hardware_concurrency());
    engine::ConversionRun run(options, std::move(collected.jobs), workers);
    StopOnInterrupt stopOnInterrupt(run);
    auto summary = run.execute(printer);
    bool allConverted = summary.failed == 0 && summary.end == engine::RunEnd::Finished && !collected.folderFailed;
    if (summary.converted > 0 && standardOutput.created()) {
        if (auto copied = standardOutput.copyTo(out); !copied) {
            PrintProblem(err, "-", copied.error());
            allConverted = false;
        }
    }
    return allConverted ? ExitConverted : ExitSomeFailed;
}

} // namespace cli
