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

SettingsSection::Values SettingsSection::read() const
{
    Values values;
    values.m_name = m_name;
    if (!m_path.empty()) {
        if (auto profile = platform::IniProfile::Read(m_path)) {
            values.m_profile = std::make_shared<const platform::IniProfile>(std::move(*profile));
        }
    }
    return values;
}

QString SettingsSection::Values::text(const char* key) const
{
    const auto value = m_profile ? m_profile->text(m_name, key, LongestText) : std::nullopt;
    return value ? QString::fromStdString(*value) : QString();
}

int SettingsSection::Values::number(const char* key, int fallback) const
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
