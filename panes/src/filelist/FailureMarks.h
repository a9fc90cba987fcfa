#pragma once

#include "panes/FileEntryList.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <unordered_map>

namespace grid {
class CGridCtrl;
}

namespace panes {

// The entries whose file yielded no PDF in the last run: their rows drawn in the failure colour, and the reason
// shown as the tooltip of such a row (the other rows show their file's whole path). A mark stays with its entry
// when other entries are removed.
class FailureMarks : public QObject
{
public:
    // Shows the reasons as tooltips of the grid's rows.
    FailureMarks(grid::CGridCtrl& grid, const FileEntryList& entries, QObject* parent = nullptr);

    void mark(FileEntryList::Id id, const QString& reason);
    // Draws the rows still listed in the grid's colour again, forgets every reason and hides the one on screen.
    void clear();
    // The reason the entry at index yielded no PDF, or empty.
    QString reasonOf(std::size_t index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourRow(std::ptrdiff_t index, const QColor& colour);

    grid::CGridCtrl& m_grid;
    const FileEntryList& m_entries;
    std::unordered_map<FileEntryList::Id, QString> m_reasons;
};

} // namespace panes
