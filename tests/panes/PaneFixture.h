#pragma once

#include "PaneFakes.h"
#include "RecordingAsker.h"
#include "TempDir.h"

#include "panes/CFileListDialog.h"

#include <grid/CGridCtrl.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// A window holding a file list pane whose dialogs, boxes and opener are the test's own.
struct PaneFixture
{
    PaneFixture()
    {
        window.resize(640, 520);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        pane = new panes::CFileListDialog(options, &window);
        layout->addWidget(pane);
        pane->setMessageAsker(asker);
        pane->setFileChooser(chooser);
        pane->setDesktopOpener(opener);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) {
            qWarning("the test window did not become active");
        }
    }

    grid::CGridCtrl& grid() const { return pane->grid(); }

    // Writes a text file below the temporary folder and returns its path.
    QString write(const std::string& relative, const std::string& text = "Some text.\n") const
    {
        return QString::fromStdString(dir.write(relative, text).string());
    }

    // The centre of a cell, in the grid viewport's coordinates.
    QPoint cellCentre(int row, int col) const { return grid().GetCellRect(row, col).center(); }

    void click(int row, int col) const { QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(row, col)); }

    // Sends a key to whichever widget has the focus, as the keyboard would.
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Right-clicks a point of the grid's viewport; the context menu when one opened.
    QMenu* openContextMenu(QPoint inViewport) const
    {
        QWidget* viewport = grid().viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, inViewport, viewport->mapToGlobal(inViewport));
        QApplication::sendEvent(viewport, &event);
        QMenu* menu = pane->findChild<QMenu*>();
        return menu && menu->isVisible() ? menu : nullptr;
    }

    // The commands the open context menu offers enabled.
    static QList<int> enabledCommands(const QMenu& menu)
    {
        QList<int> commands;
        for (QAction* action : menu.actions()) {
            if (!action->isSeparator() && action->isEnabled()) {
                commands.append(action->data().toInt());
            }
        }
        return commands;
    }

    QStringList names() const
    {
        QStringList shown;
        for (int row = 1; row < grid().GetRowCount(); ++row) {
            shown.append(grid().GetItemText(row, 1));
        }
        return shown;
    }

    testsupport::TempDir dir;
    FixedOptions options;
    RecordingAsker asker;
    ScriptedChooser chooser;
    RecordingOpener opener;
    QWidget window;
    panes::CFileListDialog* pane = nullptr;
};
