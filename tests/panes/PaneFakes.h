#pragma once

#include "panes/DesktopSeams.h"
#include "panes/OptionsSource.h"

#include <QStringList>

// The options a test sets, read back unchanged at every run.
class FixedOptions : public panes::OptionsSource
{
public:
    engine::ConversionOptions ReadBackOptions() override
    {
        ++reads;
        return options;
    }

    engine::ConversionOptions options;
    int reads = 0;
};

// Confirms the open-file dialog and the folder chooser with what the test put in.
class ScriptedChooser : public panes::FileChooser
{
public:
    void chooseFiles(QWidget*, std::function<void(const QStringList&)> chosen) override { chosen(files); }
    void chooseFolder(QWidget*, std::function<void(const QString&)> chosen) override { chosen(folder); }

    QStringList files;
    QString folder;
};

// Records what would have been opened; never starts a program.
class RecordingOpener : public panes::DesktopOpener
{
public:
    bool open(const QString& path) override
    {
        opened.append(path);
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};
