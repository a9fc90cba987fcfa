#include "app/StartSettings.h"

#include <QFile>

#include <filesystem>
#include <unistd.h>

namespace app {
namespace {

// How many unusable values the notice lists before it only counts the rest.
constexpr std::size_t ListedProblems = 10;

QString fileName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString loadProblemsText(const std::string& path, const engine::SettingsLoad& load)
{
    if (!load) {
        return QStringLiteral("The options cannot be read from %1:\n%2\n\nThe default options are used.")
            .arg(fileName(path), QString::fromStdString(load.error()));
    }
    const engine::SettingsProblems& problems = *load;
    if (problems.empty()) {
        return {};
    }
    auto text = QStringLiteral("Some options in %1 cannot be used as they stand:\n").arg(fileName(path));
    for (std::size_t i = 0; i < problems.size() && i < ListedProblems; ++i) {
        const auto& problem = problems[i];
        text += QStringLiteral("\n[%1] %2=%3: %4; %5 is used instead.")
                    .arg(QString::fromStdString(problem.section), QString::fromStdString(problem.key),
                         QString::fromStdString(problem.value), QString::fromStdString(problem.reason),
                         QString::fromStdString(problem.usedInstead));
    }
    if (problems.size() > ListedProblems) {
        text += QStringLiteral("\n... and %1 more.").arg(problems.size() - ListedProblems);
    }
    return text;
}

void addParagraph(QString& text, const QString& paragraph)
{
    if (!paragraph.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + paragraph;
    }
}

} // namespace

StartSettings LoadStartSettings(const std::string& readPath, const std::string& writePath,
                                engine::ConversionOptions& options)
{
    QString notice;
    std::string source = writePath;
    std::error_code error;
    if (readPath != writePath) {
        if (std::filesystem::copy_file(readPath, writePath, error)) {
            notice = QStringLiteral("The options are read from %1, whose folder cannot be written: from now on they "
                                    "are kept in %2.")
                         .arg(fileName(readPath), fileName(writePath));
        } else {
            source = readPath;
            notice = QStringLiteral("The options are read from %1, but cannot be copied to %2 (%3): changes to them "
                                    "will not be saved.")
                         .arg(fileName(readPath), fileName(writePath), QString::fromStdString(error.message()));
        }
    } else if (std::filesystem::exists(writePath, error) && ::access(writePath.c_str(), W_OK) != 0) {
        notice = QStringLiteral("%1 cannot be written: changes to the options will not be saved.")
                     .arg(fileName(writePath));
    }
    StartSettings start { writePath, engine::LoadOptions(source, options), notice };
    addParagraph(start.notice, loadProblemsText(source, start.load));
    return start;
}

} // namespace app
