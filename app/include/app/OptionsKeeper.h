#pragma once

#include "engine/ConversionOptions.h"
#include "engine/SettingsFile.h"

#include <QObject>
#include <QTimer>

#include <string>

namespace app {

// Keeps Settings.ini up to date with the options record, so that a crash or a logout loses no
// change: a committed change is saved shortly after it (changes in quick succession are saved
// once), and saveNow() saves at once, at exit and when the session or the process ends.
class OptionsKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int SaveDelayMilliseconds = 500;

    OptionsKeeper(std::string settingsPath, const engine::ConversionOptions& options);

    const std::string& settingsPath() const { return m_path; }
    // The record changed: save it soon.
    void optionsChanged();
    // Saves now; the result says why the file could not be written.
    engine::SettingsSave saveNow();

private:
    std::string m_path;
    const engine::ConversionOptions& m_options;
    QTimer m_timer;
};

} // namespace app
