#include "folderchooser/FolderConfirmation.h"

#include "panes/MessageAsker.h"

#include <QDir>
#include <QFileInfo>

namespace panes {

namespace {

QString withTrailingSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Offers to create the missing folder; returns false when the user said Yes and it could not be made.
bool offerCreation(const QString& folder, MessageAsker& asker, QWidget* parent)
{
    if (!asker.askYesNo(parent, folder + QStringLiteral("\n\nThe selected path isn't exist, create it?"))) {
        return true;
    }
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir()) {
        return true;
    }
    asker.tell(parent, QMessageBox::Warning, QStringLiteral("Can not create directory\n") + folder);
    return false;
}

// A leading "~" stands for the home folder, as in the file dialogs.
QString withHomeExpanded(const QString& text)
{
    if (text != u"~" && !text.startsWith(QStringLiteral("~/"))) {
        return text;
    }
    return QDir(QDir::homePath()).filePath(text.mid(2));
}

} // namespace

QString typedFolder(const QString& typed, const QString& shownFolder)
{
    // cleanPath drops the trailing separator but keeps the root folder "/" whole.
    return QDir::cleanPath(QDir(shownFolder).absoluteFilePath(withHomeExpanded(typed)));
}

std::optional<QString> confirmFolder(const QString& typed, const QString& shownFolder, MessageAsker& asker,
                                     QWidget* parent)
{
    const QString text = typed.isEmpty() ? shownFolder : typed;
    // Two separators in a row never name a local folder: they start network and URL-style locations, which the
    // caller cannot walk, or they are a typing slip.
    if (text.contains(QStringLiteral("//"))) {
        asker.tell(parent, QMessageBox::Critical, QStringLiteral("Invalid directory"));
        return std::nullopt;
    }
    const QString folder = typedFolder(text, shownFolder);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        asker.tell(parent, QMessageBox::Critical, QStringLiteral("Invalid directory"));
        return std::nullopt;
    }
    if (!info.exists() && !offerCreation(folder, asker, parent)) {
        return std::nullopt;
    }
    return withTrailingSeparator(folder);
}

} // namespace panes
