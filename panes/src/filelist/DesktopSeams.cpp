#include "panes/DesktopSeams.h"

#include "panes/FolderMemory.h"
#include "panes/MessageAsker.h"

#include "folderchooser/CSelectFolderDialog.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace panes {

namespace {

const char* const TextFileTypes = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";

} // namespace

void FileListServices::openOnDesktop(QWidget* parent, const QString& path) const
{
    if (!opener->open(path)) {
        asker->show(parent, QMessageBox::Warning, QStringLiteral("The desktop could not open %1").arg(path));
    }
}

void DialogFileChooser::chooseFiles(QWidget* parent, std::function<void(const QStringList&)> chosen)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::DontResolveSymlinks);
    dialog->setNameFilters({ QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)") });
    if (m_memory) {
        const QString folder = m_memory->openFileFolder();
        if (QFileInfo(folder).isDir()) {
            dialog->setDirectory(folder);
        }
        QObject::connect(dialog, &QDialog::finished, dialog, [dialog, memory = m_memory] {
            memory->setOpenFileFolder(dialog->directory().absolutePath());
        });
    }
    QObject::connect(dialog, &QFileDialog::filesSelected, dialog,
                     [chosen = std::move(chosen)](const QStringList& files) { chosen(files); });
    dialog->open();
}

void DialogFileChooser::chooseFolder(QWidget* parent, std::function<void(const QString&)> chosen)
{
    const QString initialFolder = m_memory ? m_memory->importFolder() : QString();
    auto* dialog = new CSelectFolderDialog(true, initialFolder, QFileDialog::Options(),
                                           QString::fromLatin1(TextFileTypes), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (m_memory) {
        dialog->setFolderMemory(*m_memory);
        // A selected folder the user chose not to create is not a place to start from.
        QObject::connect(dialog, &QDialog::finished, dialog, [dialog, memory = m_memory] {
            const QString& selected = dialog->selectedFolder();
            memory->setImportFolder(QFileInfo(selected).isDir() ? selected : dialog->currentFolder());
        });
    }
    QObject::connect(dialog, &QDialog::accepted, dialog,
                     [dialog, chosen = std::move(chosen)] { chosen(dialog->selectedFolder()); });
    dialog->open();
    if (!dialog->isVisible()) { // another chooser is open
        dialog->deleteLater();
    }
}

bool DesktopServicesOpener::open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace panes
