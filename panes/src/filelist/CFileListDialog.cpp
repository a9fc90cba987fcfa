#include "panes/CFileListDialog.h"

#include "panes/FileListCommands.h"
#include "panes/MessageBoxAsker.h"
#include "panes/OptionsSource.h"

#include "filelist/FailureMarks.h"
#include "filelist/FileListGrid.h"
#include "filelist/FileListKeyFilter.h"
#include "filelist/FileListRun.h"
#include "filelist/FileListTexts.h"
#include "filelist/PreviewLoader.h"

#include <chrome/CIconButton.h>
#include <chrome/CTextProgressBar.h>
#include <chrome/Palette.h>
#include <grid/CGridCtrl.h>
#include <grid/GridNotify.h>
#include <platform/FileInfo.h>
#include <platform/FolderWalk.h>
#include <platform/PathParts.h>
#include <resources/Icons.h>

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <array>
#include <filesystem>

namespace panes {

namespace {

struct ButtonSpec
{
    int command;
    const char* icon;
    const char* tooltip;
};

const std::array<ButtonSpec, 6> Buttons { {
    { OpenFileCommand, resources::OpenFileIcon, "Open File (Ctrl+O)" },
    { ImportDirectoryCommand, resources::ImportDirectoryIcon, "Open Directory (Ctrl+D)" },
    { RemoveSelectedCommand, resources::RemoveSelectedIcon, "Remove Current Selected Item (Del)" },
    { ClearAllSelectedCommand, resources::ClearAllSelectedIcon, "Clear All Selected (Ctrl+X)" },
    { StartConvertCommand, resources::StartConvertIcon, "Start Convert (F5)" },
    { StopConvertCommand, resources::StopConvertIcon, "Stop Convert (Shift+F5)" },
} };

// The buttons a run disables; Stop Convert stays enabled.
const std::array<int, 5> RunDisabledButtons { OpenFileCommand, ImportDirectoryCommand, RemoveSelectedCommand,
    ClearAllSelectedCommand, StartConvertCommand };

} // namespace

CFileListDialog::CFileListDialog(OptionsSource& options, QWidget* parent)
    : QWidget(parent)
    , m_options(options)
{
    static DialogFileChooser dialogChooser;
    static DesktopServicesOpener desktopOpener;
    m_services = { &MessageBoxAsker::instance(), &dialogChooser, &desktopOpener };

    QPalette background = palette();
    background.setColor(QPalette::Window, chrome::PaneBackground);
    setPalette(background);
    setAutoFillBackground(true);
    setAcceptDrops(true);
    createControls();

    m_run = new FileListRun({ *this, *m_grid, m_entries, *m_currentBar, *m_totalBar }, m_options, m_services);
    connect(m_run, &FileListRun::stateChanged, this, &CFileListDialog::stateChanged);
    connect(m_run, &FileListRun::runInProgressChanged, this, &CFileListDialog::runInProgressChanged);

    m_previewLoader = new PreviewLoader(this);
    m_previewTimer.setInterval(0);
    connect(&m_previewTimer, &QTimer::timeout, this, &CFileListDialog::insertNextPreviewPiece);
    connect(m_previewLoader, &PreviewLoader::loaded, this, [this](const QStringList& pieces) {
        m_previewPieces = pieces;
        m_previewTimer.start();
    });
    connect(m_previewLoader, &PreviewLoader::failed, this, [this](const QString& note) {
        m_preview->setPlainText(note);
    });
}

CFileListDialog::~CFileListDialog()
{
    closeDown();
    // The grid tells its owner about an edit it ends while being destroyed; that owner is going.
    m_grid->SetNotifyTarget(nullptr, GridId);
}

void CFileListDialog::createControls()
{
    resources::LoadIcons();
    m_grid = new grid::CGridCtrl(0, 0, 0, 0, this);
    m_grid->setObjectName(QStringLiteral("fileList"));
    m_grid->SetNotifyTarget(this, GridId);
    SetUpFileListGrid(*m_grid);
    setFocusProxy(m_grid);

    for (const auto& spec : Buttons) {
        auto* button = new chrome::CIconButton(this);
        button->setSvgIcon(QString::fromLatin1(spec.icon));
        button->setToolTip(QString::fromLatin1(spec.tooltip));
        connect(button, &QAbstractButton::clicked, this, [this, command = spec.command] { runCommand(command); });
        m_buttons.insert(spec.command, button);
    }

    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setReadOnly(true);
    m_preview->setAcceptDrops(false);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setUndoRedoEnabled(false);

    QFont small = font();
    small.setPixelSize(11);
    m_currentLabel = new QLabel(QStringLiteral("Current"), this);
    m_totalLabel = new QLabel(QStringLiteral("Total"), this);
    m_currentBar = new chrome::CTextProgressBar(this);
    m_totalBar = new chrome::CTextProgressBar(this);
    for (QWidget* widget : { static_cast<QWidget*>(m_currentLabel), static_cast<QWidget*>(m_totalLabel),
             static_cast<QWidget*>(m_currentBar), static_cast<QWidget*>(m_totalBar) }) {
        widget->setFont(small);
    }

    m_contextMenu = new QMenu(this);
    for (const auto& entry : FileListMenu()) {
        if (entry.command == 0) {
            m_contextMenu->addSeparator();
            continue;
        }
        QAction* action = m_contextMenu->addAction(QString::fromLatin1(entry.text));
        action->setData(entry.command);
        connect(action, &QAction::triggered, this, [this, command = entry.command] { runCommand(command); });
    }

    auto* keys = new FileListKeyFilter([this](int command) { runCommand(command); }, this);
    for (QObject* watched : std::initializer_list<QObject*> { this, m_grid, m_grid->viewport(), m_preview,
             m_preview->viewport() }) {
        keys->watch(*watched);
    }
    for (auto* button : std::as_const(m_buttons)) {
        keys->watch(*button);
    }
    layOut();
}

chrome::CIconButton* CFileListDialog::button(int command) const
{
    return m_buttons.value(command, nullptr);
}

QString CFileListDialog::failureOf(std::size_t index) const
{
    return m_run->failures().reasonOf(index);
}

bool CFileListDialog::isRunning() const
{
    return m_run->running();
}

bool CFileListDialog::isWorkerAlive() const
{
    return m_run->workerAlive();
}

// ---------------------------------------------------------------- commands

bool CFileListDialog::isCommandEnabled(int command) const
{
    switch (command) {
    case OpenFileCommand:
    case ImportDirectoryCommand:
        return !isRunning();
    case RemoveSelectedCommand:
    case RemoveAllCommand:
    case SelectCurrentItemCommand:
    case SelectAllItemsCommand:
    case ClearAllSelectedCommand:
    case InvertSelectCommand:
        return !listEmpty() && !isRunning();
    case StartConvertCommand:
        return !listEmpty() && !isRunning() && !isWorkerAlive();
    case OpenFileDirectoryCommand:
    case OpenWithAssociatedAppCommand:
    case StopConvertCommand:
        return !listEmpty();
    default:
        return false;
    }
}

bool CFileListDialog::runCommand(int command)
{
    if (!isCommandEnabled(command)) {
        return false;
    }
    switch (command) {
    case OpenFileCommand:
        openFile();
        break;
    case ImportDirectoryCommand:
        importDirectory();
        break;
    case RemoveSelectedCommand:
        removeSelected();
        break;
    case RemoveAllCommand:
        removeAll();
        break;
    case SelectCurrentItemCommand:
    case SelectAllItemsCommand:
    case ClearAllSelectedCommand:
    case InvertSelectCommand:
        setChecks(command);
        break;
    case OpenFileDirectoryCommand:
        openSelected(true);
        break;
    case OpenWithAssociatedAppCommand:
        openSelected(false);
        break;
    case StartConvertCommand:
        m_run->start();
        break;
    case StopConvertCommand:
        m_run->stop();
        break;
    }
    return true;
}

void CFileListDialog::stateChanged()
{
    for (int command : RunDisabledButtons) {
        m_buttons[command]->setEnabled(!isRunning());
    }
    m_buttons[StartConvertCommand]->setEnabled(!isRunning() && !isWorkerAlive());
    // The run has read the checks and passwords: they cannot change until it ends.
    m_grid->SetEditable(!isRunning());
    emit commandStateChanged();
}

// ---------------------------------------------------------------- layout and menus

void CFileListDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void CFileListDialog::layOut()
{
    const QRect client = rect();
    const int l = client.left();
    const int r = client.right() + 1;
    const int t = client.top();
    const int b = client.bottom() + 1;
    const int half = (b - t) / 2;
    m_grid->setGeometry(l, t, r - l, half - 44);
    const std::array<int, 4> topButtons { OpenFileCommand, ImportDirectoryCommand, RemoveSelectedCommand,
        ClearAllSelectedCommand };
    for (std::size_t i = 0; i < topButtons.size(); ++i) {
        m_buttons[topButtons[i]]->setGeometry(l + 5 + 52 * int(i), t + half - 36, 32, 32);
    }
    m_preview->setGeometry(l, b - half + 4, r - l, half - 52);
    m_buttons[StartConvertCommand]->setGeometry(l + 5, b - 40, 32, 32);
    m_buttons[StopConvertCommand]->setGeometry(l + 57, b - 40, 32, 32);
    m_currentLabel->setGeometry(l + 97, b - 40, 40, 12);
    m_currentBar->setGeometry(l + 145, b - 40, r - l - 145, 12);
    m_totalLabel->setGeometry(l + 97, b - 20, 40, 12);
    m_totalBar->setGeometry(l + 145, b - 20, r - l - 145, 12);
}

void CFileListDialog::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint inGrid = m_grid->mapFromGlobal(event->globalPos());
    if (listEmpty() || !m_grid->rect().contains(inGrid)) {
        return;
    }
    for (QAction* action : m_contextMenu->actions()) {
        if (!action->isSeparator()) {
            action->setEnabled(isCommandEnabled(action->data().toInt()));
        }
    }
    activateWindow();
    m_contextMenu->popup(event->globalPos() - QPoint(m_contextMenu->sizeHint().width(), 0));
    event->accept();
}

// ---------------------------------------------------------------- filling the list

void CFileListDialog::dragEnterEvent(QDragEnterEvent* event)
{
    const auto urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); })) {
        event->acceptProposedAction();
    }
}

void CFileListDialog::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    addDroppedPaths(paths);
    event->acceptProposedAction();
}

void CFileListDialog::addFiles(const QStringList& paths)
{
    std::vector<platform::FoundFile> native;
    native.reserve(std::size_t(paths.size()));
    QStringList missing;
    for (const QString& path : paths) {
        std::string bytes = ToNative(path);
        std::error_code error;
        if (std::filesystem::exists(bytes, error)) {
            native.push_back({ std::move(bytes), {} });
        } else {
            missing.append(path);
        }
    }
    if (!missing.isEmpty()) {
        m_services.asker->show(this, QMessageBox::Warning, MissingFilesMessage(missing));
    }
    addPaths(native);
}

void CFileListDialog::addDroppedPaths(const QStringList& paths)
{
    platform::FolderListing found;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            auto listing = platform::WalkFolder(ToNative(path));
            std::move(listing.files.begin(), listing.files.end(), std::back_inserter(found.files));
            std::move(listing.problems.begin(), listing.problems.end(), std::back_inserter(found.problems));
        } else if (path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
            found.files.push_back({ ToNative(path), {} });
        }
    }
    addListing(found);
}

void CFileListDialog::importFolder(const QString& folder)
{
    addListing(platform::WalkFolder(ToNative(folder)));
}

// The files found, and a word about what the walk could not read: a folder left out is no silent gap.
void CFileListDialog::addListing(const platform::FolderListing& listing)
{
    addPaths(listing.files);
    if (!listing.problems.empty()) {
        QStringList problems;
        for (const auto& problem : listing.problems) {
            problems.append(FromNative(problem.path) + QStringLiteral(": ") + QString::fromStdString(problem.reason));
        }
        m_services.asker->show(this, QMessageBox::Warning, UnwalkedFoldersMessage(problems));
    }
}

void CFileListDialog::addPaths(const std::vector<platform::FoundFile>& files)
{
    QStringList repeated;
    std::vector<const std::string*> fresh;
    for (const auto& [path, relativePath] : files) {
        if (m_entries.contains(path)) {
            repeated.append(FromNative(path));
        } else {
            m_entries.append(path, relativePath);
            fresh.push_back(&path);
        }
    }
    if (!fresh.empty()) {
        const int first = m_grid->GetRowCount();
        m_grid->SetRedraw(false);
        m_grid->SetRowCount(first + int(fresh.size()));
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            const auto parts = platform::SplitPath(*fresh[i]);
            const auto info = platform::GetFileInfo(*fresh[i]);
            FillFileRow(*m_grid, first + int(i),
                        { FromNative(parts.name + parts.extension), SizeText(info ? info->size : 0),
                          info ? CreationDateText(info->creationTime) : QString() });
        }
        m_grid->SetRedraw(true);
        stateChanged();
    }
    if (!repeated.isEmpty()) {
        m_services.asker->show(this, QMessageBox::NoIcon, DuplicatesMessage(repeated));
    }
}

void CFileListDialog::openFile()
{
    m_services.chooser->chooseFiles(this, [this](const QStringList& files) {
        m_run->showWaiting();
        addFiles(files);
    });
}

void CFileListDialog::importDirectory()
{
    m_services.chooser->chooseFolder(this, [this](const QString& folder) {
        m_run->showWaiting();
        importFolder(folder);
    });
}

int CFileListDialog::selectedRow() const
{
    const grid::GridCellRange range = m_grid->GetSelectedCellRange();
    return range.IsValid() ? range.maxRow : -1;
}

void CFileListDialog::removeSelected()
{
    const grid::GridCellRange range = m_grid->GetSelectedCellRange();
    if (!range.IsValid()) {
        return;
    }
    QList<int> rows;
    std::vector<std::size_t> removed;
    for (int row = std::max(1, range.minRow); row <= range.maxRow; ++row) {
        if (m_grid->IsCellSelected(row, CheckColumn)) {
            rows.append(row);
            removed.push_back(std::size_t(row - 1));
        }
    }
    m_grid->DeleteRows(rows);
    m_entries.remove(std::move(removed));
    clearPreview();
    m_grid->Refresh();
    stateChanged();
}

void CFileListDialog::removeAll()
{
    if (m_entries.size() > QuietRemoveAllLimit
        && !m_services.asker->askYesNo(
            this, QStringLiteral("Remove all %1 files from the list?").arg(m_entries.size()))) {
        return;
    }
    m_entries.clear();
    m_run->failures().clear();
    SetUpFileListGrid(*m_grid);
    clearPreview();
    stateChanged();
}

void CFileListDialog::setChecks(int command)
{
    if (command == SelectCurrentItemCommand) {
        if (const int row = selectedRow(); row >= 1) {
            SetRowChecked(*m_grid, row, true);
        }
        return;
    }
    m_grid->SetRedraw(false);
    for (int row = 1; row < m_grid->GetRowCount(); ++row) {
        const bool checked = command == SelectAllItemsCommand ? true
            : command == ClearAllSelectedCommand              ? false
                                                              : !IsRowChecked(*m_grid, row);
        SetRowChecked(*m_grid, row, checked);
    }
    m_grid->SetRedraw(true);
}

void CFileListDialog::openSelected(bool folder)
{
    const int row = selectedRow();
    if (row < 1) {
        return;
    }
    const std::string& path = m_entries.path(std::size_t(row - 1));
    m_services.openOnDesktop(this, FromNative(folder ? platform::SplitPath(path).folder : path));
}

// ---------------------------------------------------------------- preview

qintptr CFileListDialog::notify(controls::NotifyHeader& record)
{
    if (record.code == grid::notify::NM_CLICK) {
        const auto& click = static_cast<grid::NM_GRIDVIEW&>(record);
        if (!listEmpty() && m_grid->GetSelectedCellRange().InRange(click.iRow, click.iColumn)) {
            showPreview(m_grid->GetSelectedCellRange().maxRow);
        }
    }
    return 0;
}

void CFileListDialog::showPreview(int row)
{
    if (row < 1 || std::size_t(row - 1) >= m_entries.size()) {
        return;
    }
    loadPreview(m_entries.path(std::size_t(row - 1)));
}

void CFileListDialog::optionsChanged()
{
    if (!m_previewPath.empty()) {
        loadPreview(std::string(m_previewPath));
    }
}

void CFileListDialog::loadPreview(std::string path)
{
    clearPreview();
    m_previewPath = std::move(path);
    m_previewLoader->load(m_previewPath, m_options.ReadBackOptions());
}

void CFileListDialog::clearPreview()
{
    m_previewPath.clear();
    m_previewLoader->cancel();
    m_previewTimer.stop();
    m_previewPieces.clear();
    m_preview->clear();
}

void CFileListDialog::insertNextPreviewPiece()
{
    if (m_previewPieces.isEmpty()) {
        m_previewTimer.stop();
        return;
    }
    QTextCursor cursor(m_preview->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_previewPieces.takeFirst());
}

// ---------------------------------------------------------------- closing

bool CFileListDialog::closeDown(std::chrono::milliseconds timeout)
{
    clearPreview();
    return m_run->closeDown(timeout);
}

} // namespace panes
