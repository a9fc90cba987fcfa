#include "GridTextPainter.h"

#include "grid/GridTypes.h"

#include <QFontMetrics>
#include <QPainter>

namespace grid {

int GridTextPainter::alignment(quint32 format)
{
    int flags = Qt::AlignLeft;
    if (format & DT_CENTER) {
        flags = Qt::AlignHCenter;
    } else if (format & DT_RIGHT) {
        flags = Qt::AlignRight;
    }
    if (format & DT_VCENTER) {
        flags |= Qt::AlignVCenter;
    } else if (format & DT_BOTTOM) {
        flags |= Qt::AlignBottom;
    } else {
        flags |= Qt::AlignTop;
    }
    return flags;
}

void GridTextPainter::draw(QPainter& painter, const QRect& rect, quint32 format, const QString& text)
{
    if (rect.isEmpty() || text.isEmpty()) {
        return;
    }
    int flags = alignment(format);
    if (!(format & DT_NOPREFIX)) {
        flags |= Qt::TextShowMnemonic;
    }
    QString shown = text;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
    } else if (format & DT_WORDBREAK) {
        flags |= Qt::TextWordWrap;
    }
    if ((format & DT_END_ELLIPSIS) && !(format & DT_WORDBREAK)) {
        shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width(), flags);
    }
    painter.drawText(rect, flags, shown);
}

} // namespace grid
