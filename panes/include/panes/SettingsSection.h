#pragma once

#include <QString>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class IniProfile;
}

namespace panes {

// A section of Settings.ini in which the desktop program keeps where its window and dialogs were, beside the
// options. Each read takes the file as it is now; a write changes only the keys whose value differs from the file's,
// so that the options and a key edited by hand meanwhile stay as they are. These are conveniences: a file that cannot
// be read or written reads as empty and keeps nothing, untold. An empty path keeps nothing.
class SettingsSection
{
public:
    SettingsSection(std::string path, std::string name);

    // The section as the file held it when read: one reading serves every key asked.
    class Values
    {
    public:
        // The key's text, or empty.
        QString text(const char* key) const;
        // The key's whole number, or fallback when it is missing or not a number.
        int number(const char* key, int fallback) const;

    private:
        friend class SettingsSection;
        std::shared_ptr<const platform::IniProfile> m_profile; // null when the file could not be read
        std::string m_name;
    };

    // Reads the file as it is now.
    Values read() const;
    // Stores each (key, value); a missing key counts as empty.
    void write(const std::vector<std::pair<const char*, QString>>& values) const;

private:
    std::string m_path;
    std::string m_name;
};

} // namespace panes
