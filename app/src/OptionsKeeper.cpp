#include "app/OptionsKeeper.h"

namespace app {

OptionsKeeper::OptionsKeeper(std::string settingsPath, const engine::ConversionOptions& options)
    : m_path(std::move(settingsPath))
    , m_options(options)
    , m_asSaved(options)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &OptionsKeeper::saveNow);
}

void OptionsKeeper::optionsChanged()
{
    m_timer.start();
}

engine::SettingsSave OptionsKeeper::saveNow()
{
    m_timer.stop();
    if (m_commitEdits) {
        m_commitEdits();
    }
    auto saved = engine::SaveOptions(m_path, m_options, &m_asSaved);
    if (saved) {
        m_asSaved = m_options;
    }
    return saved;
}

} // namespace app
