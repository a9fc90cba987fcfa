#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// A file written under a temporary name in the folder of its final path and renamed over that path
// only by commit(), so the final path holds either its old content or the complete new one.
// Without commit() the temporary file is removed on destruction, and also when the process is ended
// by a signal whose handler calls EndBySignal (TemporaryFiles.h).
//
// A final path that is a symbolic link keeps being one: the file it leads to is the one replaced.
// A new file gets the permissions the process's umask gives; a replaced file keeps its own.
class AtomicFile
{
public:
    explicit AtomicFile(std::string finalPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false with error() set when the folder cannot take it or the file
    // at the final path is read-only (it is not replaced then).
    bool open();
    // Writes all bytes; false with error() set when the write fails.
    bool write(std::string_view bytes);
    // Flushes, closes and renames the temporary file over the final path. False with error() set
    // when any step fails.
    bool commit();
    const std::string& error() const { return m_error; }

private:
    void discard();

    std::string m_finalPath;  // as the caller named it, for messages
    std::string m_targetPath; // the file replaced: the final path with its links followed
    std::string m_tempPath;
    int m_fd = -1;
    int m_slot = -1; // in the list of temporary files a signal removes
    bool m_replacing = false;
    std::string m_error;
};

// The text of errno, for messages.
std::string ErrnoText(int error);

} // namespace platform
