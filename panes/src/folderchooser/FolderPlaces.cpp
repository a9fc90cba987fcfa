#include "folderchooser/FolderPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace panes {

namespace {

constexpr int PlacesWidth = 150;
// Home and Root; the heading "Recent" and the folders under it follow them.
constexpr int FixedPlaces = 2;

} // namespace

FolderPlaces::FolderPlaces(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("placesList"));
    setFixedWidth(PlacesWidth);
    const int iconSide = style()->pixelMetric(QStyle::PM_SmallIconSize);
    setIconSize(QSize(iconSide, iconSide));
    addPlace(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Home"), QDir::homePath());
    addPlace(style()->standardIcon(QStyle::SP_DriveHDIcon), QStringLiteral("Root"), QDir::rootPath());
    connect(this, &QListWidget::itemClicked, this, &FolderPlaces::choose);
}

void FolderPlaces::addPlace(const QIcon& icon, const QString& name, const QString& folder)
{
    auto* item = new QListWidgetItem(icon, name, this);
    item->setData(Qt::UserRole, folder);
    item->setToolTip(folder);
}

void FolderPlaces::setRecentFolders(const QStringList& folders)
{
    while (count() > FixedPlaces) {
        delete takeItem(count() - 1);
    }
    if (folders.isEmpty()) {
        return;
    }
    auto* heading = new QListWidgetItem(QStringLiteral("Recent"), this);
    heading->setFlags(Qt::NoItemFlags);
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(bold);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& folder : folders) {
        const QString name = QFileInfo(folder).fileName();
        addPlace(folderIcon, name.isEmpty() ? folder : name, folder);
    }
}

void FolderPlaces::choose(const QListWidgetItem* item)
{
    const QString folder = item ? item->data(Qt::UserRole).toString() : QString();
    if (!folder.isEmpty()) {
        emit placeChosen(folder);
    }
}

void FolderPlaces::keyPressEvent(QKeyEvent* event)
{
    // Enter browses the place and goes no further: the dialog would press Select as well.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace panes
