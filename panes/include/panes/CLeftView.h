#pragma once

#include <QWidget>

namespace panes {

class CFileListDialog;
class OptionsSource;

// The left view of the main window's splitter: it holds the file list pane and keeps it filling the whole view.
// The pane's API (commands, keys, the run, closing) is reached through dialog(); focusing the view focuses the list.
class CLeftView : public QWidget
{
    Q_OBJECT

public:
    explicit CLeftView(OptionsSource& options, QWidget* parent = nullptr);

    CFileListDialog& dialog() const { return *m_dialog; }
    // Wide enough for every column of the list, and at least as wide as the pane's smallest width.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CFileListDialog* m_dialog;
};

} // namespace panes
