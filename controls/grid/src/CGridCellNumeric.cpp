#include "grid/CGridCellNumeric.h"

namespace grid {

bool CGridCellNumeric::Edit(int row, int col, QRect rect, QPoint, int id, int nChar)
{
    return editWith(row, col, rect, id, nChar, true);
}

} // namespace grid
