#include "panes/SettingsSection.h"

#include "platform/IniProfile.h"

namespace panes {

namespace {

// Long enough for any path the desktop keeps.
constexpr std::size_t LongestText = 4096;

} // namespace

SettingsSection::SettingsSection(std::string path, std::string name)
    : m_path(std::move(path))
    , m_name(std::move(name))
{
}

QString SettingsSection::text(const char* key) const
{
    if (m_path.empty()) {
        return {};
    }
    const auto profile = platform::IniProfile::Read(m_path);
    const auto value = profile ? profile->text(m_name, key, LongestText) : std::nullopt;
    return value ? QString::fromStdString(*value) : QString();
}

int SettingsSection::number(const char* key, int fallback) const
{
    const auto parsed = platform::ParseProfileNumber(text(key).toStdString());
    return parsed ? *parsed : fallback;
}

void SettingsSection::write(const std::vector<std::pair<const char*, QString>>& values) const
{
    if (m_path.empty()) {
        return;
    }
    auto profile = platform::IniProfile::Read(m_path);
    if (!profile) {
        return;
    }
    for (const auto& [key, value] : values) {
        const std::string text = value.toStdString();
        if (profile->text(m_name, key, LongestText).value_or(std::string()) != text) {
            profile->setText(m_name, key, text);
        }
    }
    static_cast<void>(profile->save());
}

} // namespace panes
