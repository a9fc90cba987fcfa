#include "panes/CFileListDialog.h"

#include "panes/DesktopRun.h"
#include "panes/DesktopSeams.h"
#include "panes/FileListCommands.h"
#include "panes/MessageBoxAsker.h"
#include "panes/OptionsSource.h"

#include "filelist/FileListGrid.h"
#include "filelist/FileListTexts.h"
#include "filelist/PreviewLoader.h"
#include "filelist/RunReport.h"

#include <chrome/CIconButton.h>
#include <chrome/CTextProgressBar.h>
#include <grid/CGridCtrl.h>
#include <grid/GridNotify.h>
#include <platform/FileInfo.h>
#include <platform/FolderWalk.h>
#include <platform/PathParts.h>
#include <resources/Icons.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolTip>

#include <array>

namespace panes {

const QColor CFileListDialog::BackgroundColour(227, 246, 253);

namespace {

const char* const WaitingCaption = "Waiting for converting.";

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

const QColor FailureColour(192, 0, 0);

QString FromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CFileListDialog::CFileListDialog(OptionsSource& options, QWidget* parent)
    : QWidget(parent)
    , m_options(options)
    , m_asker(&MessageBoxAsker::instance())
{
    static DialogFileChooser dialogChooser;
    static DesktopServicesOpener desktopOpener;
    m_chooser = &dialogChooser;
    m_opener = &desktopOpener;

    QPalette background = palette();
    background.setColor(QPalette::Window, BackgroundColour);
    setPalette(background);
    setAutoFillBackground(true);
    setAcceptDrops(true);
    createControls();

    m_run = new DesktopRun(this);
    connect(m_run, &DesktopRun::progressChanged, this, [this](qint64 low, qint64 high, qint64 position) {
        // The bar counts in ints; large files are scaled down alike.
        const int shift = high > INT_MAX ? 10 : 0;
        m_currentBar->setRange(int(low >> shift), int(high >> shift));
        m_currentBar->setPosition(int(position >> shift));
    });
    connect(m_run, &DesktopRun::fileFinished, this,
            [this](int index, int, const engine::FileResult& result, const QString& caption) {
                onFileFinished(index, result, caption);
            });
    connect(m_run, &DesktopRun::warningRaised, this, &CFileListDialog::onWarning);
    connect(m_run, &DesktopRun::runEnded, this, &CFileListDialog::onRunEnded);
    connect(m_run, &DesktopRun::workerEnded, this, [this] {
        stateChanged();
        emit runInProgressChanged(false);
    });

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
    resetCaptions();

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

    for (QObject* watched : std::initializer_list<QObject*> { m_grid, m_grid->viewport(), m_preview,
             m_preview->viewport() }) {
        watched->installEventFilter(this);
    }
    for (auto* button : std::as_const(m_buttons)) {
        button->installEventFilter(this);
    }
    layOut();
}

chrome::CIconButton* CFileListDialog::button(int command) const
{
    return m_buttons.value(command, nullptr);
}

QString CFileListDialog::failureOf(std::size_t index) const
{
    auto found = m_failures.find(m_entries.id(index));
    return found == m_failures.end() ? QString() : found->second;
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
        return !m_running;
    case RemoveSelectedCommand:
    case RemoveAllCommand:
    case SelectCurrentItemCommand:
    case SelectAllItemsCommand:
    case ClearAllSelectedCommand:
    case InvertSelectCommand:
        return !listEmpty() && !m_running;
    case StartConvertCommand:
        return !listEmpty() && !m_running && !isWorkerAlive();
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
        startConvert();
        break;
    case StopConvertCommand:
        stopConvert();
        break;
    }
    return true;
}

void CFileListDialog::stateChanged()
{
    for (int command : RunDisabledButtons) {
        m_buttons[command]->setEnabled(!m_running);
    }
    m_buttons[StartConvertCommand]->setEnabled(!m_running && !isWorkerAlive());
    emit commandStateChanged();
}

// ---------------------------------------------------------------- keys

bool CFileListDialog::event(QEvent* event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && handleKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::event(event);
}

bool CFileListDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        if (handleKey(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    }
    case QEvent::ToolTip:
        if (watched == m_grid->viewport()) {
            auto* help = static_cast<QHelpEvent*>(event);
            const grid::GridCellId cell = m_grid->GetCellFromPt(help->pos());
            const int index = cell.row - 1;
            const QString reason = index >= 0 && std::size_t(index) < m_entries.size() ? failureOf(std::size_t(index))
                                                                                       : QString();
            if (reason.isEmpty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(help->globalPos(), reason, m_grid->viewport());
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool CFileListDialog::handleKey(QKeyEvent& key)
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
    runCommand(command);
    return true;
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
    std::vector<std::string> native;
    native.reserve(std::size_t(paths.size()));
    for (const QString& path : paths) {
        native.push_back(ToNative(path));
    }
    addPaths(native);
}

void CFileListDialog::addDroppedPaths(const QStringList& paths)
{
    std::vector<std::string> native;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            for (auto& file : platform::ListTextFiles(ToNative(path))) {
                native.push_back(std::move(file));
            }
        } else if (path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
            native.push_back(ToNative(path));
        }
    }
    addPaths(native);
}

void CFileListDialog::importFolder(const QString& folder)
{
    addPaths(platform::ListTextFiles(ToNative(folder)));
}

void CFileListDialog::addPaths(const std::vector<std::string>& paths)
{
    QStringList repeated;
    std::vector<const std::string*> fresh;
    for (const auto& path : paths) {
        if (m_entries.contains(path)) {
            repeated.append(FromNative(path));
        } else {
            m_entries.append(path);
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
        m_asker->show(this, QMessageBox::NoIcon, DuplicatesMessage(repeated));
    }
}

void CFileListDialog::resetCaptions()
{
    for (auto* bar : { m_currentBar, m_totalBar }) {
        bar->setPosition(0);
        bar->setCaption(QString::fromLatin1(WaitingCaption));
    }
}

void CFileListDialog::openFile()
{
    m_chooser->chooseFiles(this, [this](const QStringList& files) {
        resetCaptions();
        addFiles(files);
    });
}

void CFileListDialog::importDirectory()
{
    m_chooser->chooseFolder(this, [this](const QString& folder) {
        resetCaptions();
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
    m_entries.clear();
    m_failures.clear();
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
    const QString target = FromNative(folder ? platform::SplitPath(path).folder : path);
    if (!m_opener->open(target)) {
        m_asker->show(this, QMessageBox::Warning, QStringLiteral("The desktop could not open %1").arg(target));
    }
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

// ---------------------------------------------------------------- the run

void CFileListDialog::startConvert()
{
    m_grid->EndEditing();
    clearFailureMarks();
    m_jobs.clear();
    m_jobIds.clear();
    for (int row = 1; row < m_grid->GetRowCount(); ++row) {
        if (IsRowChecked(*m_grid, row)) {
            m_jobs.push_back({ m_entries.path(std::size_t(row - 1)),
                               m_grid->GetItemText(row, OwnerPasswordColumn).toStdString(),
                               m_grid->GetItemText(row, UserPasswordColumn).toStdString() });
            m_jobIds.push_back(m_entries.id(std::size_t(row - 1)));
        }
    }
    m_runOptions = m_options.ReadBackOptions();
    if (m_jobs.empty()) {
        return;
    }
    m_stopRequested = false;
    m_run->start(m_runOptions, m_jobs);
    setRunning(true);
    emit runInProgressChanged(true);
}

void CFileListDialog::stopConvert()
{
    setRunning(false);
    for (auto* bar : { m_currentBar, m_totalBar }) {
        bar->setPosition(0);
        bar->setCaption(QString::fromLatin1(engine::ConvertStoppedCaption));
    }
    if (isWorkerAlive()) {
        m_stopRequested = true;
        m_run->stop();
    }
}

void CFileListDialog::setRunning(bool running)
{
    m_running = running;
    stateChanged();
}

void CFileListDialog::onFileFinished(int index, const engine::FileResult& result, const QString& caption)
{
    if (!caption.isEmpty()) {
        m_totalBar->setCaption(caption);
    }
    if (!result.written()) {
        markFailure(m_jobIds[std::size_t(index)], QString::fromStdString(result.outcome.error()));
    }
}

void CFileListDialog::onRunEnded(const engine::RunSummary& summary)
{
    if (m_closing) {
        return;
    }
    QString report = RunReportText(summary.results);
    if (summary.end == engine::RunEnd::Halted) {
        setRunning(false);
        const auto& last = summary.results.back();
        report.prepend(QStringLiteral("The conversion stopped at %1: %2\n\n")
                           .arg(QString::fromStdString(last.inputPath), QString::fromStdString(last.outcome.error())));
    } else if (summary.end == engine::RunEnd::Finished && !m_stopRequested) {
        setRunning(false);
        for (auto* bar : { m_currentBar, m_totalBar }) {
            bar->setCaption(QString::fromLatin1(engine::ConvertFinishedCaption));
        }
        openResult(summary);
    }
    if (!report.isEmpty()) {
        m_asker->show(this, QMessageBox::Warning, report.trimmed());
    }
}

void CFileListDialog::openResult(const engine::RunSummary& summary)
{
    if (m_runOptions.OpenResult != engine::Yes || summary.converted == 0) {
        return;
    }
    const QString target = FromNative(engine::ResultToOpen(m_jobs));
    if (!m_opener->open(target)) {
        m_asker->show(this, QMessageBox::Warning, QStringLiteral("The desktop could not open %1").arg(target));
    }
}

void CFileListDialog::onWarning(const QString& text)
{
    if (m_closing) {
        m_run->continueAfterWarning();
        return;
    }
    m_warningBox = m_asker->show(this, QMessageBox::Warning, text, [run = QPointer<DesktopRun>(m_run)] {
        if (run) {
            run->continueAfterWarning();
        }
    });
}

void CFileListDialog::markFailure(FileEntryList::Id id, const QString& reason)
{
    m_failures[id] = reason;
    const auto index = m_entries.indexOf(id);
    if (index < 0) {
        return;
    }
    for (int col = FileNameColumn; col < FileListColumnCount; ++col) {
        m_grid->SetItemFgColour(int(index) + 1, col, FailureColour);
    }
}

void CFileListDialog::clearFailureMarks()
{
    for (const auto& [id, reason] : m_failures) {
        const auto index = m_entries.indexOf(id);
        for (int col = FileNameColumn; index >= 0 && col < FileListColumnCount; ++col) {
            m_grid->SetItemFgColour(int(index) + 1, col, QColor());
        }
    }
    m_failures.clear();
}

bool CFileListDialog::closeDown(std::chrono::milliseconds timeout)
{
    m_closing = true;
    if (m_warningBox) {
        m_warningBox->close();
    }
    clearPreview();
    const bool ended = m_run->shutDown(timeout);
    if (m_running) {
        setRunning(false);
    }
    return ended;
}

} // namespace panes
