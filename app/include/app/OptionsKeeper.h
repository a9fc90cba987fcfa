#pragma once

#include "engine/ConversionOptions.h"
#include "engine/SettingsFile.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace app {

// Keeps Settings.ini up to date with the options record, so that a crash or a logout loses no
// change: a committed change is saved shortly after it (changes in quick succession are saved
// once), and saveNow() saves at once, at exit and when the session or the process ends. Only the
// options changed since the file was read or last saved are written, so a key edited by hand
// meanwhile keeps the user's edit.
class OptionsKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int SaveDelayMilliseconds = 500;

    OptionsKeeper(std::string settingsPath, const engine::ConversionOptions& options);

    const std::string& settingsPath() const { return m_path; }
    // The record changed: save it soon.
    void optionsChanged();
    // Saves now, after committing what an open editor holds; the result says why the file could not be
    // written.
    engine::SettingsSave saveNow();
    // Called before every save to store what the options pane shows into the record (an editor left
    // open counts with what it holds); empty: nothing to commit.
    void setCommitEdits(std::function<void()> commit) { m_commitEdits = std::move(commit); }

private:
    std::string m_path;
    const engine::ConversionOptions& m_options;
    engine::ConversionOptions m_asSaved; // the record as the file holds it
    std::function<void()> m_commitEdits;
    QTimer m_timer;
};

} // namespace app
