#include "app/MainMenu.h"

#include "app/SiteAddresses.h"
#include "panes/FileListCommands.h"

namespace app {

using namespace panes;

const QList<MenuPopup>& MainMenu()
{
    static const QList<MenuPopup> menu {
        { QStringLiteral("&File"),
          {
              { OpenFileCommand, QStringLiteral("&Open File...\tCtrl+O") },
              { ImportDirectoryCommand, QStringLiteral("Open &Directory...\tCtrl+D") },
              { 0, {} },
              { ResetAllOptionsCommand, QStringLiteral("&Reset All Options") },
              { 0, {} },
              { ExitCommand, QStringLiteral("E&xit\tAlt+F4") },
          } },
        { QStringLiteral("&Edit"),
          {
              { OpenFileDirectoryCommand, QStringLiteral("Open File Directory\tCtrl+E") },
              { OpenWithAssociatedAppCommand, QStringLiteral("Open with Associated App\tCtrl+W") },
              { 0, {} },
              { RemoveSelectedCommand, QStringLiteral("Remove Selected") },
              { RemoveAllCommand, QStringLiteral("Remove All\tCtrl+Del") },
              { 0, {} },
              { SelectCurrentItemCommand, QStringLiteral("Select Current Item\tSpace") },
              { SelectAllItemsCommand, QStringLiteral("Select All Items\tCtrl+A") },
              { ClearAllSelectedCommand, QStringLiteral("Clear All Selected\tCtrl+X") },
              { InvertSelectCommand, QStringLiteral("Invert Select\tCtrl+I") },
              { 0, {} },
              { StartConvertCommand, QStringLiteral("Start Convert\tF5") },
              { StopConvertCommand, QStringLiteral("Stop Convert\tShift+F5") },
          } },
        { QStringLiteral("&Help"),
          {
              { OnlineHelpCommand, QStringLiteral("&Online Help\tF1") },
              { 0, {} },
              { TellToFriendCommand, QStringLiteral("&Tell to Friend via E-mail...") },
              { CheckNewVersionCommand, QStringLiteral("&Check New Version...") },
              { VisitWebSiteCommand, QStringLiteral("&Visit ") + QLatin1String(SiteHost) + QStringLiteral("...") },
              { 0, {} },
              { AboutCommand, QStringLiteral("&About Marlowen...") },
          } },
    };
    return menu;
}

const QList<Accelerator>& Accelerators()
{
    static const QList<Accelerator> keys {
        { Qt::CTRL | Qt::Key_A, SelectAllItemsCommand },
        { Qt::CTRL | Qt::Key_D, ImportDirectoryCommand },
        { Qt::CTRL | Qt::Key_E, OpenFileDirectoryCommand },
        { Qt::CTRL | Qt::Key_I, InvertSelectCommand },
        { Qt::CTRL | Qt::Key_O, OpenFileCommand },
        { Qt::CTRL | Qt::Key_Delete, RemoveAllCommand },
        { QKeyCombination(Qt::Key_F5), StartConvertCommand },
        { Qt::SHIFT | Qt::Key_F5, StopConvertCommand },
        { QKeyCombination(Qt::Key_Space), SelectCurrentItemCommand },
        { Qt::CTRL | Qt::Key_W, OpenWithAssociatedAppCommand },
        { Qt::CTRL | Qt::Key_X, ClearAllSelectedCommand },
        // The Help menu shows F1 for its first entry.
        { QKeyCombination(Qt::Key_F1), OnlineHelpCommand },
    };
    return keys;
}

} // namespace app
