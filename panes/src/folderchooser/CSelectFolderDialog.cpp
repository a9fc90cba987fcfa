#include "folderchooser/CSelectFolderDialog.h"

#include "panes/MessageBoxAsker.h"

#include "folderchooser/FolderConfirmation.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
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
    m_list->setObjectName(QStringLiteral("folderList"));
    m_list->setMinimumSize(420, 220);
    m_folderBox->setObjectName(QStringLiteral("folderBox"));
    m_fileTypeBox->setObjectName(QStringLiteral("fileTypeBox"));
    auto* folderLabel = new QLabel(QStringLiteral("Current Folder:"), this);
    folderLabel->setBuddy(m_folderBox);
    auto* selectButton = new QPushButton(QStringLiteral("&Select"), this);
    selectButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(upButton, 0, 1, Qt::AlignRight);
    grid->addWidget(m_list, 1, 0, 1, 2);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(selectButton, 2, 1);
    // The type list is only of use when files are listed; it then sits under the folder box, beside Cancel.
    const bool withFileTypes = m_showFiles && !m_fileTypes.isEmpty();
    if (withFileTypes) {
        auto* typeLabel = new QLabel(QStringLiteral("Please Select the File Type:"), this);
        typeLabel->setBuddy(m_fileTypeBox);
        for (const FileType& type : m_fileTypes) {
            m_fileTypeBox->addItem(type.description);
        }
        grid->addWidget(m_folderBox, 3, 0, 1, 2);
        grid->addWidget(typeLabel, 4, 0);
        grid->addWidget(m_fileTypeBox, 5, 0);
        grid->addWidget(cancelButton, 5, 1);
        applyFileType(0);
        connect(m_fileTypeBox, &QComboBox::currentIndexChanged, this, &CSelectFolderDialog::applyFileType);
    } else {
        m_fileTypeBox->hide();
        grid->addWidget(m_folderBox, 3, 0);
        grid->addWidget(cancelButton, 3, 1);
    }
    grid->setColumnStretch(0, 1);
    setTabOrder(m_list, m_folderBox);

    connect(upButton, &QToolButton::clicked, this, &CSelectFolderDialog::browseUp);
    connect(m_list, &QListView::activated, this, &CSelectFolderDialog::activate);
    m_list->installEventFilter(this);
    connect(selectButton, &QPushButton::clicked, this, &CSelectFolderDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CSelectFolderDialog::reject);
}

void CSelectFolderDialog::browse(const QString& folder)
{
    m_currentFolder = folder;
    m_list->setRootIndex(m_model->setRootPath(folder));
    m_folderBox->setText(folder);
}

void CSelectFolderDialog::browseUp()
{
    QDir folder(m_currentFolder);
    if (folder.cdUp()) {
        browse(folder.absolutePath());
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
    if (folder) {
        m_selectedFolder = *folder;
        QDialog::accept();
    }
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
    // The list passes Enter on to the dialog after opening the item, where it would press Select as well;
    // so Enter on the list is handled here and goes no further.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_list->currentIndex().isValid()) {
                activate(m_list->currentIndex());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace panes
