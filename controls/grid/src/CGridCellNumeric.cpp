#include "grid/CGridCellNumeric.h"

namespace grid {

bool CGridCellNumeric::Edit(int row, int col, QRect rect, QPoint, int id, int nChar)
{
    return EditWith(row, col, rect, id, nChar, true);
}

} // namespace grid
