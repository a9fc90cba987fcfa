#include "filelist/FileListTexts.h"


#include <array>

namespace panes {

QString SizeText(std::uint64_t bytes)
{
    const QString digits = QString::number(bytes / 1024);
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += QLatin1Char(',');
        }
        grouped += digits[i];
    }
    return grouped + QStringLiteral(" KB");
}

QString CreationDateText(std::time_t time)
{
    std::tm local {};
    if (!localtime_r(&time, &local)) {
        return {};
    }
    std::array<char, 32> text {};
    std::strftime(text.data(), text.size(), "%H:%M:%S %m/%d/%Y", &local);
    return QString::fromLatin1(text.data());
}

namespace {

// One line per path of the first few, each lineFormat with the path for %1, then moreFormat with how many more.
QString PathsMessage(const QStringList& paths, const char* lineFormat, const char* moreFormat)
{
    QStringList lines;
    for (qsizetype i = 0; i < paths.size() && i < NamedDuplicates; ++i) {
        lines.append(QString::fromLatin1(lineFormat).arg(paths[i]));
    }
    if (paths.size() > NamedDuplicates) {
        lines.append(QString::fromLatin1(moreFormat).arg(paths.size() - NamedDuplicates));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString DuplicatesMessage(const QStringList& repeated)
{
    return PathsMessage(repeated, "File: %1 have been imported!", "%1 more files have been imported already.");
}

QString MissingFilesMessage(const QStringList& missing)
{
    return PathsMessage(missing, "File: %1 does not exist and is not listed.", "%1 more files do not exist either.");
}

QString UnwalkedFoldersMessage(const QStringList& problems)
{
    return PathsMessage(problems, "Not listed: %1", "%1 more parts of the folders could not be read either.");
}

} // namespace panes
