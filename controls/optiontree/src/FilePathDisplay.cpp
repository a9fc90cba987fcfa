#include "FilePathDisplay.h"

#include "optiontree/OptionTreeConstants.h"

#include <QFileInfo>

namespace optiontree {

namespace {

QString driveOf(const QString& path)
{
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter()) {
        return path.left(2);
    }
    return path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
}

QString directoryOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? driveOf(path) : path.left(slash + 1);
}

} // namespace

QString FilePathDisplay::shownPart(const QString& path, quint32 fileOptions)
{
    if (fileOptions & FileOptionShowFullPath) {
        return path;
    }
    const quint32 existingOnly = FileOptionShowName | FileOptionShowTitle | FileOptionShowExtension;
    if (fileOptions & existingOnly) {
        const QFileInfo info(path);
        if (path.isEmpty() || !info.exists()) {
            return {};
        }
        if (fileOptions & FileOptionShowName) {
            return info.fileName();
        }
        if (fileOptions & FileOptionShowTitle) {
            return info.completeBaseName();
        }
        return info.suffix();
    }
    if (fileOptions & FileOptionShowDirectory) {
        return directoryOf(path);
    }
    if (fileOptions & FileOptionShowDrive) {
        return driveOf(path);
    }
    return {};
}

QString FilePathDisplay::Text(const QStringList& paths, quint32 fileOptions)
{
    QStringList parts;
    for (const QString& path : paths) {
        const QString part = shownPart(path, fileOptions);
        if (!part.isEmpty()) {
            parts.append(part);
        }
    }
    const QString text = parts.join(QLatin1Char('\n'));
    return text.isEmpty() ? NoSelectionText() : text;
}

} // namespace optiontree
