#include "filelist/FileListKeyFilter.h"

#include "panes/FileListCommands.h"

#include <QApplication>
#include <QKeyEvent>

namespace panes {

FileListKeyFilter::FileListKeyFilter(std::function<void(int)> runCommand, QObject* parent)
    : QObject(parent)
    , m_runCommand(std::move(runCommand))
{
}

bool FileListKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && handleKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool FileListKeyFilter::handleKey(QKeyEvent& key)
{
    const QKeyCombination combination = key.keyCombination();
    const int command = CommandForKey(combination);
    const bool editorKey = IsTextEditor(QApplication::focusWidget()) && IsTextEditorKey(combination);
    if (command == 0 && !editorKey) {
        return false;
    }
    if (key.type() == QEvent::ShortcutOverride) {
        // The key is the pane's (or the editor's): no window shortcut takes it.
        key.accept();
        return true;
    }
    if (editorKey) {
        return false;
    }
    m_runCommand(command);
    return true;
}

} // namespace panes
