#pragma once

#include "engine/ConversionOptions.h"
#include "engine/SettingsFile.h"

#include <QString>

#include <string>

namespace app {

// The options as a start of the desktop program finds them: the file they are kept in, what it held,
// and what the user is told about it once the window is up.
struct StartSettings
{
    std::string path; // the file the options are saved to
    engine::SettingsLoad load;
    QString notice; // empty when there is nothing to tell
};

// Reads the options from readPath into the record and keeps them in writePath. When the two differ (a
// Settings.ini beside the program in a folder it cannot write), the file is copied to writePath first,
// and the notice says where the options now go; later starts read that copy. A settings file the
// program cannot write is told at once, and so is every value of the file that cannot be used.
StartSettings LoadStartSettings(const std::string& readPath, const std::string& writePath,
                                engine::ConversionOptions& options);

} // namespace app
