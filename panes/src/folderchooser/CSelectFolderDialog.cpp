#include "folderchooser/CSelectFolderDialog.h"

#include "panes/FolderMemory.h"
#include "panes/MessageBoxAsker.h"

#include "folderchooser/FolderConfirmation.h"
#include "folderchooser/FolderPlaces.h"
#include "folderchooser/NewFolder.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace panes {

namespace {

// The chooser on screen; a second one is not shown while it is set.
CSelectFolderDialog* openChooser = nullptr;

// The platform's folder and file icons, falling back on the style's. The model's own provider knows only icon
// themes, which many desktops lack. The provider outlives every model, whose worker thread reads it.
QFileIconProvider& iconProvider()
{
    static QFileIconProvider provider;
    return provider;
}

} // namespace

CSelectFolderDialog::CSelectFolderDialog(bool showFiles, const QString& initialFolder, QFileDialog::Options options,
                                         const QString& fileTypes, QWidget* owner)
    : QDialog(owner)
    , m_showFiles(showFiles)
    , m_fileTypes(parseFileTypeList(fileTypes))
    , m_model(new QFileSystemModel(this))
    , m_list(new QListView(this))
    , m_places(new FolderPlaces(this))
    , m_pathField(new QLineEdit(this))
    , m_folderBox(new QLineEdit(this))
    , m_fileTypeBox(new QComboBox(this))
    , m_asker(&MessageBoxAsker::instance())
{
    setWindowTitle(QStringLiteral("Please Select a Folder"));
    setModal(true);
    configureModel(options);
    buildLayout();
    const QFileInfo initial(initialFolder);
    browse(!initialFolder.isEmpty() && initial.isDir() ? initial.absoluteFilePath() : QDir::homePath());
}

CSelectFolderDialog::~CSelectFolderDialog()
{
    releaseScreen();
}

void CSelectFolderDialog::configureModel(QFileDialog::Options options)
{
    // Without files only folders are listed; without a type list every file is.
    QDir::Filters filters = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;
    if (m_showFiles) {
        filters |= QDir::Files;
    }
    m_model->setFilter(filters);
    m_model->setNameFilterDisables(false);
    m_model->setReadOnly(true);
    m_model->setIconProvider(&iconProvider());
    m_model->setResolveSymlinks(!options.testFlag(QFileDialog::DontResolveSymlinks));
    m_model->setOption(QFileSystemModel::DontUseCustomDirectoryIcons,
                       options.testFlag(QFileDialog::DontUseCustomDirectoryIcons));
    m_list->setModel(m_model);
    // The provider's icons come in several sizes (a folder larger than a link to one): draw them all alike.
    const int iconSide = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_list->setIconSize(QSize(iconSide, iconSide));
}

void CSelectFolderDialog::buildLayout()
{
    auto* upButton = new QToolButton(this);
    upButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    upButton->setToolTip(QStringLiteral("Up One Level"));
    upButton->setObjectName(QStringLiteral("upButton"));
    auto* newFolderButton = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder),
                                            QStringLiteral("&New Folder"), this);
    newFolderButton->setAutoDefault(false);
    m_pathField->setObjectName(QStringLiteral("pathField"));
    m_pathField->setToolTip(QStringLiteral("Type a folder and press Enter to go there"));
    auto* completer = new QCompleter(this);
    auto* folders = new QFileSystemModel(completer);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QDir::rootPath());
    completer->setModel(folders);
    m_pathField->setCompleter(completer);
    m_list->setObjectName(QStringLiteral("folderList"));
    m_list->setMinimumSize(420, 220);
    m_folderBox->setObjectName(QStringLiteral("folderBox"));
    m_fileTypeBox->setObjectName(QStringLiteral("fileTypeBox"));
    auto* folderLabel = new QLabel(QStringLiteral("Current Folder:"), this);
    folderLabel->setBuddy(m_folderBox);
    auto* buttons = new QDialogButtonBox(this);
    auto* selectButton = buttons->addButton(QStringLiteral("&Select"), QDialogButtonBox::AcceptRole);
    selectButton->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pathField, 1);
    pathRow->addWidget(upButton);
    pathRow->addWidget(newFolderButton);

    auto* grid = new QGridLayout(this);
    grid->addLayout(pathRow, 0, 0, 1, 2);
    grid->addWidget(m_places, 1, 0);
    grid->addWidget(m_list, 1, 1);
    grid->addWidget(folderLabel, 2, 1);
    grid->addWidget(m_folderBox, 3, 1);
    // The type list is only of use when files are listed; it then sits under the folder box.
    if (m_showFiles && !m_fileTypes.isEmpty()) {
        auto* typeLabel = new QLabel(QStringLiteral("Please Select the File Type:"), this);
        typeLabel->setBuddy(m_fileTypeBox);
        for (const FileType& type : m_fileTypes) {
            m_fileTypeBox->addItem(type.description);
        }
        grid->addWidget(typeLabel, 4, 1);
        grid->addWidget(m_fileTypeBox, 5, 1);
        applyFileType(0);
        connect(m_fileTypeBox, &QComboBox::currentIndexChanged, this, &CSelectFolderDialog::applyFileType);
    } else {
        m_fileTypeBox->hide();
    }
    grid->addWidget(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    setTabOrder(m_list, m_folderBox);

    connect(upButton, &QToolButton::clicked, this, &CSelectFolderDialog::browseUp);
    connect(newFolderButton, &QPushButton::clicked, this, &CSelectFolderDialog::makeFolder);
    connect(m_places, &FolderPlaces::placeChosen, this, &CSelectFolderDialog::browse);
    connect(m_list, &QListView::activated, this, &CSelectFolderDialog::activate);
    m_list->installEventFilter(this);
    m_pathField->installEventFilter(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSelectFolderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelectFolderDialog::reject);
}

void CSelectFolderDialog::setFolderMemory(const FolderMemory& memory)
{
    m_memory = &memory;
    m_places->setRecentFolders(memory.recentFolders());
}

void CSelectFolderDialog::browse(const QString& folder)
{
    m_currentFolder = folder;
    m_list->setRootIndex(m_model->setRootPath(folder));
    m_pathField->setText(folder);
    m_folderBox->setText(folder);
}

void CSelectFolderDialog::browseUp()
{
    QDir folder(m_currentFolder);
    if (folder.cdUp()) {
        browse(folder.absolutePath());
    }
}

void CSelectFolderDialog::browseTyped()
{
    // What was typed stays in the field to be corrected when it names no folder.
    const QString folder = typedFolder(m_pathField->text(), m_currentFolder);
    const QFileInfo info(folder);
    if (info.isDir()) {
        browse(folder);
        return;
    }
    m_asker->tell(this, QMessageBox::Warning,
                  info.exists() ? QStringLiteral("%1 is a file, not a folder.").arg(folder)
                                : QStringLiteral("The folder %1 does not exist.").arg(folder));
    m_pathField->setFocus();
}

void CSelectFolderDialog::makeFolder()
{
    bool confirmed = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("New Folder"),
                                               QStringLiteral("Create new folder in:\n%1").arg(m_currentFolder),
                                               QLineEdit::Normal, QStringLiteral("New Folder"), &confirmed);
    if (!confirmed) {
        return;
    }
    const NewFolder made = makeNewFolder(m_currentFolder, name);
    if (!made.failure.isEmpty()) {
        m_asker->tell(this, QMessageBox::Warning, made.failure);
    } else if (!made.path.isEmpty()) {
        browse(made.path);
    }
}

void CSelectFolderDialog::activate(const QModelIndex& index)
{
    // A folder opens; a file confirms the folder box, as the Select button does.
    if (m_model->isDir(index)) {
        browse(m_model->filePath(index));
    } else {
        accept();
    }
}

void CSelectFolderDialog::applyFileType(int index)
{
    if (index >= 0 && index < m_fileTypes.size()) {
        m_model->setNameFilters(m_fileTypes[index].patterns);
    }
}

void CSelectFolderDialog::accept()
{
    const auto folder = confirmFolder(m_folderBox->text(), m_currentFolder, *m_asker, this);
    if (!folder) {
        return;
    }
    m_selectedFolder = *folder;
    if (m_memory && QFileInfo(m_selectedFolder).isDir()) {
        m_memory->addRecentFolder(m_selectedFolder);
    }
    QDialog::accept();
}

int CSelectFolderDialog::exec()
{
    if (!claimScreen()) {
        return Rejected;
    }
    return QDialog::exec();
}

void CSelectFolderDialog::open()
{
    if (claimScreen()) {
        QDialog::open();
    }
}

void CSelectFolderDialog::done(int result)
{
    if (result != Accepted) {
        m_selectedFolder.clear();
    }
    releaseScreen();
    QDialog::done(result);
}

bool CSelectFolderDialog::claimScreen()
{
    if (openChooser != nullptr && openChooser != this) {
        return false;
    }
    openChooser = this;
    return true;
}

void CSelectFolderDialog::releaseScreen()
{
    if (openChooser == this) {
        openChooser = nullptr;
    }
}

void CSelectFolderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_centred && screen() != nullptr) {
        m_centred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

bool CSelectFolderDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The list and the path field pass Enter on to the dialog after acting on it, where it would press Select as
    // well; so Enter on them is handled here and goes no further.
    if ((watched == m_list || watched == m_pathField) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_pathField) {
                browseTyped();
            } else if (m_list->currentIndex().isValid()) {
                activate(m_list->currentIndex());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace panes
