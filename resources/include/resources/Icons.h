#pragma once

namespace resources {

// Registers the compiled-in icons; call before the first use of a path below. Safe to call more than once.
void LoadIcons();

inline constexpr const char* OpenFileIcon = ":/icons/open-file.svg";
inline constexpr const char* ImportDirectoryIcon = ":/icons/import-directory.svg";
inline constexpr const char* RemoveSelectedIcon = ":/icons/remove-selected.svg";
inline constexpr const char* ClearAllSelectedIcon = ":/icons/clear-all-selected.svg";
inline constexpr const char* StartConvertIcon = ":/icons/start-convert.svg";
inline constexpr const char* StopConvertIcon = ":/icons/stop-convert.svg";

} // namespace resources
