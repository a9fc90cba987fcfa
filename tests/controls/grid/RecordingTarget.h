#pragma once

#include "grid/GridNotify.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// Owner stand-in: records every notification a grid sends and answers with a
// value chosen per code. Display requests are filled through a text function.
class RecordingTarget : public controls::NotifyTarget
{
public:
    struct Record
    {
        int code;
        int row;
        int col;
        QString text;
    };

    qintptr notify(controls::NotifyHeader& header) override
    {
        Record record{header.code, -1, -1, {}};
        if (header.code == grid::notify::LVN_GETDISPINFOA || header.code == grid::notify::LVN_ENDLABELEDITA) {
            auto& info = static_cast<grid::GV_DISPINFO&>(header);
            record.row = info.item.row;
            record.col = info.item.col;
            if (header.code == grid::notify::LVN_GETDISPINFOA && cellText) {
                info.item.strText = cellText(info.item.row, info.item.col);
            }
            record.text = info.item.strText;
        } else if (header.code == grid::notify::LVN_ODCACHEHINT) {
            const auto& hint = static_cast<grid::GV_CACHEHINT&>(header);
            hints.append(hint.range);
            record.row = hint.range.minRow;
            record.col = hint.range.minCol;
        } else {
            const auto& view = static_cast<grid::NM_GRIDVIEW&>(header);
            record.row = view.iRow;
            record.col = view.iColumn;
        }
        records.append(record);
        return answers.value(header.code, 0);
    }

    QList<Record> ofCode(int code) const
    {
        QList<Record> found;
        for (const Record& record : records) {
            if (record.code == code) {
                found.append(record);
            }
        }
        return found;
    }

    QList<Record> records;
    QList<grid::GridCellRange> hints;
    QHash<int, qintptr> answers;
    std::function<QString(int, int)> cellText;
};
