#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

namespace app {

// The main window's own commands; the file list's commands are panes::FileListCommand.
enum FrameCommand : int {
    TipOfTheDayCommand = 104,
    ResetAllOptionsCommand = 32783,
    OnlineHelpCommand = 32861,
    FrameTipOfTheDayCommand = 32862,
    TellToFriendCommand = 32865,
    CheckNewVersionCommand = 32866,
    VisitWebSiteCommand = 32867,
    AboutCommand = 57664,
    ExitCommand = 57665,
};

// One entry of a popup menu: a command with its text (mnemonic and shortcut text included), or a
// separator (command 0).
struct MenuEntry
{
    int command;
    QString text;
};

struct MenuPopup
{
    QString title;
    QList<MenuEntry> entries;
};

// The menu bar of the main window: "&File", "&Edit" and "&Help".
const QList<MenuPopup>& MainMenu();

// One key of the main window and the command it sends.
struct Accelerator
{
    QKeyCombination key;
    int command;
};

// The main window's keys. The file list pane takes the same keys itself while it has the focus.
const QList<Accelerator>& Accelerators();

} // namespace app
