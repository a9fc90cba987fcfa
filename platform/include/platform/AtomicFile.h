#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// A file written under a temporary name in the folder of its final path and renamed over that path
// only by commit(), so the final path holds either its old content or the complete new one.
// Without commit() the temporary file is removed on destruction.
class AtomicFile
{
public:
    explicit AtomicFile(std::string finalPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false with error() set when the folder cannot take it.
    bool open();
    const std::string& temporaryPath() const { return m_tempPath; }
    // Writes all bytes; false with error() set when the write fails.
    bool write(std::string_view bytes);
    // Flushes, closes and renames the temporary file over the final path (keeping the permission
    // bits of a file that was there). False with error() set when any step fails.
    bool commit();
    const std::string& error() const { return m_error; }

private:
    void discard();

    std::string m_finalPath;
    std::string m_tempPath;
    int m_fd = -1;
    bool m_committed = false;
    std::string m_error;
};

// The text of errno, for messages.
std::string ErrnoText(int error);

} // namespace platform
