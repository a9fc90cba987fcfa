#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace panes {

// The places beside the folder chooser's list, as the desktop's file dialogs show them: the home folder, the root
// folder and, under "Recent", the folders last selected, each named by its last part with its whole path as the
// tooltip. A click on a place, or Enter on it, asks to browse its folder.
class FolderPlaces : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderPlaces(QWidget* parent = nullptr);

    // Replaces the recent folders shown.
    void setRecentFolders(const QStringList& folders);

signals:
    void placeChosen(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addPlace(const QIcon& icon, const QString& name, const QString& folder);
    void choose(const QListWidgetItem* item);
};

} // namespace panes
