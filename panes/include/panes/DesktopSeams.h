#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace panes {

class FolderMemory;
class MessageAsker;

// The file list's dialogs for choosing files and folders. Both return at once and call back when the user has
// confirmed; a cancelled dialog calls nothing.
class FileChooser
{
public:
    virtual ~FileChooser() = default;

    // Any number of files, offered under "Text Files (*.txt)" and "All Files (*)"; symbolic links come back as
    // themselves.
    virtual void chooseFiles(QWidget* parent, std::function<void(const QStringList&)> chosen) = 0;
    // One folder, through the folder chooser listing text files.
    virtual void chooseFolder(QWidget* parent, std::function<void(const QString&)> chosen) = 0;
};

// Hands a file or a folder to the desktop to open with its associated program.
class DesktopOpener
{
public:
    virtual ~DesktopOpener() = default;

    // False when the desktop reported that it could not open the path.
    virtual bool open(const QString& path) = 0;
};

// The services the file list pane works through: message boxes, the file and folder dialogs, the desktop.
struct FileListServices
{
    MessageAsker* asker = nullptr;
    FileChooser* chooser = nullptr;
    DesktopOpener* opener = nullptr;

    // Hands the path to the desktop, and tells in a warning box when the desktop could not open it.
    void openOnDesktop(QWidget* parent, const QString& path) const;
};

// The open-file dialog and the folder chooser of the program, shown window-modal without waiting. With a memory,
// each starts where the user last was in it, confirmed or cancelled, and the folder chooser shows and adds to the
// recent folders.
class DialogFileChooser : public FileChooser
{
public:
    // memory, when given, must outlive the chooser.
    explicit DialogFileChooser(const FolderMemory* memory = nullptr)
        : m_memory(memory)
    {
    }

    void chooseFiles(QWidget* parent, std::function<void(const QStringList&)> chosen) override;
    void chooseFolder(QWidget* parent, std::function<void(const QString&)> chosen) override;

private:
    const FolderMemory* m_memory;
};

// Opens through the desktop's services.
class DesktopServicesOpener : public DesktopOpener
{
public:
    bool open(const QString& path) override;
};

} // namespace panes
