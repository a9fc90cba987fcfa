#pragma once

#include "app/TipsFile.h"

#include <QDialog>

#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace panes {
class MessageAsker;
}

namespace app {

// Shows one tip of tips.txt at a time and remembers in the settings file (section "Tips") where it
// stopped, whether it is shown at start-up and the stamp of the tips file it read.
//
// Building the dialog already reads the next tip; destroying it stores the position after that tip
// in "FilePos", however the dialog was closed and also when it was never shown. "&Close" stores the
// check box in "TipOfDay"; Escape and the close box leave it as it was. A replaced tips file (its
// stamp changed) starts again at its first tip.
class CTipOfTheDayDialog : public QDialog
{
    Q_OBJECT

public:
    CTipOfTheDayDialog(std::string settingsPath, const std::string& tipsPath, panes::MessageAsker& asker,
                       QWidget* parent = nullptr);
    ~CTipOfTheDayDialog() override;

    // The "TipOfDay" setting as it was read: whether the tip is shown at start-up.
    bool showAtStartup() const { return m_showAtStartup; }
    QString tipText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void openTips(const std::string& tipsPath);
    void showNextTip();
    void closeAndStore();

    std::string m_settingsPath;
    panes::MessageAsker& m_asker;
    bool m_showAtStartup = true;
    std::unique_ptr<TipsFile> m_tips;
    QString m_tip;
    QRect m_pictureArea;
    QLabel* m_tipLabel = nullptr;
    QCheckBox* m_startupCheck = nullptr;
    QPushButton* m_nextButton = nullptr;
};

} // namespace app
