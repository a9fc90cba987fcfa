#include "filelist/RunReport.h"

#include "filelist/FileListTexts.h"

#include <QStringList>

#include <cctype>
#include <map>
#include <set>

namespace panes {

std::string WarningKind(const std::string& message)
{
    std::string kind;
    for (char c : message) {
        if (c == ':' || c == ';') {
            break;
        }
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            kind += c;
        }
    }
    // "1 character is" and "2 characters are" differ only in number.
    const std::string plural = " characters are ";
    if (auto at = kind.find(plural); at != std::string::npos) {
        kind.replace(at, plural.size(), " character is ");
    }
    return kind;
}

namespace {

QString Local(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList FailureLines(const std::vector<engine::FileResult>& results)
{
    QStringList lines;
    int failed = 0;
    for (const auto& result : results) {
        if (result.written()) {
            continue;
        }
        if (++failed <= NamedFailures) {
            lines.append(Local(result.inputPath) + QStringLiteral(": ") + Local(result.outcome.error()));
        }
    }
    if (failed == 0) {
        return {};
    }
    if (failed > NamedFailures) {
        lines.append(QStringLiteral("... and %1 more.").arg(failed - NamedFailures));
    }
    lines.prepend(failed == 1 ? QStringLiteral("1 file was not converted:")
                              : QStringLiteral("%1 files were not converted:").arg(failed));
    return lines;
}

QStringList RepeatedWarningLines(const std::vector<engine::FileResult>& results)
{
    // Kinds in the order they first arose, each with the files it arose in and the first text of that kind in
    // each file: its own figures and characters.
    std::vector<std::string> order;
    std::map<std::string, QStringList> kinds;
    for (const auto& result : results) {
        std::set<std::string> seen;
        for (const auto& warning : result.warnings) {
            const std::string kind = WarningKind(warning);
            if (!seen.insert(kind).second) {
                continue;
            }
            auto [entry, added] = kinds.try_emplace(kind);
            if (added) {
                order.push_back(kind);
            }
            entry->second.append(Local(result.inputPath) + QStringLiteral(": ") + Local(warning));
        }
    }
    QStringList lines;
    for (const auto& kind : order) {
        const QStringList& files = kinds[kind];
        if (files.size() < 2) {
            continue;
        }
        lines.append(QStringLiteral("In %1 files:").arg(files.size()));
        for (qsizetype i = 0; i < files.size() && i < NamedFailures; ++i) {
            lines.append(QStringLiteral("    ") + files[i]);
        }
        if (files.size() > NamedFailures) {
            lines.append(QStringLiteral("    ... and %1 more.").arg(files.size() - NamedFailures));
        }
    }
    if (!lines.isEmpty()) {
        lines.prepend(QStringLiteral("Warnings shown once in this run arose in several files:"));
    }
    return lines;
}

} // namespace

QString RunReportText(const std::vector<engine::FileResult>& results)
{
    QStringList parts;
    if (auto lines = FailureLines(results); !lines.isEmpty()) {
        parts.append(lines.join(QLatin1Char('\n')));
    }
    if (auto lines = RepeatedWarningLines(results); !lines.isEmpty()) {
        parts.append(lines.join(QLatin1Char('\n')));
    }
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace panes
