#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace grid {

// Tab-separated text, the form in which cells travel through the clipboard and
// drag and drop: one line per row, cells separated by tabs.
class GridTextTable
{
public:
    // Lines end with "\r\n", the line end other programs expect on the clipboard.
    static QString join(const QList<QStringList>& rows);
    // Accepts "\r\n", "\n" and "\r" line ends; a final line end adds no empty row.
    static QList<QStringList> split(const QString& text);
};

} // namespace grid
