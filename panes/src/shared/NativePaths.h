#pragma once

#include <QString>

#include <string>

namespace panes {

// A path as the file system holds it (bytes in the locale's encoding) turned into text, and back.
QString FromNative(const std::string& path);
std::string ToNative(const QString& path);

} // namespace panes
