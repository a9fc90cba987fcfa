#include "folderchooser/NewFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace panes {

NewFolder makeNewFolder(const QString& parent, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    if (trimmed.contains(u'/') || trimmed == u"." || trimmed == u"..") {
        return { {}, QStringLiteral("\"%1\" cannot name a folder: a name holds no \"/\" and is not \".\" or \"..\".")
                         .arg(trimmed) };
    }
    const QString path = QDir(parent).filePath(trimmed);
    const auto taken = [&] {
        return NewFolder { {}, QStringLiteral("A file or folder named \"%1\" already exists in %2.").arg(trimmed, parent) };
    };
    // A link to nothing is a name taken as well.
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        return taken();
    }
    std::error_code error;
    const bool made = std::filesystem::create_directory(QFile::encodeName(path).toStdString(), error);
    if (error) {
        return { {}, QStringLiteral("The folder \"%1\" cannot be created in %2:\n%3")
                         .arg(trimmed, parent, QString::fromLocal8Bit(error.message())) };
    }
    return made ? NewFolder { path, {} } : taken();
}

} // namespace panes
