#include "app/CTipOfTheDayDialog.h"

#include "app/DialogUnits.h"
#include "app/Pictures.h"
#include "platform/FileInfo.h"
#include "platform/IniProfile.h"
#include "panes/MessageAsker.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace app {

namespace {

const char* const TipsSection = "Tips";
constexpr std::size_t TimeStampLength = 127;

QString MissingTipsText()
{
    return QStringLiteral("Tips file does not exist in the prescribed directory");
}

QString TroubleText()
{
    return QStringLiteral("Trouble reading the tips file");
}

int ReadTipsNumber(const std::string& settingsPath, const char* key, int defaultValue)
{
    auto profile = platform::IniProfile::Read(settingsPath);
    auto value = profile ? profile->value(TipsSection, key) : std::nullopt;
    if (!value) {
        return defaultValue;
    }
    auto number = platform::ParseProfileNumber(*value);
    return number ? *number : defaultValue;
}

void WriteTipsValue(const std::string& settingsPath, const char* key, const std::string& value)
{
    if (auto profile = platform::IniProfile::Read(settingsPath)) {
        profile->setText(TipsSection, key, value);
        static_cast<void>(profile->save()); // the tips' place is a convenience: a failed save goes untold
    }
}

} // namespace

CTipOfTheDayDialog::CTipOfTheDayDialog(std::string settingsPath, const std::string& tipsPath,
                                       panes::MessageAsker& asker, QWidget* parent)
    : QDialog(parent)
    , m_settingsPath(std::move(settingsPath))
    , m_asker(asker)
{
    m_showAtStartup = ReadTipsNumber(m_settingsPath, "TipOfDay", 1) != 0;
    buildControls();
    openTips(tipsPath);
}

CTipOfTheDayDialog::~CTipOfTheDayDialog()
{
    if (m_tips && m_tips->isOpen()) {
        WriteTipsValue(m_settingsPath, "FilePos", std::to_string(m_tips->position()));
    }
}

QString CTipOfTheDayDialog::tipText() const
{
    return m_tip;
}

void CTipOfTheDayDialog::buildControls()
{
    setWindowTitle(QStringLiteral("Tip of the Day"));
    DialogUnits units(fontMetrics());
    setFixedSize(units.x(231), units.y(164));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(units.rect(12, 11, 207, 123));
    auto colors = frame->palette();
    colors.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(colors);
    m_pictureArea = units.rect(20, 17, 190, 111);

    m_tipLabel = new QLabel(this);
    m_tipLabel->setObjectName(QStringLiteral("tip"));
    m_tipLabel->setGeometry(units.rect(28, 63, 177, 60));
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setTextFormat(Qt::PlainText);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipLabel->setAutoFillBackground(true);
    auto white = m_tipLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_tipLabel->setPalette(white);

    m_startupCheck = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), this);
    PlaceControl(*m_startupCheck, units.rect(13, 146, 85, 10));
    m_startupCheck->setChecked(m_showAtStartup);

    m_nextButton = new QPushButton(QStringLiteral("&Next Tip"), this);
    m_nextButton->setGeometry(units.rect(109, 143, 50, 14));
    m_nextButton->setAutoDefault(false);
    connect(m_nextButton, &QPushButton::clicked, this, &CTipOfTheDayDialog::showNextTip);

    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setGeometry(units.rect(168, 143, 50, 14));
    closeButton->setDefault(true);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, this, &CTipOfTheDayDialog::closeAndStore);

    // A font wider than planned: the buttons make way for the check box's text.
    const int overlap = m_startupCheck->geometry().right() + units.x(4) - m_nextButton->x();
    if (overlap > 0) {
        m_nextButton->move(m_nextButton->pos() + QPoint(overlap, 0));
        closeButton->move(closeButton->pos() + QPoint(overlap, 0));
        setFixedWidth(width() + overlap);
    }
}

void CTipOfTheDayDialog::openTips(const std::string& tipsPath)
{
    m_tips = std::make_unique<TipsFile>(tipsPath);
    if (!m_tips->isOpen()) {
        m_tip = MissingTipsText();
        m_tipLabel->setText(m_tip);
        m_nextButton->setEnabled(false);
        return;
    }
    long position = ReadTipsNumber(m_settingsPath, "FilePos", 0);
    std::string stamp;
    if (auto info = platform::GetFileInfo(tipsPath)) {
        stamp = TipsTimeStamp(info->creationTime);
    }
    auto profile = platform::IniProfile::Read(m_settingsPath);
    auto stored = profile ? profile->text(TipsSection, "TimeStamp", TimeStampLength).value_or("") : std::string();
    if (stored != stamp) {
        WriteTipsValue(m_settingsPath, "TimeStamp", stamp);
        position = 0;
    }
    if (!m_tips->seek(position)) {
        m_asker.tell(parentWidget(), QMessageBox::Warning, TroubleText());
        return;
    }
    showNextTip();
}

void CTipOfTheDayDialog::showNextTip()
{
    auto tip = m_tips->next();
    if (m_tips->rewindFailed()) {
        m_asker.tell(this, QMessageBox::Warning, TroubleText());
    }
    if (!tip) {
        // A file without a single usable line: nothing to show, and nothing more to look for.
        m_tip.clear();
        m_nextButton->setEnabled(false);
    } else {
        m_tip = QString::fromUtf8(*tip);
    }
    auto shown = m_tip;
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r'))) {
        shown.chop(1);
    }
    m_tipLabel->setText(shown);
}

void CTipOfTheDayDialog::closeAndStore()
{
    m_showAtStartup = m_startupCheck->isChecked();
    WriteTipsValue(m_settingsPath, "TipOfDay", m_showAtStartup ? "1" : "0");
    accept();
}

void CTipOfTheDayDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(m_pictureArea, Qt::white);
    int side = m_tipLabel->geometry().top() - m_pictureArea.top() - 4;
    QRect picture(m_pictureArea.topLeft(), QSize(side, side));
    DrawPicture(painter, QStringLiteral("tip"), picture.adjusted(4, 4, -4, -4));
    auto heading = font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    QRect band(picture.right() + 6, picture.top(), m_pictureArea.right() - picture.right() - 6, side);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QStringLiteral("Did you know..."));
}

} // namespace app
