#pragma once

#include <QKeyCombination>
#include <QList>

class QWidget;

namespace panes {

// The file list's commands, by the identifiers the menu bar and the context menu send.
enum FileListCommand : int {
    OpenFileCommand = 32770,
    ImportDirectoryCommand = 32771,
    OpenFileDirectoryCommand = 32773,
    OpenWithAssociatedAppCommand = 32774,
    RemoveAllCommand = 32775,
    RemoveSelectedCommand = 32776,
    SelectCurrentItemCommand = 32777,
    ClearAllSelectedCommand = 32778,
    InvertSelectCommand = 32779,
    StartConvertCommand = 32781,
    StopConvertCommand = 32782,
    SelectAllItemsCommand = 57642,
};

// Every command of the file list, in the order of the context menu.
const QList<int>& FileListCommands();

// One key of the pane's key table and the command it runs.
struct FileListKey
{
    QKeyCombination key;
    int command;
};

// The pane's keys: Ctrl+O, Ctrl+E, Ctrl+W, Ctrl+D, Ctrl+A, Ctrl+I, Ctrl+X, Ctrl+Del, Del, Space, F5 and
// Shift+F5 (which stops a run).
const QList<FileListKey>& FileListKeys();
// The command of a key press (modifiers other than Ctrl and Shift ignored, the keypad's Del taken as Del), or 0.
int CommandForKey(QKeyCombination key);
// Keys a text editor uses for itself: while one has the focus they are its own, not the pane's.
bool IsTextEditorKey(QKeyCombination key);
// A text editor: an editable one-line text box, such as the grid's password editor or an option's edit.
bool IsTextEditor(const QWidget* widget);

// One entry of the context menu: a command with its text, or a separator (command 0).
struct FileListMenuEntry
{
    int command;
    const char* text;
};
const QList<FileListMenuEntry>& FileListMenu();

} // namespace panes
