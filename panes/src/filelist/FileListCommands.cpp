#include "panes/FileListCommands.h"

#include <QLineEdit>

namespace panes {

const QList<int>& FileListCommands()
{
    static const QList<int> commands = [] {
        QList<int> ids;
        for (const auto& entry : FileListMenu()) {
            if (entry.command != 0) {
                ids.append(entry.command);
            }
        }
        return ids;
    }();
    return commands;
}

const QList<FileListKey>& FileListKeys()
{
    static const QList<FileListKey> keys {
        { Qt::CTRL | Qt::Key_O, OpenFileCommand },
        { Qt::CTRL | Qt::Key_E, OpenFileDirectoryCommand },
        { Qt::CTRL | Qt::Key_W, OpenWithAssociatedAppCommand },
        { Qt::CTRL | Qt::Key_D, ImportDirectoryCommand },
        { Qt::CTRL | Qt::Key_A, SelectAllItemsCommand },
        { Qt::CTRL | Qt::Key_I, InvertSelectCommand },
        { Qt::CTRL | Qt::Key_X, ClearAllSelectedCommand },
        { Qt::CTRL | Qt::Key_Delete, RemoveAllCommand },
        { QKeyCombination(Qt::Key_Delete), RemoveSelectedCommand },
        { QKeyCombination(Qt::Key_Space), SelectCurrentItemCommand },
        { QKeyCombination(Qt::Key_F5), StartConvertCommand },
        { Qt::SHIFT | Qt::Key_F5, StopConvertCommand },
    };
    return keys;
}

namespace {

QKeyCombination Normalised(QKeyCombination key)
{
    return QKeyCombination(key.keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier), key.key());
}

} // namespace

int CommandForKey(QKeyCombination key)
{
    const QKeyCombination wanted = Normalised(key);
    for (const auto& binding : FileListKeys()) {
        if (binding.key == wanted) {
            return binding.command;
        }
    }
    return 0;
}

bool IsTextEditorKey(QKeyCombination key)
{
    const QKeyCombination wanted = Normalised(key);
    return wanted == QKeyCombination(Qt::Key_Space) || wanted == QKeyCombination(Qt::Key_Delete)
        || wanted == (Qt::CTRL | Qt::Key_A) || wanted == (Qt::CTRL | Qt::Key_X) || wanted == (Qt::CTRL | Qt::Key_Delete)
        || wanted == (Qt::CTRL | Qt::Key_I);
}

bool IsTextEditor(const QWidget* widget)
{
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    return edit && !edit->isReadOnly();
}

const QList<FileListMenuEntry>& FileListMenu()
{
    static const QList<FileListMenuEntry> entries {
        { OpenFileCommand, "Open File\tCtrl+O" },
        { ImportDirectoryCommand, "Import Directory\tCtrl+D" },
        { 0, nullptr },
        { OpenFileDirectoryCommand, "Open File Directory\tCtrl+E" },
        { OpenWithAssociatedAppCommand, "Open with Associated App\tCtrl+W" },
        { 0, nullptr },
        { RemoveSelectedCommand, "Remove Selected\tDel" },
        { RemoveAllCommand, "Remove All\tCtrl+Del" },
        { 0, nullptr },
        { SelectCurrentItemCommand, "Select Current Item\tSpace" },
        { SelectAllItemsCommand, "Select All Items\tCtrl+A" },
        { ClearAllSelectedCommand, "Clear All Selected\tCtrl+X" },
        { InvertSelectCommand, "Invert Select\tCtrl+I" },
        { 0, nullptr },
        { StartConvertCommand, "Start Convert\tF5" },
        { StopConvertCommand, "Stop Convert\tShift+F5" },
    };
    return entries;
}

} // namespace panes
