#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace app {

namespace {

const char* const LeftKey = "Left";
const char* const TopKey = "Top";
const char* const WidthKey = "Width";
const char* const HeightKey = "Height";
const char* const MaximizedKey = "Maximized";
const char* const SplitterKey = "SplitterPos";

// Stands for a key that is missing or holds no number.
constexpr int Missing = -1;

void centreOnScreen(QWidget& window)
{
    if (auto* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace

WindowPlacement::WindowPlacement(std::string settingsPath)
    : m_section(std::move(settingsPath), "Main Window")
{
}

void WindowPlacement::restore(QWidget& window, QSplitter& splitter, QSize preferred, int preferredFirstPane) const
{
    const auto stored = m_section.read();
    const QSize size(stored.number(WidthKey, Missing), stored.number(HeightKey, Missing));
    if (size.width() > 0 && size.height() > 0) {
        window.resize(size.expandedTo(window.minimumSize()));
    } else {
        const QScreen* screen = window.screen();
        const QSize room = screen ? screen->availableGeometry().size() : preferred;
        window.resize(preferred.boundedTo(room).expandedTo(window.minimumSize()));
    }
    const QPoint position(stored.number(LeftKey, Missing), stored.number(TopKey, Missing));
    const QRect shown(position, window.size());
    if (stored.text(LeftKey).isEmpty() || !QGuiApplication::screenAt(shown.center())) {
        centreOnScreen(window);
    } else {
        window.move(position);
    }
    const int kept = stored.number(SplitterKey, Missing);
    const int firstPane = kept > 0 ? kept : preferredFirstPane;
    splitter.setSizes({ firstPane, window.width() - firstPane - splitter.handleWidth() });
    if (stored.number(MaximizedKey, 0) != 0) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void WindowPlacement::save(const QWidget& window, const QSplitter& splitter) const
{
    const bool maximized = window.isMaximized();
    std::vector<std::pair<const char*, QString>> values {
        { MaximizedKey, QString::number(maximized ? 1 : 0) },
        { SplitterKey, QString::number(splitter.sizes().value(0)) },
    };
    if (!maximized) {
        values.insert(values.end(), { { LeftKey, QString::number(window.x()) }, { TopKey, QString::number(window.y()) },
                                      { WidthKey, QString::number(window.width()) },
                                      { HeightKey, QString::number(window.height()) } });
    }
    m_section.write(values);
}

} // namespace app
