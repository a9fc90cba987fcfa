#pragma once

#include <QList>

#include <algorithm>
#include <vector>

namespace grid {

// Where each row of a table goes when several rows are removed at once, worked out once in O(rows) so that
// every part of the grid can follow the removal in one pass.
class GridRowRemoval
{
public:
    // removed: rows of a table of rowCount rows, in any order; rows outside the table are ignored.
    GridRowRemoval(int rowCount, const QList<int>& removed)
        : m_newIndex(size_t(std::max(rowCount, 0)), 0)
    {
        for (int row : removed) {
            if (row >= 0 && row < rowCount) {
                m_newIndex[size_t(row)] = -1;
            }
        }
        int next = 0;
        for (int& index : m_newIndex) {
            index = index < 0 ? -1 : next++;
        }
        m_remaining = next;
    }

    // The row's index after the removal; -1 for a removed row or one outside the table.
    int newIndex(int row) const { return row >= 0 && row < rowCount() ? m_newIndex[size_t(row)] : -1; }
    bool removes(int row) const { return newIndex(row) < 0; }
    int rowCount() const { return int(m_newIndex.size()); }
    int remainingCount() const { return m_remaining; }

private:
    std::vector<int> m_newIndex;
    int m_remaining = 0;
};

} // namespace grid
