#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace panes {

class MessageAsker;

// The folder a path typed in a folder chooser names: a leading "~" stands for the home folder, a relative path is
// taken relative to the shown folder; without a trailing separator (the root folder stays "/").
QString typedFolder(const QString& typed, const QString& shownFolder);

// Turns what the user confirmed in a folder chooser into the chosen folder, ending with '/'.
//  - typed is the text of the folder box, read by typedFolder; when it is empty the shown folder is taken.
//  - A path with two separators in a row ("//server/share", "smb://host/share", "/a//b") is refused with
//    "Invalid directory", as is an existing path that is not a folder.
//  - A missing folder is offered for creation with all its missing parents. Yes creates it and reports
//    "Can not create directory" when that fails; No returns the missing folder as it is.
// Returns nothing when the chooser has to stay open.
std::optional<QString> confirmFolder(const QString& typed, const QString& shownFolder, MessageAsker& asker,
                                     QWidget* parent);

} // namespace panes
