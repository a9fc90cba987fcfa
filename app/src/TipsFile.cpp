#include "app/TipsFile.h"

#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>

namespace app {

namespace {

constexpr int LineBufferSize = 1000;

bool IsSkipped(char first)
{
    return first == ' ' || first == '\t' || first == '\n' || first == '\r' || first == ';';
}

} // namespace

TipsFile::TipsFile(const std::string& path)
    : m_file(std::fopen(path.c_str(), "r"))
{
}

TipsFile::~TipsFile()
{
    if (m_file) {
        std::fclose(m_file);
    }
}

bool TipsFile::seek(long offset)
{
    return m_file && offset >= 0 && std::fseek(m_file, offset, SEEK_SET) == 0;
}

long TipsFile::position() const
{
    return m_file ? std::ftell(m_file) : 0;
}

std::optional<std::string> TipsFile::next()
{
    if (!m_file) {
        return std::nullopt;
    }
    char line[LineBufferSize];
    bool wrapped = false;
    for (;;) {
        if (std::fgets(line, LineBufferSize, m_file)) {
            if (!IsSkipped(line[0])) {
                return std::string(line);
            }
            continue;
        }
        // A second end of file without a tip means a whole pass found none: stop rather than loop.
        if (wrapped) {
            return std::nullopt;
        }
        if (std::fseek(m_file, 0, SEEK_SET) != 0) {
            m_rewindFailed = true;
            return std::nullopt;
        }
        std::clearerr(m_file);
        wrapped = true;
    }
}

std::string TipsTimeStamp(std::time_t time)
{
    std::tm local {};
    localtime_r(&time, &local);
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::put_time(&local, "%a %b %d %H:%M:%S %Y");
    auto stamp = text.str();
    stamp.erase(stamp.find_last_not_of(" \t\r\n") + 1);
    return stamp;
}

std::string FindTipsFile(const std::string& executableFolder)
{
    const std::filesystem::path folder(executableFolder);
    auto beside = folder / "tips.txt";
    auto installed = folder / ".." / "share" / "marlowen" / "tips.txt";
    std::error_code ignored;
    if (!std::filesystem::exists(beside, ignored) && std::filesystem::exists(installed, ignored)) {
        return installed.lexically_normal().string();
    }
    return beside.string();
}

} // namespace app
