#pragma once

#include "panes/DesktopSeams.h"
#include "panes/FileEntryList.h"

#include <controls/ControlNotify.h>

#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QPlainTextEdit;

namespace grid {
class CGridCtrl;
}
namespace chrome {
class CIconButton;
class CTextProgressBar;
}

namespace platform {
struct FoundFile;
struct FolderListing;
}

namespace panes {

class FileListRun;
class MessageAsker;
class OptionsSource;
class PreviewLoader;

// The file list pane: the list of text files to convert (a check mark and two passwords per file), the commands
// that fill, mark and thin it out, a preview of the clicked file, and the conversion run with its two progress
// bars.
//
// Commands. Every command of FileListCommands.h is offered by its identifier: isCommandEnabled() tells whether it
// can run now, runCommand() runs it (and does nothing when it is not enabled), and commandStateChanged() is
// emitted whenever an enabled state may have changed (list filled or emptied, run started, stopped or ended), so
// a menu bar can keep its items current without asking on every opening.
//
// Keys. While the keyboard focus is inside the pane, the pane's key table (FileListKeys()) is the pane's own: the
// pane accepts the shortcut-override event of each of those keys, so that no window shortcut bound to the same key
// acts as well, runs the command once and passes the key on to no other widget. While the grid's password editor
// has the focus, the keys a text editor uses (IsTextEditorKey(): Space, Del, Ctrl+A, Ctrl+X, Ctrl+Del, Ctrl+I) are
// the editor's, and no window shortcut takes them either. A main window binds the same keys as window shortcuts
// and routes them to runCommand(): they act when the focus is elsewhere, and never twice.
//
// The run. Start Convert commits an open password edit, converts the checked entries in list order, each with its
// own passwords, with the options read back from the OptionsSource, on a worker thread; the interface never waits
// for it. runInProgressChanged() tells when a worker starts and when it has ended. Start Convert stays unavailable
// until the worker of the previous run has ended. closeDown() is the entry point for closing the window.
class CFileListDialog : public QWidget, private controls::NotifyTarget
{
    Q_OBJECT

public:
    static constexpr int GridId = 1021;

    // options supplies the options snapshot of every run; it must outlive the pane.
    explicit CFileListDialog(OptionsSource& options, QWidget* parent = nullptr);
    ~CFileListDialog() override;

    // Replaceable services (tests); each must outlive the pane. By default: real message boxes, the program's
    // open-file dialog and folder chooser, the desktop's services.
    void setMessageAsker(MessageAsker& asker) { m_services.asker = &asker; }
    void setFileChooser(FileChooser& chooser) { m_services.chooser = &chooser; }
    void setDesktopOpener(DesktopOpener& opener) { m_services.opener = &opener; }

    bool isCommandEnabled(int command) const;
    // Runs an enabled command; false when it is not enabled (or unknown).
    bool runCommand(int command);

    // Adds files as an Open File selection does: any file, in the given order; repeats are told in one box, and so
    // are paths that do not exist, which are not listed.
    void addFiles(const QStringList& paths);
    // Adds what was dropped: files ending in ".txt" in any case, and the text files below dropped folders.
    void addDroppedPaths(const QStringList& paths);
    // Adds the text files below a folder, as Import Directory does.
    void importFolder(const QString& folder);
    // Shows the file in the preview again, as the options now decode it and expand its tabs.
    void optionsChanged();

    // The running flag: set by Start Convert, cleared by Stop Convert and at the end of a run.
    bool isRunning() const;
    // A worker is converting (possibly finishing its file after Stop Convert).
    bool isWorkerAlive() const;
    // For a close request: stops the run, closes a warning box that holds it, abandons the file under way at its
    // next page, and returns once the worker has ended or timeout has passed (true when it ended). Afterwards
    // the pane reports nothing more of that run.
    bool closeDown(std::chrono::milliseconds timeout = std::chrono::seconds(1));

    // The parts of the pane, for the window around it and for tests.
    grid::CGridCtrl& grid() const { return *m_grid; }
    QPlainTextEdit& preview() const { return *m_preview; }
    chrome::CTextProgressBar& currentBar() const { return *m_currentBar; }
    chrome::CTextProgressBar& totalBar() const { return *m_totalBar; }
    // The icon button of a command, or null.
    chrome::CIconButton* button(int command) const;
    std::size_t entryCount() const { return m_entries.size(); }
    const std::string& entryPath(std::size_t index) const { return m_entries.path(index); }
    // Why the entry's file yielded no PDF in the last run; empty when it did or was not converted.
    QString failureOf(std::size_t index) const;

signals:
    void commandStateChanged();
    void runInProgressChanged(bool inProgress);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    qintptr notify(controls::NotifyHeader& record) override;
    void createControls();
    void layOut();
    bool listEmpty() const { return m_entries.empty(); }
    void stateChanged();

    // Filling and thinning the list.
    void addPaths(const std::vector<platform::FoundFile>& files);
    void addListing(const platform::FolderListing& listing);
    void openFile();
    void importDirectory();
    void removeSelected();
    void removeAll();
    void setChecks(int command);
    int selectedRow() const;
    void openSelected(bool folder);

    // Preview.
    void showPreview(int row);
    void loadPreview(std::string path);
    void clearPreview();
    void insertNextPreviewPiece();

    OptionsSource& m_options;
    FileListServices m_services;

    grid::CGridCtrl* m_grid = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_currentLabel = nullptr;
    QLabel* m_totalLabel = nullptr;
    chrome::CTextProgressBar* m_currentBar = nullptr;
    chrome::CTextProgressBar* m_totalBar = nullptr;
    QHash<int, chrome::CIconButton*> m_buttons;
    QMenu* m_contextMenu = nullptr;

    FileEntryList m_entries;
    PreviewLoader* m_previewLoader = nullptr;
    std::string m_previewPath; // the file the preview shows, or empty
    QStringList m_previewPieces;
    QTimer m_previewTimer;

    FileListRun* m_run = nullptr;
};

} // namespace panes
