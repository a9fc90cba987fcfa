#include "filelist/FailureMarks.h"

#include "filelist/FileListGrid.h"
#include "filelist/FileListTexts.h"

#include <chrome/Palette.h>
#include <grid/CGridCtrl.h>

#include <QHelpEvent>
#include <QToolTip>

namespace panes {

FailureMarks::FailureMarks(grid::CGridCtrl& grid, const FileEntryList& entries, QObject* parent)
    : QObject(parent)
    , m_grid(grid)
    , m_entries(entries)
{
    m_grid.viewport()->installEventFilter(this);
}

void FailureMarks::mark(FileEntryList::Id id, const QString& reason)
{
    m_reasons[id] = reason;
    colourRow(m_entries.indexOf(id), chrome::FailureText);
}

void FailureMarks::clear()
{
    for (const auto& [id, reason] : m_reasons) {
        colourRow(m_entries.indexOf(id), QColor());
    }
    if (!m_reasons.empty()) {
        QToolTip::hideText(); // a reason on screen would outlive its row
    }
    m_reasons.clear();
}

void FailureMarks::colourRow(std::ptrdiff_t index, const QColor& colour)
{
    for (int col = FileNameColumn; index >= 0 && col < FileListColumnCount; ++col) {
        m_grid.SetItemFgColour(int(index) + 1, col, colour);
    }
}

QString FailureMarks::reasonOf(std::size_t index) const
{
    auto found = m_reasons.find(m_entries.id(index));
    return found == m_reasons.end() ? QString() : found->second;
}

bool FailureMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QObject::eventFilter(watched, event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = m_grid.GetCellFromPt(help->pos()).row - 1;
    QString tip;
    if (index >= 0 && std::size_t(index) < m_entries.size()) {
        tip = reasonOf(std::size_t(index));
        if (tip.isEmpty()) {
            tip = FromNative(m_entries.path(std::size_t(index)));
        }
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, m_grid.viewport());
    }
    return true;
}

} // namespace panes
