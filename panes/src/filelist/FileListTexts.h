#pragma once

#include "shared/NativePaths.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace panes {

// The size column: whole kilobytes with comma groups, whatever the locale: 0 -> "0 KB", 1,048,576 -> "1,024 KB".
QString SizeText(std::uint64_t bytes);
// The creation date column: "%H:%M:%S %m/%d/%Y" in local time.
QString CreationDateText(std::time_t time);

// The one box an action that met already listed paths shows: "File: <path> have been imported!" for each of the
// first few, then how many more there were.
QString DuplicatesMessage(const QStringList& repeated);
// The box about paths given to be listed that do not exist, in the same form.
QString MissingFilesMessage(const QStringList& missing);
// The box about parts of imported folders that could not be walked: "<path>: <reason>" lines in the same form.
QString UnwalkedFoldersMessage(const QStringList& problems);

// What the status area says when Start Convert finds no checked entry.
inline constexpr const char* NoFileCheckedCaption = "No file is checked.";
// Remove All asks first when it would take more entries than this from the list.
inline constexpr std::size_t QuietRemoveAllLimit = 300;

// How many entries of a list the pane's summaries name before counting the rest.
inline constexpr int NamedDuplicates = 5;
inline constexpr int NamedFailures = 20;

} // namespace panes
