#pragma once

#include "folderchooser/FileTypeList.h"

#include <QDialog>
#include <QFileDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QModelIndex;

namespace panes {

class FolderMemory;
class FolderPlaces;
class MessageAsker;

// Modal chooser of a folder, titled "Please Select a Folder". It browses folders, optionally listing the files of
// the chosen type beside them, lets the user type a folder into the "Current Folder:" box, offers to create a
// missing folder, and returns the chosen folder with a trailing '/'. Only one chooser can be open at a time.
// Besides, as the desktop's file dialogs do: places to go to (home, the root folder, the folders last selected), a
// path field above the list that browses the typed folder on Enter, and a New Folder button that makes a folder in
// the shown one and browses it.
class CSelectFolderDialog : public QDialog
{
    Q_OBJECT

public:
    // showFiles lists files as well as folders: those of the chosen entry of fileTypes
    // ("description|pattern|...||"), or every file when fileTypes is empty. The chooser starts in initialFolder
    // when that folder exists, otherwise in the home folder. Of options, those that concern listing apply.
    CSelectFolderDialog(bool showFiles, const QString& initialFolder, QFileDialog::Options options,
                        const QString& fileTypes, QWidget* owner = nullptr);
    ~CSelectFolderDialog() override;

    // Show the chooser; while another chooser is open they do nothing (exec() returns Rejected at once).
    int exec() override;
    void open() override;
    // Select: confirms the folder box's folder, or keeps the chooser open when that is refused.
    void accept() override;
    void done(int result) override;

    // The confirmed folder ending with '/'; empty until the user selected one.
    const QString& selectedFolder() const { return m_selectedFolder; }
    // The folder being browsed.
    const QString& currentFolder() const { return m_currentFolder; }
    // The asker that raises the chooser's message boxes; it must outlive the chooser.
    void setMessageAsker(MessageAsker& asker) { m_asker = &asker; }
    // Where the recent folders are kept: they are shown among the places, and a selected folder joins them. It must
    // outlive the chooser.
    void setFolderMemory(const FolderMemory& memory);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void configureModel(QFileDialog::Options options);
    void browse(const QString& folder);
    void browseUp();
    void browseTyped();
    void makeFolder();
    void activate(const QModelIndex& index);
    void applyFileType(int index);
    bool claimScreen();
    void releaseScreen();

    const bool m_showFiles;
    const QList<FileType> m_fileTypes;
    QFileSystemModel* m_model;
    QListView* m_list;
    FolderPlaces* m_places;
    QLineEdit* m_pathField;
    QLineEdit* m_folderBox;
    QComboBox* m_fileTypeBox;
    MessageAsker* m_asker;
    const FolderMemory* m_memory = nullptr;
    QString m_currentFolder;
    QString m_selectedFolder;
    bool m_centred = false;
};

} // namespace panes
