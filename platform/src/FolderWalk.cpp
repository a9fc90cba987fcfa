#include "platform/FolderWalk.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Upper(std::string text)
{
    for (auto& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool HasTxtExtension(const std::string& name)
{
    auto dot = name.rfind('.');
    return dot != std::string::npos && Upper(name.substr(dot)) == ".TXT";
}

// A pipe would hold the whole run until something writes to it, and a device may never end.
bool IsPipeOrDevice(const fs::directory_entry& entry)
{
    std::error_code ignored;
    auto type = entry.status(ignored).type();
    return type == fs::file_type::fifo || type == fs::file_type::socket || type == fs::file_type::block
        || type == fs::file_type::character;
}

void Walk(const fs::path& folder, std::vector<std::string>& files, std::vector<std::string>* unreadable)
{
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(*it);
    }
    if (error) {
        if (unreadable) {
            unreadable->push_back(folder.string());
        }
        return;
    }
    std::sort(entries.begin(), entries.end(), [](const fs::directory_entry& a, const fs::directory_entry& b) {
        auto upperA = Upper(a.path().filename().string());
        auto upperB = Upper(b.path().filename().string());
        return upperA != upperB ? upperA < upperB : a.path().filename() < b.path().filename();
    });
    for (const auto& entry : entries) {
        std::error_code statusError;
        if (entry.is_symlink(statusError) && entry.is_directory(statusError)) {
            continue;
        }
        if (entry.is_directory(statusError)) {
            Walk(entry.path(), files, unreadable);
        } else if (HasTxtExtension(entry.path().filename().string()) && !IsPipeOrDevice(entry)) {
            files.push_back(entry.path().string());
        }
    }
}

} // namespace

std::vector<std::string> ListTextFiles(const std::string& folder, std::vector<std::string>* unreadable)
{
    std::vector<std::string> files;
    Walk(fs::path(folder), files, unreadable);
    return files;
}

} // namespace platform
