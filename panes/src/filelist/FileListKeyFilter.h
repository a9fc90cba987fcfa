#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;

namespace panes {

// The file list pane's key table at work on the objects it watches (the pane and its parts): a key of the table
// (FileListKeys()) has its shortcut-override event accepted, so that no window shortcut bound to it acts as well,
// and runs its command once, going to no other widget. While a text editor has the focus, the keys it uses
// (IsTextEditorKey()) are its own: no window shortcut takes them and the pane leaves them alone.
class FileListKeyFilter : public QObject
{
public:
    // runCommand runs a command of the table.
    FileListKeyFilter(std::function<void(int)> runCommand, QObject* parent);

    void watch(QObject& watched) { watched.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent& key);

    std::function<void(int)> m_runCommand;
};

} // namespace panes
