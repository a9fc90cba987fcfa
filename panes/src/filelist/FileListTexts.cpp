#include "filelist/FileListTexts.h"

#include <QFile>

#include <array>

namespace panes {

QString FromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

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

QString DuplicatesMessage(const QStringList& repeated)
{
    QStringList lines;
    for (qsizetype i = 0; i < repeated.size() && i < NamedDuplicates; ++i) {
        lines.append(QStringLiteral("File: ") + repeated[i] + QStringLiteral(" have been imported!"));
    }
    if (repeated.size() > NamedDuplicates) {
        lines.append(QStringLiteral("%1 more files have been imported already.").arg(repeated.size() - NamedDuplicates));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace panes
