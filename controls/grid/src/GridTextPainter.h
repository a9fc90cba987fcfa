#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace grid {

// Draws text with a cell's format word (the DT_ flags): alignment, single line
// or word break, mnemonic prefixes and the end ellipsis.
class GridTextPainter
{
public:
    static int alignment(quint32 format);
    static void draw(QPainter& painter, const QRect& rect, quint32 format, const QString& text);
};

} // namespace grid
