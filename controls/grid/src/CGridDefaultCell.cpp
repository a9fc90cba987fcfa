#include "grid/CGridDefaultCell.h"

#include <QApplication>
#include <QFontMetrics>

namespace grid {

CGridDefaultCell::CGridDefaultCell()
{
    SetFormat(DefaultFormat);
    const QFont font = QApplication::font();
    SetFont(&font);
}

void CGridDefaultCell::SetFont(const QFont* font)
{
    const QFont chosen = font ? *font : QApplication::font();
    CGridCell::SetFont(&chosen);
    const QFontMetrics metrics(chosen);
    SetMargin(metrics.horizontalAdvance(QLatin1Char(' ')));
    m_size = QSize(metrics.horizontalAdvance(QStringLiteral(" XXXXXXXXXXXX ")), metrics.height() * 3 / 2);
}

} // namespace grid
