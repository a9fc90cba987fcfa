#include "GridTextTable.h"

#include <QRegularExpression>

namespace grid {

QString GridTextTable::join(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(QLatin1Char('\t'));
        text += QStringLiteral("\r\n");
    }
    return text;
}

QList<QStringList> GridTextTable::split(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QList<QStringList> rows;
    for (const QString& line : std::as_const(lines)) {
        rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace grid
