#include "app/HandOverMessage.h"

#include <QFile>
#include <QtEndian>

namespace app {

namespace {

// Bounds that no real start reaches; a message beyond them is not from a copy of this program.
constexpr quint32 MaxPaths = 1'000'000;
constexpr quint32 MaxPathLength = 65'536;

// A start sends absolute paths. Empty ones, those holding NUL and those whose bytes are not valid in the file
// system's encoding (the list would receive another path than the one sent) would each be listed as a row that
// names no file.
bool NamesAFile(const QByteArray& path)
{
    return path.startsWith('/') && !path.contains('\0') && QFile::encodeName(QFile::decodeName(path)) == path;
}

void AppendNumber(QByteArray& message, quint32 number)
{
    char bytes[4];
    qToBigEndian(number, bytes);
    message.append(bytes, 4);
}

} // namespace

QByteArray EncodeHandOver(const std::vector<std::string>& paths)
{
    QByteArray message;
    AppendNumber(message, static_cast<quint32>(paths.size()));
    for (const auto& path : paths) {
        AppendNumber(message, static_cast<quint32>(path.size()));
        message.append(path.data(), static_cast<qsizetype>(path.size()));
    }
    return message;
}

HandOverReader::State HandOverReader::append(const QByteArray& bytes)
{
    if (m_state == State::Incomplete) {
        m_buffer.append(bytes);
        m_state = parse();
    }
    return m_state;
}

HandOverReader::State HandOverReader::parse()
{
    qsizetype at = 0;
    auto readNumber = [&](quint32& number) {
        if (m_buffer.size() - at < 4) {
            return false;
        }
        number = qFromBigEndian<quint32>(m_buffer.constData() + at);
        at += 4;
        return true;
    };
    quint32 count = 0;
    if (!readNumber(count)) {
        return State::Incomplete;
    }
    if (count > MaxPaths) {
        return State::Malformed;
    }
    std::vector<std::string> paths;
    for (quint32 i = 0; i < count; ++i) {
        quint32 length = 0;
        if (!readNumber(length)) {
            return State::Incomplete;
        }
        if (length > MaxPathLength) {
            return State::Malformed;
        }
        if (m_buffer.size() - at < length) {
            return State::Incomplete;
        }
        const auto path = QByteArray::fromRawData(m_buffer.constData() + at, length);
        if (NamesAFile(path)) {
            paths.push_back(path.toStdString());
        }
        at += length;
    }
    if (at != m_buffer.size()) {
        return State::Malformed;
    }
    m_paths = std::move(paths);
    return State::Complete;
}

} // namespace app
