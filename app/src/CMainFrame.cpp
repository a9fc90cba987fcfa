#include "app/CMainFrame.h"

#include "app/CAboutBoxDialog.h"
#include "app/CTipOfTheDayDialog.h"
#include "app/MainMenu.h"
#include "app/OptionsKeeper.h"
#include "app/Pictures.h"
#include "app/SiteAddresses.h"
#include "chrome/Palette.h"
#include "panes/CFileListDialog.h"
#include "panes/CLeftView.h"
#include "panes/CRightView.h"
#include "panes/FileListCommands.h"
#include "panes/MessageBoxAsker.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSplitter>

namespace app {

namespace {

constexpr int LeftPaneWidth = 640;
const QSize MinimumFrameSize(930, 565);

bool IsFileListCommand(int command)
{
    return panes::FileListCommands().contains(command);
}

} // namespace

CMainFrame::CMainFrame(engine::ConversionOptions& options, OptionsKeeper& keeper, std::string tipsPath,
                       FrameServices services)
    : m_options(options)
    , m_keeper(keeper)
    , m_folders(keeper.settingsPath())
    , m_chooser(&m_folders)
    , m_placement(keeper.settingsPath())
    , m_tipsPath(std::move(tipsPath))
    , m_services(std::move(services))
{
    if (!m_services.asker) {
        m_services.asker = &panes::MessageBoxAsker::instance();
    }
    setWindowTitle(QString::fromLatin1(ProductName));
    setWindowIcon(ProgramIcon());
    // Sized by its edges, down to the minimum, but never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(MinimumFrameSize);
    auto colors = palette();
    colors.setColor(QPalette::Window, chrome::PaneBackground);
    setPalette(colors);
    setAutoFillBackground(true);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_rightView = new panes::CRightView(&m_options);
    m_rightView->setMessageAsker(*m_services.asker);
    m_rightView->setFolderMemory(m_folders);
    m_leftView = new panes::CLeftView(*m_rightView);
    m_leftView->setMinimumWidth(LeftPaneWidth);
    m_splitter->addWidget(m_leftView);
    m_splitter->addWidget(m_rightView);
    m_splitter->setChildrenCollapsible(false);
    // The options pane is never squeezed below its width in the smallest window: its labels and values stay legible.
    m_rightView->setMinimumWidth(MinimumFrameSize.width() - LeftPaneWidth - m_splitter->handleWidth());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);

    createMenus();
    createKeys();
    connect(&fileList(), &panes::CFileListDialog::commandStateChanged, this, &CMainFrame::updateActions);
    connect(&fileList(), &panes::CFileListDialog::runInProgressChanged, this, [this](bool running) {
        m_rightView->setRunInProgress(running);
        if (running) {
            // A run reads every item back into the record first.
            m_keeper.optionsChanged();
        }
    });
    connect(m_rightView, &panes::CRightView::resetAvailableChanged, this, &CMainFrame::updateActions);
    connect(m_rightView, &panes::CRightView::optionCommitted, &m_keeper, &OptionsKeeper::optionsChanged);
    m_keeper.setCommitEdits([this] { static_cast<void>(m_rightView->ReadBackOptions()); });
    connect(m_rightView, &panes::CRightView::optionCommitted, &fileList(), &panes::CFileListDialog::optionsChanged);
    fileList().setFileChooser(m_chooser);
    updateActions();
    m_placement.restore(*this, *m_splitter, preferredSize(), m_leftView->sizeHint().width());
}

QSize CMainFrame::preferredSize() const
{
    // Both panes as wide as they would be, the height the smallest.
    const int width = m_leftView->sizeHint().width() + m_splitter->handleWidth() + m_rightView->sizeHint().width();
    return QSize(width, MinimumFrameSize.height()).expandedTo(MinimumFrameSize);
}

CMainFrame::~CMainFrame()
{
    m_keeper.setCommitEdits({});
}

panes::CFileListDialog& CMainFrame::fileList() const
{
    return m_leftView->dialog();
}

void CMainFrame::createMenus()
{
    for (const auto& popup : MainMenu()) {
        auto* menu = menuBar()->addMenu(popup.title);
        for (const auto& entry : popup.entries) {
            if (entry.command == 0) {
                menu->addSeparator();
                continue;
            }
            auto* action = menu->addAction(entry.text);
            action->setData(entry.command);
            connect(action, &QAction::triggered, this, [this, command = entry.command] { runCommand(command); });
            m_actions.insert(entry.command, action);
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateActions);
    }
}

void CMainFrame::createKeys()
{
    auto bind = [this](QKeyCombination key, auto handler) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    for (const auto& accelerator : Accelerators()) {
        bind(accelerator.key, [this, command = accelerator.command] { runCommand(command); });
    }
}

void CMainFrame::updateActions()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        it.value()->setEnabled(isCommandEnabled(it.key()));
    }
}

bool CMainFrame::isCommandEnabled(int command) const
{
    if (IsFileListCommand(command)) {
        return fileList().isCommandEnabled(command);
    }
    switch (command) {
    case ResetAllOptionsCommand:
        return m_rightView->isResetAvailable();
    case TipOfTheDayCommand:
    case FrameTipOfTheDayCommand:
    case OnlineHelpCommand:
    case TellToFriendCommand:
    case CheckNewVersionCommand:
    case VisitWebSiteCommand:
    case AboutCommand:
    case ExitCommand:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::runCommand(int command)
{
    if (!isCommandEnabled(command)) {
        return false;
    }
    if (IsFileListCommand(command)) {
        return fileList().runCommand(command);
    }
    switch (command) {
    case ResetAllOptionsCommand:
        resetAllOptions();
        break;
    case ExitCommand:
        close();
        break;
    case OnlineHelpCommand:
        m_services.opener(QUrl(SitePage(QStringLiteral("/help.html"))));
        break;
    case TellToFriendCommand:
        m_services.opener(InvitationMail());
        break;
    case CheckNewVersionCommand:
        m_services.opener(QUrl(SitePage(QStringLiteral("/marlowen.html"))));
        break;
    case VisitWebSiteCommand:
        m_services.opener(QUrl(SitePage(QStringLiteral("/"))));
        break;
    case AboutCommand:
        showAbout();
        break;
    case TipOfTheDayCommand:
    case FrameTipOfTheDayCommand:
        showTipOfTheDay();
        break;
    default:
        return false;
    }
    return true;
}

void CMainFrame::resetAllOptions()
{
    if (m_rightView->OnResetOptions()) {
        m_keeper.optionsChanged();
    }
}

void CMainFrame::showAbout()
{
    auto* about = new CAboutBoxDialog(this, m_services.opener);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

CTipOfTheDayDialog* CMainFrame::createTip()
{
    auto* tip = new CTipOfTheDayDialog(m_keeper.settingsPath(), m_tipsPath, *m_services.asker, this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    return tip;
}

void CMainFrame::showTipOfTheDay()
{
    createTip()->open();
}

void CMainFrame::showTipAtStartup()
{
    auto* tip = createTip();
    if (tip->showAtStartup()) {
        tip->open();
    } else {
        delete tip;
    }
}

void CMainFrame::addPaths(const std::vector<std::string>& paths)
{
    QStringList files;
    auto addFiles = [&] {
        if (!files.isEmpty()) {
            fileList().addFiles(files);
            files.clear();
        }
    };
    for (const auto& bytes : paths) {
        const auto path = QFile::decodeName(QByteArray::fromStdString(bytes));
        if (QFileInfo(path).isDir()) {
            addFiles();
            fileList().importFolder(path);
        } else {
            files.append(path);
        }
    }
    addFiles();
}

void CMainFrame::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    // A modal dialog open over the window (the tip of the day, a message box) keeps the keyboard.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    } else {
        activateWindow();
    }
}

void CMainFrame::closeQuietly()
{
    m_quiet = true;
    if (m_closing) {
        // The close is waiting for an answer to the box telling that the options were not saved, and
        // a second close would be dropped: the box goes unanswered and the close ends.
        for (auto* box : findChildren<QDialog*>()) {
            if (box->isVisible()) {
                box->reject();
            }
        }
        return;
    }
    close();
}

bool CMainFrame::event(QEvent* event)
{
    // A key no widget claimed for itself reaches the window before its shortcuts are tried: a text
    // editor keeps the keys it uses for itself.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (panes::IsTextEditor(QApplication::focusWidget()) && panes::IsTextEditorKey(key->keyCombination())) {
            key->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    const QScopedValueRollback closing(m_closing, true);
    fileList().closeDown();
    m_placement.save(*this, *m_splitter);
    auto saved = m_keeper.saveNow();
    if (!saved && !m_quiet) {
        tellUnsavedSettings(saved.error());
    }
    event->accept();
}

void CMainFrame::tellUnsavedSettings(const std::string& reason)
{
    m_services.asker->tell(this, QMessageBox::Warning,
                           QStringLiteral("The options could not be saved in %1:\n%2\n\nThe changes made since the "
                                          "last start are lost.")
                               .arg(QFile::decodeName(QByteArray::fromStdString(m_keeper.settingsPath())),
                                    QString::fromStdString(reason)));
}

} // namespace app
