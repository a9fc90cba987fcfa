#pragma once

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

namespace app {

// The message in which a second start hands its files to the running instance: the number of
// paths, then each path as its length and its bytes (32-bit big-endian numbers), so a path may hold
// any byte, line breaks included.
QByteArray EncodeHandOver(const std::vector<std::string>& paths);

// Collects the bytes of one message as they arrive. Paths that cannot name a file are refused: those not absolute,
// holding NUL, or not valid in the file system's encoding.
class HandOverReader
{
public:
    enum class State { Incomplete, Complete, Malformed };

    State append(const QByteArray& bytes);
    const std::vector<std::string>& paths() const { return m_paths; }

private:
    State parse();

    QByteArray m_buffer;
    std::vector<std::string> m_paths;
    State m_state = State::Incomplete;
};

} // namespace app
