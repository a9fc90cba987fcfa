#pragma once

#include "grid/CGridCell.h"

namespace grid {

// A cell whose editor accepts digits only.
class CGridCellNumeric : public CGridCell
{
public:
    bool Edit(int row, int col, QRect rect, QPoint point, int id, int nChar) override;
};

} // namespace grid
