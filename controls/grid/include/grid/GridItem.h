#pragma once

#include "grid/GridTypes.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace grid {

// The record with which an owner sets (or, in virtual mode, supplies) one cell
// in one call. Only the fields named by the mask are meant. An invalid colour
// stands for "use the default cell's colour".
struct GridItem
{
    int row = 0;
    int col = 0;
    quint32 mask = 0;
    quint32 nState = 0;
    quint32 nFormat = 0;
    int iImage = -1;
    QColor crBkClr;
    QColor crFgClr;
    quint32 lParam = 0;
    QFont lfFont;
    quint32 nMargin = 0;
    QString strText;
};

} // namespace grid
