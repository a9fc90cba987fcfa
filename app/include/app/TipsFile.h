#pragma once

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace app {

// tips.txt, read as the tip of the day reads it: one tip a line; a line that starts with a blank, a
// tab, a line break or ';' is skipped; lines are read 999 bytes at a time, so a longer line gives
// several tips. The file stays open while the object lives.
class TipsFile
{
public:
    explicit TipsFile(const std::string& path);
    ~TipsFile();
    TipsFile(const TipsFile&) = delete;
    TipsFile& operator=(const TipsFile&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // Moves to a byte offset; false when it cannot be reached.
    bool seek(long offset);
    long position() const;
    // The next tip from the position, its line break included, going back to the start of the file
    // at its end. Nothing when the whole file holds no tip, or when going back failed.
    std::optional<std::string> next();
    bool rewindFailed() const { return m_rewindFailed; }

private:
    std::FILE* m_file = nullptr;
    bool m_rewindFailed = false;
};

// The file time as tips.txt's stamp is kept in the settings: "Thu Mar 01 10:20:30 2012", local time.
std::string TipsTimeStamp(std::time_t time);

// tips.txt beside the executable, else in the data folder of an installed copy
// (<prefix>/bin/marlowen finds <prefix>/share/marlowen/tips.txt); the path beside it when neither exists.
std::string FindTipsFile(const std::string& executableFolder);

} // namespace app
