#pragma once

#include "app/WindowPlacement.h"
#include "chrome/CHyperLink.h"
#include "engine/ConversionOptions.h"
#include "panes/DesktopSeams.h"
#include "panes/FolderMemory.h"

#include <QHash>
#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QSplitter;

namespace panes {
class CFileListDialog;
class CLeftView;
class CRightView;
class MessageAsker;
} // namespace panes

namespace app {

class CTipOfTheDayDialog;
class OptionsKeeper;

// What the main window asks and opens through; tests replace them.
struct FrameServices
{
    panes::MessageAsker* asker = nullptr; // real message boxes when null
    chrome::UrlOpener opener = chrome::DesktopUrlOpener();
};

// The main window: the menu bar, the main window's keys and a splitter with the file list pane on
// the left and the options pane on the right.
//
// Commands. Every menu entry and key sends a command identifier to runCommand(), which runs it only
// when isCommandEnabled(): the file list's commands go to the file list pane, which decides; "Reset
// All Options" to the options pane, unavailable during a run; the rest are the window's own. The menu
// entries follow every change of the enabled state, not only when a menu opens.
//
// Keys. The keys are window shortcuts; the file list pane takes the same keys itself while it has the
// focus, so no key acts twice. While a text editor has the focus, the keys it uses for itself (Space,
// Del, Ctrl+A, Ctrl+X, Ctrl+Del, Ctrl+I) are its own.
//
// Placement. The window opens where and as large as it was at its last close (kept in Settings.ini beside the
// options), the first time as large as shows every header and label, as far as the screen allows.
//
// Closing. A close request stops a run, then saves the options and the window's placement; when the options cannot
// be saved the user is told which file and why, and the window closes all the same.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // options and keeper belong to the caller and must outlive the window. tipsPath is tips.txt for
    // the tip of the day.
    CMainFrame(engine::ConversionOptions& options, OptionsKeeper& keeper, std::string tipsPath,
               FrameServices services = {});
    ~CMainFrame() override;

    panes::CFileListDialog& fileList() const;
    panes::CRightView& rightView() const { return *m_rightView; }

    bool isCommandEnabled(int command) const;
    // Runs an enabled command; false when it is not enabled (or unknown).
    bool runCommand(int command);
    // The menu entry of a command.
    QAction* action(int command) const { return m_actions.value(command); }

    // Adds files and folders to the list as Open File and Import Directory do (paths in the system's
    // bytes, absolute).
    void addPaths(const std::vector<std::string>& paths);
    // Shows the window if it is minimised or hidden and asks the window system to raise and activate
    // it, or the modal dialog open over it (a Wayland session or a focus-stealing rule may refuse).
    void bringToFront();
    // Shows the tip of the day, window-modal.
    void showTipOfTheDay();
    // The tip of the day at start-up: shown when the settings ask for it; read all the same, so the
    // next start shows the tip after it.
    void showTipAtStartup();
    // Closes without asking or telling anything: the session or the process is ending. A close
    // already under way ends without the answer it waits for.
    void closeQuietly();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createKeys();
    void updateActions();
    void showAbout();
    CTipOfTheDayDialog* createTip();
    void resetAllOptions();
    void tellUnsavedSettings(const std::string& reason);

    QSize preferredSize() const;

    engine::ConversionOptions& m_options;
    OptionsKeeper& m_keeper;
    panes::FolderMemory m_folders;
    panes::DialogFileChooser m_chooser;
    WindowPlacement m_placement;
    std::string m_tipsPath;
    FrameServices m_services;
    QSplitter* m_splitter = nullptr;
    panes::CRightView* m_rightView = nullptr;
    panes::CLeftView* m_leftView = nullptr;
    QHash<int, QAction*> m_actions;
    bool m_quiet = false;
    bool m_closing = false;
};

} // namespace app
